// The Qt host's files on every platform; each platform's own in file_faults_*_test.cpp.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "actions/Closing.h"
#include "teamfile/TeamFile.h"
#include "tests/host/FileFaults.h"

namespace rdo::test {
namespace {

TEST(FileFaults, RefusedWithTheSystemsReasonAndNothingLeftBehind) {
    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString(), limit(kMaxTeamFileBytes, 'a');
    // Qt words a missing file in French where the system's reason is in English (Linux); on
    // Windows the system's own words, in its language, follow a French account.
    const std::vector<std::string> absent = {"Aucun fichier ou dossier", "l'ouverture a échoué ("};
    expectRefused(dir, {
                           {false, dir + "/absent/ordres.ord", absent},
                           {false, dir, {"c'est un dossier, pas un fichier"}},
                           {true, dir, {"c'est un dossier, pas un fichier."}},
                           {true, dir + "/absent.cyc", absent},
                           // Read whole at the size limit, refused unread past it.
                           {true, writeBytes(dir + "/limite.cyc", limit), {"il n'a que 1 ligne,"}},
                           {true, writeBytes(dir + "/trop.cyc", limit + 'a'), {kTooLargeReason}},
                       });
}

// Saves of b, a (shorter), b over one name keep each replaced file as the backup, one generation;
// a backup that cannot be written is said. Then the questions' keys, a team's orders in any case.
TEST(QtHost, KeepsTheReplacedFileAsksBeforeLosingOrdersAndFindsAnyLetterCase) {
    TwoOrders two;
    auto& [temp, path, backup, a, b, A, B, host] = two;
    EXPECT_TRUE(saveOrders(b, host) && fileBytes(path) == B && entries(temp.path()) == 1);
    EXPECT_TRUE(saveOrders(a, host) && fileBytes(path) == A && fileBytes(backup) == B);
    std::filesystem::remove(fsPath(backup));
    std::filesystem::create_directory(fsPath(backup));
    EXPECT_TRUE(saveOrders(b, host) && fileBytes(path) == B && entries(temp.path()) == 2);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].ends_with(backup + " » : c'est un dossier, pas un fichier."));

    // Orders not saved since loading: Escape keeps them, Enter saves them.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QTimer::singleShot(0, [key] { QTest::keyClick(QApplication::activeModalWidget(), key); });
        EXPECT_EQ(closeRequested(a, host), key == Qt::Key_Return);
    }
    EXPECT_EQ(fileBytes(path), A);
    // The program's own buttons by their text; Escape and the title bar's close button.
    const Question copy{
        "?", {Answer::Yes, Answer::Later, Answer::Throw}, Answer::Yes, Answer::Later};
    for (const QString way : {"Jeter", "Plus tard", "Escape", "close"}) {
        QTimer::singleShot(0, [way] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            for (QAbstractButton* button : box->buttons()) {
                button->text() == way ? button->click() : void();
            }
            way == "Escape" ? QTest::keyClick(box, Qt::Key_Escape) : void(box->close());
        });
        EXPECT_EQ(host.ask(copy), way == "Jeter" ? Answer::Throw : Answer::Later)
            << way.toStdString();
    }
    EXPECT_EQ(host.findSibling(temp.filePath("o.cyc").toStdString(), ".ORD")->path, path);
    EXPECT_FALSE(host.findSibling(temp.filePath("o.cyc").toStdString(),
                                  backup.substr(backup.rfind('.'))));  // a folder
}

// The copies stand in the program's own folder, named after it; the folder is made when missing,
// named when it cannot be; a copy that another running
// program holds is neither listed, written nor removed until that program ends, then kept beside
// the copy of the program that outlived it, both offered, the newest first.
TEST(QtHost, RecoveryCopiesOfOneRunningProgramEach) {
    EXPECT_TRUE(
        QtHost().recoveryFolder().endsWith(QString::fromUtf8("/Rédaction des Ordres/secours")))
        << QtHost().recoveryFolder().toStdString();
    QTemporaryDir temp;
    auto one = std::make_unique<QtHost>();
    QtHost two;
    one->setRecoveryFolder(temp.filePath("a/secours"));
    two.setRecoveryFolder(temp.filePath("a/secours"));
    EXPECT_EQ(one->writeRecovery("x", "1", false), std::nullopt);
    EXPECT_EQ(two.writeRecovery("x", "2", false),
              "un autre exemplaire du programme travaille sur cette équipe");
    two.removeRecovery("x");
    EXPECT_TRUE(two.recoveryCopies().empty());
    EXPECT_EQ(one->recoveryCopies().at(0).bytes, "1");
    one.reset();
    QTest::qSleep(50);  // the newest is offered first; file clocks tick every few milliseconds
    ASSERT_EQ(two.writeRecovery("x", "2", false), std::nullopt);
    const std::vector<StoredCopy> copies = two.recoveryCopies();
    EXPECT_TRUE(copies.size() == 2 && copies[0].bytes == "2" && copies[1].name == "x-1" &&
                copies[1].bytes == "1");
    two.removeRecovery("x");
    two.removeRecovery("x-1");
    EXPECT_TRUE(two.recoveryCopies().empty());
    two.setRecoveryFolder("/proc/secours");
    EXPECT_EQ(two.writeRecovery("z", "1", true),
              "le dossier « /proc/secours » ne peut pas être créé");
}

// A host a week: the team chooser opens where the last team was loaded (else where Qt likes), the
// orders chooser beside the team; the real chooser shows the filter and Qt's buttons in French.
TEST(QtHost, ChoosersStartWhereTheLastTeamWasLoaded) {
    QTemporaryDir first, second;
    for (const auto& [remembered, week] : {std::pair{QString(), &first}, {first.path(), &second}}) {
        QtHost host;
        Session session;
        EXPECT_EQ(host.startFolder(ChooserPurpose::Open), remembered);
        const std::string team = week->filePath("equipe.cyc").toStdString();
        ASSERT_TRUE(loadTeam(session, host, writeBytes(team, teamFile("1|0|0|0|A"))));
        EXPECT_EQ(host.startFolder(ChooserPurpose::Save), week->path());
    }
    QtHost next;
    QTimer::singleShot(0, [&] {  // the chooser as it opens, then cancelled
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->directory().absolutePath(), second.path());
        EXPECT_EQ(chooser->nameFilters(), QStringList({"Fichiers d'équipe (*.cyc)", "Tous (*)"}));
        EXPECT_EQ(
            chooser->labelText(QFileDialog::Accept) + " " + chooser->labelText(QFileDialog::Reject),
            "&Ouvrir Annuler")
            << "Qt's French translation (qt6-translations-l10n) is missing";
        chooser->reject();
    });
    EXPECT_EQ(next.chooseFile(kTeamFilter, ChooserPurpose::Open), "");
    second.remove();
    EXPECT_EQ(next.startFolder(ChooserPurpose::Open), QString());
}

}  // namespace
}  // namespace rdo::test
