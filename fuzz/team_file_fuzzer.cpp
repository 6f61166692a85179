// The team file reader on arbitrary bytes: it loads the team or refuses the
// file with a message, and a loaded team gives an orders file that the game
// reads back to the same team name, keys and names.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "fuzz/Checks.h"
#include "orderfile/OrdersFile.h"
#include "roster/MainActions.h"
#include "roster/TeamFile.h"
#include "tests/support/FakeHost.h"

namespace rdo::fuzz {
namespace {

using test::FakeHost;

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The file's lines as bytes, read the way the game writes them: a line ends at
// CR LF, LF or CR, and blank lines after the last rider do not count.
std::vector<std::string_view> fileLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        lines.push_back(bytes.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        const std::size_t next = bytes.substr(end, 2) == "\r\n" ? end + 2 : end + 1;
        bytes.remove_prefix(next);
    }
    while (lines.size() > 4 && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

// The rider's name: everything after the eleventh comma.
std::string_view riderName(std::string_view line) {
    for (int comma = 0; comma < 11; ++comma) {
        line.remove_prefix(line.find(',') + 1);
    }
    return line;
}

void checkRefusal(const std::string& reason, const std::string& bytes) {
    require(!reason.empty() && isValidUtf8(reason), "a refusal has no readable reason");
    FakeHost host;
    host.files["/équipe.cyc"] = bytes;
    host.chooserAnswers = {"/équipe.cyc"};
    Roster roster;
    require(!openTeam(roster, host), "a refused file was loaded");
    require(roster == Roster{}, "a refused file changed the roster");
    require(host.messages.size() == 1 &&
                host.messages[0].starts_with("Le fichier d'équipe « /équipe.cyc » ne peut pas "
                                             "être chargé : "),
            "a refused file did not get its message");
}

void checkLoaded(const Roster& roster, const std::string& bytes) {
    require(roster.loaded, "a loaded team is not marked loaded");
    std::string_view text = bytes;
    if (roster.encoding == Encoding::Utf8 && text.starts_with(kBom)) {
        text.remove_prefix(kBom.size());
    }
    const std::vector<std::string_view> lines = fileLines(text);
    const std::size_t riders = lines.size() - 4;
    for (std::size_t i = 0; i < roster.rows.size(); ++i) {
        const RosterRow& row = roster.rows[i];
        require(row.inUse == (i < riders), "the rows in use are not the rider lines");
        if (row.inUse) {
            require(row.nom1 == row.P1 + " " + row.N1, "a display name is not name and key");
        } else {
            require(row == RosterRow{}, "a row without rider is not in its initial state");
        }
    }

    const std::string orders = ordersFileBytes(roster);
    checkOrdersFile(roster, orders);
    // The game reads bytes: the key and the name go back exactly as they came.
    std::string_view rest = orders;
    const auto nextLine = [&rest] {
        const std::size_t end = rest.find("\r\n");
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 2);
        return line;
    };
    require(nextLine() == lines[0], "the team line does not go back unchanged");
    for (std::size_t i = 0; i < riders; ++i) {
        const std::string_view rider = lines[4 + i];
        const std::string lead = std::string(rider.substr(0, rider.find(','))) + "," +
                                 std::string(riderName(rider)) + ",";
        require(nextLine().starts_with(lead), "a key or a name does not go back unchanged");
    }
    require(rest.empty(), "the orders file holds more than the team and its riders");

    FakeHost host;
    host.files["/équipe.cyc"] = bytes;
    host.chooserAnswers = {"/équipe.cyc"};
    Roster opened;
    require(openTeam(opened, host) && host.messages.empty() && opened == roster,
            "opening the team file does not load what the reader reads");
}

}  // namespace
}  // namespace rdo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rdo;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto result = readTeamFile(bytes);
    if (const auto* error = std::get_if<TeamFileError>(&result)) {
        fuzz::checkRefusal(error->reason, bytes);
    } else {
        fuzz::checkLoaded(std::get<Roster>(result), bytes);
    }
    return 0;
}
