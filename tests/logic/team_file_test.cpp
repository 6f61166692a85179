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
        "Les Rouleurs, Équipe 1\r\n 12\r\n30\r\n150\r\n12,FRA,61,55,70,3,84,0,2,4,5,Def, Abc\r\n");
    EXPECT_EQ(std::vector({roster.cEquipe, roster.PE, roster.PM, roster.K}),
              std::vector<std::string>({"Les Rouleurs, Équipe 1", " 12", "30", "150"}));
    const RosterRow& row = roster.rows[0];
    EXPECT_EQ(std::vector({row.N1, row.Pays1, row.SP1, row.RO1, row.GR1, row.Ene1, row.bless1,
                           row.Dope1, row.PM1, row.P1, row.nom1}),
              std::vector<std::string>({"12", "FRA", "61", "55", "70", "84", "dispo", "EPO (4)",
                                        "5", "Def, Abc", "Def, Abc 12"}));
    EXPECT_TRUE(row.inUse && row.checkVisible && !row.ordersVisible && !roster.rows[1].inUse);
    EXPECT_EQ(roster.sectorsItems,
              (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(loadedRoster(teamFile({"8|0|0|0|"})).rows[0].nom1, " 8");
}

// Injury weeks and doping codes compare as texts against "0", by character code.
TEST(TeamFile, InjuryAndDopingTexts) {
    const std::pair<std::string, std::string> cases[] = {
        {"|0|0", "dispo Propre"},         {"0|-1|9", "dispo Propre"},
        {" 2|1|2", "dispo Amphé (2)"},    {"-1|3|1", "dispo PFC (1)"},
        {"00|4|x", "bléssé 00 sem. 4x)"}, {"10|1 |2", "bléssé 10 sem. 1 2)"},
        {"0|01|7", "dispo 017)"}};
    for (const auto& [weeksCodeDetail, shown] : cases) {
        const RosterRow row = loadedRoster(teamFile({"1|" + weeksCodeDetail + "|X"})).rows[0];
        EXPECT_EQ(row.bless1 + " " + row.Dope1, shown);
        EXPECT_EQ(row.checkVisible, row.bless1 == "dispo");
    }
}

TEST(TeamFile, ZeroToFifteenRidersWithAnyLineEnd) {
    EXPECT_TRUE(loadedRoster("T\n1\n2\n3").loaded);
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        std::string text = "T" + end + "1" + end + "2" + end + "3" + end;
        for (int i = 0; i < 15; ++i) {
            text += std::to_string(i) + ",FRA,1,2,3,4,5,0,0,0,6,R" + std::to_string(i) + end;
        }
        EXPECT_EQ(loadedRoster(text + end + end).rows[14].P1, "R14");  // blank lines at the end
        EXPECT_EQ(refusal(text + "15,FRA,1,2,3,4,5,0,0,0,6,R15"),
                  "il décrit 16 coureurs (lignes 5 à 20), alors qu'une équipe en compte au plus "
                  "15.");
    }
}

TEST(TeamFile, RefusesWhatIsNotATeamFileAndSaysWhere) {
    EXPECT_EQ(refusal("a\nb\nc\n"),
              "il n'a que 3 lignes, alors qu'un fichier d'équipe commence par 4 lignes (nom de "
              "l'équipe, points d'échappée, points de motivation, caisse).");
    EXPECT_EQ(refusal("T\n1\n2\n3\n1,FRA,1,2,3,4,5,0,0,0,6,A\n1,2,3\n"),
              "la ligne 6 (coureur 2) n'a que 2 virgules, alors qu'une ligne de coureur a au "
              "moins 11 virgules (12 champs).");
    EXPECT_TRUE(refusal("T\n1\n2\n3\n\n1,FRA,1,2,3,4,5,0,0,0,6,A\n")
                    .starts_with("la ligne 5 (coureur 1) est vide,"));
    EXPECT_EQ(refusal(std::string(kMaxTeamFileBytes + 1, 'x')), kTooLargeReason);
}

// UTF-8 when well-formed, else the game's Windows-1252, whose 0x80-0x9F are not Latin-1.
TEST(TeamFile, ReadsUtf8OrTheGamesCodePage) {
    const std::pair<std::string, std::string> teams[] = {
        {"\xEF\xBB\xBF"
         "Crêtes 𝄞",
         "Crêtes 𝄞"},
        {"C\x9Cur \x80\xE9\x81", "Cœur €é\xC2\x81"},
        {"\xC0\xAF", "À¯"},    // overlong
        {"caf\xC3", "cafÃ"}};  // cut short
    for (const auto& [bytes, text] : teams) {
        const Roster roster = loadedRoster(bytes + "\n1\n2\n3\n");
        EXPECT_EQ(roster.cEquipe, text);
        EXPECT_EQ(roster.encoding, text == "Crêtes 𝄞" ? Encoding::Utf8 : Encoding::Windows1252);
    }
}

}  // namespace
}  // namespace rdo
