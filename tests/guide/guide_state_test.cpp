// What the main window shows before and after loading, and the double-click
// on a rider's name.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "orders/OrdersDialog.h"
#include "tests/support/WidgetTest.h"

namespace rdo {
namespace {

using test::control;

QString at(const char* column, int row) {
    return QStringLiteral("%1_%2").arg(column).arg(row);
}

class GuideTest : public ::testing::Test {
  protected:
    void SetUp() override { guide.show(); }
    void load() {
        // Alpha is available, Blessé injured for 3 weeks, Dopé already under EPO.
        test::openTeamFile(guide, host,
                           test::teamFile({"1|0|0|0|Alpha", "2|3|0|0|Blessé", "3|0|2|4|Dopé"}));
    }
    bool shown(const QString& name) { return control(guide, name)->isVisible(); }
    QString textOf(const QString& name) { return control<QLineEdit>(guide, name)->text(); }

    test::FakeHost host;
    Guide guide{host};
};

TEST_F(GuideTest, StartsWithOnlyTheOpenButton) {
    EXPECT_EQ(guide.size(), QSize(792, 573));
    EXPECT_EQ(guide.palette().color(QPalette::Window), QColor(192, 192, 255));
    QStringList visible;
    for (QWidget* widget : guide.findChildren<QWidget*>()) {
        if (widget->isVisible() && !widget->objectName().startsWith("qt_")) {
            visible << widget->objectName();
        }
    }
    EXPECT_EQ(visible, QStringList{"btOpen"});

    // The team's controls are built once the window has been painted, hidden.
    while (!guide.findChild<QWidget*>("sectors")) {
        QCoreApplication::processEvents();
    }
    EXPECT_FALSE(control(guide, "sectors")->isVisible());
    EXPECT_FALSE(control(guide, "nom1_0")->isVisible());
    EXPECT_EQ(control<QComboBox>(guide, "sectors")->currentText(), "2");
}

TEST_F(GuideTest, LoadingShowsTheTeamAndOneRowPerRider) {
    load();
    for (const char* name : {"Label21", "cptsel", "cEquipe", "LabPE", "PE", "LabK2", "Fra_used",
                             "PL_USED", "Label14", "sectors", "Fra_ord", "Label19", "Label5"}) {
        EXPECT_TRUE(shown(name)) << name;
    }
    EXPECT_FALSE(shown("btOpen"));
    EXPECT_EQ(guide.focusWidget(), control(guide, "btSave"));
    for (int row = 0; row < kRows; ++row) {
        for (const char* column : {"nom1", "Pays1", "SP1", "Ene1", "bless1", "Dope1", "PM1"}) {
            EXPECT_EQ(shown(at(column, row)), row < 3) << column << row;
        }
        EXPECT_EQ(shown(at("Check1", row)), row == 0 || row == 2) << row;  // not the injured
        EXPECT_FALSE(shown(at("PM2", row)) || shown(at("PT2", row))) << row;
    }
    EXPECT_EQ(textOf("cEquipe"), "Team");
    EXPECT_EQ(textOf("nom1_1"), QStringLiteral("Blessé 2"));
    EXPECT_EQ(textOf("bless1_1"), QStringLiteral("bléssé 3 sem."));
    EXPECT_EQ(textOf("Dope1_2"), "EPO (4)");
    EXPECT_EQ(textOf("PM_USED"), "0");
    EXPECT_TRUE(control<QLineEdit>(guide, "nom1_0")->isReadOnly());
    EXPECT_FALSE(control(guide, "Check1_0")->isEnabled());
    EXPECT_EQ(control<QComboBox>(guide, "sectors")->count(), 9);

    // A total can be typed over; the roster holds what was typed.
    auto* spent = control<QLineEdit>(guide, "PE_USED");
    spent->selectAll();
    QTest::keyClicks(spent, "7");
    EXPECT_EQ(guide.roster().PE_USED, "7");
}

TEST_F(GuideTest, DoubleClickOnAnAvailableRiderOpensTheDialogOnTheTickedRow) {
    load();
    host.onDialog = [&](Roster& roster, OrdersDialog& dialog) {
        EXPECT_EQ(roster.currentRow, 0);
        EXPECT_EQ(roster.rows[0].Check1, 1);
        EXPECT_EQ(dialog.nomcour, "Alpha 1");
        dialog.cbPM = "3";
        pickDoping(dialog, "EPO");
        confirmDoping(dialog);
        EXPECT_TRUE(commitOrders(dialog, roster, host));
    };
    QTest::mouseDClick(control(guide, "nom1_0"), Qt::LeftButton);
    EXPECT_TRUE(control<QCheckBox>(guide, "Check1_0")->isChecked());
    EXPECT_TRUE(shown("PE2_0") && shown("PT2_0"));
    EXPECT_EQ(textOf("PM2_0"), "3");
    EXPECT_EQ(textOf("PM_USED"), "3");
    EXPECT_EQ(textOf("cptsel"), "1");
    EXPECT_EQ(textOf("Dope1_0"), "+EPO");
    EXPECT_EQ(control(guide, "Dope1_0")->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(guide.focusWidget(), control(guide, "btSave"));

    // Already selected: the dialog opens on the stored orders, which stay as
    // they were when it is closed from its title bar.
    host.onDialog = [](Roster&, OrdersDialog& dialog) { EXPECT_EQ(dialog.cbPM, "3"); };
    QTest::mouseDClick(control(guide, "nom1_0"), Qt::LeftButton);
    EXPECT_EQ(host.dialogsShown, 2);
    EXPECT_EQ(textOf("PM2_0"), "3");
}

TEST_F(GuideTest, DoubleClickOnAnInjuredRiderOpensNothing) {
    load();
    const Roster before = guide.roster();
    QTest::mouseDClick(control(guide, "nom1_1"), Qt::LeftButton);
    EXPECT_EQ(host.dialogsShown, 0);
    EXPECT_EQ(guide.roster().currentRow, 1);
    EXPECT_EQ(guide.roster().rows, before.rows);
    EXPECT_FALSE(shown("PM2_1"));
    EXPECT_EQ(guide.focusWidget(), control(guide, "btSave"));
}

TEST_F(GuideTest, KeyboardReachesEachNameWithTabAndOpensWithEnter) {
    load();
    QWidget* focus = control(guide, "btSave");
    QStringList reached;
    for (int step = 0; step < 60 && reached.size() < 3; ++step) {
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = guide.focusWidget();
        if (focus->objectName().startsWith("nom1_")) {
            reached << focus->objectName();
        }
    }
    EXPECT_EQ(reached, (QStringList{"nom1_0", "nom1_1", "nom1_2"}));

    QTest::keyClick(control(guide, "nom1_1"), Qt::Key_Return);  // injured: nothing opens
    EXPECT_EQ(host.dialogsShown, 0);
    host.onDialog = [](Roster& roster, OrdersDialog& dialog) {
        EXPECT_EQ(roster.currentRow, 2);
        EXPECT_EQ(dialog.nomcour, QStringLiteral("Dopé 3").toStdString());
    };
    QTest::keyClick(control(guide, "nom1_2"), Qt::Key_Enter);
    EXPECT_EQ(host.dialogsShown, 1);
    EXPECT_TRUE(control<QCheckBox>(guide, "Check1_2")->isChecked());
    EXPECT_EQ(guide.focusWidget(), control(guide, "btSave"));
}

}  // namespace
}  // namespace rdo
