#include "orders/Totals.h"

#include "model/Numbers.h"
#include "orders/Limits.h"

namespace rdo {
namespace {

// The sum of one row field over all 15 rows, as plain decimal text.
std::string sumOf(const Roster& roster, std::string RosterRow::*field) {
    long long sum = 0;
    for (const RosterRow& row : roster.rows) {
        sum += valueOf(row.*field);
    }
    return std::to_string(sum);
}

}  // namespace

void recomputeTotals(Roster& roster) {
    int selected = 0;
    for (const RosterRow& row : roster.rows) {
        selected += row.Check1;
    }
    roster.cptsel = std::to_string(selected);
    for (const RaceAllocation& allocation : kRaceAllocations) {
        roster.*allocation.total = sumOf(roster, allocation.field);
    }
    roster.PE_USED = sumOf(roster, &RosterRow::PE2);
}

}  // namespace rdo
