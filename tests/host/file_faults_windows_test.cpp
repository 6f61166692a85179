// The Qt host's files where only Windows faults them: a file another program holds open
// cannot be read or replaced there, and says so in French.
#include <gtest/gtest.h>
#include <qt_windows.h>

#include <QTemporaryDir>
#include <memory>
#include <set>
#include <thread>

#include "tests/host/FileFaults.h"

namespace rdo::test {
namespace {

// `path` held open as another program would, sharing it only as `sharing` lets others in.
std::shared_ptr<void> holdOpen(const std::string& path, DWORD sharing) {
    return std::shared_ptr<void>(CreateFileW(fsPath(path).c_str(), GENERIC_READ, sharing, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                                 CloseHandle);
}

// A virus scanner holds the orders file a moment: the save waits for it. The backup is a name that
// "*.ord" does not find, as Windows' choosers match it (short names included). A recovery copy
// that cannot be removed is never offered.
TEST(QtHost, ASaveWaitsForAScannerAndItsBackupIsNoOrdersFile) {
    TwoOrders two;
    auto& [temp, path, backup, a, b, A, B, host] = two;
    ASSERT_TRUE(saveOrders(b, host));
    std::thread scanner([held = holdOpen(path, FILE_SHARE_READ)]() mutable {
        Sleep(300);
        held.reset();
    });
    EXPECT_TRUE(saveOrders(a, host));
    scanner.join();
    EXPECT_TRUE(fileBytes(path) == A && fileBytes(backup) == B && host.messages.empty());
    host.setRecoveryFolder(temp.filePath("secours"));  // a copy held for good is emptied instead
    ASSERT_EQ(host.writeRecovery("x", "1", true), std::nullopt);
    const auto held = holdOpen(temp.filePath("secours/x.secours").toStdString(),
                               FILE_SHARE_READ | FILE_SHARE_WRITE);
    host.removeRecovery("x");
    EXPECT_EQ(host.recoveryCopies().at(0).bytes, "");
    WIN32_FIND_DATAW found;  // as « dir *.ord » and the choosers list them
    const HANDLE listing =
        FindFirstFileW(fsPath(temp.filePath("*.ord").toStdString()).c_str(), &found);
    EXPECT_TRUE(listing != INVALID_HANDLE_VALUE && !FindNextFileW(listing, &found));
    FindClose(listing);
}

// A team file named in another letter case is known as the disk names it: one copy, one lock.
TEST(QtHost, ATeamFileIsKnownByWhereItReallyIs) {
    QTemporaryDir temp;
    const QString team = QString::fromStdString(
        writeBytes(temp.filePath("Equipe.cyc").toStdString(), teamFile("1|0|0|0|A")));
    std::set<std::string> known;
    for (const QString& road : {team.toUpper(), team.toLower()}) {
        Session session;
        ScriptedQtHost host;
        EXPECT_TRUE(loadTeam(session, host, road.toStdString()));
        known.insert(session.teamPath);
    }
    EXPECT_TRUE(known.size() == 1 && known.begin()->ends_with("/Equipe.cyc"));
}

TEST(FileFaults, AFileHeldOpenByAnotherProgramIsRefusedInFrenchAndLeftAsItWas) {
    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString();
    // A spreadsheet reading the orders lets others read them, not replace them; the game
    // writing the team file lets no one in.
    const std::string orders = writeBytes(dir + "/tenu.ord", "ordres du jeu");
    const std::string team = writeBytes(dir + "/tenue.cyc", "");
    const auto readers = holdOpen(orders, FILE_SHARE_READ), game = holdOpen(team, 0);
    const std::vector<std::string> held = {"un autre programme le tient ouvert"};
    expectRefused(dir, {{false, orders, held}, {true, team, held}});
    EXPECT_EQ(fileBytes(orders), "ordres du jeu");
}

}  // namespace
}  // namespace rdo::test
