#include "teamfile/TeamFile.h"

#include <algorithm>

#include "model/CommaList.h"
#include "model/Doping.h"
#include "model/Numbers.h"

namespace rdo {
namespace {

constexpr std::size_t kHeaderLines = 4;
constexpr std::size_t kRiderCommas = 11;

void readRider(std::string_view rest, RosterRow& row) {
    row.inUse = true;
    const std::string key = takeField(rest);
    row.N1 = key;
    row.Pays1 = takeField(rest);
    row.SP1 = takeField(rest);
    row.RO1 = takeField(rest);
    row.GR1 = takeField(rest);
    takeField(rest);  // sixth field: not used by the orders
    row.Ene1 = takeField(rest);

    const std::string weeks = takeField(rest);
    row.checkVisible = !sortsAfterZero(weeks);
    row.bless1 = row.checkVisible ? "dispo" : "bléssé " + weeks + " sem.";

    const std::string code = takeField(rest);
    row.Dope1 = teamFileDoping(code, takeField(rest));

    row.PM1 = takeField(rest);
    row.P1 = std::string(rest);
    row.nom1 = row.P1 + " " + key;
}

}  // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

std::string tooLargeReason(const std::string& kind) {
    return "il dépasse " + std::to_string(kMaxTeamFileBytes / 1024) +
           " Kio, bien plus que n'importe quel " + kind + ".";
}

const std::string kTooLargeReason = tooLargeReason("fichier d'équipe");

std::variant<Roster, TeamFileError> readTeamFile(std::string_view bytes) {
    if (bytes.size() > kMaxTeamFileBytes) {
        return TeamFileError{kTooLargeReason};
    }
    Roster roster;
    const std::string text = decodeFile(bytes, roster.encoding);
    std::vector<std::string_view> lines = splitLines(text);
    // Blank lines after the last rider are harmless; blank lines between riders are not.
    while (lines.size() > kHeaderLines && lines.back().empty()) {
        lines.pop_back();
    }
    if (lines.size() < kHeaderLines) {
        return TeamFileError{
            "il n'a que " + plural(lines.size(), "ligne") +
            ", alors qu'un fichier d'équipe commence par 4 lignes (nom de l'équipe, points "
            "d'échappée, points de motivation, caisse)."};
    }
    const std::size_t riders = lines.size() - kHeaderLines;
    if (riders > static_cast<std::size_t>(kRows)) {
        return TeamFileError{"il décrit " + std::to_string(riders) + " coureurs (lignes 5 à " +
                             std::to_string(lines.size()) +
                             "), alors qu'une équipe en compte au plus 15."};
    }
    for (std::size_t i = 0; i < riders; ++i) {
        const std::string_view line = lines[kHeaderLines + i];
        const auto commas = static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
        if (commas < kRiderCommas) {
            const std::string where = "la ligne " + std::to_string(kHeaderLines + i + 1) +
                                      " (coureur " + std::to_string(i + 1) + ")";
            return TeamFileError{
                (line.empty() ? where + " est vide"
                              : where + " n'a que " + plural(commas, "virgule")) +
                ", alors qu'une ligne de coureur a au moins 11 virgules (12 champs)."};
        }
    }

    roster.loaded = true;
    roster.cEquipe = lines[0];
    roster.PE = lines[1];
    roster.PM = lines[2];
    roster.K = lines[3];
    for (int n = 2; n <= 10; ++n) {
        roster.sectorsItems.push_back(std::to_string(n));
    }
    for (std::size_t i = 0; i < riders; ++i) {
        readRider(lines[kHeaderLines + i], roster.rows[i]);
    }
    return roster;
}

}  // namespace rdo
