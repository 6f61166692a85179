// Comma-separated texts: the lines of the game's files, and the per-sector
// lists `PTplus` and `PEplus` (ten entries, entry k belonging to sector k + 1).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/Roster.h"

namespace rdo {

/// The text before the first comma of `rest`, whose text after that comma is
/// left in `rest`; without a comma, the whole of `rest`, leaving it empty.
std::string takeField(std::string_view& rest);

using SectorEntries = std::array<std::string, kSectors>;

/// Cuts a list after each of its first nine commas; the tenth entry is the
/// rest, commas included, and missing entries are empty.
SectorEntries splitSectorList(std::string_view list);

/// The ten entries joined by ",", nothing at either end.
std::string joinSectorList(const SectorEntries& entries);

}  // namespace rdo
