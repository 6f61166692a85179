#include "tests/support/Script.h"

#include <algorithm>
#include <functional>
#include <span>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "actions/Closing.h"
#include "actions/MainActions.h"
#include "actions/Recovery.h"
#include "model/Doping.h"
#include "model/Numbers.h"
#include "orderfile/OrdersFile.h"
#include "orders/Limits.h"
#include "tests/support/FakeHost.h"
#include "tests/support/Promises.h"

namespace rdo::test {
namespace {

constexpr const char* kTeamPath = "/t/equipe.cyc";

template <typename Struct, std::size_t n>
std::string Struct::*named(const std::pair<const char*, std::string Struct::*> (&table)[n],
                           const std::string& name) {
    const auto* found = std::ranges::find(table, name, [](const auto& row) { return row.first; });
    return found == std::end(table) ? nullptr : found->second;
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

// A command's words: in "pick cbPE_3 2", the name cbPE_3 (element 3 of the field cbPE) and the
// rest "2"; `all` is the whole line after the verb.
struct Words {
    std::string name, field, rest, all;
    int k = -1;
};

class Player;

struct Command {
    const char* verb;
    enum { Main, Dialog, Anywhere } where;
    bool fuzzed;  // an action a fuzzed script may take, not a line that expects
    void (Player::*play)(const Words&);
};

class Player {
  public:
    Player(const std::string& script, bool fuzzed) : fuzzed_(fuzzed) {
        std::istringstream in(script);
        for (std::string line; std::getline(in, line);) {
            lines_.push_back(line);
        }
        host_.onDialog = [this](Roster& roster, OrdersDialog& dialog) {
            dialog_ = &dialog;
            while (at_ < lines_.size() && lines_[at_].starts_with("  ") && !dialog.closed) {
                command(lines_[at_++].substr(2));
            }
            dialog_ = nullptr;
            check(dialog.closed ? afterDialog(roster) : "");
        };
    }

    std::string play() {
        while (at_ < lines_.size()) {
            command(lines_[at_++]);
        }
        for (std::size_t i = heard_; !fuzzed_ && i < host_.messages.size(); ++i) {
            failures_ << "unexpected message: " << host_.messages[i] << '\n';
        }
        return failures_.str();
    }

  private:
    static std::span<const Command> commands();

    void fail(const std::string& what) { failures_ << "line " << at_ << ": " << what << '\n'; }

    void check(const std::string& broken) {
        if (!broken.empty()) {
            fail("broken promise: " + broken.substr(0, broken.size() - 1));
        }
    }

    // A session cannot pass on a road no player can take: a written session fails on it, and
    // a fuzzed one skips it.
    bool can(bool possible) {
        check(possible || fuzzed_ ? "" : "a line no player can play\n");
        return possible;
    }

    void command(const std::string& line) {
        const std::size_t space = line.find(' '), second = line.find(' ', space + 1);
        const std::string verb = line.substr(0, space);
        Words words;
        words.name = space == line.npos ? "" : line.substr(space + 1, second - space - 1);
        words.rest = second == line.npos ? "" : line.substr(second + 1);
        words.all = space == line.npos ? "" : line.substr(space + 1);
        const std::size_t underscore = words.name.rfind('_');
        const bool indexed =
            underscore != words.name.npos && words.name.back() >= '0' && words.name.back() <= '9';
        words.field = indexed ? words.name.substr(0, underscore) : words.name;
        const auto found = std::ranges::find_if(commands(), [&](const Command& command) {
            return verb == command.verb &&
                   (command.where == Command::Anywhere ||
                    (command.where == Command::Dialog) == (dialog_ != nullptr));
        });
        const bool known = found != commands().end() && !line.starts_with("  ");
        if (verb.empty() || verb[0] == '#' || (fuzzed_ && (ended_ || (known && !found->fuzzed)))) {
            return;
        }
        // A line that names what is not there (a row 99, a missing file) is a script's fault,
        // or in a fuzzed script one more line that cannot be played.
        try {
            words.k = indexed ? std::stoi(words.name.substr(underscore + 1)) : -1;
            can(known) ? (this->*found->play)(words) : void();
        } catch (const std::exception& error) {
            check(fuzzed_ ? "" : std::string(error.what()) + '\n');
        }
        check(afterAction(session_.roster, asLoaded_, dialog_));
        if (!dialog_ && session_.roster.loaded && copyTrusted_ && !ended_) {
            const auto copy =
                std::ranges::find(host_.copies, copyName(session_.team), &StoredCopy::name);
            check(recovery(session_.roster, session_.ordersAtLoad,
                           copy == host_.copies.end() ? std::nullopt : std::optional(copy->bytes)));
        }
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
            asLoaded_ = loadedRoster(teamBytes_);
            stepped(asLoaded_);
        }
        host_.files.clear();
    }

    // An undo or a redo gives exactly the roster the steps lead to, the sectors as they are.
    void step(std::vector<Roster>& from, std::vector<Roster>& to, bool (*act)(Session&, Host&)) {
        Roster was = session_.roster;
        const bool moved = act(session_, host_);
        check(moved == !from.empty() ? "" : "an undo or a redo with no step, or none with one\n");
        if (moved && !from.empty()) {
            Roster expected = std::move(from.back());
            from.pop_back();
            std::tie(expected.sectors, expected.sectorsItems, expected.sectorsEnabled) =
                std::tie(was.sectors, was.sectorsItems, was.sectorsEnabled);
            check(session_.roster == expected ? "" : "an undo or a redo gave another roster\n");
            to.push_back(std::move(was));
        }
    }

    void restarted() {
        session_ = Session();
        back_.clear();
        ahead_.clear();
        ended_ = false;
        copyTrusted_ = !host_.writeError;
    }

    std::string value(const Words& words) {
        const std::string& field = words.field;
        if (dialog_) {
            const auto text = dialogText(field);
            return field == "Check1"        ? std::to_string(dialog_->Check1.at(words.k))
                   : field == "cbPE"        ? dialog_->cbPE.at(words.k)
                   : field == "sectorCount" ? std::to_string(dialog_->sectorCount)
                   : field == "cbdope" && !dialog_->cbdopeVisible ? "(caché)"
                   : text                                         ? dialog_->*text
                                                                  : "(?)";
        }
        if (words.k < 0) {
            const auto text = rosterText(field);
            std::string filters;
            for (const std::string& filter : host_.filtersAsked) {
                filters += (filters.empty() ? "" : " ; ") + filter;
            }
            return field == "dialogs"   ? std::to_string(host_.dialogsShown)
                   : field == "copies"  ? std::to_string(host_.copies.size())
                   : field == "ended"   ? std::to_string(ended_)
                   : field == "filters" ? filters
                   : text               ? session_.roster.*text
                                        : "(?)";
        }
        RosterRow& row = session_.roster.rows.at(static_cast<std::size_t>(words.k));
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

    void team(const Words& words) {
        if (!can(!session_.roster.loaded)) {
            return;
        }
        std::vector<std::string> riders;
        std::istringstream list(words.all);
        for (std::string rider; std::getline(list >> std::ws, rider, ';');) {
            riders.push_back(rider);
        }
        teamBytes_ = words.all.find('|') == words.all.npos && !riders.empty()
                         ? sourceFile(inTree(riders[0]))
                         : teamFile(riders);
        host_.files[kTeamPath] = teamBytes_;
        host_.chooserAnswers = {words.all.empty() ? "" : kTeamPath};
        started([this] { openTeam(session_, host_); });
    }

    void beside(const Words& words) {
        host_.files["/t/equipe.ord"] = sourceFile(inTree(words.all));
    }

    void answers(const Words& words) {
        static const std::pair<const char*, Answer> names[] = {{"Save", Answer::Save},
                                                               {"Discard", Answer::Discard},
                                                               {"Cancel", Answer::Cancel},
                                                               {"Yes", Answer::Yes},
                                                               {"No", Answer::No}};
        std::istringstream in(words.all);
        for (std::string word; in >> word;) {
            const auto* answer =
                std::ranges::find(names, word, [](const auto& n) { return n.first; });
            host_.answers.push_back(answer != std::end(names)
                                        ? answer->second
                                        : throw std::invalid_argument("no answer " + word));
        }
    }

    void sectors(const Words& words) {
        const Roster& roster = session_.roster;
        if (can(roster.sectorsEnabled && std::ranges::count(roster.sectorsItems, words.name))) {
            pickSectors(session_, host_, words.name);
        }
    }

    void typeSectors(const Words& words) {
        if (can(words.name == "sectors" && session_.roster.sectorsEnabled &&
                session_.roster.loaded)) {
            rdo::typeSectors(session_.roster, words.rest);
        }
    }

    void open(const Words& words) {
        const Roster before = session_.roster;
        const int row = std::stoi(words.name);
        if (can(row >= 0 && row < kRows && before.rows[static_cast<std::size_t>(row)].inUse)) {
            doubleClickRider(session_, host_, row);
            stepped(before);
        }
        for (; at_ < lines_.size() && lines_[at_].starts_with("  "); ++at_) {
            can(false);  // the lines of a dialog that did not open, or was closed
        }
    }

    void undo(const Words&) { step(back_, ahead_, undoStep); }

    void redo(const Words&) { step(ahead_, back_, redoStep); }

    void writefails(const Words& words) {
        host_.writeError = words.all.empty() ? std::nullopt : std::optional(words.all);
        copyTrusted_ = copyTrusted_ && !host_.writeError;  // the copy kept may be an old one
    }

    void save(const Words& words) {
        if (!can(session_.roster.loaded)) {
            return;
        }
        host_.chooserAnswers = {words.name};
        const bool saved = saveOrders(session_, host_);
        check(saved == (!words.name.empty() && !host_.writeError)
                  ? ""
                  : "a save said other than what it did\n");
        check(!saved || host_.files[words.name] == ordersFileBytes(session_.roster)
                  ? ""
                  : "the orders file saved is not the orders shown\n");
        ended_ = ended_ || saved;
    }

    void close(const Words& words) {
        host_.chooserAnswers = {words.name};
        ended_ = closeRequested(session_, host_) || ended_;
    }

    void restart(const Words&) {
        restarted();
        host_.copies.clear();
    }

    void killed(const Words& words) {
        restarted();
        if (words.name != "gone") {
            host_.files[kTeamPath] = teamBytes_ + (words.name == "changed" ? " " : "");
        }
        started([this] { offerRecovery(session_, host_); });
    }

    void saved(const Words& words) {
        if (host_.files[words.name] != sourceFile(inTree(words.rest))) {
            fail(words.name + " is not " + words.rest);
        }
    }

    void expect(const Words& words) {
        if (value(words) != words.rest) {
            fail("expect " + words.name + " " + words.rest + ": got " + value(words));
        }
    }

    void message(const Words& words) {
        const std::string text = unescaped(words.all);
        if (heard_ >= host_.messages.size() || host_.messages[heard_++] != text) {
            fail("no message " + text);
        }
    }

    void question(const Words& words) {
        if (asked_ >= host_.questions.size() ||
            host_.questions[asked_++].text != unescaped(words.all)) {
            fail("no question " + words.all);
        }
    }

    bool sector(const Words& words) const {
        return words.field == "cbPE" && words.k >= 0 && words.k < dialog_->sectorCount;
    }

    void pick(const Words& words) {
        OrdersDialog& dialog = *dialog_;
        const std::size_t messages = host_.messages.size();
        const RaceAllocation* allocation = allocationOf(words.field);
        if (words.field == "cbdope") {
            if (can(dialog.cbdopeVisible &&
                    std::ranges::count(kDopingProducts, words.rest, &DopingProduct::choice))) {
                pickDoping(dialog, words.rest);
            }
            return;
        }
        if (words.field == "cbPE" && can(sector(words) && inList(words.rest, kSectorPELastItem))) {
            pickSectorPE(dialog, session_.roster, host_, words.k, words.rest);
        } else if (words.field != "cbPE" && can(allocation != kRaceAllocations.end() &&
                                                inList(words.rest, allocation->lastItem))) {
            pickAllocation(dialog, session_.roster, host_, *allocation, words.rest);
        }
        check(host_.messages.size() == messages ? afterPick(session_.roster, dialog, words.field)
                                                : "");
    }

    void type(const Words& words) {
        const auto text = dialogText(words.field);
        if (can(words.field == "cbdope" ? dialog_->cbdopeVisible : sector(words) || text)) {
            sector(words) ? typeSectorPE(*dialog_, words.k, words.rest)
                          : typeDialogText(*dialog_, text, words.rest);
        }
    }

    void click(const Words& words) {
        const int column = std::stoi(words.name);
        if (can(column >= 0 && column < dialog_->sectorCount)) {
            setSectorWork(*dialog_, host_, column, 1 - dialog_->Check1.at(column));
        }
    }

    void confirm(const Words&) {
        if (can(dialog_->btconfirmeVisible)) {
            confirmDoping(*dialog_);
        }
    }

    void select(const Words&) { commitOrders(*dialog_, session_.roster, host_); }

    void rest(const Words&) { restRider(*dialog_, session_.roster); }

    const bool fuzzed_;
    std::vector<std::string> lines_;
    std::size_t at_ = 0, heard_ = 0, asked_ = 0;
    std::string teamBytes_;             // the team file loaded last
    Roster asLoaded_;                   // its team as loaded
    std::vector<Roster> back_, ahead_;  // the rosters the steps lead to, the nearest last
    bool ended_ = false;       // the program has ended: a save written, a close let through
    bool copyTrusted_ = true;  // no write has failed since the start
    FakeHost host_;
    Session session_;
    OrdersDialog* dialog_ = nullptr;  // the one open
    std::ostringstream failures_;
};

// One row per command, its arguments in the comment.
std::span<const Command> Player::commands() {
    static const Command table[] = {
        // team [FILE]: load a team file of the source tree with « btOpen »; without one, the
        // chooser is cancelled. team K|W|C|D|NAME; ...: a made-up team, a rider each: key, injury
        // weeks, doping code and detail, name
        {"team", Command::Main, true, &Player::team},
        // beside FILE: FILE of the source tree stands beside the next team file as its saved orders
        {"beside", Command::Main, true, &Player::beside},
        // answers ANSWER...: the next questions are answered Yes, No, Save, Discard, Cancel; past
        // these, with Escape
        {"answers", Command::Anywhere, true, &Player::answers},
        {"sectors", Command::Main, true, &Player::sectors},   // ITEM of « Nb de Secteurs »
        {"type", Command::Main, true, &Player::typeSectors},  // type sectors TEXT
        {"open", Command::Main, true, &Player::open},         // double-click the name of ROW
        {"undo", Command::Main, true, &Player::undo},         // Ctrl+Z
        {"redo", Command::Main, true, &Player::redo},         // Ctrl+Y
        {"writefails", Command::Main, true,
         &Player::writefails},  // [REASON]: every later write fails
        {"save", Command::Main, true,
         &Player::save},  // [PATH]: « Enregistrer Ordres », chooser answer
        {"close", Command::Main, true, &Player::close},  // [PATH]: the main window, chooser answer
        {"restart", Command::Main, true,
         &Player::restart},  // on a computer without recovery copies
        // killed [gone | changed]: killed and started again with no team named; the team file
        // loaded last is gone, or has a byte more
        {"killed", Command::Main, true, &Player::killed},
        {"pick", Command::Dialog, true, &Player::pick},    // COMBO ITEM (cbPE_0 ... cbPL, cbdope)
        {"type", Command::Dialog, true, &Player::type},    // COMBO TEXT
        {"click", Command::Dialog, true, &Player::click},  // K: the work box of sector K + 1
        {"confirm", Command::Dialog, true, &Player::confirm},  // « Confirme le dopage »
        {"select", Command::Dialog, true, &Player::select},    // « Sélectionner »
        {"rest", Command::Dialog, true, &Player::rest},        // « Au repos »
        {"saved", Command::Main, false,
         &Player::saved},  // PATH FILE: saved at PATH, the bytes of FILE
        // expect NAME VALUE: in a dialog block the dialog's values, else the roster's; a row's as
        // NAME_ROW (PE2_0, line_0: its orders line); `dialogs` the dialogs shown, `filters` the
        // choosers' filters joined by " ; ", `copies` the recovery copies kept, `ended` whether
        // the program has ended
        {"expect", Command::Anywhere, false, &Player::expect},
        {"message", Command::Anywhere, false, &Player::message},    // TEXT, "\n" a line end
        {"question", Command::Anywhere, false, &Player::question},  // TEXT
    };
    return table;
}

}  // namespace

std::string playScript(const std::string& script) {
    return Player(script, false).play();
}

std::string playFuzzed(const std::string& script) {
    return Player(script, true).play();
}

}  // namespace rdo::test
