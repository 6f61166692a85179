#include <gtest/gtest.h>

#include <tuple>

#include "orderfile/OrdersFile.h"
#include "teamfile/TeamFile.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

using test::loadedRoster;
using test::teamFile;

// A rider never given orders: not selected, no points, no sectors, no doping.
const std::string kUnselected = ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";

TEST(OrdersFile, LineHoldsTwentyEightValuesInTheGamesOrder) {
    RosterRow row;
    row.inUse = true;
    row.Check1 = 1;
    std::tie(row.N1, row.P1, row.PM2, row.PT2, row.PL2, row.PA2, row.Dope1) =
        std::tuple("12", "Abc Def", "3", "2", "1", "4", "+EPO");
    row.PTplus = "1,0,1,0,0,0,0,0,0,0";
    row.PEplus = "2,5,0,0,0,0,0,0,0,0";
    EXPECT_EQ(ordersLine(row), "12,Abc Def,1,3,2,1,4,1,0,1,0,0,0,0,0,0,0,2,5,0,0,0,0,0,0,0,0,2");
}

TEST(OrdersFile, DopingCodeFromTheFirstTwoCharacters) {
    const std::vector<std::pair<std::string, char>> cases = {
        {"+Amphétamines", '1'}, {"+EPO", '2'}, {"+PFC", '3'}, {"Propre", '0'},
        {"EPO (4)", '0'},       {"+epo", '0'}, {"+", '0'},    {"", '0'}};
    for (const auto& [dope, code] : cases) {
        EXPECT_EQ(dopingCode(dope), code) << dope;
    }
}

TEST(OrdersFile, OneLinePerRiderAndCrLfAfterEveryLine) {
    std::vector<std::string> riders;
    for (int i = 0; i < 12; ++i) {
        riders.push_back(std::to_string(i) + "|0|0|0|R" + std::to_string(i));
    }
    const std::string file = ordersFileBytes(loadedRoster(teamFile(riders, "Vélo, Club")));
    std::string expected = "Vélo, Club\r\n";
    for (int i = 0; i < 12; ++i) {
        expected += std::to_string(i) + ",R" + std::to_string(i) + kUnselected + "\r\n";
    }
    EXPECT_EQ(file, expected);
    EXPECT_EQ(ordersFileBytes(loadedRoster("Seule\n1\n2\n3\n")), "Seule\r\n");
}

TEST(OrdersFile, KeysNamesAndTeamGoBackByteForByte) {
    const std::string example = test::sourceFile("examples/equipe-exemple.cyc");
    const Roster roster = loadedRoster(example);
    ASSERT_EQ(roster.encoding, Encoding::Windows1252);
    const std::string written = ordersFileBytes(roster);
    const auto in = splitLines(example);
    const auto out = splitLines(written);
    ASSERT_EQ(out.size(), in.size() - 3);
    EXPECT_EQ(out[0], in[0]);
    for (std::size_t i = 1; i < out.size(); ++i) {
        const std::string_view rider = in[i + 3];
        const std::string_view key = rider.substr(0, rider.find(','));
        std::string_view name = rider;
        for (int comma = 0; comma < 11; ++comma) {
            name.remove_prefix(name.find(',') + 1);
        }
        EXPECT_EQ(out[i], std::string(key) + "," + std::string(name) + kUnselected);
    }

    const std::string utf8Team = "Vélo\n1\n2\n3\n9,FRA,1,2,3,4,5,0,0,0,6,Cœur\n";
    EXPECT_EQ(ordersFileBytes(loadedRoster(utf8Team)), "Vélo\r\n9,Cœur" + kUnselected + "\r\n");
}

}  // namespace
}  // namespace rdo
