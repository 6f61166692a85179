// The Qt host's files where only Windows faults them: a file another program holds open
// cannot be read or replaced there, and says so in French.
#include <gtest/gtest.h>
#include <qt_windows.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "tests/host/FileFaults.h"
#include "tests/support/FakeHost.h"

namespace rdo::test {
namespace {

// The file at `path` held open as another program would: `sharing` is what that program lets
// others do with it meanwhile.
std::shared_ptr<void> holdOpen(const std::string& path, DWORD sharing) {
    const std::wstring name = QDir::toNativeSeparators(QString::fromStdString(path)).toStdWString();
    const HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(handle, INVALID_HANDLE_VALUE) << path;
    return {handle, CloseHandle};
}

TEST(FileFaults, AFileHeldOpenByAnotherProgramIsRefusedInFrenchAndLeftAsItWas) {
    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString();
    // A spreadsheet reading the orders lets others read them, not replace them; the game
    // writing the team file lets no one in.
    const std::string orders = writeBytes(dir + "/tenu.ord", "ordres du jeu");
    const std::string team =
        writeBytes(dir + "/tenue.cyc", sourceFile("examples/equipe-exemple.cyc"));
    const auto readers = holdOpen(orders, FILE_SHARE_READ), game = holdOpen(team, 0);
    const std::vector<std::string> held = {"un autre programme le tient ouvert"};
    expectRefused(dir, {{false, orders, held}, {true, team, held}});
    EXPECT_EQ(fileBytes(orders), "ordres du jeu");
}

}  // namespace
}  // namespace rdo::test
