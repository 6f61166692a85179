#include <gtest/gtest.h>

#include <tuple>

#include "orderfile/OrdersFile.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

using test::loadedRoster;

// A rider never given orders: not selected, no points, no sectors, no doping.
const std::string kUnselected = ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";

TEST(OrdersFile, LineHoldsTwentyEightValuesInTheGamesOrder) {
    RosterRow row;
    row.Check1 = 1;
    std::tie(row.N1, row.P1, row.PM2, row.PT2, row.PL2, row.PA2, row.PTplus, row.PEplus) =
        std::tuple("12", "Abc Def", "3", "2", "1", "4", "1,0,1,0,0,0,0,0,0,0",
                   "2,5,0,0,0,0,0,0,0,0");
    const std::pair<std::string, char> doping[] = {
        {"+Amphétamines", '1'}, {"+EPO", '2'}, {"+PFC", '3'}, {"Propre", '0'},
        {"EPO (4)", '0'},       {"+epo", '0'}, {"+", '0'},    {"", '0'}};
    for (const auto& [Dope1, code] : doping) {
        row.Dope1 = Dope1;
        EXPECT_EQ(ordersLine(row), "12,Abc Def,1,3,2,1,4,1,0,1,0,0,0,0,0,0,0,2,5,0,0,0,0,0,0,0,0," +
                                       std::string(1, code));
    }
}

// Keys, names and the team line go back to the game in the team file's own bytes.
TEST(OrdersFile, WrittenInTheTeamFilesEncoding) {
    std::string team;
    for (int b = 0; b < 256; ++b) {
        team += b == '\r' || b == '\n' ? ' ' : static_cast<char>(b);
    }
    EXPECT_EQ(ordersFileBytes(loadedRoster(team + "\n1\n2\n3\n")), team + "\r\n");
    EXPECT_EQ(ordersFileBytes(loadedRoster("Vélo\n1\n2\n3\n9,FRA,1,2,3,4,5,0,0,0,6,Cœur\n")),
              "Vélo\r\n9,Cœur" + kUnselected + "\r\n");
}

}  // namespace
}  // namespace rdo
