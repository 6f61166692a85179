// Inputs the fuzz targets found, replayed through the logic actions.
#include <gtest/gtest.h>

#include "actions/MainActions.h"
#include "orders/OrdersDialog.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

// fuzz_actions: typed sector PE values adding up past a billion left PE_USED
// short of the sum of the rows.
TEST(FuzzRegressions, TotalsStayExactForLargeTypedSectorPE) {
    const std::pair<std::array<std::string, kSectors>, std::string> cases[] = {
        {{"68091904", "", "", "959021311"}, "1027113215"},  // the input found
        {{"999999999", "999999999", "999999999", "999999999", "999999999", "999999999", "999999999",
          "999999999", "999999999", "999999999"},
         "9999999990"}};
    for (const auto& [typed, PE2] : cases) {
        test::FakeHost host;
        Session session{test::loadedRoster(test::sourceFile("examples/equipe-exemple.cyc"))};
        Roster& roster = session.roster;
        roster.rows[0].PE2 = "7";  // another rider's committed PE
        host.onDialog = [&](Roster& opened, OrdersDialog& dialog) {
            dialog.cbPE = typed;
            EXPECT_TRUE(commitOrders(dialog, opened, host));
        };
        doubleClickRider(session, host, 5);
        EXPECT_EQ(roster.rows[5].PE2, PE2);
        EXPECT_EQ(roster.PE_USED, std::to_string(std::stoll(PE2) + 7));
    }
}

}  // namespace
}  // namespace rdo
