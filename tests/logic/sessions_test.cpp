// Every session of tests/sessions plays as its file says, the promises kept after every step.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/FakeHost.h"
#include "tests/support/Script.h"

namespace rdo::test {
namespace {

TEST(Sessions, PlayAsWritten) {
    for (const auto& file : std::filesystem::directory_iterator(RDO_SOURCE_DIR "/tests/sessions")) {
        if (file.path().extension() == ".txt") {
            const std::string name = "tests/sessions/" + file.path().filename().string();
            EXPECT_EQ(playScript(sourceFile(name)), "") << name;
        }
    }
}

}  // namespace
}  // namespace rdo::test
