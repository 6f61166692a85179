// The orders dialog, driven with the keyboard and the mouse as a user does.
#include <QCheckBox>

#include "tests/support/WidgetTest.h"

namespace rdo {
namespace {

using OrdresTest = test::WidgetTest;

// Ten sectors and a row with orders: what shows, where, five ticks at most, Tab.
TEST_F(OrdresTest, OpensOnTheRowWithEveryControlInPlace) {
    Session session{test::loadedRoster(test::teamFile({"1|0|0|0|Alpha"}))};
    Roster& roster = session.roster;
    roster.sectors = "10";
    roster.rows[0].PEplus = "0,0,0,0,0,0,0,0,0,3";
    roster.rows[0].PTplus = "1,0,1,0,0,0,0,0,0,0";
    roster.rows[0].Dope1 = "+EPO";
    drive = [&](Ordres& ordres) {
        EXPECT_EQ(QApplication::focusWidget(), control(ordres, "OKButton"));
        EXPECT_EQ(control<QLineEdit>(ordres, "nomcour")->text(), "Alpha 1");
        EXPECT_EQ(control<QComboBox>(ordres, "cbPE_9")->currentText(), "3");
        EXPECT_EQ(control<QComboBox>(ordres, "cbdope")->currentText(), "EPO");
        EXPECT_FALSE(control(ordres, "btconfirme")->isVisible());
        EXPECT_EQ(ordres.size(), QSize(425, 462));
        EXPECT_EQ(ordres.minimumSize(), ordres.maximumSize());
        QString places =
            "nomcour 72 8 273 33 18b Label1 40 56 65 17 9.75b Label2 120 56 65 17 9.75b "
            "Label3 200 56 65 17 9.75b Label4 280 56 65 17 9.75b SP 56 80 41 17 RO 136 80 41 17 "
            "GR 216 80 41 17 PM 296 80 41 17 Label6 40 120 65 17 9.75b Label7 120 120 65 17 9.75b "
            "Label8 200 120 65 17 9.75b Label9 280 120 65 17 9.75b cbPM 48 144 49 21 "
            "cbPA 128 144 49 21 cbPT 208 144 49 21 cbPL 288 144 49 21 cbdope 56 360 121 21 "
            "btconfirme 224 360 121 25 CancelButton 120 416 81 25 OKButton 232 416 81 25";
        for (int i = 0; i < 10; ++i) {  // two rows of five sectors
            const int x = QList{24, 104, 184, 256, 336}[i % 5], y = i < 5 ? 200 : 280;
            places += QString::asprintf(
                " Label5_%d %d %d %d 17 cbPE_%d %d %d 49 21 Check1_%d %d %d 41 17", i, x, y,
                i < 9 ? 57 : 73, i, x, y + 16, i, x + 8, y + 40);
        }
        expectPlaces(ordres, places);

        for (int k : {1, 3, 4, 5}) {  // 0 and 2 are ticked already: the fourth click is refused
            auto* box = control<QCheckBox>(ordres, "Check1_" + QString::number(k));
            QTest::mouseClick(box, Qt::LeftButton);
            EXPECT_EQ(box->isChecked(), k < 5) << k;
        }

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

// Typing is not picking: neither Enter nor leaving checks a limit; "Sélectionner" refuses "x".
TEST_F(OrdresTest, OnlyAPickFromTheListIsCheckedAtOnce) {
    Session session{test::loadedRoster(test::teamFile({"1|0|0|0|Alpha"}))};  // on 2 sectors
    Roster& roster = session.roster;
    roster.rows[1].PA2 = "20";  // any PA for Alpha is too many
    drive = [&](Ordres& ordres) {
        EXPECT_EQ(ordres.findChildren<QWidget*>(QRegularExpression("_[2-9]$")), QWidgetList());
        auto* cbPA = control<QComboBox>(ordres, "cbPA");
        // A pick: the message shows over the picked item, which is then set back.
        host.onMessage = [&](const std::string&) { EXPECT_NE(cbPA->currentText(), "0"); };
        pickNext(ordres, "cbPA");
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(cbPA->currentText(), "0");

        cbPA->lineEdit()->selectAll();
        QTest::keyClicks(cbPA, "1\r\t");      // Enter, then Tab
        EXPECT_EQ(cbPA->currentText(), "1");  // not completed to "10"
        EXPECT_EQ(cbPA->count(), 11);
        EXPECT_EQ(host.messages.size(), 1u);

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
