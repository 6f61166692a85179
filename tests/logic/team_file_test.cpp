#include <gtest/gtest.h>

#include <variant>

#include "teamfile/TeamFile.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

using test::loadedRoster;
using test::teamFile;

std::string refusal(const std::string& bytes) {
    auto result = readTeamFile(bytes);
    const auto* error = std::get_if<TeamFileError>(&result);
    return error ? error->reason : "(loaded)";
}

TEST(TeamFile, ReadsHeaderAndRiderFieldsVerbatim) {
    const Roster roster = loadedRoster(
        "Les Rouleurs, Équipe 1\r\n 12\r\n30\r\n150\r\n12,FRA,61,55,70,3,84,0,2,4,5,Abc Def\r\n");
    EXPECT_EQ(std::vector<std::string>({roster.cEquipe, roster.PE, roster.PM, roster.K}),
              std::vector<std::string>({"Les Rouleurs, Équipe 1", " 12", "30", "150"}));
    const RosterRow& row = roster.rows[0];
    EXPECT_EQ(std::vector<std::string>({row.N1, row.Pays1, row.SP1, row.RO1, row.GR1, row.Ene1,
                                        row.bless1, row.Dope1, row.PM1, row.P1, row.nom1}),
              std::vector<std::string>({"12", "FRA", "61", "55", "70", "84", "dispo", "EPO (4)",
                                        "5", "Abc Def", "Abc Def 12"}));
    EXPECT_TRUE(row.inUse && row.checkVisible && !row.ordersVisible);
    EXPECT_FALSE(roster.rows[1].inUse);
    EXPECT_EQ(roster.sectors, "2");
    EXPECT_EQ(roster.sectorsItems,
              (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

TEST(TeamFile, InjuryAndDopingCompareAsTextAgainstZero) {
    const std::vector<std::pair<std::string, std::string>> weeks = {
        {"", "dispo"},   {"0", "dispo"},           {" 2", "dispo"},
        {"-1", "dispo"}, {"00", "bléssé 00 sem."}, {"10", "bléssé 10 sem."}};
    for (const auto& [field, shown] : weeks) {
        const RosterRow row = loadedRoster(teamFile({"1|" + field + "|0|0|X"})).rows[0];
        EXPECT_EQ(row.bless1, shown) << field;
        EXPECT_EQ(row.checkVisible, shown == "dispo") << field;
    }
    const std::vector<std::pair<std::string, std::string>> doping = {
        {"|9", "Propre"}, {"-1|9", "Propre"}, {"1|2", "Amphé (2)"}, {"3|1", "PFC (1)"},
        {"4|x", "4x)"},   {"1 |2", "1 2)"},   {"01|7", "017)"}};
    for (const auto& [codeAndDetail, shown] : doping) {
        EXPECT_EQ(loadedRoster(teamFile({"1|0|" + codeAndDetail + "|X"})).rows[0].Dope1, shown);
    }
}

TEST(TeamFile, NamesKeepTheirCommasAndMayBeEmpty) {
    const Roster roster = loadedRoster(teamFile({"7|0|0|0|Def, Abc, Jr", "8|0|0|0|"}));
    EXPECT_EQ(roster.rows[0].P1, "Def, Abc, Jr");
    EXPECT_EQ(roster.rows[0].nom1, "Def, Abc, Jr 7");
    EXPECT_EQ(roster.rows[1].nom1, " 8");
}

TEST(TeamFile, ZeroToFifteenRidersWithAnyLineEnd) {
    EXPECT_TRUE(loadedRoster("T\n1\n2\n3").loaded);
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        std::string text = "T" + end + "1" + end + "2" + end + "3" + end;
        for (int i = 0; i < 15; ++i) {
            text += std::to_string(i) + ",FRA,1,2,3,4,5,0,0,0,6,R" + std::to_string(i) + end;
        }
        const Roster full = loadedRoster(text + end + end);  // blank lines at the end: no rider
        EXPECT_EQ(full.rows[14].P1, "R14");
        EXPECT_EQ(refusal(text + "15,FRA,1,2,3,4,5,0,0,0,6,R15"),
                  "il décrit 16 coureurs (lignes 5 à 20), alors qu'une équipe en compte au plus "
                  "15.");
    }
}

TEST(TeamFile, RefusesWhatIsNotATeamFileAndSaysWhere) {
    EXPECT_NE(refusal("a\nb\nc\n").find("il n'a que 3 lignes"), std::string::npos);
    EXPECT_EQ(refusal("T\n1\n2\n3\n1,FRA,1,2,3,4,5,0,0,0,6,A\n1,2,3\n"),
              "la ligne 6 (coureur 2) n'a que 2 virgules, alors qu'une ligne de coureur a au "
              "moins 11 virgules (12 champs).");
    EXPECT_NE(refusal("T\n1\n2\n3\n\n1,FRA,1,2,3,4,5,0,0,0,6,A\n")
                  .find("la ligne 5 (coureur 1) "
                        "est vide"),
              std::string::npos);
    EXPECT_EQ(refusal(std::string(kMaxTeamFileBytes + 1, 'x')), kTooLargeReason);
}

TEST(TeamFile, RemembersTheEncodingItCameIn) {
    EXPECT_EQ(loadedRoster(teamFile({"1|0|0|0|Noël"})).encoding, Encoding::Utf8);
    const Roster cp1252 =
        loadedRoster("V\xE9lo\r\n1\r\n2\r\n3\r\n1,FRA,1,2,3,4,5,0,0,0,6,No\xEBl\r\n");
    EXPECT_EQ(cp1252.encoding, Encoding::Windows1252);
    EXPECT_EQ(cp1252.rows[0].nom1, "Noël 1");
}

}  // namespace
}  // namespace rdo
