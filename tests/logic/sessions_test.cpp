// Every session of tests/sessions plays as its file says.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/FakeHost.h"
#include "tests/support/Script.h"

namespace rdo::test {
namespace {

std::vector<std::string> sessionFiles() {
    std::vector<std::string> names;
    for (const auto& file : std::filesystem::directory_iterator(RDO_SOURCE_DIR "/tests/sessions")) {
        if (file.path().extension() == ".txt") {
            names.push_back(file.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class Sessions : public ::testing::TestWithParam<std::string> {};

TEST_P(Sessions, PlayAsWritten) {
    EXPECT_EQ(playScript(sourceFile("tests/sessions/" + GetParam())), "");
}

INSTANTIATE_TEST_SUITE_P(Files, Sessions, ::testing::ValuesIn(sessionFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace rdo::test
