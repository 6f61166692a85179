#include "tests/ordres/OrdresDriver.h"

#include <QComboBox>

#include "roster/MainActions.h"

namespace rdo::test {

void withDialog(FakeHost& host, const std::function<void()>& doubleClick,
                const std::function<void(Ordres&)>& drive) {
    const int shownBefore = host.dialogsShown;
    host.onDialog = [&](Roster& roster, OrdersDialog& dialog) {
        Ordres ordres(roster, dialog, host);
        ordres.show();
        ordres.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ordres));
        drive(ordres);
    };
    doubleClick();
    host.onDialog = nullptr;
    EXPECT_EQ(host.dialogsShown, shownBefore + 1);
}

void openRow(Roster& roster, FakeHost& host, int row, const std::function<void(Ordres&)>& drive) {
    withDialog(
        host, [&] { doubleClickRider(roster, host, row); }, drive);
}

void pickNext(QWidget& window, const QString& combo, int times) {
    for (int pick = 0; pick < times; ++pick) {
        QTest::keyClick(control<QComboBox>(window, combo), Qt::Key_Down);
    }
}

}  // namespace rdo::test
