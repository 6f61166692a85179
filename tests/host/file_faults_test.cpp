// The Qt host's files: one that cannot be read or written gets a French message (a cancel,
// none), leaves the roster and an existing orders file as they were; the next good one works.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "actions/Closing.h"
#include "actions/MainActions.h"
#include "app/Application.h"
#include "app/QtHost.h"
#include "orderfile/OrdersFile.h"
#include "teamfile/TeamFile.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

// The real files of QtHost, with the chooser's answer given and the messages recorded.
class ScriptedQtHost : public QtHost {
  public:
    std::string answer;  // empty: a cancel
    std::vector<std::string> messages;
    std::string chooseFile(const std::string&, ChooserPurpose) override { return answer; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
};

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(FileFaults, RefusedInFrenchWithEverythingLeftAsItWas) {
    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString(), fifo = dir + "/tube";
    const auto file = [&dir](const char* name, const std::string& bytes) {
        std::ofstream(dir + name, std::ios::binary) << bytes;
        return dir + name;
    };
    const std::string old = "ancien" + std::string(5000, 'x'), existing = file("/ordres.ord", old);
    const std::string good = file("/bonne.cyc", test::sourceFile("examples/equipe-exemple.cyc"));
    std::filesystem::resize_file(file("/enorme.cyc", ""), 100 << 20);  // sparse: takes no room
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    Roster orders = test::loadedRoster(test::sourceFile("examples/equipe-exemple.cyc"));
    orders.rows[0].PEplus = "3,2,0,0,0,0,0,0,0,0";  // orders, so that losing them would show
    // Open or save, the chosen path, how the reason may begin (none: a cancel).
    const std::tuple<bool, std::string, std::vector<std::string>> cases[] = {
        {false, dir + "/absent/ordres.ord", {"Aucun fichier ou dossier"}},
        // Read-only file systems, also for root.
        {false, "/proc/ordres.ord", {"Aucun fichier ou dossier", "Autorisation refusée"}},
        {false, dir, {"c'est un dossier, pas un fichier"}},
        {false, "/dev/full", {"Aucun espace disponible sur le disque"}},
        {false, fifo, {"ce n'est pas un fichier ordinaire"}},
        {false, "", {}},
        {true, dir, {"c'est un dossier, pas un fichier."}},
        {true, dir + "/absent.cyc", {"Aucun fichier ou dossier"}},
        {true, "/proc/self/mem", {"la lecture a échoué ("}},  // opens, but every read fails
        // Read whole at the size limit, refused unread past it.
        {true, file("/limite.cyc", std::string(kMaxTeamFileBytes, 'a')), {"il n'a que 1 ligne,"}},
        {true, file("/trop.cyc", std::string(kMaxTeamFileBytes + 1, 'a')), {kTooLargeReason}},
        {true, dir + "/enorme.cyc", {kTooLargeReason}},
        {true, fifo, {"ce n'est pas un fichier ordinaire."}},
        {true, "/dev/zero", {"ce n'est pas un fichier ordinaire."}},  // would never end
        {true, "", {}},
    };
    const auto entries = std::distance(std::filesystem::directory_iterator(dir), {});
    const long peak = peakMemoryKiB();
    alarm(10);  // a blocking open, of the pipe say, fails the test instead of hanging it
    for (const auto& [open, path, reasons] : cases) {
        SCOPED_TRACE(path);
        ScriptedQtHost host;
        host.answer = path;
        Session session{open ? Roster{} : orders};
        Roster& roster = session.roster;
        EXPECT_FALSE(open ? openTeam(session, host) : saveOrders(session, host));
        EXPECT_EQ(roster, open ? Roster{} : orders);
        EXPECT_EQ(readAll(existing), old);
        const std::string head =
            open ? "Le fichier d'équipe « " + path + " » ne peut pas être chargé : "
                 : "Les ordres n'ont pas pu être enregistrés dans « " + path + " » : ";
        const std::string tail =
            open ? "\n\nChoisissez un autre fichier d'équipe."
                 : ".\n\nVos ordres sont conservés : choisissez un autre emplacement.";
        ASSERT_EQ(host.messages.size(), reasons.empty() ? 0u : 1u);
        for (const std::string& message : host.messages) {
            const auto said = [&](const std::string& reason) {
                return message.starts_with(head + reason);
            };
            EXPECT_TRUE(message.ends_with(tail) && std::ranges::any_of(reasons, said)) << message;
        }
        // Still usable: a good team loads; the orders replace the longer old file whole.
        host.answer = open ? good : existing;
        EXPECT_TRUE(open ? openTeam(session, host) : saveOrders(session, host));
        EXPECT_EQ(open ? roster.cEquipe : readAll(existing),
                  open ? "Vélo Club des Crêtes" : ordersFileBytes(orders));
        std::ofstream(existing, std::ios::binary) << old;
    }
    alarm(0);
    EXPECT_LT(peakMemoryKiB() - peak, 10 * 1024) << "a file past the size limit was read";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), entries + 1)
        << "a failed save left something besides the good saves' copy of the file they replaced";
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full") && std::filesystem::is_fifo(fifo));
}

// Saves over one name of orders b, a (shorter), b: each replaced file is kept as NAME~, one
// generation; a save that fails leaves both files as they were; a NAME~ that cannot be
// written does not stop the save. Then the question box and the orders beside a team file.
TEST(QtHost, KeepsTheReplacedFileLeavesTheOldOrTheNewAndFindsAnyLetterCase) {
    QTemporaryDir temp;
    const std::string path = temp.filePath("o.ord").toStdString();
    Session a{test::loadedRoster(test::sourceFile("examples/equipe-exemple.cyc"))}, b = a;
    b.roster.cEquipe += " (bis)";
    const std::string A = ordersFileBytes(a.roster), B = ordersFileBytes(b.roster);
    ScriptedQtHost host;
    host.answer = path;
    EXPECT_TRUE(saveOrders(b, host) && readAll(path) == B && !std::filesystem::exists(path + "~"));
    EXPECT_TRUE(saveOrders(a, host) && readAll(path) == A && readAll(path + "~") == B);
    rlimit limit{};  // a write past A's size fails: a copy of A fits, b does not
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit unlimited = limit;
    limit.rlim_cur = A.size();
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(saveOrders(b, host));
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_TRUE(readAll(path) == A && readAll(path + "~") == B);
    std::filesystem::remove(path + "~");
    std::filesystem::create_directory(path + "~");
    EXPECT_TRUE(saveOrders(b, host) && readAll(path) == B);
    EXPECT_TRUE(host.messages.size() == 2 &&
                host.messages[0].starts_with("Les ordres n'ont pas pu être enregistrés") &&
                host.messages[1].ends_with("o.ord~ » : c'est un dossier, pas un fichier."));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path().toStdString()), {}), 2)
        << "a temporary file was left";

    // Orders not saved since loading: Escape keeps them, Enter saves them.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QTimer::singleShot(0, [key] { QTest::keyClick(QApplication::activeModalWidget(), key); });
        EXPECT_EQ(closeRequested(a, host), key == Qt::Key_Return);
    }
    EXPECT_EQ(readAll(path), A);
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
    two.removeRecovery("x");
    EXPECT_TRUE(two.recoveryCopies().empty());
    two.setRecoveryFolder("/proc/secours");
    EXPECT_EQ(two.writeRecovery("y", "1"), "le dossier « /proc/secours » ne peut pas être créé");
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
}  // namespace rdo
