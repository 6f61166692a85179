#include "tests/support/Script.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "actions/MainActions.h"
#include "actions/Recovery.h"
#include "model/Doping.h"
#include "model/Numbers.h"
#include "orderfile/OrdersFile.h"
#include "orders/Limits.h"
#include "tests/support/FakeHost.h"

namespace rdo::test {
namespace {

template <typename Struct, std::size_t n>
std::string Struct::*named(const std::pair<const char*, std::string Struct::*> (&table)[n],
                           const std::string& name) {
    for (const auto& [field, member] : table) {
        if (name == field) {
            return member;
        }
    }
    return nullptr;
}

std::string RosterRow::*rowText(const std::string& name) {
    static const std::pair<const char*, std::string RosterRow::*> texts[] = {
        {"nom1", &RosterRow::nom1},     {"N1", &RosterRow::N1},
        {"P1", &RosterRow::P1},         {"Pays1", &RosterRow::Pays1},
        {"SP1", &RosterRow::SP1},       {"RO1", &RosterRow::RO1},
        {"GR1", &RosterRow::GR1},       {"Ene1", &RosterRow::Ene1},
        {"bless1", &RosterRow::bless1}, {"Dope1", &RosterRow::Dope1},
        {"PM1", &RosterRow::PM1},       {"PM2", &RosterRow::PM2},
        {"PT2", &RosterRow::PT2},       {"PL2", &RosterRow::PL2},
        {"PA2", &RosterRow::PA2},       {"PE2", &RosterRow::PE2},
        {"PTplus", &RosterRow::PTplus}, {"PEplus", &RosterRow::PEplus}};
    return named(texts, name);
}

std::string Roster::*rosterText(const std::string& name) {
    static const std::pair<const char*, std::string Roster::*> texts[] = {
        {"cEquipe", &Roster::cEquipe}, {"PE", &Roster::PE},
        {"PM", &Roster::PM},           {"K", &Roster::K},
        {"cptsel", &Roster::cptsel},   {"sectors", &Roster::sectors},
        {"PM_USED", &Roster::PM_USED}, {"PE_USED", &Roster::PE_USED},
        {"PT_USED", &Roster::PT_USED}, {"PA_USED", &Roster::PA_USED},
        {"PL_USED", &Roster::PL_USED}};
    return named(texts, name);
}

// The race allocation of the combo `name` ("cbPM"), or the end of the table.
const RaceAllocation* allocationOf(const std::string& name) {
    return std::ranges::find_if(kRaceAllocations, [&](const RaceAllocation& allocation) {
        return name == std::string("cb") + allocation.name;
    });
}

// The dialog's text in the combo `name` but the sector ones.
std::string OrdersDialog::*dialogText(const std::string& name) {
    return name == "cbdope"                               ? &OrdersDialog::cbdope
           : allocationOf(name) != kRaceAllocations.end() ? allocationOf(name)->combo
                                                          : nullptr;
}

// An item of a list of "0" to `last`.
bool inList(const std::string& item, int last) {
    const std::optional<long long> n = decimalFloor(item);
    return n && *n >= 0 && *n <= last && std::to_string(*n) == item;
}

// "\n" in a script is a line end.
std::string unescaped(std::string text) {
    for (std::size_t at = 0; (at = text.find("\\n", at)) != text.npos;) {
        text.replace(at, 2, "\n");
    }
    return text;
}

// A file of the source tree, never one above it (a fuzzed script could name a device).
const std::string& inTree(const std::string& path) {
    return path.find("..") == path.npos ? path : throw std::invalid_argument("outside: " + path);
}

long commas(std::string_view text) {
    return std::count(text.begin(), text.end(), ',');
}

class Player {
  public:
    Player(const std::string& script, bool checked) : checked_(checked) {
        std::istringstream in(script);
        for (std::string line; std::getline(in, line);) {
            lines_.push_back(line);
        }
        host_.onDialog = [this](Roster&, OrdersDialog& dialog) {
            while (at_ < lines_.size() && lines_[at_].starts_with("  ") && !dialog.closed) {
                command(lines_[at_++].substr(2), &dialog);
            }
        };
    }

    std::string play() {
        while (at_ < lines_.size()) {
            command(lines_[at_++], nullptr);
        }
        for (std::size_t i = heard_; !checked_ && i < host_.messages.size(); ++i) {
            failures_ << "unexpected message: " << host_.messages[i] << '\n';
        }
        return failures_.str();
    }

  private:
    void fail(const std::string& what) { failures_ << "line " << at_ << ": " << what << '\n'; }

    void require(bool kept, const char* promise) {
        if (!kept) {
            fail(std::string("broken promise: ") + promise);
        }
    }

    // A session cannot pass on a road no player can take: a written session fails on it, and
    // a fuzzed one skips it.
    bool can(bool possible) {
        require(possible || checked_, "a line no player can play");
        return possible;
    }

    // Keeps `before` as the roster an undo leads back to, unless the player sees no change.
    void stepped(const Roster& before) {
        Roster seen = session_.roster;
        std::tie(seen.currentRow, seen.currentRiderName) =
            std::tie(before.currentRow, before.currentRiderName);
        if (seen != before) {
            back_.push_back(before);
            ahead_.clear();
        }
    }

    // A team loaded by `load`: orders taken up, saved or from a recovery copy, are a step back
    // to the team as loaded.
    void started(const std::function<void()>& load) {
        load();
        if (session_.roster.loaded) {
            stepped(loadedRoster(teamBytes_));
        }
        host_.files.clear();
        riders_ = std::ranges::count(session_.roster.rows, true, &RosterRow::inUse);
    }

    std::string value(const std::string& field, int k, OrdersDialog* dialog) {
        if (dialog) {
            const auto text = dialogText(field);
            return field == "Check1"        ? std::to_string(dialog->Check1.at(k))
                   : field == "cbPE"        ? dialog->cbPE.at(k)
                   : field == "sectorCount" ? std::to_string(dialog->sectorCount)
                   : field == "cbdope" && !dialog->cbdopeVisible ? "(caché)"
                   : text                                        ? dialog->*text
                                                                 : "(?)";
        }
        if (k < 0) {
            const auto text = rosterText(field);
            std::string filters;
            for (const std::string& filter : host_.filtersAsked) {
                filters += (filters.empty() ? "" : " ; ") + filter;
            }
            return field == "dialogs"   ? std::to_string(host_.dialogsShown)
                   : field == "copies"  ? std::to_string(host_.copies.size())
                   : field == "filters" ? filters
                   : text               ? session_.roster.*text
                                        : "(?)";
        }
        RosterRow& row = session_.roster.rows.at(static_cast<std::size_t>(k));
        const auto text = rowText(field);
        const std::pair<const char*, int> flags[] = {{"inUse", row.inUse},
                                                     {"checkVisible", row.checkVisible},
                                                     {"Check1", row.Check1},
                                                     {"ordersVisible", row.ordersVisible},
                                                     {"dopeOnRed", row.dopeOnRed}};
        for (const auto& [flag, set] : flags) {
            if (field == flag) {
                return std::to_string(set);
            }
        }
        return field == "line" ? ordersLine(row) : text ? row.*text : "(?)";
    }

    // A row field over the rows, but the current one unless `all`; every text a whole number.
    long long sum(std::string RosterRow::*field, bool all) {
        long long total = 0;
        for (int j = 0; j < kRows; ++j) {
            const std::string& text = session_.roster.rows[static_cast<std::size_t>(j)].*field;
            require(!text.empty() && text.find_first_not_of("0123456789") == text.npos,
                    "a row's points are not a whole number, zero or more");
            total += all || j != session_.roster.currentRow ? valueOf(text) : 0;
        }
        return total;
    }

    void checkPromises(const OrdersDialog* dialog) {
        const Roster& roster = session_.roster;
        std::istringstream file(ordersFileBytes(roster));
        std::string line;
        std::getline(file, line);
        for (const RosterRow& row : roster.rows) {
            require(commas(row.PEplus) == 9 && commas(row.PTplus) == 9, "a list of other than ten");
            require(!row.inUse || (std::getline(file, line) && line.ends_with('\r') &&
                                   commas(line) == 27 + commas(row.P1)),
                    "an orders line of other than 28 values");
        }
        require(!std::getline(file, line) &&
                    std::ranges::count(roster.rows, true, &RosterRow::inUse) == riders_,
                "the orders file has other lines than the riders'");
        require(!dialog || std::ranges::count(dialog->Check1, 1) <= kMaxWorkedSectors,
                "more than five worked sectors");
        if (dialog && dialog->closed) {
            require(roster.PE_USED == std::to_string(sum(&RosterRow::PE2, true)) &&
                        roster.cptsel ==
                            std::to_string(std::ranges::count(roster.rows, 1, &RosterRow::Check1)),
                    "cptsel or PE_USED is not the sum of the rows");
            for (const RaceAllocation& allocation : kRaceAllocations) {
                require(roster.*allocation.total == std::to_string(sum(allocation.field, true)),
                        "a total is not the sum of the rows");
            }
        }
    }

    // An undo or a redo gives exactly the roster the steps lead to, the sectors as they are.
    void step(std::vector<Roster>& from, std::vector<Roster>& to, Roster was, bool moved) {
        require(moved == !from.empty(), "an undo or a redo with no step, or none with one");
        if (moved && !from.empty()) {
            Roster expected = std::move(from.back());
            from.pop_back();
            std::tie(expected.sectors, expected.sectorsItems, expected.sectorsEnabled) =
                std::tie(was.sectors, was.sectorsItems, was.sectorsEnabled);
            require(session_.roster == expected, "an undo or a redo gave another roster");
            to.push_back(std::move(was));
        }
    }

    // A line that names what is not there (a row 99, a missing file) is a script's fault, or in
    // a fuzzed script one more line that cannot be played.
    void command(const std::string& line, OrdersDialog* dialog) {
        try {
            run(line, dialog);
        } catch (const std::exception& error) {
            require(checked_, error.what());
        }
        if (checked_) {
            checkPromises(dialog);
        }
    }

    void run(const std::string& line, OrdersDialog* dialog) {
        // The verb, the name, and the rest of the line as it stands.
        const std::size_t space = line.find(' '), second = line.find(' ', space + 1);
        const std::string verb = line.substr(0, space);
        const std::string name =
            space == line.npos ? "" : line.substr(space + 1, second - space - 1);
        const std::string rest = second == line.npos ? "" : line.substr(second + 1);
        // "PE2_3" is element 3 of PE2.
        const std::size_t underscore = name.rfind('_');
        const bool indexed = underscore != name.npos && name.back() >= '0' && name.back() <= '9';
        const std::string field = indexed ? name.substr(0, underscore) : name;
        const int k = indexed ? std::stoi(name.substr(underscore + 1)) : -1;
        Roster& roster = session_.roster;
        // A fuzzed script expects nothing; a written file ends it.
        const bool ended =
            checked_ && ((!host_.files.empty() && !host_.writeError) || verb == "expect" ||
                         verb == "message" || verb == "question" || verb == "saved");
        if (verb.empty() || verb[0] == '#' || ended) {
        } else if (line.starts_with("  ")) {
            require(checked_, "an indented line without a dialog");
        } else if (verb == "team" && !dialog && can(!roster.loaded)) {
            std::vector<std::string> riders;
            std::istringstream list(space == line.npos ? "" : line.substr(space + 1));
            for (std::string rider; std::getline(list >> std::ws, rider, ';');) {
                riders.push_back(rider);
            }
            host_.files["/t/equipe.cyc"] = line.find('|') == line.npos && !riders.empty()
                                               ? sourceFile(inTree(riders[0]))
                                               : teamFile(riders);
            host_.chooserAnswers = {space == line.npos ? "" : "/t/equipe.cyc"};
            teamBytes_ = host_.files["/t/equipe.cyc"];
            started([this] { openTeam(session_, host_); });
        } else if (verb == "sectors" && !dialog) {
            if (can(roster.sectorsEnabled && std::ranges::count(roster.sectorsItems, name) > 0)) {
                pickSectors(session_, host_, name);
            }
        } else if (verb == "type" && name == "sectors" && !dialog) {
            if (can(roster.sectorsEnabled && roster.loaded)) {
                typeSectors(roster, rest);
            }
        } else if (verb == "open" && !dialog) {
            const Roster before = roster;
            const int row = std::stoi(name);
            if (can(row >= 0 && row < kRows && roster.rows[static_cast<std::size_t>(row)].inUse)) {
                doubleClickRider(session_, host_, row);
                stepped(before);
            }
            for (; at_ < lines_.size() && lines_[at_].starts_with("  "); ++at_) {
                require(checked_, "an indented line without a dialog");
            }
        } else if ((verb == "undo" || verb == "redo") && !dialog) {
            const bool undo = verb == "undo";
            Roster was = roster;
            step(undo ? back_ : ahead_, undo ? ahead_ : back_, std::move(was),
                 undo ? undoStep(session_, host_) : redoStep(session_, host_));
        } else if (verb == "writefails" && !dialog) {
            host_.writeError = name.empty() ? std::nullopt : std::optional(line.substr(space + 1));
        } else if ((verb == "restart" || verb == "killed") && !dialog) {
            session_ = Session();
            riders_ = 0;
            back_.clear();
            ahead_.clear();
            if (verb == "restart") {
                host_.copies.clear();
            } else if (name != "gone") {
                host_.files["/t/equipe.cyc"] = teamBytes_ + (name == "changed" ? " " : "");
            }
            if (verb == "killed") {
                started([this] { offerRecovery(session_, host_); });
            }
        } else if (verb == "saved" && !dialog) {
            if (host_.files[name] != sourceFile(inTree(rest))) {
                fail(name + " is not " + rest);
            }
        } else if (verb == "save" && !dialog && can(roster.loaded)) {
            host_.chooserAnswers = {name};
            require(saveOrders(session_, host_) == (!name.empty() && !host_.writeError),
                    "a save said other than what it did");
        } else if (verb == "expect") {
            if (value(field, k, dialog) != rest) {
                fail("expect " + name + " " + rest + ": got " + value(field, k, dialog));
            }
        } else if (verb == "beside" && !dialog) {
            host_.files["/t/equipe.ord"] = sourceFile(inTree(name));
        } else if (verb == "answers") {
            static const std::pair<const char*, Answer> names[] = {{"Save", Answer::Save},
                                                                   {"Discard", Answer::Discard},
                                                                   {"Cancel", Answer::Cancel},
                                                                   {"Yes", Answer::Yes},
                                                                   {"No", Answer::No}};
            std::istringstream words(line.substr(space + 1));
            for (std::string word; words >> word;) {
                const auto* answer =
                    std::ranges::find(names, word, &std::pair<const char*, Answer>::first);
                host_.answers.push_back(answer != std::end(names)
                                            ? answer->second
                                            : throw std::invalid_argument("no answer " + word));
            }
        } else if (verb == "question") {
            if (asked_ >= host_.questions.size() ||
                host_.questions[asked_++].text != unescaped(line.substr(space + 1))) {
                fail("no question " + line.substr(space + 1));
            }
        } else if (verb == "message") {
            const std::string text = unescaped(line.substr(space + 1));
            if (heard_ >= host_.messages.size() || host_.messages[heard_++] != text) {
                fail("no message " + text);
            }
        } else if (dialog) {
            dialogCommand(verb, field, k, rest, *dialog);
        } else {
            require(checked_, "a line that cannot be played");
        }
    }

    void dialogCommand(const std::string& verb, const std::string& field, int k,
                       const std::string& rest, OrdersDialog& dialog) {
        Roster& roster = session_.roster;
        const std::size_t messages = host_.messages.size();
        const auto text = dialogText(field);
        const RaceAllocation* allocation = allocationOf(field);
        const bool sector = field == "cbPE" && k >= 0 && k < dialog.sectorCount;
        const bool shown = field == "cbdope" ? dialog.cbdopeVisible : sector || text;
        if (verb == "type") {
            if (can(shown)) {
                sector ? typeSectorPE(dialog, k, rest) : typeDialogText(dialog, text, rest);
            }
        } else if (verb == "pick" && field == "cbdope") {
            if (can(shown && std::ranges::count(kDopingProducts, rest, &DopingProduct::choice))) {
                pickDoping(dialog, rest);
            }
        } else if (verb == "pick" && field == "cbPE") {
            if (can(sector && inList(rest, kSectorPELastItem))) {
                pickSectorPE(dialog, roster, host_, k, rest);
                const long long mine = std::transform_reduce(dialog.cbPE.begin(), dialog.cbPE.end(),
                                                             0LL, std::plus<>(), valueOf);
                require(host_.messages.size() > messages ||
                            (mine <= kRiderPE && sum(&RosterRow::PE2, false) + mine <= kRacePE),
                        "an accepted pick of PE breaks a limit");
            }
        } else if (verb == "pick") {
            if (can(allocation != kRaceAllocations.end() && inList(rest, allocation->lastItem))) {
                pickAllocation(dialog, roster, host_, *allocation, rest);
                require(host_.messages.size() > messages ||
                            sum(allocation->field, false) + valueOf(dialog.*allocation->combo) <=
                                allocation->limit,
                        "an accepted pick breaks a race limit");
            }
        } else if (verb == "click") {
            const int column = std::stoi(field);
            if (can(column >= 0 && column < dialog.sectorCount)) {
                setSectorWork(dialog, host_, column, 1 - dialog.Check1.at(column));
            }
        } else if (verb == "confirm") {
            if (can(dialog.btconfirmeVisible)) {
                confirmDoping(dialog);
            }
        } else if (verb == "select") {
            commitOrders(dialog, roster, host_);
        } else if (verb == "rest") {
            restRider(dialog, roster);
        } else {
            require(checked_, "a dialog line that cannot be played");
        }
    }

    const bool checked_;
    std::vector<std::string> lines_;
    std::size_t at_ = 0;
    std::size_t heard_ = 0;
    std::size_t asked_ = 0;
    long riders_ = 0;
    std::string teamBytes_;             // the team file loaded last
    std::vector<Roster> back_, ahead_;  // the rosters the steps lead to, the nearest last
    FakeHost host_;
    Session session_;
    std::ostringstream failures_;
};

}  // namespace

std::string playScript(const std::string& script) {
    return Player(script, false).play();
}

std::string playChecked(const std::string& script) {
    return Player(script, true).play();
}

}  // namespace rdo::test
