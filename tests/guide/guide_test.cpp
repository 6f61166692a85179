// The main window: its controls, and what the user does with them.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QPushButton>

#include "tests/support/WidgetTest.h"
#include "widgets/guide/Guide.h"

namespace rdo {
namespace {

class GuideTest : public test::WidgetTest {
  protected:
    void SetUp() override { guide.show(); }
    // By default Alpha is available, Blessé injured for 3 weeks, Dopé already under EPO.
    void load(std::string team = test::teamFile({"1|0|0|0|Alpha", "2|3|0|0|Blessé",
                                                 "3|0|2|4|Dopé"})) {
        host.files["/equipes/equipe.cyc"] = team;
        host.chooserAnswers.push_back("/equipes/equipe.cyc");
        QTest::mouseClick(control(guide, "btOpen"), Qt::LeftButton);
    }
    bool shown(const QString& name) { return control(guide, name)->isVisible(); }

    Guide guide{host};
};

// The example team has long names and every kind of doping text.
TEST_F(GuideTest, TheExampleTeamStandsWhereThePlayersKnowItAndFitsItsBoxes) {
    load(test::sourceFile("examples/equipe-exemple.cyc"));
    EXPECT_EQ(guide.size(), QSize(792, 573));
    const std::pair<const char*, QRect> anchors[] = {
        {"cEquipe", {168, 0, 473, 41}},    {"sectors", {664, 87, 49, 21}},
        {"PE_USED", {144, 24, 33, 19}},    {"Label12", {464, 152, 81, 17}},
        {"Check1_14", {8, 512, 17, 17}},   {"Dope1_14", {464, 512, 73, 19}},
        {"Fra_ord", {584, 128, 209, 409}}, {"PT2_14", {168, 384, 33, 19}},
        {"btSave", {496, 544, 97, 25}},    {"btOpen", {304, 168, 169, 201}}};
    expectAt(guide, anchors);
    const QFont title = control(guide, "cEquipe")->font();
    EXPECT_TRUE(title.bold() && title.pointSizeF() == 24);
    expectReadable(guide);
    EXPECT_EQ(control(guide, "nom1_3")->accessibleName(),
              QStringLiteral("Coureur Ciro Mazzacurati 104, ligne 4"));
}

TEST_F(GuideTest, ShowsOnlyItsPictureButtonThenOneRowPerRiderWhoseNameOpensItsOrders) {
    // The team's controls are built hidden once the window has been painted.
    ASSERT_TRUE(QTest::qWaitFor([&] { return guide.findChild<QWidget*>("sectors") != nullptr; }));
    const QWidgetList named = guide.findChildren<QWidget*>(QRegularExpression("^(?!qt_)."));
    EXPECT_TRUE(shown("btOpen") && std::ranges::count_if(named, &QWidget::isVisible) == 1);
    const auto* open = control<QPushButton>(guide, "btOpen");
    EXPECT_EQ(qAlpha(open->icon().pixmap(QSize(135, 169)).toImage().pixel(10, 10)), 255);

    load();
    for (const char* name : {"cEquipe", "Fra_used", "PL_USED", "sectors", "Label5", "Fra_ord"}) {
        EXPECT_TRUE(shown(name)) << name;
    }
    EXPECT_TRUE(!shown("btOpen") && guide.focusWidget() == control(guide, "btSave"));
    for (int row = 0; row < kRows; ++row) {
        const QString at = "_" + QString::number(row);
        EXPECT_EQ(shown("nom1" + at) && shown("Pays1" + at) && shown("PM1" + at), row < 3) << row;
        EXPECT_EQ(shown("Check1" + at), row == 0 || row == 2) << row;  // not the injured
        EXPECT_FALSE(shown("PM2" + at) || shown("PT2" + at)) << row;
    }

    // A name opens the dialog on a double-click or on Enter, unless the rider is injured.
    std::vector<int> opened;
    host.onDialog = [&](Roster& roster, OrdersDialog&) { opened.push_back(roster.currentRow); };
    for (const char* name : {"nom1_0", "nom1_1", "nom1_2"}) {  // Tab reaches each name
        for (int step = 0; step < 30 && guide.focusWidget() != control(guide, name); ++step) {
            QTest::keyClick(guide.focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(guide.focusWidget(), control(guide, name));
    }
    QTest::keyClick(guide.focusWidget(), Qt::Key_Enter);  // on nom1_2
    EXPECT_EQ(guide.focusWidget(), control(guide, "btSave"));
    QTest::keyClick(control(guide, "nom1_1"), Qt::Key_Return);
    QTest::mouseDClick(control(guide, "nom1_1"), Qt::LeftButton);
    QTest::mouseDClick(control(guide, "nom1_0"), Qt::LeftButton);
    EXPECT_EQ(opened, (std::vector<int>{2, 0}));
    EXPECT_TRUE(shown("PM2_0") && shown("PT2_0") && !shown("PM2_1"));
    EXPECT_TRUE(control<QCheckBox>(guide, "Check1_0")->isChecked());
}

// Typing, Enter and leaving the field keep the typed text; only a pick locks.
TEST_F(GuideTest, OnlyAPickFromTheListLocksTheSectors) {
    load();
    QApplication::setActiveWindow(&guide);  // so that the focus can leave the field
    auto* sectors = control<QComboBox>(guide, "sectors");
    sectors->setFocus();
    const std::pair<const char*, QWidget*> typings[] = {
        {"1", nullptr}, {"7", sectors}, {"8", sectors->lineEdit()}, {"5", nullptr}};
    for (const auto& [typed, enter] : typings) {
        sectors->lineEdit()->selectAll();
        QTest::keyClicks(sectors, typed);
        EXPECT_EQ(sectors->currentText(), typed);  // "1" is not completed to "10"
        if (enter) {
            QTest::keyClick(enter, Qt::Key_Return);
        }
    }
    control(guide, "btSave")->setFocus();  // leaves the field on "5"
    EXPECT_TRUE(sectors->isEnabled());
    EXPECT_EQ(guide.roster().sectors, "5");
    EXPECT_EQ(sectors->count(), 9);  // nothing typed joined the list

    sectors->showPopup();
    QTest::keyClick(sectors->view(), Qt::Key_Return);  // the current item, "2"
    EXPECT_FALSE(sectors->isEnabled());
    EXPECT_EQ(guide.roster().sectors, "2");
}

// Ctrl+Z and Ctrl+Y or Ctrl+Shift+Z step over the orders dialogs; inside one they are the field's.
TEST_F(GuideTest, UndoAndRedoKeysStepOverTheDialogs) {
    load();
    drive = [](Ordres& ordres) {
        pickNext(ordres, "cbPA", 4);
        QTest::keySequence(ordres.focusWidget(), QKeySequence::Undo);
        QTest::mouseClick(control(ordres, "OKButton"), Qt::LeftButton);
    };
    QTest::mouseDClick(control(guide, "nom1_0"), Qt::LeftButton);
    const std::pair<const char*, const char*> steps[] = {
        {"", "4"}, {"Ctrl+Z", ""}, {"Ctrl+Shift+Z", "4"}, {"Ctrl+Z", ""}, {"Ctrl+Y", "4"}};
    for (const auto& [keys, PA2] : steps) {
        QApplication::setActiveWindow(&guide);  // as once a dialog has closed
        QTest::keySequence(&guide, QKeySequence(keys));
        EXPECT_EQ(shown("PA2_0") ? control<QLineEdit>(guide, "PA2_0")->text() : "", PA2) << keys;
    }
}

// One rider's road: the orders reach the file byte for byte; closing asks while they are not
// saved, whatever the answer; started again, the program takes them up and saves them unchanged.
TEST_F(GuideTest, OneRidersOrdersReachTheOrdersFileAndComeBack) {
    const std::string team = test::sourceFile("examples/equipe-exemple.cyc");
    host.files["/t/equipe.cyc"] = team;
    host.chooserAnswers = {"/t/equipe.cyc", "/t/plein.ord", "/t/equipe.ord", "/t/equipe.cyc",
                           "/t/autre.ord"};
    host.answers = {Answer::Cancel, Answer::Save, Answer::Discard, Answer::Save, Answer::Yes};
    drive = [](Ordres& ordres) {
        pickNext(ordres, "cbPE_0", 3);
        pickNext(ordres, "cbPE_1", 2);
        QTest::mouseClick(control(ordres, "Check1_0"), Qt::LeftButton);
        pickNext(ordres, "cbPA", 4);
        pickNext(ordres, "cbdope", 2);  // Clean, Amphétamines, EPO
        QTest::mouseClick(control(ordres, "btconfirme"), Qt::LeftButton);
        QTest::mouseClick(control(ordres, "OKButton"), Qt::LeftButton);
    };
    Guide again(host);
    EXPECT_TRUE(again.close());  // no team: no question
    QTest::mouseClick(control(guide, "btOpen"), Qt::LeftButton);
    pickNext(guide, "sectors");  // 2, then 3
    QTest::mouseDClick(control(guide, "nom1_0"), Qt::LeftButton);
    EXPECT_EQ(
        control<QLineEdit>(guide, "PE_USED")->text() + control<QLineEdit>(guide, "cptsel")->text(),
        "51");
    EXPECT_FALSE(guide.close());  // Cancel
    host.writeError = "Disque plein";
    EXPECT_FALSE(guide.close());  // Save, the write failed
    host.writeError.reset();
    EXPECT_TRUE(guide.close() && !host.files.contains("/t/equipe.ord"));  // Discard
    guide.show();
    EXPECT_TRUE(guide.close() && host.files.contains("/t/equipe.ord"));  // Save
    ASSERT_EQ(host.questions.size(), 4u);
    EXPECT_EQ(host.questions[3].text,
              "Les ordres de cette équipe n'ont pas été enregistrés.\n\nLes enregistrer avant de "
              "quitter ?");
    const QStringList lines = QString::fromLatin1(team).split("\r\n", Qt::SkipEmptyParts);
    QString expected = lines[0] + "\r\n",
            orders = ",1,0,0,0,4,1,0,0,0,0,0,0,0,0,0,3,2,0,0,0,0,0,0,0,0,2";
    for (const QString& rider : lines.mid(4)) {
        expected += rider.section(',', 0, 0) + ',' + rider.section(',', 11) + orders + "\r\n";
        orders = QString(",0").repeated(26);  // the other riders have no orders
    }
    EXPECT_EQ(QString::fromLatin1(host.files.at("/t/equipe.ord")), expected);

    again.show();
    QTest::mouseClick(control(again, "btOpen"), Qt::LeftButton);               // Yes
    EXPECT_TRUE(again.roster().rows == guide.roster().rows && again.close());  // nothing to lose
    again.show();
    EXPECT_EQ(control<QLineEdit>(again, "Dope1_0")->palette().color(QPalette::Base), Qt::red);
    QTest::mouseClick(control(again, "btSave"), Qt::LeftButton);
    EXPECT_TRUE(!again.isVisible() && host.questions.size() == 5);
    EXPECT_EQ(host.files.at("/t/autre.ord"), host.files.at("/t/equipe.ord"));
}

}  // namespace
}  // namespace rdo
