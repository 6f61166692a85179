// Drives the real windows the way a user does, over the fake host.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>
#include <set>

#include "actions/MainActions.h"
#include "tests/support/FakeHost.h"
#include "widgets/ordres/Ordres.h"

namespace rdo::test {

/// Orders dialogs open for real, shown and active, for `drive`; a test setting it opens one.
class WidgetTest : public ::testing::Test {
  protected:
    WidgetTest() {
        host.onDialog = [this](Roster& roster, OrdersDialog& dialog) {
            Ordres ordres(roster, dialog, host);
            ordres.show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&ordres));
            drive(ordres);
        };
    }
    void TearDown() override { EXPECT_TRUE(!drive || host.dialogsShown > 0); }

    /// The window's control named `name`; fails the test when there is none.
    template <typename Widget = QWidget>
    static Widget* control(const QWidget& window, const QString& name) {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    /// Arrow key Down in a closed list: each press picks the next item.
    static void pickNext(const QWidget& window, const QString& combo, int times = 1) {
        for (int pick = 0; pick < times; ++pick) {
            QTest::keyClick(control<QComboBox>(window, combo), Qt::Key_Down);
        }
    }

    /// The first rider's orders of the example orders: PE 3 and 2, sector 1 worked, 4 PA, EPO.
    static void giveExampleOrders(const Ordres& ordres) {
        pickNext(ordres, "cbPE_0", 3);
        pickNext(ordres, "cbPE_1", 2);
        QTest::mouseClick(control(ordres, "Check1_0"), Qt::LeftButton);
        pickNext(ordres, "cbPA", 4);
        pickNext(ordres, "cbdope", 2);  // Clean, Amphétamines, EPO
        QTest::mouseClick(control(ordres, "btconfirme"), Qt::LeftButton);
    }

    /// Every shown control says its own name to a screen reader, not its value (a list's edit
    /// field, its list's), each named control a name of its own; its text and items show whole.
    static void expectReadable(const QWidget& window) {
        std::set<QString> names;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const auto* list = qobject_cast<QComboBox*>(widget->parentWidget());
            const QString name = (list ? list : widget)->accessibleName(),
                          said = QAccessible::queryAccessibleInterface(widget)->text(
                              QAccessible::Name);
            EXPECT_TRUE(!widget->isVisible() || (!name.isEmpty() && said == name))
                << said.toStdString();
            const QString object = widget->objectName();
            EXPECT_TRUE(object.isEmpty() || object.startsWith("qt_") || names.insert(name).second)
                << name.toStdString();

            QStyleOptionButton button;  // a button's text inside its frame, a check box's beside it
            button.initFrom(widget);
            const auto box = qobject_cast<QCheckBox*>(widget) ? QStyle::SE_CheckBoxContents
                                                              : QStyle::SE_PushButtonContents;
            const auto* field = qobject_cast<QLineEdit*>(widget);  // 2 px a side, 1 for the cursor
            const int frame = widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            const int room = qobject_cast<QAbstractButton*>(widget)
                                 ? widget->style()->subElementRect(box, &button, widget).width()
                             : field ? widget->width() - 2 * 2 - 1 - field->hasFrame() * 2 * frame
                                     : widget->width();
            for (int i = -1; i < (list ? list->count() : 0); ++i) {
                const QString text =
                    i < 0 ? widget->property("text").toString() : list->itemText(i);
                EXPECT_TRUE(!widget->isVisible() || text.isEmpty() ||
                            widget->fontMetrics().horizontalAdvance(text) <= room)
                    << object.toStdString() << " « " << text.toStdString() << " »";
            }
        }
    }

    std::function<void(Ordres&)> drive;
    FakeHost host;
};

}  // namespace rdo::test
