#include "orders/Totals.h"

#include "model/Numbers.h"
#include "orders/Limits.h"

namespace rdo {

long long rowsSum(const Roster& roster, std::string RosterRow::*field) {
    long long sum = 0;
    for (const RosterRow& row : roster.rows) {
        sum += valueOf(row.*field);
    }
    return sum;
}

void recomputeTotals(Roster& roster) {
    int selected = 0;
    for (const RosterRow& row : roster.rows) {
        selected += row.Check1;
    }
    roster.cptsel = std::to_string(selected);
    for (const RaceAllocation& allocation : kRaceAllocations) {
        roster.*allocation.total = std::to_string(rowsSum(roster, allocation.field));
    }
    roster.PE_USED = std::to_string(rowsSum(roster, &RosterRow::PE2));
}

}  // namespace rdo
