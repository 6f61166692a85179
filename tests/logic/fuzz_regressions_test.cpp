// Inputs the fuzz targets found, replayed through the logic actions.
#include <gtest/gtest.h>

#include <map>

#include "orders/OrdersDialog.h"
#include "roster/MainActions.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

using test::FakeHost;

// fuzz_actions: typed sector PE values adding up past a billion left PE_USED
// short of the sum of the rows.
TEST(FuzzRegressions, TotalsStayExactForLargeTypedSectorPE) {
    struct Case {
        std::map<int, std::string> typed;  // sector index, typed text
        std::string PE2;
    };
    std::map<int, std::string> allHigh, allLow;
    for (int k = 0; k < kSectors; ++k) {
        allHigh[k] = "999999999";
        allLow[k] = "-999999999";
    }
    const std::vector<Case> cases = {
        {{{3, "959021311"}, {0, "68091904"}}, "1027113215"},  // the input found
        {allHigh, "9999999990"},
        {allLow, "-9999999990"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.PE2);
        FakeHost host;
        Roster roster = test::loadedRoster(test::sourceFile("examples/equipe-exemple.cyc"));
        roster.rows[0].PE2 = "7";  // another rider's committed PE
        host.onDialog = [&](Roster& opened, OrdersDialog& dialog) {
            for (const auto& [k, text] : c.typed) {
                dialog.cbPE[static_cast<std::size_t>(k)] = text;
            }
            EXPECT_TRUE(commitOrders(dialog, opened, host));
        };
        doubleClickRider(roster, host, 5);
        EXPECT_EQ(roster.rows[5].PE2, c.PE2);
        EXPECT_EQ(roster.PE_USED, std::to_string(std::stoll(c.PE2) + 7));
        EXPECT_TRUE(host.messages.empty());
    }
}

}  // namespace
}  // namespace rdo
