#include <gtest/gtest.h>

#include <variant>

#include "roster/TeamFile.h"
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
        "Les Rouleurs, Équipe 1\r\n 12\r\n30\r\n150\r\n"
        "12,FRA,61,55,70,3,84,0,2,4,5,Abc Def\r\n");
    EXPECT_TRUE(roster.loaded);
    EXPECT_EQ(roster.cEquipe, "Les Rouleurs, Équipe 1");
    EXPECT_EQ(roster.PE, " 12");
    EXPECT_EQ(roster.PM, "30");
    EXPECT_EQ(roster.K, "150");
    const RosterRow& row = roster.rows[0];
    EXPECT_TRUE(row.inUse);
    EXPECT_EQ(row.N1, "12");
    EXPECT_EQ(row.Pays1, "FRA");
    EXPECT_EQ(row.SP1, "61");
    EXPECT_EQ(row.RO1, "55");
    EXPECT_EQ(row.GR1, "70");
    EXPECT_EQ(row.Ene1, "84");
    EXPECT_EQ(row.bless1, "dispo");
    EXPECT_TRUE(row.checkVisible);
    EXPECT_EQ(row.Dope1, "EPO (4)");
    EXPECT_EQ(row.dopeColor, kPaleBlue);
    EXPECT_EQ(row.PM1, "5");
    EXPECT_EQ(row.P1, "Abc Def");
    EXPECT_EQ(row.nom1, "Abc Def 12");
    EXPECT_EQ(row.Check1, 0);
    EXPECT_FALSE(row.ordersVisible);
    EXPECT_EQ(row.PEplus, "0,0,0,0,0,0,0,0,0,0");
    EXPECT_FALSE(roster.rows[1].inUse);
    EXPECT_EQ(roster.sectors, "2");
    EXPECT_EQ(roster.sectorsItems,
              (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

TEST(TeamFile, InjuryWeeksCompareAsTextAgainstZero) {
    const std::vector<std::pair<std::string, std::string>> cases = {{"", "dispo"},
                                                                    {"0", "dispo"},
                                                                    {" 2", "dispo"},
                                                                    {"-1", "dispo"},
                                                                    {"00", "bléssé 00 sem."},
                                                                    {"3", "bléssé 3 sem."},
                                                                    {"10", "bléssé 10 sem."},
                                                                    {"a", "bléssé a sem."}};
    for (const auto& [weeks, shown] : cases) {
        const Roster roster = loadedRoster(teamFile({"1|" + weeks + "|0|0|X"}));
        EXPECT_EQ(roster.rows[0].bless1, shown) << "weeks '" << weeks << "'";
        EXPECT_EQ(roster.rows[0].checkVisible, shown == "dispo") << "weeks '" << weeks << "'";
    }
}

TEST(TeamFile, DopingCodeAndDetailMakeTheDopingText) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"|9", "Propre"},     {"0|9", "Propre"},  {"-1|9", "Propre"},
        {"1|2", "Amphé (2)"}, {"2|4", "EPO (4)"}, {"3|1", "PFC (1)"},
        {"4|x", "4x)"},       {"1 |2", "1 2)"},   {"01|7", "017)"}};
    for (const auto& [codeAndDetail, shown] : cases) {
        const Roster roster = loadedRoster(teamFile({"1|0|" + codeAndDetail + "|X"}));
        EXPECT_EQ(roster.rows[0].Dope1, shown) << codeAndDetail;
    }
}

TEST(TeamFile, NameKeepsItsCommasAndMayBeEmpty) {
    const Roster roster = loadedRoster(teamFile({"7|0|0|0|Def, Abc, Jr", "8|0|0|0|"}));
    EXPECT_EQ(roster.rows[0].P1, "Def, Abc, Jr");
    EXPECT_EQ(roster.rows[0].nom1, "Def, Abc, Jr 7");
    EXPECT_EQ(roster.rows[1].P1, "");
    EXPECT_EQ(roster.rows[1].nom1, " 8");
}

TEST(TeamFile, RiderCountFromZeroToFifteen) {
    const Roster none = loadedRoster("T\n1\n2\n3");
    EXPECT_TRUE(none.loaded);
    for (const RosterRow& row : none.rows) {
        EXPECT_FALSE(row.inUse);
    }
    std::vector<std::string> riders;
    for (int i = 0; i < 15; ++i) {
        riders.push_back(std::to_string(i) + "|0|0|0|R" + std::to_string(i));
    }
    const Roster full = loadedRoster(teamFile(riders));
    EXPECT_EQ(full.rows[14].N1, "14");
    riders.push_back("15|0|0|0|R15");
    EXPECT_EQ(refusal(teamFile(riders)),
              "il décrit 16 coureurs (lignes 5 à 20), alors qu'une équipe en compte au plus 15.");
}

TEST(TeamFile, LineEndsOfEveryKindAndNoRiderFromTheLastOne) {
    const std::string rider = "1,FRA,1,2,3,4,5,0,0,0,6,A";
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        const Roster roster = loadedRoster("T" + end + "1" + end + "2" + end + "3" + end + rider +
                                           end + rider + end + end + end);
        EXPECT_TRUE(roster.rows[1].inUse);
        EXPECT_FALSE(roster.rows[2].inUse);
        EXPECT_EQ(roster.rows[1].P1, "A");
    }
}

TEST(TeamFile, RefusesWhatIsNotATeamFile) {
    EXPECT_EQ(refusal(""),
              "il n'a que 0 ligne, alors qu'un fichier d'équipe commence par 4 lignes (nom de "
              "l'équipe, points d'échappée, points de motivation, caisse).");
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
    EXPECT_EQ(cp1252.cEquipe, "Vélo");
    EXPECT_EQ(cp1252.rows[0].nom1, "Noël 1");
}

}  // namespace
}  // namespace rdo
