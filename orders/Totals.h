// The counter and the totals the main window shows, rebuilt from the rows.
#pragma once

#include "model/Roster.h"

namespace rdo {

/// Rebuilds `cptsel` and the five totals from all 15 rows.
void recomputeTotals(Roster& roster);

}  // namespace rdo
