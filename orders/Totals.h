// The counter and the totals the main window shows, rebuilt from the rows.
#pragma once

#include "model/Roster.h"

namespace rdo {

/// The sum of one row field over all 15 rows, a text that is not a number counting 0.
long long rowsSum(const Roster& roster, std::string RosterRow::*field);

/// Rebuilds `cptsel` and the five totals from all 15 rows.
void recomputeTotals(Roster& roster);

}  // namespace rdo
