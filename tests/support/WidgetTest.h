// Drives the real windows the way a user does, over the fake host.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include "actions/MainActions.h"
#include "tests/support/FakeHost.h"
#include "widgets/ordres/Ordres.h"

/// Failure messages show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

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

    /// Checks each "name left top width height [points, b if bold, unless the window's]".
    static void expectPlaces(const QWidget& window, const QString& places) {
        for (const QString& place : places.split(QRegularExpression(" (?=[A-Za-z])"))) {
            const QWidget* widget = control(window, place.section(' ', 0, 0));
            ASSERT_NE(widget, nullptr);
            const QFont font = widget->font();
            QString actual = QString("%1 %2 %3 %4 %5").arg(widget->objectName()).arg(widget->x());
            actual = actual.arg(widget->y()).arg(widget->width()).arg(widget->height());
            if (font.bold() || font.pointSizeF() != window.font().pointSizeF()) {
                actual += QString(" %1%2").arg(font.pointSizeF()).arg(font.bold() ? "b" : "");
            }
            EXPECT_EQ(actual, place);
        }
    }

    std::function<void(Ordres&)> drive;
    FakeHost host;
};

}  // namespace rdo::test
