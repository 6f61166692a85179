// The Qt host's files where only Windows faults them: a file another program holds open
// cannot be read or replaced there, and says so in French.
#include <gtest/gtest.h>
#include <qt_windows.h>

#include <QTemporaryDir>
#include <memory>

#include "tests/host/FileFaults.h"

namespace rdo::test {
namespace {

TEST(FileFaults, AFileHeldOpenByAnotherProgramIsRefusedInFrenchAndLeftAsItWas) {
    QTemporaryDir temp;
    const std::string dir = temp.path().toStdString();
    // A spreadsheet reading the orders lets others read them, not replace them; the game
    // writing the team file lets no one in.
    const std::string orders = writeBytes(dir + "/tenu.ord", "ordres du jeu");
    const std::string team = writeBytes(dir + "/tenue.cyc", "");
    const auto holdOpen = [](const std::string& path, DWORD sharing) {  // as that program would
        return std::shared_ptr<void>(
            CreateFileW(fsPath(path).c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr),
            CloseHandle);
    };
    const auto readers = holdOpen(orders, FILE_SHARE_READ), game = holdOpen(team, 0);
    const std::vector<std::string> held = {"un autre programme le tient ouvert"};
    expectRefused(dir, {{false, orders, held}, {true, team, held}});
    EXPECT_EQ(fileBytes(orders), "ordres du jeu");
}

}  // namespace
}  // namespace rdo::test
