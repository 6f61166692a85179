#include <gtest/gtest.h>

#include "actions/MainActions.h"
#include "orderfile/OrdersFile.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

using test::FakeHost;
using test::teamFile;

const std::string kTeam = teamFile({"1|0|0|0|Alpha", "2|3|0|0|Blessé", "3|0|2|4|Dopé"});

TEST(OpenTeam, LoadsTheChosenFileWithTheTeamFilter) {
    FakeHost host;
    host.files["/t/equipe.cyc"] = kTeam;
    host.chooserAnswers = {"/t/equipe.cyc"};
    Session session;
    Roster& roster = session.roster;
    EXPECT_TRUE(openTeam(session, host));
    EXPECT_EQ(host.filtersAsked,
              std::vector<std::string>{"Fichiers d'équipe (*.cyc)|*.cyc|Tous (*.*)|*.*"});
    EXPECT_TRUE(roster.loaded);
    EXPECT_EQ(roster.rows[2].nom1, "Dopé 3");
    EXPECT_TRUE(host.messages.empty());
    // The open button is gone once a team is loaded: no second team in a run.
    EXPECT_FALSE(openTeam(session, host));
}

TEST(OpenTeam, CancelOrRefusalLeavesTheRosterAsItWas) {
    FakeHost host;
    host.files["/t/court.cyc"] = "T\n1\n";
    host.files["/t/gros.cyc"] = std::string(70 * 1024, 'x');
    host.chooserAnswers = {"", "/t/absent.cyc", "/t/court.cyc", "/t/gros.cyc"};
    Session session;
    Roster& roster = session.roster;
    for (int attempt = 0; attempt < 4; ++attempt) {
        EXPECT_FALSE(openTeam(session, host));
        EXPECT_EQ(roster, Roster{});
    }
    ASSERT_EQ(host.messages.size(), 3u);  // the cancel says nothing
    EXPECT_EQ(host.messages[0],
              "Le fichier d'équipe « /t/absent.cyc » ne peut pas être chargé : Aucun fichier ou "
              "dossier de ce type.\n\nChoisissez un autre fichier d'équipe.");
    EXPECT_NE(host.messages[1].find("« /t/court.cyc »"), std::string::npos);
    EXPECT_NE(host.messages[1].find("il n'a que 2 lignes"), std::string::npos);
    EXPECT_NE(host.messages[2].find("64 Kio"), std::string::npos);
}

TEST(SaveOrders, WritesTheWholeFileOrSaysWhyAndKeepsTheOrders) {
    FakeHost host;
    const Session session{test::loadedRoster(kTeam)};
    const Roster& roster = session.roster;
    host.chooserAnswers = {"", "/t/ordres", "/plein/ordres.ord"};
    EXPECT_FALSE(saveOrders(session, host));  // cancelled: nothing written, no message
    EXPECT_TRUE(host.files.empty() && host.messages.empty());
    EXPECT_TRUE(saveOrders(session, host));
    EXPECT_EQ(host.filtersAsked.back(), "Fichiers d'ordres (*.ord)|*.ord|Tous (*.*)|*.*");
    EXPECT_EQ(host.files.at("/t/ordres"), ordersFileBytes(roster));  // no extension added

    host.writeError = "Aucun espace disponible sur le périphérique";
    EXPECT_FALSE(saveOrders(session, host));  // the program stays open
    EXPECT_EQ(host.messages,
              std::vector<std::string>{
                  "Les ordres n'ont pas pu être enregistrés dans « /plein/ordres.ord » : Aucun "
                  "espace disponible sur le périphérique.\n\nVos ordres sont conservés : "
                  "choisissez un autre emplacement."});
}

TEST(DoubleClick, SelectsAnAvailableRiderAndSkipsAnInjuredOne) {
    FakeHost host;
    Session session{test::loadedRoster(kTeam)};
    Roster& roster = session.roster;
    Roster seen;
    host.onDialog = [&](Roster& r, OrdersDialog& dialog) {
        seen = r;
        EXPECT_EQ(dialog.nomcour, "Alpha 1");
    };
    doubleClickRider(session, host, 0);
    EXPECT_EQ(host.dialogsShown, 1);
    EXPECT_EQ(seen.currentRow, 0);
    EXPECT_EQ(seen.currentRiderName, "Alpha 1");
    EXPECT_EQ(seen.rows[0].Check1, 1);
    EXPECT_TRUE(seen.rows[0].ordersVisible);
    // Closed from the title bar: the row stays ticked, the totals stay as they were.
    EXPECT_EQ(roster.rows[0].Check1, 1);
    EXPECT_EQ(roster.cptsel, "0");

    Roster expected = roster;  // an injured rider: only the current row moves
    expected.currentRow = 1;
    doubleClickRider(session, host, 1);
    EXPECT_EQ(host.dialogsShown, 1);
    EXPECT_TRUE(roster == expected);
}

TEST(DoubleClick, UnreadableSectorCountIsRefusedBeforeTheRowChanges) {
    FakeHost host;
    Session session{test::loadedRoster(kTeam)};
    Roster& roster = session.roster;
    roster.sectors = "trois";
    const Roster before = roster;
    doubleClickRider(session, host, 0);
    EXPECT_EQ(host.dialogsShown, 0);
    EXPECT_EQ(roster.rows, before.rows);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("« trois » n'est pas un nombre"), std::string::npos);

    host.onDialog = [](Roster&, OrdersDialog& dialog) { EXPECT_EQ(dialog.sectorCount, 10); };
    roster.sectors = "42";
    doubleClickRider(session, host, 0);
    EXPECT_EQ(host.dialogsShown, 1);
}

}  // namespace
}  // namespace rdo
