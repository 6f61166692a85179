// Reading the team file (.cyc) the game delivers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/Roster.h"

namespace rdo {

/// No real team file, nor the orders file written for it, comes near this size; a larger
/// file is refused unread.
inline constexpr std::size_t kMaxTeamFileBytes = 64 * 1024;

/// Said of a file of `kind` ("fichier d'ordres") past that size.
std::string tooLargeReason(const std::string& kind);

/// Said of a team file past that size.
extern const std::string kTooLargeReason;

/// Why a team file was refused, in French, without the file's name.
struct TeamFileError {
    std::string reason;
};

/// Splits text into lines ended by CR LF, LF or CR; a final line end adds no
/// line.
std::vector<std::string_view> splitLines(std::string_view text);

/// Reads a team file's bytes into a freshly loaded roster: header, one row per
/// rider line, the sectors list, every loaded part shown. Nothing is loaded
/// from a file that does not have the team file's shape.
std::variant<Roster, TeamFileError> readTeamFile(std::string_view bytes);

}  // namespace rdo
