// The number of sectors: a pick from the list locks it, typing never does.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "tests/support/WidgetTest.h"

namespace rdo {
namespace {

using test::control;

class SectorsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        guide.show();
        QApplication::setActiveWindow(&guide);
        test::openTeamFile(guide, host, test::teamFile({"1|0|0|0|Alpha"}));
        sectors = control<QComboBox>(guide, "sectors");
        sectors->setFocus();
    }

    void type(const QString& text) {
        sectors->lineEdit()->selectAll();
        QTest::keyClicks(sectors, text);
    }

    test::FakeHost host;
    Guide guide{host};
    QComboBox* sectors = nullptr;
};

TEST_F(SectorsTest, TypingIsNeverAPick) {
    type("1");
    EXPECT_EQ(sectors->currentText(), "1");  // not completed to "10"
    EXPECT_EQ(guide.roster().sectors, "1");

    // Enter, whether the combo or its edit field receives it, and leaving the
    // field with a text that matches an item pick nothing either.
    type("7");
    QTest::keyClick(sectors, Qt::Key_Return);
    type("8");
    QTest::keyClick(sectors->lineEdit(), Qt::Key_Enter);
    type("5");
    control(guide, "btSave")->setFocus();

    EXPECT_TRUE(sectors->isEnabled());
    EXPECT_TRUE(guide.roster().sectorsEnabled);
    EXPECT_EQ(guide.roster().sectors, "5");
    EXPECT_EQ(sectors->count(), 9);  // nothing typed joined the list
}

TEST_F(SectorsTest, PickingFromTheListLocksIt) {
    type("abc");
    sectors->showPopup();
    QTest::keyClick(sectors->view(), Qt::Key_Return);  // the shown item, "2"
    EXPECT_FALSE(sectors->isEnabled());
    EXPECT_FALSE(guide.roster().sectorsEnabled);
    EXPECT_EQ(sectors->currentText(), "2");
    EXPECT_EQ(guide.roster().sectors, "2");
}

}  // namespace
}  // namespace rdo
