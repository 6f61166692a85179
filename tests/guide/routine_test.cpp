// A player's weekly routine: the team given at start, the choosers' folders, the keys of the two
// buttons.
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "app/QtHost.h"
#include "tests/support/WidgetTest.h"
#include "widgets/guide/Guide.h"

namespace rdo {
namespace {

class RoutineTest : public test::WidgetTest {
  protected:
    void SetUp() override {
        host.files["/equipes/equipe.cyc"] = test::teamFile({"1|0|0|0|Alpha"});
        guide.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&guide));
    }
    Guide guide{host};
};

// Ctrl+O and Ctrl+S do what their button does, only while it is shown.
TEST_F(RoutineTest, ATeamRefusedAtStartLeavesTheStartStateThenTheKeysDoWhatTheButtonsDo) {
    host.chooserAnswers = {"/equipes/equipe.cyc", "/equipes/ordres.ord"};
    QTest::keyClick(&guide, Qt::Key_S, Qt::ControlModifier);
    guide.openTeamFile("/equipes/absente.cyc");
    EXPECT_TRUE(guide.roster() == Roster{} && control(guide, "btOpen")->isVisible());
    EXPECT_TRUE(host.messages.at(0).starts_with("Le fichier d'équipe « /equipes/absente.cyc »"));
    for (const Qt::Key key : {Qt::Key_O, Qt::Key_O, Qt::Key_S}) {
        QTest::keyClick(&guide, key, Qt::ControlModifier);
    }
    EXPECT_EQ(host.filtersAsked, (std::vector<std::string>{kTeamFilter, kOrdersFilter}));
    EXPECT_TRUE(host.files.contains("/equipes/ordres.ord") && !guide.isVisible());  // saved, ended
}

TEST(ChooserFolders, TeamChooserWhereTheLastTeamWasLoadedOrdersChooserBesideIt) {
    QTemporaryDir first, second;
    // A run per week, each a new host over the same settings; the first remembers nothing.
    for (const auto& [remembered, week] : {std::pair{QString(), &first}, {first.path(), &second}}) {
        test::writeBytes(week->filePath("equipe.cyc").toStdString(), test::teamFile({"1|0|0|0|A"}));
        QtHost host;
        Session session;
        EXPECT_EQ(host.startFolder(ChooserPurpose::Open), remembered);
        ASSERT_TRUE(loadTeam(session, host, week->filePath("equipe.cyc").toStdString()));
        EXPECT_EQ(host.startFolder(ChooserPurpose::Save), week->path());
    }
    QtHost next;
    QTimer::singleShot(0, [&] {  // the chooser as it opens, then cancelled
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->directory().absolutePath(), second.path());
        chooser->reject();
    });
    EXPECT_EQ(next.chooseFile(kTeamFilter, ChooserPurpose::Open), "");
    const QSettings kept(QSettings::IniFormat, QSettings::UserScope, "redaction-des-ordres",
                         "redaction-des-ordres");  // the tests', not the player's own
    EXPECT_TRUE(kept.fileName().startsWith(QDir::tempPath()) && kept.contains("teamFolder"));
    second.remove();
    EXPECT_EQ(next.startFolder(ChooserPurpose::Open), QString());  // a folder gone is ignored
}

}  // namespace
}  // namespace rdo
