// The game's limits on a rider's orders: the four race allocations, the
// breakaway points and the worked sectors, each with the message that refuses
// a pick past it.
#pragma once

#include <array>
#include <string>

#include "model/Roster.h"
#include "orders/OrdersDialog.h"

namespace rdo {

/// Points of one kind given to a rider for the race, held to a limit per race.
struct RaceAllocation {
    const char* name;                  // "PM"; its combo is "cb" + name, its row field name + "2"
    std::string OrdersDialog::*combo;  // the dialog's value
    std::string RosterRow::*field;     // the row's value once committed
    std::string Roster::*total;        // the team's sum, shown in "Points Dépensés"
    int limit;                         // the most the team may give in one race
    int lastItem;                      // the combo's list holds "0" to this
};

/// In the order of the dialog's columns.
inline constexpr std::array<RaceAllocation, 4> kRaceAllocations{{
    {"PM", &OrdersDialog::cbPM, &RosterRow::PM2, &Roster::PM_USED, 20, 7},
    {"PA", &OrdersDialog::cbPA, &RosterRow::PA2, &Roster::PA_USED, 20, 10},
    {"PT", &OrdersDialog::cbPT, &RosterRow::PT2, &Roster::PT_USED, 20, 5},
    {"PL", &OrdersDialog::cbPL, &RosterRow::PL2, &Roster::PL_USED, 7, 5},
}};

/// Breakaway points: per rider over the ten sectors, per race over the team.
inline constexpr int kRiderPE = 10;
inline constexpr int kRacePE = 25;
/// A sector's PE list holds "0" to this.
inline constexpr int kSectorPELastItem = 7;
/// Sectors one rider may work on.
inline constexpr int kMaxWorkedSectors = 5;

/// "Vous ne pouvez affecter que 7 PL par course", for any points, limit and scope.
std::string pointsLimitMessage(int limit, const std::string& points, const char* scope);

/// The message that refuses a pick of `allocation` past its race limit.
std::string raceLimitMessage(const RaceAllocation& allocation);

/// The message that refuses a sixth worked sector.
std::string workedSectorsMessage();

}  // namespace rdo
