// A typed negative point is refused at commit; a value typed beyond the lists is not.
#include <gtest/gtest.h>

#include "orders/OrdersDialog.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

TEST(NegativePoints, RefusedWithTheFieldNamedAndNothingCommitted) {
    const std::pair<std::string, std::string> cases[] = {
        // The third sector's PE or cbPA typed, and the message's start; none: committed.
        {"PA -4", "« -4 » dans PA est négatif : les points ne peuvent pas être négatifs."},
        {"PA -0", "« -0 » dans PA est négatif"},
        {"PE -7", "« -7 » dans PE (sect 3) est négatif"},
        {"PA 99", ""},
        {"PE 99", ""}};
    for (const auto& [typed, message] : cases) {
        test::FakeHost host;
        Roster roster = test::loadedRoster(test::teamFile({"1|0|0|0|Alpha"}));
        roster.rows[0].Check1 = 1;
        OrdersDialog dialog = openOrdersDialog(roster, host);
        (typed[1] == 'E' ? dialog.cbPE[2] : dialog.cbPA) = typed.substr(3);
        const Roster before = roster;
        EXPECT_EQ(commitOrders(dialog, roster, host), message.empty()) << typed;
        EXPECT_EQ(roster == before && !dialog.closed, !message.empty()) << typed;
        EXPECT_EQ(host.messages.empty() ? "" : host.messages[0].substr(0, message.size()), message);
    }
}

}  // namespace
}  // namespace rdo
