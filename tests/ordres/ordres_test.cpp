// The orders dialog, driven with the keyboard and the mouse as a user does.
#include <QCheckBox>

#include "tests/support/WidgetTest.h"

namespace rdo {
namespace {

using OrdresTest = test::WidgetTest;

// Ten sectors and a row with orders: what shows, where, five ticks at most, Tab.
TEST_F(OrdresTest, OpensOnTheRowWithEveryControlInPlace) {
    Session session(test::loadedRoster(test::teamFile({"1|0|0|0|Alpha"})));
    session.roster.sectors = "10";
    session.roster.rows[0].PTplus = "1,0,1,0,0,0,0,0,0,0";
    session.roster.rows[0].Dope1 = "+EPO";
    drive = [&](Ordres& ordres) {
        EXPECT_EQ(QApplication::focusWidget(), control(ordres, "OKButton"));
        EXPECT_EQ(control<QLineEdit>(ordres, "nomcour")->text(), "Alpha 1");
        EXPECT_EQ(control<QComboBox>(ordres, "cbdope")->currentText(), "EPO");
        EXPECT_FALSE(control(ordres, "btconfirme")->isVisible());
        EXPECT_TRUE(ordres.size() == QSize(425, 462) &&
                    ordres.minimumSize() == ordres.maximumSize());
        const std::pair<const char*, QRect> anchors[] = {
            {"nomcour", {72, 8, 273, 33}},  {"Label9", {280, 120, 65, 17}},
            {"cbPL", {288, 144, 49, 21}},   {"Label5_9", {336, 280, 73, 17}},
            {"cbPE_9", {336, 296, 49, 21}}, {"Check1_5", {32, 320, 41, 17}},
            {"cbdope", {56, 360, 121, 21}}, {"CancelButton", {120, 416, 81, 25}}};
        expectAt(ordres, anchors);
        expectReadable(ordres);

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

// Typing is not picking: neither Enter nor leaving checks a limit; "Sélectionner" refuses "x".
TEST_F(OrdresTest, OnlyAPickFromTheListIsCheckedAtOnce) {
    Session session(test::loadedRoster(test::teamFile({"1|0|0|0|Alpha"})));  // on 2 sectors
    session.roster.rows[1].PA2 = "20";  // any PA for Alpha is too many
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
