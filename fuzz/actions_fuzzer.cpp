// Sequences of user actions on a loaded team, through a fake host. The input
// is a script read byte by byte:
//   byte 0: the team, the first (byte % 16) riders of examples/equipe-exemple.cyc,
//           kept in Windows-1252 or, when bit 4 is set, turned into UTF-8;
//   then main window actions, each an action byte (% 5) and its arguments:
//     0 double-click row (byte % 15); the dialog then reads dialog actions
//     1 pick a sectors item (byte % 9)     2 type into sectors (text)
//     3 save: cancel, write or failed write (byte % 3)     4 press btOpen again
//   dialog actions, an action byte (% 9) and its arguments:
//     0 pick in cbPE: sector (byte % 10), item (byte % 8)
//     1 pick in an allocation combo: PM, PA, PT or PL (byte % 4), item (byte)
//     2 click a sector box (byte % 10)
//     3 type into a combo (byte % 15: cbPE 0-9, PM, PA, PT, PL, cbdope), text
//     4 pick a doping product (byte % 4)   5 "Confirme le dopage"
//     6 "Sélectionner"   7 "Au repos"   8 close from the title bar
//   A text is a length byte below 0x80 (% 33) and that many bytes, or a byte
//   from 0x80 and four bytes of a signed number, typed in decimal. The script
//   ending closes an open dialog from its title bar.
// After every action the roster and the dialog must keep their promises.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/Checks.h"
#include "orderfile/OrdersFile.h"
#include "orders/Numbers.h"
#include "orders/OrdersDialog.h"
#include "roster/MainActions.h"
#include "roster/TeamFile.h"
#include "tests/support/FakeHost.h"

namespace rdo::fuzz {
namespace {

using test::FakeHost;

constexpr const char* kTeamPath = "/équipe.cyc";
constexpr const char* kOrdersPath = "/ordres.ord";

class Script {
  public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool done() const { return at_ == size_; }
    std::uint8_t next() { return done() ? 0 : data_[at_++]; }
    std::string text() {
        const std::uint8_t head = next();
        if (head >= 0x80) {
            std::uint32_t bits = 0;
            for (int i = 0; i < 4; ++i) {
                bits = bits << 8 | next();
            }
            return std::to_string(static_cast<std::int32_t>(bits));
        }
        std::string text;
        for (int length = head % 33; length > 0 && !done(); --length) {
            text += static_cast<char>(next());
        }
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The limits the game sets, written out here apart from the program's own table.
struct Kind {
    Allocation allocation;
    int items;  // the list holds "0" to items - 1
    std::string RosterRow::*field;
    long long limit;
};
constexpr std::array<Kind, 4> kKinds = {{{Allocation::PM, 8, &RosterRow::PM2, 20},
                                         {Allocation::PA, 11, &RosterRow::PA2, 20},
                                         {Allocation::PT, 6, &RosterRow::PT2, 20},
                                         {Allocation::PL, 6, &RosterRow::PL2, 7}}};
constexpr std::array<const char*, 4> kProducts = {"Clean", "Amphétamines", "EPO", "PFC"};

std::string teamBytes(std::uint8_t shape) {
    static const std::string example = test::sourceFile("examples/equipe-exemple.cyc");
    const std::vector<std::string_view> lines = splitLines(example);
    const std::size_t count = std::min<std::size_t>(lines.size(), 4 + shape % 16);
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        bytes += std::string(lines[i]) + "\r\n";
    }
    return (shape & 0x10) != 0 ? windows1252ToUtf8(bytes) : bytes;
}

int ticked(const OrdersDialog& dialog) {
    return static_cast<int>(std::count(dialog.Check1.begin(), dialog.Check1.end(), 1));
}

long long othersSum(const Roster& roster, std::string RosterRow::*field) {
    long long sum = 0;
    for (int j = 0; j < kRows; ++j) {
        if (j != roster.currentRow) {
            sum += valueOf(roster.rows[static_cast<std::size_t>(j)].*field);
        }
    }
    return sum;
}

long long riderPE(const OrdersDialog& dialog) {
    long long sum = 0;
    for (const std::string& text : dialog.cbPE) {
        sum += valueOf(text);
    }
    return sum;
}

// The counter and the five totals are the exact sums over the 15 rows.
void checkTotals(const Roster& roster) {
    struct Total {
        const std::string* text;
        std::string RosterRow::*field;
    };
    const Total totals[] = {{&roster.PA_USED, &RosterRow::PA2},
                            {&roster.PL_USED, &RosterRow::PL2},
                            {&roster.PT_USED, &RosterRow::PT2},
                            {&roster.PE_USED, &RosterRow::PE2},
                            {&roster.PM_USED, &RosterRow::PM2}};
    for (const Total& total : totals) {
        long long sum = 0;
        for (const RosterRow& row : roster.rows) {
            const auto value = exactWhole(row.*total.field);
            require(value.has_value(), "a row's points are not a whole number");
            sum += *value;
        }
        require(*total.text == std::to_string(sum), "a total is not the sum over the rows");
    }
    long long selected = 0;
    for (const RosterRow& row : roster.rows) {
        selected += row.Check1;
    }
    require(roster.cptsel == std::to_string(selected), "cptsel does not count the selected rows");
}

std::size_t commas(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), ','));
}

class Run {
  public:
    Run(Script& script, FakeHost& host, Roster& roster, std::size_t riders)
        : script_(script), host_(host), roster_(roster), riders_(riders) {}

    /// One main window action; false once the program has ended.
    bool mainAction() {
        switch (script_.next() % 5) {
            case 0:
                doubleClick(script_.next() % kRows);
                break;
            case 1:
                if (roster_.sectorsEnabled) {
                    const std::string item =
                        roster_.sectorsItems.at(script_.next() % roster_.sectorsItems.size());
                    pickSectors(roster_, item);
                    require(roster_.sectors == item && !roster_.sectorsEnabled,
                            "a sectors pick did not fix the number of sectors");
                }
                break;
            case 2:
                if (roster_.sectorsEnabled) {
                    roster_.sectors = script_.text();
                }
                break;
            case 3:
                return !save(script_.next() % 3);
            default: {
                const Roster before = roster_;
                const std::size_t asked = host_.filtersAsked.size();
                require(!openTeam(roster_, host_) && roster_ == before &&
                            host_.filtersAsked.size() == asked,
                        "a second team could be opened");
                break;
            }
        }
        checkRoster();
        return true;
    }

    /// Dialog actions until the dialog is closed.
    void dialog(OrdersDialog& dialog) {
        require(roster_.rows.at(static_cast<std::size_t>(roster_.currentRow)).Check1 == 1,
                "the dialog opened on a row that is not selected");
        checkDialog(dialog);
        while (!script_.done() && !dialog.closed && dialogAction(dialog)) {
            checkDialog(dialog);
        }
        require(dialog.closed || row().Check1 == 1,
                "a rider whose dialog was closed from its title bar is not selected");
    }

  private:
    // The orders file is made from the roster alone, so it is checked again
    // only when the roster has changed.
    void checkRoster() {
        if (roster_ == checked_) {
            return;
        }
        for (std::size_t i = 0; i < roster_.rows.size(); ++i) {
            const RosterRow& row = roster_.rows[i];
            require(commas(row.PEplus) == 9 && commas(row.PTplus) == 9,
                    "a per-sector list does not hold ten entries");
            require(row.inUse == (i < riders_), "the rows in use changed");
        }
        checkOrdersFile(roster_, ordersFileBytes(roster_));
        checked_ = roster_;
    }

    RosterRow& row() { return roster_.rows.at(static_cast<std::size_t>(roster_.currentRow)); }

    void checkDialog(const OrdersDialog& dialog) {
        require(std::all_of(dialog.Check1.begin(), dialog.Check1.end(),
                            [](int box) { return box == 0 || box == 1; }),
                "a sector box is neither ticked nor clear");
        require(ticked(dialog) <= 5, "more than five sector boxes are ticked");
        checkRoster();
    }

    void doubleClick(int index) {
        const Roster before = roster_;
        const int shown = host_.dialogsShown;
        doubleClickRider(roster_, host_, index);
        require(roster_.currentRow == index, "a double-click did not move the current row");
        const RosterRow& clicked = roster_.rows.at(static_cast<std::size_t>(index));
        if (host_.dialogsShown == shown) {
            Roster expected = before;
            expected.currentRow = static_cast<std::int16_t>(index);
            require(roster_ == expected, "a double-click without dialog changed the roster");
        } else {
            require(clicked.inUse && clicked.checkVisible,
                    "the dialog opened for a rider who cannot be selected");
        }
    }

    bool save(int mode) {
        const Roster before = roster_;
        const std::size_t messages = host_.messages.size();
        host_.files.erase(kOrdersPath);
        host_.chooserAnswers = {mode == 0 ? "" : kOrdersPath};
        host_.writeError.reset();
        if (mode == 2) {
            host_.writeError = "Aucun espace disponible sur le périphérique";
        }
        const bool saved = saveOrders(roster_, host_);
        require(roster_ == before, "saving changed the roster");
        if (mode == 1) {
            require(saved && host_.messages.size() == messages, "a save failed");
            checkOrdersFile(roster_, host_.files.at(kOrdersPath));
        } else {
            require(!saved && !host_.files.contains(kOrdersPath), "a failed save wrote a file");
            require(host_.messages.size() == messages + (mode == 2 ? 1 : 0),
                    "a failed save was not reported, or a cancel was");
        }
        return saved;
    }

    bool dialogAction(OrdersDialog& dialog) {
        switch (script_.next() % 9) {
            case 0: {
                const int k = script_.next() % kSectors;
                pickPE(dialog, k, std::to_string(script_.next() % 8));
                break;
            }
            case 1: {
                const Kind& kind = kKinds[script_.next() % kKinds.size()];
                pickKind(dialog, kind, std::to_string(script_.next() % kind.items));
                break;
            }
            case 2:
                clickSector(dialog, script_.next() % kSectors);
                break;
            case 3:
                type(dialog, script_.next() % 15, script_.text());
                break;
            case 4: {
                const char* product = kProducts[script_.next() % kProducts.size()];
                if (dialog.cbdopeVisible) {
                    pickDoping(dialog, product);
                    require(dialog.btconfirmeVisible && dialog.cbdope == product,
                            "a doping pick did not show the confirm button");
                }
                break;
            }
            case 5:
                if (dialog.btconfirmeVisible) {
                    confirmDoping(dialog);
                }
                break;
            case 6:
                commit(dialog);
                break;
            case 7:
                rest(dialog);
                break;
            default:
                return false;
        }
        return true;
    }

    void pickPE(OrdersDialog& dialog, int k, const std::string& item) {
        const std::size_t messages = host_.messages.size();
        pickSectorPE(dialog, roster_, host_, k, item);
        const std::string& combo = dialog.cbPE[static_cast<std::size_t>(k)];
        if (host_.messages.size() == messages) {
            const long long rider = riderPE(dialog);
            require(
                combo == item && rider <= 10 && othersSum(roster_, &RosterRow::PE2) + rider <= 25,
                "an accepted PE pick breaks a limit");
        } else {
            require(combo == "0", "a refused PE pick is not set back to 0");
        }
    }

    void pickKind(OrdersDialog& dialog, const Kind& kind, const std::string& item) {
        const std::size_t messages = host_.messages.size();
        pickAllocation(dialog, roster_, host_, kind.allocation, item);
        const std::string& combo = allocationText(dialog, kind.allocation);
        if (host_.messages.size() == messages) {
            require(combo == item && othersSum(roster_, kind.field) + valueOf(combo) <= kind.limit,
                    "an accepted allocation pick breaks its race limit");
        } else {
            require(host_.messages.size() == messages + 1 && combo == row().*kind.field,
                    "a refused allocation pick is not set back to the rider's value");
        }
    }

    void clickSector(OrdersDialog& dialog, int k) {
        const std::size_t messages = host_.messages.size();
        const int wanted = 1 - dialog.Check1[static_cast<std::size_t>(k)];
        const bool refused = wanted == 1 && ticked(dialog) == 5;
        setSectorWork(dialog, host_, k, wanted);
        require(dialog.Check1[static_cast<std::size_t>(k)] == (refused ? 0 : wanted) &&
                    host_.messages.size() == messages + (refused ? 1 : 0),
                "a sector click was not checked against five sectors");
    }

    void type(OrdersDialog& dialog, int target, const std::string& text) {
        if (target < kSectors) {
            dialog.cbPE[static_cast<std::size_t>(target)] = text;
        } else if (target < kSectors + 4) {
            allocationText(dialog, kKinds[static_cast<std::size_t>(target - kSectors)].allocation) =
                text;
        } else if (dialog.cbdopeVisible) {
            dialog.cbdope = text;
        }
    }

    void commit(OrdersDialog& dialog) {
        const Roster before = roster_;
        const OrdersDialog shown = dialog;
        const std::size_t messages = host_.messages.size();
        if (!commitOrders(dialog, roster_, host_)) {
            require(host_.messages.size() == messages + 1 && roster_ == before && dialog == shown,
                    "a refused commit changed something or said nothing");
            return;
        }
        require(dialog.closed && host_.messages.size() == messages,
                "a commit did not close the dialog silently");
        require(row().Check1 == 1, "a committed rider is not selected");
        checkTotals(roster_);
    }

    void rest(OrdersDialog& dialog) {
        restRider(dialog, roster_);
        const RosterRow& rested = row();
        require(dialog.closed && rested.Check1 == 0 && rested.PEplus == kZeroList &&
                    rested.PTplus == kZeroList,
                "a rider at rest keeps orders");
        for (const std::string* points :
             {&rested.PM2, &rested.PL2, &rested.PA2, &rested.PE2, &rested.PT2}) {
            require(*points == "0", "a rider at rest keeps points");
        }
        checkTotals(roster_);
    }

    Script& script_;
    FakeHost& host_;
    Roster& roster_;
    std::size_t riders_;
    Roster checked_;
};

}  // namespace
}  // namespace rdo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rdo;
    fuzz::Script script(data, size);
    test::FakeHost host;
    host.files[fuzz::kTeamPath] = fuzz::teamBytes(script.next());
    host.chooserAnswers = {fuzz::kTeamPath};
    Roster roster;
    fuzz::require(openTeam(roster, host), "the example team did not load");
    std::size_t riders = 0;
    for (const RosterRow& row : roster.rows) {
        riders += row.inUse ? 1 : 0;
    }
    fuzz::Run run(script, host, roster, riders);
    host.onDialog = [&run](Roster&, OrdersDialog& dialog) { run.dialog(dialog); };
    while (!script.done() && run.mainAction()) {
    }
    return 0;
}
