#include "tests/support/Script.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <tuple>

#include "actions/Closing.h"
#include "actions/MainActions.h"
#include "actions/Recovery.h"
#include "model/Numbers.h"
#include "orderfile/OrdersFile.h"
#include "orders/Limits.h"
#include "plan/RacePlan.h"
#include "tests/support/FakeHost.h"
#include "tests/support/Promises.h"

namespace rdo::test {
namespace {

constexpr const char* kTeamPath = "/t/equipe.cyc";

// A row as shown: its texts joined by "|", then inUse, checkVisible, Check1, ordersVisible and
// dopeOnRed as digits.
std::string shown(const RosterRow& r) {
    std::string texts;
    for (const std::string* text : {&r.nom1, &r.N1, &r.P1, &r.Pays1, &r.SP1, &r.RO1, &r.GR1,
                                    &r.Ene1, &r.bless1, &r.Dope1, &r.PM1}) {
        texts += *text + '|';
    }
    for (const int flag :
         {int{r.inUse}, int{r.checkVisible}, r.Check1, int{r.ordersVisible}, int{r.dopeOnRed}}) {
        texts += std::to_string(flag);
    }
    return texts;
}

// The dialog's text in the combo `name` ("cbPM", "cbdope") but the sector ones.
std::string OrdersDialog::*dialogText(const std::string& name) {
    for (const RaceAllocation& allocation : kRaceAllocations) {
        if (name == std::string("cb") + allocation.name) {
            return allocation.combo;
        }
    }
    return name == "cbdope" ? &OrdersDialog::cbdope : nullptr;
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
std::string treeFile(const std::string& path) {
    return sourceFile(path.find("..") == path.npos ? path : throw std::invalid_argument("outside"));
}

// Line `k` of the race plan as copied, its tabs as "|".
std::string planLine(const Roster& roster, int k) {
    std::istringstream lines(planText(racePlan(roster)));
    std::string line;
    for (int i = 0; i <= k && std::getline(lines, line); ++i) {
    }
    std::ranges::replace(line, '\t', '|');
    return line;
}

// `text` cut at its first space.
std::pair<std::string, std::string> cut(const std::string& text) {
    const std::size_t space = text.find(' ');
    return {text.substr(0, space), space == text.npos ? "" : text.substr(space + 1)};
}

// In "pick cbPE_3 2": `all` follows the verb, name cbPE_3, rest "2", field cbPE, k 3.
struct Words {
    std::string all, name, rest, field;
    int k = -1;
};

struct Player {
    Player(bool isFuzzed, const std::string& text) : fuzzed(isFuzzed), script(text) {}

    const bool fuzzed;
    std::istringstream script;
    std::size_t at = 0, heard = 0, asked = 0;  // the line played, the messages and questions met
    std::string teamBytes;                     // the team file loaded last
    Roster asLoaded;                           // its team as loaded
    std::vector<Roster> back, ahead;           // the rosters the steps lead to, the nearest last
    bool ended = false;       // the program has ended: saved, or a close let through
    bool copyTrusted = true;  // no write has failed since the start
    FakeHost host;
    Session session;
    Roster& roster = session.roster;
    OrdersDialog* dialog = nullptr;  // the one open
    std::ostringstream failures;

    void fail(const std::string& what) { failures << "line " << at << ": " << what << '\n'; }

    void promise(bool kept, const std::string& what) {
        kept ? void() : fail("broken promise: " + what);
    }

    // The promises `broken`, one a line, as Promises.h gives them.
    void check(const std::string& broken) {
        promise(broken.empty(), broken.substr(0, broken.size() - 1));
    }

    // A road no player can take fails a written session; a fuzzed one skips it.
    bool can(bool possible) {
        promise(possible || fuzzed, "a line no player can play");
        return possible;
    }

    void command(const std::string& line);

    // Plays the lines to come; in the dialog `open`, those indented under its opening.
    void play(OrdersDialog* open) {
        dialog = open;
        std::string line;
        while ((!open || (!open->closed && script.peek() == ' ')) && std::getline(script, line)) {
            ++at;
            command(open ? line.erase(0, 2) : line);  // erase, unlike substr, takes a lone space
        }
        dialog = nullptr;
    }

    // Keeps `before` as the roster an undo leads back to, unless the player sees no change.
    void stepped(const Roster& before) {
        Roster seen = roster;
        std::tie(seen.currentRow, seen.currentRiderName) =
            std::tie(before.currentRow, before.currentRiderName);
        if (seen != before) {
            back.push_back(before);
            ahead.clear();
        }
    }

    // Orders taken up at load (saved, or a copy): a step from the team, counted in the totals.
    void started(bool (*load)(Session&, Host&)) {
        load(session, host);
        if (roster.loaded) {
            check(afterDialog(roster));
            asLoaded = loadedRoster(teamBytes);
            stepped(asLoaded);
        }
        host.files.clear();
    }

    // An undo or a redo gives exactly the roster the steps lead to, the sectors as they are.
    void step(std::vector<Roster>& from, std::vector<Roster>& to, bool (*act)(Session&, Host&)) {
        Roster was = roster;
        const bool moved = act(session, host);
        promise(moved == !from.empty(), "an undo or a redo with no step, or none with one");
        if (moved && !from.empty()) {
            Roster expected = std::move(from.back());
            from.pop_back();
            std::tie(expected.sectors, expected.sectorsItems, expected.sectorsEnabled) =
                std::tie(was.sectors, was.sectorsItems, was.sectorsEnabled);
            promise(roster == expected, "an undo or a redo gave another roster");
            to.push_back(std::move(was));
        }
    }

    void team(const std::string& riderList) {
        const bool file = riderList.find('|') == riderList.npos && !riderList.empty();
        teamBytes = file ? treeFile(riderList) : teamFile(riderList);
        host.files[kTeamPath] = teamBytes;
        host.chooserAnswers = {riderList.empty() ? "" : kTeamPath};
        started(openTeam);
    }

    void open(int row) {
        const Roster before = roster;
        if (can(row >= 0 && row < kRows && before.rows[static_cast<std::size_t>(row)].inUse)) {
            doubleClickRider(session, host, row);
            stepped(before);
        }
    }

    void save(const std::string& path) {
        host.chooserAnswers = {path};
        const bool saved = saveOrders(session, host);
        promise(saved == (!path.empty() && !host.writeError), "a save said other than it did");
        promise(!saved || host.files[path] == ordersFileBytes(roster),
                "the orders file saved is not the orders shown");
        ended = ended || saved;
    }

    std::string value(const Words& w) {
        const auto text = dialogText(w.field);
        if (dialog) {
            return w.field == "Check1"        ? std::to_string(dialog->Check1.at(w.k))
                   : w.field == "cbPE"        ? dialog->cbPE.at(w.k)
                   : w.field == "sectorCount" ? std::to_string(dialog->sectorCount)
                   : w.field == "cbdope" && !dialog->cbdopeVisible ? "(caché)"
                   : text                                          ? dialog->*text
                                                                   : "(?)";
        }
        return w.field == "row"    ? shown(roster.rows.at(w.k))
               : w.field == "line" ? ordersLine(roster.rows.at(w.k))
               : w.field == "team"
                   ? roster.cEquipe + '|' + roster.PE + '|' + roster.PM + '|' + roster.K
               : w.field == "plan"    ? planLine(roster, w.k)
               : w.field == "cptsel"  ? roster.cptsel
               : w.field == "dialogs" ? std::to_string(host.dialogsShown)
               : w.field == "copies"  ? std::to_string(host.copies.size())
               : w.field == "ended"   ? std::to_string(ended)
                                      : "(?)";
    }

    // A pick from the list `w.name` or a text typed into it; a pick without message keeps limits.
    void enter(const Words& w, bool typed) {
        const std::size_t messages = host.messages.size();
        const OrdersDialog before = *dialog;
        const auto text = dialogText(w.field);
        const auto* allocation = std::ranges::find(kRaceAllocations, text, &RaceAllocation::combo);
        const bool dope = w.field == "cbdope";
        const bool pe = w.field == "cbPE" && w.k >= 0 && w.k < dialog->sectorCount;
        if (!can(dope ? dialog->cbdopeVisible &&
                            (typed ||
                             std::ranges::count(kDopingProducts, w.rest, &DopingProduct::choice))
                 : pe ? typed || inList(w.rest, kSectorPELastItem)
                      : allocation != kRaceAllocations.end() &&
                            (typed || inList(w.rest, allocation->lastItem)))) {
            return;
        }
        if (typed) {
            pe ? typeSectorPE(*dialog, w.k, w.rest) : typeDialogText(*dialog, text, w.rest);
            return;
        }
        dope ? pickDoping(*dialog, w.rest)
        : pe ? pickSectorPE(*dialog, roster, host, w.k, w.rest)
             : pickAllocation(*dialog, roster, host, *allocation, w.rest);
        check(host.messages.size() == messages && *dialog != before
                  ? afterPick(roster, *dialog, w.field)
                  : "");
    }
};

struct Command {
    const char* verb;
    enum { Main, Dialog, Anywhere } where;
    bool fuzzed;  // an action a fuzzed script may take, not a line that expects
    void (*play)(Player&, const Words&);
};

// One row per command, its arguments in the comment.
const Command kCommands[] = {
    // team [FILE | K|W|C|D|NAME; ...]: « btOpen », the chooser cancelled, or a file of the
    // source tree, or a made-up team of riders: key, injury weeks, doping code and detail, name
    {"team", Command::Main, true,
     [](Player& p, const Words& w) { p.can(!p.roster.loaded) ? p.team(w.all) : void(); }},
    // beside FILE: FILE of the source tree stands beside the next team file, its saved orders
    {"beside", Command::Main, true,
     [](Player& p, const Words& w) { p.host.files["/t/equipe.ord"] = treeFile(w.all); }},
    // answers Yes|No|Save|Discard|Cancel|Later|Throw...: to the next questions; past these, Escape
    {"answers", Command::Anywhere, true,
     [](Player& p, const Words& w) {
         static const std::string names[] = {"Save", "Discard", "Cancel", "Yes",
                                             "No",   "Later",   "Throw"};
         std::istringstream in(w.all);
         for (std::string word; in >> word;) {
             const auto at = std::ranges::find(names, word) - std::begin(names);
             p.host.answers.push_back(at < 7 ? static_cast<Answer>(at)
                                             : throw std::invalid_argument("no answer " + word));
         }
     }},
    // sectors ITEM: a pick in « Nb de Secteurs »
    {"sectors", Command::Main, true,
     [](Player& p, const Words& w) {
         const bool listed = std::ranges::count(p.roster.sectorsItems, w.name);
         p.can(p.roster.sectorsEnabled && listed) ? pickSectors(p.session, p.host, w.name) : void();
     }},
    // type sectors TEXT: typed into « Nb de Secteurs »
    {"type", Command::Main, true,
     [](Player& p, const Words& w) {
         const bool typable = w.name == "sectors" && p.roster.sectorsEnabled && p.roster.loaded;
         p.can(typable) ? typeSectors(p.roster, w.rest) : void();
     }},
    // open ROW: a double-click on its name; the lines indented under it are played in its
    // dialog, then closed from its title bar if still open
    {"open", Command::Main, true, [](Player& p, const Words& w) { p.open(std::stoi(w.name)); }},
    {"undo", Command::Main, true,  // Ctrl+Z
     [](Player& p, const Words&) { p.step(p.back, p.ahead, undoStep); }},
    {"redo", Command::Main, true,  // Ctrl+Y
     [](Player& p, const Words&) { p.step(p.ahead, p.back, redoStep); }},
    // writefails [REASON]: every later write fails for REASON; none without one
    {"writefails", Command::Main, true,
     [](Player& p, const Words& w) {
         p.host.writeError = w.all.empty() ? std::nullopt : std::optional(w.all);
         p.copyTrusted = p.copyTrusted && !p.host.writeError;  // the copy kept may be an old one
     }},
    // save [PATH]: « Enregistrer Ordres », the chooser answering PATH or cancelled
    {"save", Command::Main, true,
     [](Player& p, const Words& w) { p.can(p.roster.loaded) ? p.save(w.name) : void(); }},
    // close [PATH]: the main window closed from its title bar, PATH a save's chooser answer
    {"close", Command::Main, true,
     [](Player& p, const Words& w) {
         p.host.chooserAnswers = {w.name};
         p.ended = closeRequested(p.session, p.host) || p.ended;
     }},
    // restart [killed | gone | changed | damaged]: the program started again, on a computer
    // without recovery copies; or after it was killed, the last team file as it was, gone or
    // changed, or the orders of every copy one line too long
    {"restart", Command::Main, true,
     [](Player& p, const Words& w) {
         p.session = Session();
         p.back.clear();
         p.ahead.clear();
         p.ended = false;
         p.copyTrusted = !p.host.writeError;
         if (w.all.empty()) {
             p.host.copies.clear();
             return;
         }
         if (w.all != "gone") {
             p.host.files[kTeamPath] = p.teamBytes + (w.all == "changed" ? " " : "");
         }
         for (StoredCopy& stored : p.host.copies) {
             auto copy = readRecoveryCopy(stored.bytes);
             if (copy && w.all == "damaged") {
                 copy->orders += "9\r\n";
                 stored.bytes = recoveryCopyBytes(*copy);
             }
         }
         p.started(offerRecovery);
     }},
    // pick COMBO ITEM: from the list of cbPE_0 ... cbPE_9, cbPM, cbPA, cbPT, cbPL or cbdope
    {"pick", Command::Dialog, true, [](Player& p, const Words& w) { p.enter(w, false); }},
    // type COMBO TEXT: TEXT typed into COMBO
    {"type", Command::Dialog, true, [](Player& p, const Words& w) { p.enter(w, true); }},
    // click K: the work box of sector K + 1
    {"click", Command::Dialog, true,
     [](Player& p, const Words& w) {
         const int k = std::stoi(w.name);
         if (p.can(k >= 0 && k < p.dialog->sectorCount)) {
             setSectorWork(*p.dialog, p.host, k, 1 - p.dialog->Check1.at(k));
         }
     }},
    {"confirm", Command::Dialog, true,  // « Confirme le dopage »
     [](Player& p, const Words&) {
         p.can(p.dialog->btconfirmeVisible) ? confirmDoping(*p.dialog) : void();
     }},
    {"select", Command::Dialog, true,  // « Sélectionner »
     [](Player& p, const Words&) { commitOrders(*p.dialog, p.roster, p.host); }},
    {"rest", Command::Dialog, true,  // « Au repos »
     [](Player& p, const Words&) { restRider(*p.dialog, p.roster); }},
    // saved PATH FILE: the orders file saved at PATH holds the bytes of FILE
    {"saved", Command::Main, false,
     [](Player& p, const Words& w) {
         p.host.files[w.name] == treeFile(w.rest) ? void() : p.fail(w.name + " is not " + w.rest);
     }},
    // expect NAME VALUE: in a dialog a list (cbPE_3, cbdope), a work box (Check1_3), sectorCount;
    // else row_ROW (a row as shown), line_ROW (its orders line), plan_LINE (a line of the race plan
    // as copied, "|" between values), team (cEquipe|PE|PM|K), cptsel,
    // dialogs (shown), copies (recovery copies kept) or ended (the program has ended)
    {"expect", Command::Anywhere, false,
     [](Player& p, const Words& w) {
         const std::string got = p.value(w);
         got == w.rest ? void() : p.fail("expect " + w.name + " " + w.rest + ": got " + got);
     }},
    // message TEXT: the next message shown, "\n" a line end
    {"message", Command::Anywhere, false,
     [](Player& p, const Words& w) {
         if (p.heard >= p.host.messages.size() || p.host.messages[p.heard++] != unescaped(w.all)) {
             p.fail("no message " + w.all);
         }
     }},
    // question TEXT: every question asked since the last question line, one at least
    {"question", Command::Anywhere, false,
     [](Player& p, const Words& w) {
         bool asked = p.asked < p.host.questions.size();
         for (; p.asked < p.host.questions.size(); ++p.asked) {
             asked = asked && p.host.questions[p.asked].text == unescaped(w.all);
         }
         asked ? void() : p.fail("no question " + w.all);
     }},
};

void Player::command(const std::string& line) {
    const auto [verb, all] = cut(line);
    const auto [name, rest] = cut(all);
    const std::size_t underscore = name.find('_');
    Words words{all, name, rest, name.substr(0, underscore)};
    // Captured by name: clang 14 cannot capture a structured binding.
    const auto* found = std::ranges::find_if(kCommands, [&, &verb = verb](const Command& command) {
        return verb == command.verb && (command.where == Command::Anywhere ||
                                        (command.where == Command::Dialog) == (dialog != nullptr));
    });
    // An indented line outside a dialog (one that did not open, or was closed) has no verb.
    const bool known = found != std::end(kCommands);
    if (line.empty() || line[0] == '#' || (fuzzed && (ended || (known && !found->fuzzed)))) {
        return;
    }
    // A line naming what is not there (a row 99, a missing file) is a script's fault.
    try {
        words.k = underscore == name.npos ? -1 : std::stoi(name.substr(underscore + 1));
        can(known) ? found->play(*this, words) : void();
    } catch (const std::exception& error) {
        promise(fuzzed, error.what());
    }
    check(afterAction(roster, asLoaded, dialog));
    if (!dialog && roster.loaded && copyTrusted && !ended) {
        // A copy kept for later stands under the team's name until the session writes its own.
        const auto copy = std::ranges::find(host.copies, copyName(session.team), &StoredCopy::name);
        check(recovery(roster, session.ordersAtLoad,
                       copy == host.copies.end() || session.recoveryKept.empty()
                           ? std::nullopt
                           : std::optional(copy->bytes)));
    }
}

}  // namespace

std::string playScript(const std::string& script, bool fuzzed) {
    Player player(fuzzed, script);
    player.host.onDialog = [&player](Roster& roster, OrdersDialog& dialog) {
        player.play(&dialog);
        player.check(dialog.closed ? afterDialog(roster) : "");
    };
    player.play(nullptr);
    for (std::size_t i = player.heard; !fuzzed && i < player.host.messages.size(); ++i) {
        player.failures << "unexpected message: " << player.host.messages[i] << '\n';
    }
    return player.failures.str();
}

}  // namespace rdo::test
