// The Qt host's files where only Linux can fault them: read-only file systems, a full disk, pipes
// and devices that block or never end, a write failing halfway, the memory a huge file costs.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <csignal>

#include "teamfile/TeamFile.h"
#include "tests/host/FileFaults.h"

namespace rdo::test {
namespace {

long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(FileFaults, SystemFilesPipesAndDevicesRefusedWithTheSystemsReasonAndLeftAsTheyWere) {
    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString(), fifo = dir + "/tube";
    std::filesystem::resize_file(writeBytes(dir + "/enorme.cyc", ""), 100 << 20);  // sparse
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const long peak = peakMemoryKiB();
    const std::vector<Refusal> refused = {
        // Read-only file systems, also for root.
        {false, "/proc/ordres.ord", {"Aucun fichier ou dossier", "Autorisation refusée"}},
        {false, "/dev/full", {"Aucun espace disponible sur le disque"}},
        {false, fifo, {"ce n'est pas un fichier ordinaire"}},
        {true, "/proc/self/mem", {"la lecture a échoué ("}},  // opens, but every read fails
        {true, dir + "/enorme.cyc", {kTooLargeReason}},
        {true, fifo, {"ce n'est pas un fichier ordinaire."}},
        {true, "/dev/zero", {"ce n'est pas un fichier ordinaire."}},  // would never end
    };
    alarm(10);  // a blocking open, of the pipe say, fails the test instead of hanging it
    expectRefused(dir, refused);
    alarm(0);
    EXPECT_LT(peakMemoryKiB() - peak, 10 * 1024) << "a file past the size limit was read";
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full") && std::filesystem::is_fifo(fifo));
}

// A save failing halfway leaves both the old file and its NAME~ copy as they were; a recovery
// copy's lock with no room says the disk is full.
TEST(QtHost, ASaveFailingHalfwayLeavesBothFilesAsTheyWere) {
    TwoOrders two;
    auto& [temp, path, backup, a, b, A, B, host] = two;
    ASSERT_TRUE(saveOrders(b, host) && saveOrders(a, host));
    rlimit unlimited{};  // a write past A's size fails: a copy of A fits, b does not
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limit{A.size(), unlimited.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(saveOrders(b, host));
    const rlimit none{0, unlimited.rlim_max};  // no room for a recovery copy's lock either
    setrlimit(RLIMIT_FSIZE, &none);
    host.setRecoveryFolder(temp.filePath("secours"));
    const auto lockRefused = host.writeRecovery("x", "1", true);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(lockRefused,
              "le disque du dossier « " + temp.filePath("secours").toStdString() + " » est plein");
    EXPECT_TRUE(fileBytes(path) == A && fileBytes(backup) == B);
    EXPECT_EQ(entries(temp.path()), 3) << "a temporary file was left";  // and the copies' folder
    EXPECT_TRUE(host.messages.size() == 1 &&
                host.messages[0].starts_with("Les ordres n'ont pas pu être enregistrés dans « " +
                                             path + " » : l'écriture a échoué ("));
}

// A team file reached through a link or "..": known by where it really is, so that every road to
// it finds its one recovery copy.
TEST(QtHost, ATeamFileIsKnownByWhereItReallyIs) {
    QTemporaryDir temp;
    const std::string team =
        writeBytes(temp.filePath("e.cyc").toStdString(), teamFile("1|0|0|0|A"));
    std::filesystem::create_directory(temp.filePath("d").toStdString());
    std::filesystem::create_symlink(team, temp.filePath("d/lien.cyc").toStdString());
    QDir::setCurrent(temp.filePath("d"));
    for (const char* road : {"lien.cyc", "../e.cyc"}) {
        Session session;
        ScriptedQtHost host;
        EXPECT_TRUE(loadTeam(session, host, road) && session.teamPath == team) << road;
    }
}

// Of the orders files beside a team in several letter cases (one file only on Windows), the
// newest is the one offered.
TEST(QtHost, TheNewestOfTheOrdersFilesBesideATeam) {
    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString();
    for (const char* name : {"/e.ord", "/e.ORD", "/e.Ord"}) {
        writeBytes(dir + name, name);
    }
    std::filesystem::last_write_time(
        dir + "/e.ORD", std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
    EXPECT_EQ(ScriptedQtHost().findSibling(dir + "/e.cyc", ".ord")->path, dir + "/e.ORD");
}

}  // namespace
}  // namespace rdo::test
