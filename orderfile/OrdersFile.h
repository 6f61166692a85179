// Writing the orders file (.ord) the game reads back.
#pragma once

#include <string>

#include "model/Roster.h"

namespace rdo {

/// One row's orders line, without its line end: key, name, selected, PM, PT,
/// PL, PA, the work list, the PE list and the doping code, joined by commas.
std::string ordersLine(const RosterRow& row);

/// The whole file, in the team file's encoding: the team line, then one line
/// per row in use, every line ended by CR LF.
std::string ordersFileBytes(const Roster& roster);

}  // namespace rdo
