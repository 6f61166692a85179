// Drives the real windows the way a user does, over the fake host.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <set>

#include "actions/MainActions.h"
#include "tests/support/FakeHost.h"
#include "widgets/kit/FitText.h"
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
    void TearDown() override { EXPECT_EQ(host.dialogsShown, drive ? 1 : host.dialogsShown); }

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

    /// A few anchors of the layout: each control where the players know it.
    template <std::size_t n>
    static void expectAt(const QWidget& window, const std::pair<const char*, QRect> (&anchors)[n]) {
        for (const auto& [name, rect] : anchors) {
            EXPECT_EQ(control(window, name)->geometry(), rect) << name;
        }
    }

    /// Every shown control says its own name to a screen reader, not its value (a list's edit
    /// field, its list's), each named control a name of its own; every text fits its box.
    static void expectReadable(const QWidget& window) {
        std::set<QString> names;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const auto* list = qobject_cast<QComboBox*>(widget->parentWidget());
            const QString name = (list ? list : widget)->accessibleName(),
                          said = QAccessible::queryAccessibleInterface(widget)->text(
                              QAccessible::Name);
            EXPECT_TRUE(!widget->isVisible() || (!name.isEmpty() && said == name))
                << said.toStdString();
            if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")) {
                continue;
            }
            EXPECT_TRUE(names.insert(name).second) << name.toStdString();
            if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
                EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()), textRoom(field));
            } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                          label->contentsRect().width());
            }
        }
    }

    std::function<void(Ordres&)> drive;
    FakeHost host;
};

}  // namespace rdo::test
