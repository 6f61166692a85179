// What the main window's actions work on: the roster the window shows, and
// what the program keeps of this run beside it.
#pragma once

#include <string>
#include <utility>

#include "actions/History.h"
#include "model/Roster.h"
#include "orderfile/RecoveryCopy.h"

namespace rdo {

struct Session {
    explicit Session(Roster loaded = {}) : roster(std::move(loaded)) {}

    Roster roster;
    /// The team file loaded, as the chooser gave it; empty until a team is loaded.
    std::string teamPath;
    /// The steps undo and redo go over; the team as loaded is the first roster back.
    History history;
    /// The orders file a save would have written right after the team was
    /// loaded and any saved orders taken back up: while a save would write the
    /// same, closing loses nothing.
    std::string ordersAtLoad;
    /// The team file loaded, known again by its bytes: its recovery copy's owner.
    TeamFileId team;
    /// What the recovery copy standing for this session holds but its time (the sectors, a
    /// line end, the orders); empty when none stands.
    std::string recoveryKept;
    /// A copy could not be written and the player was told: once a session.
    bool recoveryWarned = false;
};

}  // namespace rdo
