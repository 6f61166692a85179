// Sessions of user actions through the fake host, turned from bytes into the
// text of the session player (tests/support/Script.h), which checks the
// program's promises after every action. Byte 0: a team of (byte % 16) riders,
// injured, doped and named with commas in turn. Then actions, each an action
// byte and its arguments. Main window (byte % 6): 0 double-click row
// (byte % 15), then dialog actions until the dialog closes; 1 pick a sectors
// item (byte % 9); 2 type into sectors (text); 3 save: cancel, write or failed
// write (byte % 3); 4 undo; 5 redo. Orders dialog (byte % 8): 0 pick in combo (byte % 14: cbPE
// 0-9, cbPM, cbPA, cbPT, cbPL) an item (byte); 1 pick a doping product
// (byte % 4); 2 click a sector box (byte % 10); 3 type a text into combo (byte
// % 15: as above, or cbdope); 4 "Confirme le dopage"; 5 "Sélectionner"; 6 "Au
// repos"; 7 close from the title bar. A text is a length byte below 0x80 (% 33)
// and that many bytes, or a byte from 0x80 and a signed 32-bit number (four
// bytes, high first), typed in decimal.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "orders/Limits.h"
#include "tests/support/Script.h"

namespace {

struct Bytes {
    const std::uint8_t* at;
    const std::uint8_t* end;

    int next() { return at == end ? 0 : *at++; }

    std::string text() {
        const int head = next();
        std::uint32_t bits = 0;
        std::string text;
        for (int i = 0; i < (head >= 0x80 ? 4 : head % 33) && at != end; ++i) {
            bits = bits << 8 | static_cast<std::uint32_t>(next());
            // A line end cannot be typed into a one-line field.
            text += bits % 256 == '\n' || bits % 256 == '\r' ? ' ' : static_cast<char>(bits);
        }
        return head >= 0x80 ? std::to_string(static_cast<std::int32_t>(bits)) : text;
    }
};

std::string combo(int number) {
    using rdo::kRaceAllocations;
    return number < rdo::kSectors ? "cbPE_" + std::to_string(number)
           : number < rdo::kSectors + 4
               ? std::string("cb") + kRaceAllocations.at(number - rdo::kSectors).name
               : "cbdope";
}

std::string dialogAction(Bytes& in, int action) {
    static const char* products[] = {"Clean", "Amphétamines", "EPO", "PFC"};
    switch (action) {
        case 0: {
            const int number = in.next() % 14;
            const int items = number < rdo::kSectors
                                  ? rdo::kSectorPELastItem + 1
                                  : rdo::kRaceAllocations.at(number - rdo::kSectors).lastItem + 1;
            return "pick " + combo(number) + " " + std::to_string(in.next() % items);
        }
        case 1:
            return std::string("pick cbdope ") + products[in.next() % 4];
        case 2:
            return "click " + std::to_string(in.next() % rdo::kSectors);
        case 3: {
            const std::string name = combo(in.next() % 15);  // read before the text
            return "type " + name + " " + in.text();
        }
        default:
            return std::string(std::array{"confirm", "select", "rest"}.at(action - 4));
    }
}

// Dialog actions until one leaves the dialog: "Sélectionner", "Au repos", the title bar.
std::string dialogActions(Bytes& in) {
    std::string lines;
    for (int action = 0; in.at != in.end && action < 5;) {
        action = in.next() % 8;
        lines += action == 7 ? "" : "  " + dialogAction(in, action) + "\n";
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in{data, data + size};
    std::string script = "team ";
    for (int rider = 0, riders = in.next() % 16; rider < riders; ++rider) {
        script += std::to_string(100 + rider) + "|" + (rider % 4 == 1 ? "3" : "0") + "|" +
                  std::to_string(rider % 5) + "|2|Coureur, " + std::to_string(rider) + ";";
    }
    script += "\n";
    while (in.at != in.end) {
        switch (in.next() % 6) {
            case 0:
                script +=
                    "open " + std::to_string(in.next() % rdo::kRows) + "\n" + dialogActions(in);
                break;
            case 1:
                script += "sectors " + std::to_string(2 + in.next() % 9) + "\n";
                break;
            case 2:
                script += "type sectors " + in.text() + "\n";
                break;
            case 4:
                script += "undo\n";
                break;
            case 5:
                script += "redo\n";
                break;
            default:
                const int mode = in.next() % 3;  // cancel, write, failed write
                script += mode == 2 ? "writefails Disque plein\n" : "writefails\n";
                script += mode == 0 ? "save\n" : "save /ordres.ord\n";
        }
    }
    const std::string broken = rdo::test::playChecked(script);
    if (!broken.empty()) {
        std::fprintf(stderr, "%s\n%s", script.c_str(), broken.c_str());
        std::abort();
    }
    return 0;
}
