// Numbers held as decimal text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rdo {

/// The text read as a decimal number (surrounding spaces allowed, "." or ","
/// as decimal separator) and rounded down; nothing when it is not a number.
/// Magnitudes are capped at 10^15 so that sums cannot overflow.
std::optional<long long> decimalFloor(std::string_view text);

/// The value a sum counts: decimalFloor, or 0 for a text that is not a number.
long long valueOf(std::string_view text);

/// True for a text the game can read as a whole number: an optional "-" and
/// at most nine digits, nothing else.
bool isWholeNumber(std::string_view text);

/// True when `text` sorts after the one-character text "0" by character code.
bool sortsAfterZero(std::string_view text);

/// A count and its word, "s" added from 2 on: "1 ligne", "3 lignes".
std::string plural(std::size_t n, const char* word);

}  // namespace rdo
