#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "tests/ordres/OrdresDriver.h"

namespace rdo {
namespace {

using test::control;

// Alpha is clean, Bravo under EPO from the team file.
Roster team() {
    return test::loadedRoster(test::teamFile({"1|0|0|0|Alpha", "2|0|2|4|Bravo"}));
}

QString textOf(const QWidget& dialog, const QString& combo) {
    return control<QComboBox>(dialog, combo)->currentText();
}

QCheckBox* workBox(const QWidget& dialog, int k) {
    return control<QCheckBox>(dialog, "Check1_" + QString::number(k));
}

TEST(OrdresOpening, ShowsTheRowWithOneColumnPerSector) {
    for (const int sectors : {2, 3, 10}) {
        test::FakeHost host;
        Roster roster = team();
        roster.sectors = std::to_string(sectors);
        roster.rows[0].PEplus = "1,0,2,0,0,0,0,0,0,3";
        roster.rows[0].PTplus = "1,0,1,0,0,0,0,0,0,0";
        roster.rows[0].Dope1 = "+EPO";
        test::openRow(roster, host, 0, [&](Ordres& ordres) {
            // Columns past the race's sectors are not there at all.
            for (int k = 0; k < kSectors; ++k) {
                const auto* caption = ordres.findChild<QWidget*>("Label5_" + QString::number(k));
                EXPECT_EQ(caption && caption->isVisible(), k < sectors) << k;
                if (k < sectors) {
                    EXPECT_TRUE(workBox(ordres, k)->isVisible());
                    EXPECT_EQ(workBox(ordres, k)->isChecked(), k == 0 || k == 2);
                }
            }
            EXPECT_EQ(control<QLineEdit>(ordres, "nomcour")->text(), "Alpha 1");
            EXPECT_EQ(textOf(ordres, "cbPE_0"), "1");
            if (sectors == 10) {
                EXPECT_EQ(textOf(ordres, "cbPE_2"), "2");
                EXPECT_EQ(textOf(ordres, "cbPE_9"), "3");
            }
            EXPECT_EQ(textOf(ordres, "cbdope"), "EPO");
            EXPECT_TRUE(control(ordres, "cbdope")->isVisible());
            EXPECT_FALSE(control(ordres, "btconfirme")->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), control(ordres, "OKButton"));
        });
    }
}

TEST(OrdresPicks, ARefusedPickShowsTheMessageOverThePickThenSetsItBack) {
    test::FakeHost host;
    Roster roster = team();
    roster.rows[1].PA2 = "18";
    test::openRow(roster, host, 0, [&](Ordres& ordres) {
        host.onMessage = [&](const std::string&) { EXPECT_EQ(textOf(ordres, "cbPA"), "3"); };
        test::pickNext(ordres, "cbPA", 3);  // 1 and 2 fit, 3 makes 21 PA
        EXPECT_EQ(host.messages,
                  std::vector<std::string>{"Vous ne pouvez affecter que 20 PA par course"});
        EXPECT_EQ(textOf(ordres, "cbPA"), "0");
    });
}

// Typing is not picking: neither Enter nor leaving the field checks a limit,
// and a text that is not a number is refused when the orders are committed.
TEST(OrdresPicks, TypedTextIsKeptAsTypedAndCheckedOnlyBySelectionner) {
    test::FakeHost host;
    Roster roster = team();
    roster.rows[1].PE2 = "24";  // a pick above 1 would be refused
    test::openRow(roster, host, 0, [&](Ordres& ordres) {
        const auto type = [&](const QString& combo, const QString& text) {
            control<QComboBox>(ordres, combo)->setFocus();
            control<QComboBox>(ordres, combo)->lineEdit()->selectAll();
            QTest::keyClicks(control(ordres, combo), text);
        };
        type("cbPA", "1");
        EXPECT_EQ(textOf(ordres, "cbPA"), "1");  // not completed to "10"
        type("cbPE_0", "3");
        QTest::keyClick(control(ordres, "cbPE_0"), Qt::Key_Return);
        QTest::keyClick(control(ordres, "cbPE_0"), Qt::Key_Tab);
        EXPECT_EQ(textOf(ordres, "cbPE_0"), "3");
        EXPECT_EQ(control<QComboBox>(ordres, "cbPE_0")->count(), 8);
        EXPECT_TRUE(host.messages.empty());

        type("cbPT", "x");
        QTest::mouseClick(control(ordres, "OKButton"), Qt::LeftButton);
        EXPECT_TRUE(ordres.isVisible());
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(host.messages[0].find("« x » dans PT"), std::string::npos);
        QTest::keyClick(control(ordres, "cbPT"), Qt::Key_Backspace);
        QTest::mouseClick(control(ordres, "OKButton"), Qt::LeftButton);
        EXPECT_FALSE(ordres.isVisible());
    });
    EXPECT_EQ(roster.rows[0].PEplus, "3,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(roster.rows[0].PT2, "0");
    EXPECT_EQ(roster.PE_USED, "27");  // typed values are counted as they are
}

TEST(OrdresPicks, TheSixthWorkTickIsRefusedAndAuReposClearsThemAll) {
    test::FakeHost host;
    Roster roster = team();
    roster.sectors = "10";
    test::openRow(roster, host, 0, [&](Ordres& ordres) {
        for (int k = 0; k < 6; ++k) {
            QTest::mouseClick(workBox(ordres, k), Qt::LeftButton);
            EXPECT_EQ(workBox(ordres, k)->isChecked(), k < 5);
        }
        EXPECT_EQ(host.messages.size(), 1u);
        QTest::mouseClick(control(ordres, "CancelButton"), Qt::LeftButton);
        EXPECT_FALSE(ordres.isVisible());
    });
    EXPECT_EQ(roster.rows[0].Check1, 0);
    EXPECT_EQ(roster.rows[0].PTplus, kZeroList);
}

// A team of three riders through the real windows: sectors 3, rider 0 gets his
// orders in the dialog, and the orders file carries them.
TEST(OrdresRoad, OneRidersOrdersReachTheOrdersFile) {
    test::FakeHost host;
    Guide guide(host);
    guide.show();
    test::openTeamFile(guide, host,
                       test::teamFile({"11|0|0|0|Alpha", "12|0|0|0|Bravo", "13|0|0|0|Charlie"}));
    test::pickNext(guide, "sectors");  // 2, then 3
    ASSERT_EQ(guide.roster().sectors, "3");

    test::withDialog(
        host, [&] { QTest::mouseDClick(control(guide, "nom1_0"), Qt::LeftButton); },
        [](Ordres& ordres) {
            test::pickNext(ordres, "cbPE_0", 3);
            test::pickNext(ordres, "cbPE_1", 2);
            QTest::mouseClick(control(ordres, "Check1_0"), Qt::LeftButton);
            test::pickNext(ordres, "cbPA", 4);
            test::pickNext(ordres, "cbdope", 2);  // Clean, Amphétamines, EPO
            QTest::mouseClick(control(ordres, "btconfirme"), Qt::LeftButton);
            QTest::mouseClick(control(ordres, "OKButton"), Qt::LeftButton);
            EXPECT_FALSE(ordres.isVisible());
        });
    host.chooserAnswers = {"/t/ordres.ord"};
    QTest::mouseClick(control(guide, "btSave"), Qt::LeftButton);
    EXPECT_EQ(host.files.at("/t/ordres.ord"),
              "Team\r\n"
              "11,Alpha,1,0,0,0,4,1,0,0,0,0,0,0,0,0,0,3,2,0,0,0,0,0,0,0,0,2\r\n"
              "12,Bravo,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
              "13,Charlie,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(guide.isVisible());
}

}  // namespace
}  // namespace rdo
