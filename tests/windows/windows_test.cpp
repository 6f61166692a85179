// Both windows' keys, focus, wiring, names for Orca, texts that fit; their look is the pictures'.
#include <QAbstractItemView>
#include <QAccessibleTableInterface>
#include <QClipboard>
#include <QFontDatabase>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "plan/RacePlan.h"
#include "tests/support/WidgetTest.h"
#include "widgets/guide/Guide.h"

namespace rdo {
namespace {

class GuideTest : public test::WidgetTest {
  protected:
    void SetUp() override { guide.show(); }
    // By default Alpha is available, Blessé injured for 3 weeks, Dopé already under EPO.
    void load() {
        host.files["/t/e.cyc"] = test::teamFile("1|0|0|0|Alpha; 2|3|0|0|Blessé; 3|0|2|4|Dopé");
        host.chooserAnswers.push_back("/t/e.cyc");
        QTest::mouseClick(control(guide, "btOpen"), Qt::LeftButton);
    }

    // The menu a right click on `where` opens (or Shift+F10 when `where` is null): its entries, a
    // greyed one after a "-", and `pick` chosen, if any.
    std::string menu(QWidget* where, const QString& pick = {}) {
        QStringList entries;
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* action : shown ? shown->actions() : QList<QAction*>{}) {
                entries << (action->isEnabled() ? "" : "-") + action->text();
            }
            const auto chosen = std::ranges::find_if(
                entries, [&](const QString& entry) { return !pick.isEmpty() && entry == pick; });
            if (shown) {
                shown->close();
                if (chosen != entries.end()) {
                    shown->actions().at(chosen - entries.begin())->trigger();
                }
            }
        });
        QApplication::setActiveWindow(&guide);
        if (where) {  // as the system sends it; a field passes it on to the window
            QContextMenuEvent click(QContextMenuEvent::Mouse, {1, 1},
                                    where->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(where, &click);
        } else {
            QTest::keyClick(&guide, Qt::Key_F10, Qt::ShiftModifier);
        }
        return entries.join('|').toStdString();
    }

    QTableWidget* plan() const { return guide.findChild<QTableWidget*>("plan"); }

    Guide guide{host};
};

// Orca says a rider's name whose it is. Tab reaches each name, and Enter on it opens the dialog, as
// a double-click does (the focus after each is the pictures').
TEST_F(GuideTest, NamesFocusAndTheKeysAndClicksThatOpenTheDialog) {
    load();
    EXPECT_EQ(control(guide, "nom1_2")->accessibleName(), "Coureur Dopé 3, ligne 3");
    std::vector<int> opened;
    host.onDialog = [&](Roster& roster, OrdersDialog&) { opened.push_back(roster.currentRow); };
    for (const char* name : {"nom1_0", "nom1_1", "nom1_2"}) {
        for (int step = 0; step < 30 && guide.focusWidget() != control(guide, name); ++step) {
            QTest::keyClick(guide.focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(guide.focusWidget(), control(guide, name));
    }
    QTest::keyClick(guide.focusWidget(), Qt::Key_Enter);  // on nom1_2
    QTest::mouseDClick(control(guide, "nom1_0"), Qt::LeftButton);
    EXPECT_EQ(opened, (std::vector<int>{2, 0}));
}

// The window's menu names its keys, greyed where they cannot act, over the fields too; F2 and the
// menu open the race plan, kept true within each event, read cell by cell, copied whole; Enter
// and a double-click on a line open the rider's dialog; F2 closes it from either window, and so
// does the end of the program.
TEST_F(GuideTest, MenuKeysAndTheRacePlan) {
    const QString open = "Ouvrir une équipe…\tCtrl+O", save = "Enregistrer les ordres…\tCtrl+S",
                  undo = "Annuler\tCtrl+Z", redo = "Rétablir\tCtrl+Y", f2 = "Plan de course\tF2";
    EXPECT_EQ(
        menu(&guide),
        (QStringList{open, "-" + save, "-" + undo, "-" + redo, "-" + f2}).join('|').toStdString());
    QTest::keyClick(&guide, Qt::Key_F2);
    EXPECT_EQ(plan(), nullptr);  // nothing of it is built before a team
    load();
    EXPECT_EQ(menu(control(guide, "nom1_0"), f2),
              (QStringList{"-" + open, save, "-" + undo, "-" + redo, f2}).join('|').toStdString());
    ASSERT_TRUE(plan() && plan()->isVisible());
    EXPECT_TRUE(plan()->window()->windowTitle().startsWith("Plan de course — "));
    EXPECT_EQ(plan()->item(0, 0)->text(), "Aucun coureur n'est sélectionné pour cette course.");
    auto* sectors = control<QComboBox>(guide, "sectors");
    sectors->lineEdit()->selectAll();
    QTest::keyClicks(sectors, "3");  // typed: the sectors the field shows, before any pick
    EXPECT_EQ(plan()->columnCount(), 1 + 3 + 7);

    std::vector<int> opened;
    drive = [&](Ordres& ordres) {
        opened.push_back(guide.roster().currentRow);
        for (auto* button : ordres.findChildren<QPushButton*>()) {  // Enter in a list picks
            EXPECT_FALSE(button->isDefault() || button->autoDefault())
                << button->objectName().toStdString();
        }
        pickNext(ordres, "cbPE_1", opened.size() == 1 ? 3 : 0);
        QTest::mouseClick(control(ordres, opened.size() < 3 ? "OKButton" : "CancelButton"),
                          Qt::LeftButton);
    };
    QTest::mouseDClick(control(guide, "nom1_0"), Qt::LeftButton);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(plan());
    EXPECT_EQ(table->tableInterface()->cellAt(0, 2)->text(QAccessible::Name),
              "Alpha, secteur 2 : 3 PE");
    EXPECT_EQ(plan()->item(0, 2)->text(), "3");
    QApplication::setActiveWindow(plan()->window());
    QTest::keySequence(plan(), QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              planText(racePlan(guide.roster())));

    plan()->setCurrentCell(0, 0);
    QTest::keyClick(plan(), Qt::Key_Return);  // the same orders: the plan stays
    const QPoint third = plan()->visualRect(plan()->model()->index(0, 3)).center();
    QTest::mouseClick(plan()->viewport(), Qt::LeftButton, {}, third);   // a view's double-click
    QTest::mouseDClick(plan()->viewport(), Qt::LeftButton, {}, third);  // « Au repos »
    EXPECT_EQ(opened, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(plan()->item(0, 0)->text(), "Aucun coureur n'est sélectionné pour cette course.");
    EXPECT_NE(menu(nullptr, undo).find('|' + undo.toStdString() + '|'), std::string::npos);
    EXPECT_EQ(plan()->item(0, 2)->text(), "3");

    QApplication::setActiveWindow(plan()->window());
    QTest::keyClick(plan(), Qt::Key_F2);
    EXPECT_FALSE(plan()->isVisible());
    QApplication::setActiveWindow(&guide);
    QTest::keyClick(&guide, Qt::Key_F2);
    EXPECT_TRUE(plan()->isVisible());
    host.answers = {Answer::Discard};  // the program ends with its main window
    EXPECT_TRUE(guide.close() && !plan()->isVisible());
}

// Windows' own fonts (run on its platform, not offscreen): the fields' text is drawn from an
// outline font at 11 px at 96 dpi, never from the bitmap MS Sans Serif, snapped to its own sizes.
TEST_F(GuideTest, FieldsInAnOutlineFontOnWindows) {
    if (QGuiApplication::platformName() != QStringLiteral("windows")) {
        GTEST_SKIP() << "Windows' font database only";
    }
    load();
    const QFontInfo info(control(guide, "Pays1_0")->font());
    EXPECT_EQ(info.pixelSize(), 11);
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(info.family(), info.styleName()))
        << info.family().toStdString();
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
    control(guide, "btSave")->setFocus();  // leaves the field on "5"; nothing typed joined the list
    EXPECT_TRUE(sectors->isEnabled() && guide.roster().sectors == "5" && sectors->count() == 9);

    sectors->showPopup();
    QTest::keyClick(sectors->view(), Qt::Key_Return);  // the current item, "2"
    EXPECT_TRUE(!sectors->isEnabled() && guide.roster().sectors == "2");
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
        {"", "4"}, {"Ctrl+Z", "0"}, {"Ctrl+Shift+Z", "4"}, {"Ctrl+Z", "0"}, {"Ctrl+Y", "4"}};
    for (const auto& [keys, PA2] : steps) {
        QApplication::setActiveWindow(&guide);  // as once a dialog has closed
        QTest::keySequence(&guide, QKeySequence(keys));
        EXPECT_EQ(control<QLineEdit>(guide, "PA2_0")->text(), PA2) << keys;
    }
}

// A refused team leaves the start state; Ctrl+O and Ctrl+S act only while their button shows;
// the three windows readable; closing asks once orders are given (« Annuler » stays); exact file.
TEST_F(GuideTest, FromTheTeamFileToTheOrdersFile) {
    host.files["/t/equipe.cyc"] = test::sourceFile("examples/equipe-exemple.cyc");
    host.chooserAnswers = {"/t/equipe.cyc", "/t/equipe.ord", "/t/equipe.ord"};
    host.answers = {Answer::Cancel};
    ASSERT_TRUE(QTest::qWaitForWindowActive(&guide));
    QTest::keyClick(&guide, Qt::Key_S, Qt::ControlModifier);
    guide.openTeamFile("/t/absente.cyc");
    EXPECT_TRUE(guide.roster() == Roster{} && control(guide, "btOpen")->isVisible());
    EXPECT_TRUE(host.messages.at(0).starts_with("Le fichier d'équipe « /t/absente.cyc »"));
    QTest::keyClick(&guide, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&guide, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(guide.close());  // no orders given yet: no question
    guide.show();
    drive = [](Ordres& ordres) {
        giveExampleOrders(ordres);
        expectReadable(ordres);
        QTest::mouseClick(control(ordres, "OKButton"), Qt::LeftButton);
    };
    control<QComboBox>(guide, "sectors")->setCurrentIndex(7);
    pickNext(guide, "sectors");
    QTest::mouseDClick(control(guide, "nom1_0"), Qt::LeftButton);
    EXPECT_EQ(guide.roster().sectors, "10");
    expectReadable(guide);
    QApplication::setActiveWindow(&guide);  // as once the dialog has closed
    QTest::keyClick(&guide, Qt::Key_F2);
    ASSERT_TRUE(plan());
    expectReadable(*plan()->window());
    EXPECT_FALSE(guide.close());
    host.writeError = "Disque plein";
    QTest::mouseClick(control(guide, "btSave"), Qt::LeftButton);
    host.writeError.reset();
    QApplication::setActiveWindow(&guide);  // as once the message has closed
    QTest::keyClick(&guide, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(!guide.isVisible() && host.questions.size() == 1);
    EXPECT_EQ(host.filtersAsked,
              (std::vector<std::string>{"Fichiers d'équipe (*.cyc)|*.cyc|Tous (*.*)|*.*",
                                        "Fichiers d'ordres (*.ord)|*.ord|Tous (*.*)|*.*",
                                        "Fichiers d'ordres (*.ord)|*.ord|Tous (*.*)|*.*"}));
    EXPECT_EQ(host.files.at("/t/equipe.ord"), test::sourceFile("tests/sessions/files/exemple.ord"));
}

using OrdresTest = test::WidgetTest;

// Ten sectors, two worked: the lists as long as the game's, a refused tick unticked, Tab to all.
TEST_F(OrdresTest, ListsTicksAndTab) {
    Session session(test::loadedRoster(test::teamFile("1|0|0|0|Alpha")));
    session.roster.sectors = "10";
    session.roster.rows[0].PTplus = "1,0,1,0,0,0,0,0,0,0";
    drive = [&](Ordres& ordres) {
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
    Session session(test::loadedRoster(test::teamFile("1|0|0|0|Alpha")));
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
