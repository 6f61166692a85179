#include "orderfile/SavedOrders.h"

#include <algorithm>
#include <array>
#include <optional>

#include "model/CommaList.h"
#include "model/Numbers.h"
#include "teamfile/TeamFile.h"

namespace rdo {
namespace {

bool isFlag(std::string_view value) {
    return value == "0" || value == "1";
}

bool isPoints(std::string_view value) {
    return isWholeNumber(value) && value.front() != '-';
}

// A sector's PE may be empty: an empty pick is saved as it is and counts 0.
bool isSectorPE(std::string_view value) {
    return value.empty() || isPoints(value);
}

bool isDopingCode(std::string_view value) {
    return value.size() == 1 && value.front() >= '0' && value.front() <= '3';
}

// The 26 values after the key and the name, by position.
constexpr std::size_t kWork = 5;                 // then the ten work flags
constexpr std::size_t kPE = kWork + kSectors;    // the ten sector PE
constexpr std::size_t kDoping = kPE + kSectors;  // the doping code
constexpr std::size_t kValues = kDoping + 1;

struct ValueRule {
    std::size_t first;
    std::size_t count;
    const char* what;
    bool (*valid)(std::string_view);
    const char* expected;
};

constexpr ValueRule kValueRules[] = {
    {0, 1, "la sélection", isFlag, "0 ou 1"},
    {1, 1, "PM", isPoints, "un nombre entier positif ou nul"},
    {2, 1, "PT", isPoints, "un nombre entier positif ou nul"},
    {3, 1, "PL", isPoints, "un nombre entier positif ou nul"},
    {4, 1, "PA", isPoints, "un nombre entier positif ou nul"},
    {kWork, kSectors, "le travail du secteur", isFlag, "0 ou 1"},
    {kPE, kSectors, "les PE du secteur", isSectorPE, "un nombre entier positif ou nul"},
    {kDoping, 1, "le code de dopage", isDopingCode, "0, 1, 2 ou 3"},
};

// What is wrong with a rider's line, or nothing; fills `rider` from a good one.
std::optional<std::string> readRider(std::string_view rest, const RosterRow& row,
                                     SavedRider& rider) {
    const std::string key = takeField(rest);
    if (key != row.N1) {
        return "commence par la clé « " + key + " »";
    }
    if (!rest.starts_with(row.P1 + ",")) {
        return "ne donne pas ce nom après la clé";
    }
    rest.remove_prefix(row.P1.size() + 1);
    const auto count = static_cast<std::size_t>(std::count(rest.begin(), rest.end(), ',')) + 1;
    if (count != kValues) {
        return "a " + plural(count, "valeur") + " après le nom au lieu de " +
               std::to_string(kValues);
    }
    std::array<std::string, kValues> values;
    for (std::string& value : values) {
        value = takeField(rest);
    }
    for (const ValueRule& rule : kValueRules) {
        for (std::size_t i = rule.first; i < rule.first + rule.count; ++i) {
            if (!rule.valid(values[i])) {
                const std::string sector =
                    rule.count > 1 ? " " + std::to_string(i - rule.first + 1) : "";
                return "donne « " + values[i] + " » pour " + rule.what + sector +
                       ", où le jeu attend " + rule.expected;
            }
        }
    }
    rider.selected = values[0] == "1";
    if (rider.selected && !row.checkVisible) {
        return "le sélectionne alors qu'il est blessé";
    }
    rider.PM2 = values[1];
    rider.PT2 = values[2];
    rider.PL2 = values[3];
    rider.PA2 = values[4];
    std::copy_n(values.begin() + kWork, kSectors, rider.work.begin());
    std::copy_n(values.begin() + kPE, kSectors, rider.pe.begin());
    rider.dopingCode = values[kDoping].front();
    return std::nullopt;
}

}  // namespace

std::variant<std::vector<SavedRider>, SavedOrdersError> readSavedOrders(std::string_view bytes,
                                                                        const Roster& team) {
    Encoding encoding{};
    const std::string text = decodeFile(bytes, encoding);
    std::vector<std::string_view> lines = splitLines(text);
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < team.rows.size(); ++i) {
        if (team.rows[i].inUse) {
            rows.push_back(i);
        }
    }
    if (!lines.empty() && lines[0] != team.cEquipe) {
        return SavedOrdersError{"la ligne 1 donne l'équipe « " + std::string(lines[0]) +
                                " » au lieu de « " + team.cEquipe + " »."};
    }
    if (lines.size() != rows.size() + 1) {
        return SavedOrdersError{"il compte " + plural(lines.size(), "ligne") + " au lieu de " +
                                std::to_string(rows.size() + 1) +
                                " : le nom de l'équipe, puis une ligne par coureur."};
    }
    std::vector<SavedRider> riders(rows.size());
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const RosterRow& row = team.rows[rows[n]];
        riders[n].row = rows[n];
        if (const auto wrong = readRider(lines[n + 1], row, riders[n])) {
            return SavedOrdersError{"la ligne " + std::to_string(n + 2) + ", celle du coureur " +
                                    row.P1 + " (clé " + row.N1 + "), " + *wrong + "."};
        }
    }
    return riders;
}

}  // namespace rdo
