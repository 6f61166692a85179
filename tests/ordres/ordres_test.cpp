// The orders dialog's keys, focus, wiring and names for a screen reader; its look is the
// pictures'.
#include <QCheckBox>

#include "tests/support/WidgetTest.h"

namespace rdo {
namespace {

using OrdresTest = test::WidgetTest;

// Ten sectors, two worked already: the focus on « Sélectionner », the lists as long as the game
// has them, a refused tick shown unticked, Tab through every control, each named for Orca.
TEST_F(OrdresTest, FocusListsTicksTabAndNames) {
    Session session(test::loadedRoster(test::teamFile({"1|0|0|0|Alpha"})));
    session.roster.sectors = "10";
    session.roster.rows[0].PTplus = "1,0,1,0,0,0,0,0,0,0";
    drive = [&](Ordres& ordres) {
        EXPECT_EQ(QApplication::focusWidget(), control(ordres, "OKButton"));
        expectReadable(ordres);
        const std::pair<const char*, int> lengths[] = {
            {"cbPM", 8}, {"cbPA", 11}, {"cbPT", 6}, {"cbPL", 6}, {"cbPE_9", 8}};
        for (const auto& [list, length] : lengths) {
            EXPECT_EQ(control<QComboBox>(ordres, list)->count(), length) << list;
        }
        for (int k : {1, 3, 4, 5}) {  // 0 and 2 are ticked already: the fourth click is refused
            auto* box = control<QCheckBox>(ordres, "Check1_" + QString::number(k));
            QTest::mouseClick(box, Qt::LeftButton);
            EXPECT_EQ(box->isChecked(), k < 5) << k;
        }
        EXPECT_EQ(host.messages.size(), 1u);

        pickNext(ordres, "cbdope");  // shows btconfirme
        control(ordres, "OKButton")->setFocus();
        const QString tabOrder =
            "OKButton CancelButton cbPA cbPE_0 cbPE_1 cbPE_2 cbPE_3 cbPE_4 cbPE_5 cbPE_6 cbPE_7 "
            "cbPE_8 cbPE_9 cbPM cbPT cbPL Check1_0 Check1_1 Check1_2 Check1_3 Check1_4 Check1_5 "
            "Check1_6 Check1_7 Check1_8 Check1_9 cbdope btconfirme OKButton";
        for (const QString& name : tabOrder.split(' ')) {
            EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    };
    doubleClickRider(session, host, 0);
}

// A refused pick's message shows over the picked item, which then goes back; a typed text is the
// dialog's own, which « Sélectionner » refuses when the game could not read it.
TEST_F(OrdresTest, ARefusedPickGoesBackATypedTextIsCheckedAtSelect) {
    Session session(test::loadedRoster(test::teamFile({"1|0|0|0|Alpha"})));
    session.roster.rows[1].PA2 = "20";  // any PA for Alpha is too many
    drive = [&](Ordres& ordres) {
        auto* cbPA = control<QComboBox>(ordres, "cbPA");
        host.onMessage = [&](const std::string&) { EXPECT_NE(cbPA->currentText(), "0"); };
        pickNext(ordres, "cbPA");
        EXPECT_TRUE(host.messages.size() == 1 && cbPA->currentText() == "0");
        cbPA->lineEdit()->selectAll();
        QTest::keyClicks(cbPA, "x");
        QTest::mouseClick(control(ordres, "OKButton"), Qt::LeftButton);
        EXPECT_TRUE(ordres.isVisible());
        EXPECT_NE(host.messages.back().find("« x » dans PA"), std::string::npos);
    };
    doubleClickRider(session, host, 0);
}

}  // namespace
}  // namespace rdo
