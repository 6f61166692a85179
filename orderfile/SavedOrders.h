// Reading back an orders file saved for the loaded team, to take its orders up again.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/CommaList.h"
#include "model/Roster.h"

namespace rdo {

/// One rider's line of an orders file, its values as the file gives them.
struct SavedRider {
    std::size_t row = 0;
    bool selected = false;
    std::string PM2, PT2, PL2, PA2;
    SectorEntries work, pe;
    char dopingCode = '0';
};

/// Why an orders file was not taken up, in French, without the file's name.
struct SavedOrdersError {
    std::string reason;
};

/// Reads an orders file saved for `team`: the team line, then one line per row
/// in use, in row order, each with that rider's key and name and 26 values the
/// game can read. Anything else is refused with the line and the reason.
std::variant<std::vector<SavedRider>, SavedOrdersError> readSavedOrders(std::string_view bytes,
                                                                        const Roster& team);

}  // namespace rdo
