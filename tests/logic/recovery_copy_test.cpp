// A recovery copy gives back every byte of the orders; a torn copy or another file is no copy.
#include <gtest/gtest.h>

#include <numeric>

#include "orderfile/RecoveryCopy.h"

namespace rdo {
namespace {

TEST(RecoveryCopy, EveryByteBackAndNothingFromATornOrForeignCopy) {
    std::string every(256, '\0');
    std::iota(every.begin(), every.end(), '\0');
    const RecoveryCopy copy{teamFileId("/é\nquipe.cyc", every), {2025, 3, 4, 9, 5}, "10", every};
    const std::string bytes = recoveryCopyBytes(copy);
    const auto back = readRecoveryCopy(bytes);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->team == copy.team && back->orders == every && back->sectors == "10");
    EXPECT_EQ(std::tie(back->written.year, back->written.day, back->written.minute),
              std::tie(copy.written.year, copy.written.day, copy.written.minute));
    EXPECT_NE(teamFileId("/a", "x").hash, teamFileId("/a", "y").hash);
    EXPECT_NE(copyName(teamFileId("/a", "x")), copyName(teamFileId("/b", "x")));
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_FALSE(readRecoveryCopy(bytes.substr(0, size))) << "torn at " << size;
    }
    EXPECT_FALSE(readRecoveryCopy(bytes + "\n"));
    EXPECT_FALSE(readRecoveryCopy("X" + bytes.substr(1)));
}

}  // namespace
}  // namespace rdo
