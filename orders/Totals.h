// What leaving the orders dialog does to the roster, either way it is left.
#pragma once

#include "model/Roster.h"
#include "orders/OrdersDialog.h"

namespace rdo {

/// Rebuilds `cptsel` and the five totals from all 15 rows.
void recomputeTotals(Roster& roster);

/// Writes the doping shown in the dialog into the row, when it was confirmed.
void applyDoping(const OrdersDialog& dialog, RosterRow& row);

/// Writes the doping an orders file's code 1, 2 or 3 orders into the row, as
/// confirming it in the dialog does; code 0 leaves the row as it is.
void applyDopingCode(char code, RosterRow& row);

}  // namespace rdo
