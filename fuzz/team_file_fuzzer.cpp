// The team file reader on arbitrary bytes: a team loaded or a reason to refuse the file, and a
// loaded team's orders file gives back its team line, keys and names byte for byte.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "orderfile/OrdersFile.h"
#include "teamfile/TeamFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rdo;
    // A broken promise aborts with its reason, which libFuzzer reports with the input.
    const auto require = [](bool kept, const char* promise) {
        if (!kept) {
            std::fprintf(stderr, "Broken promise: %s\n", promise);
            std::abort();
        }
    };
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = readTeamFile(text);
    if (const auto* error = std::get_if<TeamFileError>(&read)) {
        require(!error->reason.empty() && isValidUtf8(error->reason), "a refusal has no reason");
        return 0;
    }
    const Roster& roster = std::get<Roster>(read);
    // The file's lines, after a UTF-8 byte order mark (how lines end is the sessions' to check).
    if (roster.encoding == Encoding::Utf8 && text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const std::vector<std::string_view> lines = splitLines(text);
    // The team line, then per rider up to the first blank line its key (the first field),
    // its name (everything after the eleventh comma) and 26 values: no orders yet.
    std::string orders = std::string(lines[0]) + "\r\n";
    for (std::size_t i = 4; i < lines.size() && !lines[i].empty(); ++i) {
        std::size_t name = 0;
        for (int comma = 0; comma < 11; ++comma) {
            name = lines[i].find(',', name) + 1;
        }
        orders += std::string(lines[i].substr(0, lines[i].find(',') + 1)) +
                  std::string(lines[i].substr(name)) +
                  ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";
    }
    require(roster.loaded && ordersFileBytes(roster) == orders,
            "the orders file is not the team line and a line per rider, keys and names unchanged");
    return 0;
}
