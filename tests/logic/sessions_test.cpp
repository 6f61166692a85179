// The sessions of tests/sessions play as written, keeping the promises after every step; saved
// orders not taken up say why; a recovery copy holds the orders whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

#include "actions/MainActions.h"
#include "orderfile/RecoveryCopy.h"
#include "tests/support/FakeHost.h"
#include "tests/support/Script.h"

namespace rdo::test {
namespace {

TEST(Sessions, PlayAsWrittenKeepingThePromises) {
    for (const auto& file : std::filesystem::directory_iterator(RDO_SOURCE_DIR "/tests/sessions")) {
        if (file.path().extension() == ".txt") {
            const std::string name = "tests/sessions/" + file.path().filename().string();
            EXPECT_EQ(playScript(sourceFile(name)), "") << name;
        }
    }
}

// Saved orders beside the team 1 Alpha, 2 Blessé injured, 3 « Dopé, fils », 4 Delta left aside
// with the reason: another team's, a value the game cannot read (files/saved/), unreadable ("").
TEST(TakeUp, SavedOrdersLeftAsideWithTheReason) {
    const std::string count = " au lieu de 5 : le nom de l'équipe, puis une ligne par coureur",
                      alpha = "la ligne 2, celle du coureur Alpha (clé 1), donne « ",
                      blesse = "la ligne 3, celle du coureur Blessé (clé 2), ",
                      delta = "la ligne 5, celle du coureur Delta (clé 4), ";
    const std::pair<std::string, std::string> refusals[] = {
        {"other-team", "la ligne 1 donne l'équipe « Team B » au lieu de « Team »"},
        {"one-less", "il compte 4 lignes" + count},
        {"one-more", "il compte 6 lignes" + count},
        {"empty", "il compte 0 ligne" + count},
        {"wrong-key", blesse + "commence par la clé « 3 »"},
        {"injured-selected", blesse + "le sélectionne alors qu'il est blessé"},
        {"wrong-name",
         "la ligne 4, celle du coureur Dopé, fils (clé 3), ne donne pas ce nom après "
         "la clé"},
        {"short-line", delta + "a 25 valeurs après le nom au lieu de 26"},
        {"long-line", delta + "a 27 valeurs après le nom au lieu de 26"},
        {"doping-4", delta + "donne « 4 » pour le code de dopage, où le jeu attend 0, 1, 2 ou 3"},
        {"selected-oui", alpha + "oui » pour la sélection, où le jeu attend 0 ou 1"},
        {"work-2", alpha + "2 » pour le travail du secteur 3, où le jeu attend 0 ou 1"},
        {"negative-pm", alpha + "-3 » pour PM, où le jeu attend un nombre entier positif ou nul"},
        {"pe-fraction", alpha + "2.5 » pour les PE du secteur 1, où le jeu attend un nombre entier "
                                "positif ou nul"},
        {"", "Permission non accordée"}};
    const std::string team =
        teamFile("1|0|0|0|Alpha; 2|3|0|0|Blessé; 3|0|2|4|Dopé, fils; 4|0|0|0|Delta");
    for (const auto& [file, reason] : refusals) {
        FakeHost host;
        const std::string saved = "tests/sessions/files/saved/" + file + ".ord";
        host.files = {{"/t/e.cyc", team}, {"/t/e.ord", file.empty() ? "" : sourceFile(saved)}};
        host.unreadable = file.empty() ? "/t/e.ord" : "";
        Session session;
        EXPECT_TRUE(loadTeam(session, host, "/t/e.cyc") && session.roster.cptsel == "0");
        const std::string said =
            "Les ordres enregistrés dans « e.ord » ne sont pas repris : " + reason +
            ".\n\nL'équipe est chargée sans ordres.";
        EXPECT_EQ(host.messages, std::vector{said}) << file;
    }
}

// A recovery copy gives back every byte of the orders; a torn copy or another file is no copy.
TEST(RecoveryCopy, EveryByteBackAndNothingFromATornOrForeignCopy) {
    std::string every(256, '\0');
    std::iota(every.begin(), every.end(), '\0');
    const RecoveryCopy copy{teamFileId("/é\nquipe.cyc", every), {2025, 3, 4, 9, 5}, "10", every};
    const std::string bytes = recoveryCopyBytes(copy);
    const auto back = readRecoveryCopy(bytes);
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == copy);
    EXPECT_NE(teamFileId("/a", "x").hash, teamFileId("/a", "y").hash);
    EXPECT_NE(copyName(teamFileId("/a", "x")), copyName(teamFileId("/b", "x")));
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_FALSE(readRecoveryCopy(bytes.substr(0, size))) << "torn at " << size;
    }
    EXPECT_FALSE(readRecoveryCopy(bytes + "\n"));
    EXPECT_FALSE(readRecoveryCopy("X" + bytes.substr(1)));
}

}  // namespace
}  // namespace rdo::test
