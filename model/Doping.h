// The doping products, and what a `Dope1` text tells of its rider: each reading
// looks at the text only, as the game's files and the dialog always have.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/Roster.h"

namespace rdo {

struct DopingProduct {
    const char* choice;  // the item of the dialog's list `cbdope`
    const char* text;    // `Dope1` once ordered in the dialog
    char code;           // the team file's and the orders file's digit
    const char* taken;   // `Dope1` of a rider under it from the team file, before the detail
};

/// In the order of the dialog's list, clean first.
inline constexpr std::array<DopingProduct, 4> kDopingProducts{{
    {"Clean", "Propre", '0', "Propre"},
    {"Amphétamines", "+Amphétamines", '1', "Amphé ("},
    {"EPO", "+EPO", '2', "EPO ("},
    {"PFC", "+PFC", '3', "PFC ("},
}};

/// `Dope1` from the team file's code and detail: "EPO (4)" for code 2 and detail 4, a code
/// sorting after "0" but no product's kept as it is, "Propre" for the others.
std::string teamFileDoping(const std::string& code, std::string_view detail);

/// Doped from the team file, by the first three characters: no doping may be ordered.
bool alreadyDoped(std::string_view dope1);

/// The dialog's choice that `Dope1` shows, by its last three characters.
std::string dopingChoice(std::string_view dope1);

/// The orders file's digit, by the first two characters of `Dope1`.
char dopingCode(std::string_view dope1);

/// Orders the product of the dialog's `choice` for the row; another text changes nothing.
void orderDoping(std::string_view choice, RosterRow& row);

/// Orders the product of an orders file's digit 1, 2 or 3; 0 changes nothing.
void orderDopingCode(char code, RosterRow& row);

}  // namespace rdo
