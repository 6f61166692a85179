// What the program promises a player and the game, checked after every step by the session
// player, the actions fuzzer and the monkey; each returns the promises broken, one a line.
#pragma once

#include <optional>
#include <string>

#include "model/Roster.h"
#include "orders/OrdersDialog.h"

namespace rdo::test {

/// After any action (`open` the dialog open, if any): lists of ten entries, a row's PE the sum
/// of its sectors', at most five worked sectors, and an orders file that the game reads back over
/// `asLoaded`, the team as loaded, to the same bytes.
std::string afterAction(const Roster& roster, const Roster& asLoaded, const OrdersDialog* open);

/// After « Sélectionner » or « Au repos »: the counter and the totals are the rows' sums.
std::string afterDialog(const Roster& roster);

/// After a pick from the list `combo` that brought no message: the limits it is held to.
std::string afterPick(const Roster& roster, const OrdersDialog& dialog, const std::string& combo);

/// Once no dialog is open: the recovery copy `copy` gives back the orders and the sectors
/// picked, and none stands while the orders are those at load, `atLoad`.
std::string recovery(const Roster& roster, const std::string& atLoad,
                     const std::optional<std::string>& copy);

}  // namespace rdo::test
