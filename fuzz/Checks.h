// What the fuzz targets hold the program to. A broken promise aborts with its
// reason, which libFuzzer reports as a finding together with the input.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "roster/Roster.h"

namespace rdo::fuzz {

[[noreturn]] void fail(std::string_view what);

inline void require(bool ok, std::string_view what) {
    if (!ok) {
        fail(what);
    }
}

/// The exact value of a whole number text ("-" and digits, up to 18 of them).
std::optional<long long> exactWhole(std::string_view text);

/// Checks the orders file written for `roster` as the game reads it, by
/// position: the team line, then one line per row in use, in row order, each
/// the rider's key and name followed by 26 values: selected (0 or 1), the four
/// allocations (whole numbers), ten work values (0 or 1), ten PE values (whole
/// numbers or empty) and the doping code (0 to 3). Every line ends in CR LF.
void checkOrdersFile(const Roster& roster, std::string_view bytes);

}  // namespace rdo::fuzz
