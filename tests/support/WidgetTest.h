// Drives the real windows the way a user does, over the fake host.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cctype>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>

#include "orders/ui/Ordres.h"
#include "roster/MainActions.h"
#include "roster/ui/Guide.h"
#include "tests/support/FakeHost.h"

/// Failure messages show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace rdo::test {

/// The window's control named `name`; fails the test when there is none.
template <typename Widget = QWidget>
Widget* control(const QWidget& window, const QString& name) {
    auto* widget = window.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

/// Checks the controls of `places`, each given as "name left top width height"
/// and, when it is not the window's, its font's size followed by "b" if bold
/// ("11.25b"), against their rectangle in their parent and their font.
inline void expectPlaces(const QWidget& window, const char* places) {
    std::istringstream in(places);
    std::string name;
    int left, top, width, height;
    while (in >> name >> left >> top >> width >> height) {
        double points = window.font().pointSizeF();
        bool bold = false;
        if (std::isdigit((in >> std::ws).peek())) {
            in >> points;
            bold = in.peek() == 'b';
            in.ignore(bold ? 1 : 0);
        }
        const QWidget* widget = control(window, QString::fromStdString(name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QRect(left, top, width, height)) << name;
        EXPECT_EQ(widget->font().pointSizeF(), points) << name;
        EXPECT_EQ(widget->font().bold(), bold) << name;
    }
    EXPECT_TRUE(in.eof()) << "the table stops being readable after " << name;
}

/// Clicks btOpen and answers the file chooser with a team file of `bytes`.
inline void openTeamFile(Guide& guide, FakeHost& host, const std::string& bytes) {
    host.files["/equipes/equipe.cyc"] = bytes;
    host.chooserAnswers.push_back("/equipes/equipe.cyc");
    QTest::mouseClick(control(guide, QStringLiteral("btOpen")), Qt::LeftButton);
}

/// Runs `open`, which must show the orders dialog once; `drive` then works in
/// the real dialog, shown and active over the values the opening filled in.
inline void withOrdres(FakeHost& host, const std::function<void()>& open,
                       const std::function<void(Ordres&)>& drive) {
    const int shownBefore = host.dialogsShown;
    host.onDialog = [&](Roster& roster, OrdersDialog& dialog) {
        Ordres ordres(roster, dialog, host);
        ordres.show();
        ordres.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ordres));
        drive(ordres);
    };
    open();
    host.onDialog = nullptr;
    EXPECT_EQ(host.dialogsShown, shownBefore + 1);
}

/// The same for the double-click on the rider of `row`, through the logic.
inline void openRow(Roster& roster, FakeHost& host, int row,
                    const std::function<void(Ordres&)>& drive) {
    withOrdres(
        host, [&] { doubleClickRider(roster, host, row); }, drive);
}

/// Arrow key Down in a closed list: each press picks the next item.
inline void pickNext(const QWidget& window, const QString& combo, int times = 1) {
    for (int pick = 0; pick < times; ++pick) {
        QTest::keyClick(control<QComboBox>(window, combo), Qt::Key_Down);
    }
}

}  // namespace rdo::test
