// What the main window's actions work on: the roster the window shows, and
// what the program keeps of this run beside it.
#pragma once

#include <string>
#include <utility>

#include "model/Roster.h"

namespace rdo {

struct Session {
    explicit Session(Roster loaded = {}) : roster(std::move(loaded)) {}

    Roster roster;
    /// The team file loaded, as the chooser gave it; empty until a team is loaded.
    std::string teamPath;
};

}  // namespace rdo
