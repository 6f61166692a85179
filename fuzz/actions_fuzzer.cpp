// Sequences of user actions on a loaded team, through the fake host. The input is a
// script read byte by byte. Byte 0: the team, the first (byte % 16) riders of
// examples/equipe-exemple.cyc, in UTF-8 when bit 4 is set, else in Windows-1252. Then
// actions, each an action byte and its arguments. Main window (byte % 6): 0 double-click
// row (byte % 15), then dialog actions while the dialog is open; 1 pick a sectors item
// (byte % 9); 2 type into sectors (text); 3 save: cancel, write or failed write (byte % 3);
// 4 undo; 5 redo. Each undo must give back exactly the roster before the last dialog and
// each redo the roster the undo left, sectors aside; so the orders file after any mix of
// steps is the one of the same steps without those undone.
// Orders dialog (byte % 8): 0 pick in combo (byte % 14: cbPE 0-9, cbPM, cbPA, cbPT, cbPL)
// an item (byte); 1 pick a doping product (byte % 4); 2 click a sector box (byte % 10);
// 3 type a text into combo (then byte % 15: as above, or cbdope); 4 "Confirme le dopage";
// 5 "Sélectionner"; 6 "Au repos"; 7 close from the title bar. An action on a disabled or
// hidden control is skipped. A text is a length byte below 0x80 (% 33) and that many
// bytes, or a byte from 0x80 and a signed 32-bit number (four bytes, high first), typed in
// decimal.
#include <algorithm>
#include <functional>
#include <numeric>
#include <tuple>

#include "actions/MainActions.h"
#include "fuzz/Checks.h"
#include "model/Numbers.h"
#include "orderfile/OrdersFile.h"
#include "orders/Limits.h"
#include "tests/support/FakeHost.h"

namespace rdo::fuzz {
namespace {

// The combos of points, cbPE and then the race allocations: their list "0" to
// items - 1, the row field and the total they add to, the race's limit.
using Points = std::tuple<int, std::string RosterRow::*, std::string Roster::*, long long>;
const std::array<Points, 5> kPoints = [] {
    std::array<Points, 5> points{
        Points{kSectorPELastItem + 1, &RosterRow::PE2, &Roster::PE_USED, kRacePE}};
    for (std::size_t i = 0; i < kRaceAllocations.size(); ++i) {
        const RaceAllocation& allocation = kRaceAllocations[i];
        points[i + 1] = {allocation.lastItem + 1, allocation.field, allocation.total,
                         allocation.limit};
    }
    return points;
}();
constexpr const char* kProducts[] = {"Clean", "Amphétamines", "EPO", "PFC"};

template <typename Range, typename Item>
long count(const Range& range, Item item) {
    return std::count(std::begin(range), std::end(range), item);
}

struct Play {
    const std::uint8_t* data;
    const std::uint8_t* end;
    test::FakeHost host;
    Session session;
    Roster& roster = session.roster;
    int riders = 0;
    std::string nowhere;
    // The rosters undo and redo are to give back, the nearest last; the roster before the
    // last action, a step when it opens the dialog.
    std::vector<Roster> back, ahead;
    Roster before;

    Play(const std::uint8_t* bytes, std::size_t size) : data(bytes), end(bytes + size) {
        // The roster the team file reader makes of the example's first lines.
        static const Roster example =
            test::loadedRoster(test::sourceFile("examples/equipe-exemple.cyc"));
        const int shape = next();
        riders = shape % 16;
        roster = example;
        std::fill(roster.rows.begin() + riders, roster.rows.end(), RosterRow{});
        roster.encoding = (shape & 0x10) != 0 ? Encoding::Utf8 : Encoding::Windows1252;
        host.onDialog = [this](Roster&, OrdersDialog& dialog) {
            back.push_back(before);
            ahead.clear();
            play(&dialog);
        };
    }

    int next() { return data == end ? 0 : *data++; }
    std::string text() {
        const int head = next();
        std::uint32_t bits = 0;
        std::string text;
        for (int i = 0; i < (head >= 0x80 ? 4 : head % 33) && data != end; ++i) {
            bits = bits << 8 | static_cast<std::uint32_t>(next());
            text += static_cast<char>(bits & 0xFF);
        }
        return head >= 0x80 ? std::to_string(static_cast<std::int32_t>(bits)) : text;
    }

    // A row field summed exactly over the rows: every stored point text is a whole number.
    long long sum(std::string RosterRow::*field) const {
        long long total = 0;
        for (const RosterRow& row : roster.rows) {
            std::size_t digits = 0;
            total += std::stoll(row.*field, &digits);
            require(digits == (row.*field).size(), "a row's points are not a whole number");
        }
        return total;
    }

    // After every action: ten entries in each per-sector list, the rows in use kept, at
    // most five ticked sectors, an orders file of the team line and a line of 28 values
    // per row in use (a name may hold commas), CR LF after each; after a commit or a rest
    // also the counter and the totals, the sums over the rows.
    void check(const OrdersDialog* dialog, bool changed = true, bool totals = false) const {
        const std::string orders = changed ? ordersFileBytes(roster) : "\r\n";
        std::string_view rest = std::string_view(orders).substr(orders.find("\r\n") + 2);
        int selected = 0;
        for (int i = 0; changed && i < kRows; ++i) {
            const RosterRow& row = roster.rows[static_cast<std::size_t>(i)];
            const std::size_t line = row.inUse ? rest.find("\r\n") : 0;
            require(
                count(row.PEplus, ',') == 9 && count(row.PTplus, ',') == 9 &&
                    row.inUse == (i < riders) && line != std::string_view::npos &&
                    count(rest.substr(0, line), ',') == (row.inUse ? 27 + count(row.P1, ',') : 0),
                "a list of other than ten entries, or an orders line of other than 28 values");
            rest.remove_prefix(row.inUse ? line + 2 : 0);
            selected += row.Check1 == 1 ? 1 : 0;
        }
        require(rest.empty() && (dialog == nullptr || count(dialog->Check1, 1) <= 5),
                "more orders lines than riders, or more than five ticked sectors");
        for (const auto& [items, field, total, limit] : kPoints) {
            require(!totals || roster.*total == std::to_string(sum(field)), "a total is wrong");
        }
        require(!totals || roster.cptsel == std::to_string(selected), "cptsel is not the selected");
    }

    // The combo numbered as in the script; what is typed into a hidden cbdope goes nowhere.
    std::string& combo(OrdersDialog& dialog, int number) {
        return number < kSectors       ? dialog.cbPE.at(static_cast<std::size_t>(number))
               : number < kSectors + 4 ? dialog.*kRaceAllocations.at(number - kSectors).combo
               : dialog.cbdopeVisible  ? dialog.cbdope
                                       : nowhere;
    }

    // A pick in a combo of points: once accepted, within the rider's and the race's limits.
    void pick(OrdersDialog& dialog) {
        const int number = next() % 14;
        const auto& [items, field, total, limit] = kPoints[std::max(0, number - kSectors + 1)];
        const std::string item = std::to_string(next() % items);
        const std::size_t messages = host.messages.size();
        number < kSectors
            ? pickSectorPE(dialog, roster, host, number, item)
            : pickAllocation(dialog, roster, host, kRaceAllocations.at(number - kSectors), item);
        const long long mine = number >= kSectors
                                   ? valueOf(combo(dialog, number))
                                   : std::transform_reduce(dialog.cbPE.begin(), dialog.cbPE.end(),
                                                           0LL, std::plus<>(), valueOf);
        const long long others = sum(field) - std::stoll(roster.rows.at(roster.currentRow).*field);
        require(host.messages.size() > messages ||
                    ((number >= kSectors || mine <= kRiderPE) && others + mine <= limit),
                "an accepted pick breaks a limit");
    }

    void save(int mode) {  // cancel, write, failed write
        host.chooserAnswers = {mode == 0 ? "" : "/ordres.ord"};
        host.writeError = mode == 2 ? std::make_optional("Disque plein") : std::nullopt;
        require(saveOrders(session, host) == (mode == 1), "a save went wrong");
        data = mode == 1 ? end : data;  // a written file ends the program
    }

    // Undo or redo: the nearest roster of `from` comes back, the sectors as they stand, and
    // the roster left is kept for the way back; with no step that way nothing changes.
    void step(std::vector<Roster>& from, std::vector<Roster>& to, bool (&move)(Session&)) {
        Roster expected = from.empty() ? before : from.back();
        std::tie(expected.sectors, expected.sectorsEnabled) =
            std::tie(before.sectors, before.sectorsEnabled);
        require(move(session) == !from.empty() && roster == expected,
                "an undo or a redo gives other than the roster before or after a step");
        if (!from.empty()) {
            to.push_back(before);
            from.pop_back();
        }
    }

    void click(OrdersDialog& dialog, int k) {
        setSectorWork(dialog, host, k, 1 - dialog.Check1.at(static_cast<std::size_t>(k)));
    }

    // Plays actions in the main window, or in `dialog` until it is closed.
    void play(OrdersDialog* dialog) {
        const std::function<void()> actions[] = {
            [&] { doubleClickRider(session, host, next() % kRows); },
            [&] { pickSectors(roster, roster.sectorsItems.at(next() % 9u)); },
            [&] { roster.sectors = text(); },
            [&] { save(next() % 3); },
            [&] { step(back, ahead, undoStep); },
            [&] { step(ahead, back, redoStep); },
            [&] { pick(*dialog); },
            [&] { pickDoping(*dialog, kProducts[next() % 4]); },
            [&] { click(*dialog, next() % kSectors); },
            [&] { combo(*dialog, next() % 15) = text(); },  // the text is read first
            [&] { confirmDoping(*dialog); },
            [&] { commitOrders(*dialog, roster, host); },
            [&] { restRider(*dialog, roster); },
        };
        check(dialog);
        for (int action = 0;
             action != 13 && data != end && (dialog == nullptr || !dialog->closed);) {
            action = dialog == nullptr ? next() % 6 : 6 + next() % 8;  // 13: closes the dialog
            // Disabled or hidden controls take no action.
            if (action == 1 || action == 2 ? roster.sectorsEnabled
                : action == 7              ? dialog->cbdopeVisible
                : action == 10             ? dialog->btconfirmeVisible
                                           : action != 13) {
                before = roster;
                actions[action]();
                // Only these touch the roster; a closing commit or rest rebuilds the totals.
                check(dialog, action < 6 || action >= 11, action >= 11 && dialog->closed);
            }
        }
    }
};

}  // namespace
}  // namespace rdo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rdo::fuzz::Play(data, size).play(nullptr);
    return 0;
}
