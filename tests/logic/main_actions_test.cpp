#include <gtest/gtest.h>

#include "actions/MainActions.h"
#include "orderfile/OrdersFile.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

// The two choosers with their filters; what cannot be read or written is said, and kept.
TEST(MainActions, OpenAndSaveGoThroughTheChooser) {
    test::FakeHost host;
    host.files["/t/equipe.cyc"] = test::teamFile({"1|0|0|0|Alpha"});
    host.chooserAnswers = {"", "/t/absent.cyc", "/t/equipe.cyc", "", "/t/ordres", "/t/o.ord"};
    Session session;
    EXPECT_FALSE(openTeam(session, host));  // cancelled
    EXPECT_FALSE(openTeam(session, host));
    EXPECT_EQ(session.roster, Roster{});
    EXPECT_TRUE(openTeam(session, host));
    EXPECT_EQ(session.teamPath, "/t/equipe.cyc");
    EXPECT_FALSE(openTeam(session, host));  // one team a run: the chooser is not shown

    EXPECT_FALSE(saveOrders(session, host));  // cancelled
    EXPECT_TRUE(saveOrders(session, host));
    EXPECT_EQ(host.files.at("/t/ordres"), ordersFileBytes(session.roster));  // no extension added
    host.writeError = "Aucun espace disponible sur le périphérique";
    EXPECT_FALSE(saveOrders(session, host));

    const std::string team = "Fichiers d'équipe (*.cyc)|*.cyc|Tous (*.*)|*.*",
                      orders = "Fichiers d'ordres (*.ord)|*.ord|Tous (*.*)|*.*";
    EXPECT_EQ(host.filtersAsked, (std::vector{team, team, team, orders, orders, orders}));
    EXPECT_EQ(host.messages,
              (std::vector<std::string>{
                  "Le fichier d'équipe « /t/absent.cyc » ne peut pas être chargé : Aucun fichier "
                  "ou dossier de ce type.\n\nChoisissez un autre fichier d'équipe.",
                  "Les ordres n'ont pas pu être enregistrés dans « /t/o.ord » : Aucun espace "
                  "disponible sur le périphérique.\n\nVos ordres sont conservés : choisissez un "
                  "autre emplacement."}));
}

}  // namespace
}  // namespace rdo
