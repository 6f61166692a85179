// A typed negative point is refused at commit; a value typed beyond the lists is not.
#include <gtest/gtest.h>

#include "actions/MainActions.h"
#include "orders/OrdersDialog.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

TEST(NegativePoints, RefusedWithTheFieldNamedAndNothingCommitted) {
    struct Case {
        std::string OrdersDialog::*combo;  // null: the third sector's PE
        std::string typed;
        std::string message;  // empty: committed
    };
    const Case cases[] = {
        {&OrdersDialog::cbPA, "-4", "« -4 » dans PA est négatif"},
        {&OrdersDialog::cbPM, "-0", "« -0 » dans PM est négatif"},
        {nullptr, "-7", "« -7 » dans PE (sect 3) est négatif"},
        {&OrdersDialog::cbPT, "9", ""},
        {nullptr, "99", ""},
    };
    for (const auto& [combo, typed, message] : cases) {
        test::FakeHost host;
        Session session{test::loadedRoster(test::teamFile({"1|0|0|0|Alpha", "2|0|0|0|Bravo"}))};
        host.onDialog = [&](Roster& roster, OrdersDialog& dialog) {
            (combo ? dialog.*combo : dialog.cbPE[2]) = typed;
            const Roster before = roster;
            EXPECT_EQ(commitOrders(dialog, roster, host), message.empty()) << typed;
            EXPECT_EQ(roster == before && !dialog.closed, !message.empty()) << typed;
        };
        doubleClickRider(session, host, 0);
        if (message.empty()) {
            EXPECT_TRUE(host.messages.empty());
            continue;
        }
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].find(message), 0u) << host.messages[0];
        EXPECT_NE(host.messages[0].find("ne peuvent pas être négatifs"), std::string::npos);
    }
}

}  // namespace
}  // namespace rdo
