// What the player sees when a file cannot be read or written: a French
// message or a quiet cancel, and everything as it was before.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>

#include "host/qt/Application.h"
#include "host/qt/QtHost.h"
#include "orderfile/OrdersFile.h"
#include "orders/OrdersDialog.h"
#include "roster/MainActions.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

// The real files of QtHost, with the chooser answered from a queue and the
// messages recorded instead of shown.
class ScriptedQtHost : public QtHost {
  public:
    std::deque<std::string> answers;  // an empty answer is a cancel
    std::vector<std::string> messages;

    std::string chooseFile(const std::string&, ChooserPurpose) override {
        std::string answer = answers.empty() ? std::string() : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
};

bool runningAsRoot() {
    return geteuid() == 0;
}

std::string readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

bool writeAll(const QString& path, const std::string& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

// A system reason Qt does not translate comes after the program's French
// words, in parentheses; everything before it must be French.
bool soundsFrench(std::string reason) {
    reason = reason.substr(0, reason.find(" ("));
    for (const char* english : {"No such", "denied", "No space", "Is a ", "Input/output",
                                "Read-only", "error", "Unknown"}) {
        if (reason.find(english) != std::string::npos) {
            return false;
        }
    }
    return !reason.empty();
}

class FileFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        // As the program does at start, so that Qt's reasons are French too.
        static const bool french = installFrench(*qApp);
        ASSERT_TRUE(french) << "Qt's French translation is missing (qt6-translations-l10n)";
        ASSERT_TRUE(dir.isValid());
        roster = test::loadedRoster(test::sourceFile("examples/equipe-exemple.cyc"));
        // A rider with orders, so that losing them would show.
        roster.rows[0].Check1 = 1;
        roster.rows[0].ordersVisible = true;
        roster.rows[0].PA2 = "4";
        roster.rows[0].PEplus = "3,2,0,0,0,0,0,0,0,0";
        roster.rows[0].Dope1 = "+EPO";
        existing = dir.filePath(QStringLiteral("ordres.ord"));
        ASSERT_TRUE(writeAll(existing, "ancien\r\n"));
    }

    // Tries to save at `path`: refused with the one message, nothing changed.
    void expectRefusedSave(const std::string& path) {
        SCOPED_TRACE(path);
        const Roster before = roster;
        host.messages.clear();
        host.answers = {path};
        EXPECT_FALSE(saveOrders(roster, host));
        EXPECT_EQ(roster, before);
        ASSERT_EQ(host.messages.size(), 1u);
        const std::string& message = host.messages[0];
        const std::string head =
            "Les ordres n'ont pas pu être enregistrés dans « " + path + " » : ";
        const std::string tail =
            ".\n\nVos ordres sont conservés : choisissez un autre emplacement.";
        ASSERT_TRUE(message.starts_with(head) && message.ends_with(tail)) << message;
        const std::string reason =
            message.substr(head.size(), message.size() - head.size() - tail.size());
        EXPECT_FALSE(reason.empty());
        EXPECT_TRUE(soundsFrench(reason)) << reason;
        EXPECT_EQ(readAll(existing), "ancien\r\n");
    }

    // The program is still usable: the orders go to a good place in full.
    void expectSaveStillWorks() {
        const QString good = dir.filePath(QStringLiteral("bon.ord"));
        host.answers = {good.toStdString()};
        EXPECT_TRUE(saveOrders(roster, host));
        EXPECT_EQ(readAll(good), ordersFileBytes(roster));
    }

    QTemporaryDir dir;
    ScriptedQtHost host;
    Roster roster;
    QString existing;
};

TEST_F(FileFaults, SaveWhereNoFileCanBeWrittenKeepsTheOrders) {
    const std::vector<std::string> paths = {
        dir.filePath(QStringLiteral("absent/ordres.ord")).toStdString(),  // missing folder
        "/proc/ordres.ord",  // read-only file systems, also for root
        "/sys/ordres.ord",
        dir.path().toStdString(),  // a folder
        "/dev/full",               // a device with no room left
    };
    for (const std::string& path : paths) {
        expectRefusedSave(path);
    }
    struct stat device {};
    ASSERT_EQ(stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode)) << "/dev/full was replaced";
    // Nothing left behind: no folder made, no temporary file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("ordres.ord")});
    expectSaveStillWorks();
}

TEST_F(FileFaults, SaveIntoAFolderWithoutWritePermission) {
    if (runningAsRoot()) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    const QString locked = dir.filePath(QStringLiteral("verrou"));
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    expectRefusedSave(QDir(locked).filePath(QStringLiteral("ordres.ord")).toStdString());
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    expectSaveStillWorks();
}

TEST_F(FileFaults, CancelledSaveSaysNothingAndWritesNothing) {
    const Roster before = roster;
    host.answers = {""};
    EXPECT_FALSE(saveOrders(roster, host));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(roster, before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ordres.ord")});
    expectSaveStillWorks();
}

class OpenFaults : public FileFaults {
  protected:
    void SetUp() override {
        FileFaults::SetUp();
        roster = Roster{};
    }

    // Tries to open `path` as a team file: refused with the one message.
    std::string refusalOf(const std::string& path) {
        SCOPED_TRACE(path);
        host.messages.clear();
        host.answers = {path};
        EXPECT_FALSE(openTeam(roster, host));
        EXPECT_EQ(roster, Roster{});
        EXPECT_EQ(host.messages.size(), 1u);
        if (host.messages.size() != 1) {
            return {};
        }
        const std::string& message = host.messages[0];
        const std::string head = "Le fichier d'équipe « " + path + " » ne peut pas être chargé : ";
        const std::string tail = "\n\nChoisissez un autre fichier d'équipe.";
        EXPECT_TRUE(message.starts_with(head) && message.ends_with(tail)) << message;
        const std::string reason =
            message.substr(head.size(), message.size() - head.size() - tail.size());
        EXPECT_TRUE(soundsFrench(reason)) << reason;
        return reason;
    }

    QString file(const char* name, const std::string& bytes) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(writeAll(path, bytes));
        return path;
    }

    // The program is still usable: a good team file loads.
    void expectOpenStillWorks() {
        host.answers = {
            file("bonne.cyc", test::sourceFile("examples/equipe-exemple.cyc")).toStdString()};
        EXPECT_TRUE(openTeam(roster, host));
        EXPECT_EQ(roster.cEquipe, "Vélo Club des Crêtes");
    }
};

TEST_F(OpenFaults, FilesThatAreNoTeamFileAreRefusedWithAReason) {
    std::string binary("\x89PNG\r\n\x1A\n", 8);
    for (int byte = 0; byte < 256; ++byte) {
        binary += static_cast<char>(byte);
    }
    const std::vector<std::pair<std::string, std::string>> cases = {
        {dir.path().toStdString(), "c'est un dossier, pas un fichier."},
        {dir.filePath(QStringLiteral("absent.cyc")).toStdString(), ""},
        {"/proc/self/mem", "la lecture a échoué ("},  // opens, but every read fails, also for root
        {file("image.cyc", binary).toStdString(), "la ligne 5 (coureur 1) n'a que"},
        {file("vide.cyc", "").toStdString(), "il n'a que 0 ligne,"},
    };
    for (const auto& [path, reason] : cases) {
        EXPECT_TRUE(refusalOf(path).starts_with(reason)) << path;
    }
    expectOpenStillWorks();
}

TEST_F(OpenFaults, UnreadableFileIsRefused) {
    if (runningAsRoot()) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    const QString path = file("secret.cyc", test::sourceFile("examples/equipe-exemple.cyc"));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    EXPECT_FALSE(refusalOf(path.toStdString()).empty());
    expectOpenStillWorks();
}

long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST_F(OpenFaults, HugeFileIsRefusedAtOnceWithoutReadingIt) {
    const QString path = dir.filePath(QStringLiteral("enorme.cyc"));
    {
        QFile huge(path);
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(100LL * 1024 * 1024));  // sparse: takes no room on disk
    }
    const long peakBefore = peakMemoryKiB();
    EXPECT_TRUE(refusalOf(path.toStdString()).starts_with("il dépasse 64 Kio"));
    EXPECT_LT(peakMemoryKiB() - peakBefore, 10 * 1024);
    expectOpenStillWorks();
}

TEST_F(OpenFaults, CancelledOpenSaysNothing) {
    host.answers = {""};
    EXPECT_FALSE(openTeam(roster, host));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(roster, Roster{});
    expectOpenStillWorks();
}

}  // namespace
}  // namespace rdo
