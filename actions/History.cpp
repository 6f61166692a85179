#include "actions/History.h"

#include <utility>

namespace rdo {
namespace {

// The same roster to the player's eyes: the row opened last is not shown.
bool seenAlike(const Roster& before, Roster after) {
    after.currentRow = before.currentRow;
    after.currentRiderName = before.currentRiderName;
    return before == after;
}

// Moves to the nearest roster of `from` and keeps the one left in `to`, for the way back.
bool move(std::deque<Roster>& from, std::deque<Roster>& to, Roster& roster) {
    if (from.empty()) {
        return false;
    }
    Roster next = std::move(from.back());
    from.pop_back();
    // The number of sectors is fixed for the race: stepping over orders does not unlock it.
    next.sectors = roster.sectors;
    next.sectorsItems = roster.sectorsItems;
    next.sectorsEnabled = roster.sectorsEnabled;
    to.push_back(std::exchange(roster, std::move(next)));
    return true;
}

}  // namespace

void History::record(Roster before, const Roster& after) {
    // A step that changes nothing would make Ctrl+Z seem to do nothing.
    if (!seenAlike(before, after)) {
        back_.push_back(std::move(before));
        ahead_.clear();
    }
}

bool History::undo(Roster& roster) {
    return move(back_, ahead_, roster);
}

bool History::redo(Roster& roster) {
    return move(ahead_, back_, roster);
}

}  // namespace rdo
