// The Qt host's files on every platform: one that cannot be read or written gets a French
// message (a cancel, none), leaves the roster and an existing orders file as they were; the
// next good one works. What only one platform has is in file_faults_posix_test.cpp and
// file_faults_windows_test.cpp.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "actions/Closing.h"
#include "actions/MainActions.h"
#include "app/Application.h"
#include "orderfile/OrdersFile.h"
#include "teamfile/TeamFile.h"
#include "tests/host/FileFaults.h"
#include "tests/support/FakeHost.h"

namespace rdo::test {
namespace {

TEST(FileFaults, RefusedInFrenchWithEverythingLeftAsItWas) {
    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString();
    // Qt words a missing file in French where the system's reason is in English (Linux); on
    // Windows the system's own words, in its language, follow a French account.
    const std::vector<std::string> absent = {"Aucun fichier ou dossier", "l'ouverture a échoué ("};
    expectRefused(dir, {
                           {false, dir + "/absent/ordres.ord", absent},
                           {false, dir, {"c'est un dossier, pas un fichier"}},
                           {false, "", {}},
                           {true, dir, {"c'est un dossier, pas un fichier."}},
                           {true, dir + "/absent.cyc", absent},
                           // Read whole at the size limit, refused unread past it.
                           {true,
                            writeBytes(dir + "/limite.cyc", std::string(kMaxTeamFileBytes, 'a')),
                            {"il n'a que 1 ligne,"}},
                           {true,
                            writeBytes(dir + "/trop.cyc", std::string(kMaxTeamFileBytes + 1, 'a')),
                            {kTooLargeReason}},
                           {true, "", {}},
                       });
}

// Saves over one name of orders b, a (shorter), b: each replaced file is kept as NAME~, one
// generation; a NAME~ that cannot be written does not stop the save. Then the question box
// and the orders beside a team file.
TEST(QtHost, KeepsTheReplacedFileAsksBeforeLosingOrdersAndFindsAnyLetterCase) {
    TwoOrders two;
    auto& [temp, path, a, b, A, B, host] = two;
    EXPECT_TRUE(saveOrders(b, host) && fileBytes(path) == B &&
                !std::filesystem::exists(fsPath(path + "~")));
    EXPECT_TRUE(saveOrders(a, host) && fileBytes(path) == A && fileBytes(path + "~") == B);
    std::filesystem::remove(fsPath(path + "~"));
    std::filesystem::create_directory(fsPath(path + "~"));
    EXPECT_TRUE(saveOrders(b, host) && fileBytes(path) == B);
    EXPECT_TRUE(host.messages.size() == 1 &&
                host.messages[0].ends_with("o.ord~ » : c'est un dossier, pas un fichier."));
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(fsPath(temp.path().toStdString())), {}),
        2)
        << "a temporary file was left";

    // Orders not saved since loading: Escape keeps them, Enter saves them.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QTimer::singleShot(0, [key] { QTest::keyClick(QApplication::activeModalWidget(), key); });
        EXPECT_EQ(closeRequested(a, host), key == Qt::Key_Return);
    }
    EXPECT_EQ(fileBytes(path), A);
    EXPECT_EQ(host.findSibling(temp.filePath("o.cyc").toStdString(), ".ORD")->path, path);
    EXPECT_FALSE(host.findSibling(temp.filePath("o.cyc").toStdString(), ".ord~"));  // a folder
}

// A recovery copy's folder is made when missing; a copy held by another running program is
// neither listed, written nor removed, until that program ends; a folder that cannot be made
// is named.
TEST(QtHost, RecoveryCopiesOfOneRunningProgramEach) {
    QTemporaryDir temp;
    auto one = std::make_unique<ScriptedQtHost>();
    ScriptedQtHost two;
    one->setRecoveryFolder(temp.filePath("a/secours"));
    two.setRecoveryFolder(temp.filePath("a/secours"));
    EXPECT_EQ(one->writeRecovery("x", "1"), std::nullopt);
    EXPECT_EQ(two.writeRecovery("x", "2"),
              "un autre exemplaire du programme travaille sur cette équipe");
    two.removeRecovery("x");
    EXPECT_TRUE(two.recoveryCopies().empty());
    EXPECT_EQ(one->recoveryCopies().at(0).bytes, "1");
    one.reset();
    EXPECT_EQ(two.recoveryCopies().at(0).bytes, "1");
    ASSERT_EQ(two.writeRecovery("y", "2"), std::nullopt);  // the newest is offered first
    QFile older(temp.filePath("a/secours/x.secours"));
    older.open(QIODevice::ReadWrite);
    older.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
    older.close();
    EXPECT_EQ(two.recoveryCopies().at(0).name, "y");
    two.removeRecovery("x");
    two.removeRecovery("y");
    EXPECT_TRUE(two.recoveryCopies().empty());
    two.setRecoveryFolder("/proc/secours");
    EXPECT_EQ(two.writeRecovery("z", "1"), "le dossier « /proc/secours » ne peut pas être créé");
}

// A run per week, each a new host over the same settings: the team chooser opens where the last
// team was loaded, the orders chooser beside the team; the first run and a folder gone, where Qt
// likes.
TEST(QtHost, ChoosersStartWhereTheLastTeamWasLoaded) {
    QTemporaryDir first, second;
    for (const auto& [remembered, week] : {std::pair{QString(), &first}, {first.path(), &second}}) {
        writeBytes(week->filePath("equipe.cyc").toStdString(), teamFile({"1|0|0|0|A"}));
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
    EXPECT_EQ(next.startFolder(ChooserPurpose::Open), QString());
}

TEST(QtHost, ChooserFilterInQtsFormAndQtsOwnButtonsInFrench) {
    EXPECT_EQ(qtFileFilter("Fichiers d'équipe (*.cyc)|*.cyc|Tous (*.*)|*.*"),
              QStringLiteral("Fichiers d'équipe (*.cyc);;Tous (*)"));
    ASSERT_TRUE(installFrench(*qApp))
        << "Qt's French translation (qt6-translations-l10n) is missing";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Ouvrir"));
}

}  // namespace
}  // namespace rdo::test
