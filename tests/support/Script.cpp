#include "tests/support/Script.h"

#include <sstream>

#include "actions/MainActions.h"
#include "orderfile/OrdersFile.h"
#include "orders/Limits.h"
#include "tests/support/FakeHost.h"

namespace rdo::test {
namespace {

template <typename Struct, std::size_t n>
std::string* named(Struct& values, const std::pair<const char*, std::string Struct::*> (&table)[n],
                   const std::string& name) {
    for (const auto& [field, member] : table) {
        if (name == field) {
            return &(values.*member);
        }
    }
    return nullptr;
}

std::string* rowText(RosterRow& row, const std::string& name) {
    static const std::pair<const char*, std::string RosterRow::*> texts[] = {
        {"Dope1", &RosterRow::Dope1},   {"PM2", &RosterRow::PM2},      {"PT2", &RosterRow::PT2},
        {"PL2", &RosterRow::PL2},       {"PA2", &RosterRow::PA2},      {"PE2", &RosterRow::PE2},
        {"PTplus", &RosterRow::PTplus}, {"PEplus", &RosterRow::PEplus}};
    return named(row, texts, name);
}

std::string* rosterText(Roster& roster, const std::string& name) {
    static const std::pair<const char*, std::string Roster::*> texts[] = {
        {"cptsel", &Roster::cptsel},   {"sectors", &Roster::sectors}, {"PM_USED", &Roster::PM_USED},
        {"PE_USED", &Roster::PE_USED}, {"PT_USED", &Roster::PT_USED}, {"PA_USED", &Roster::PA_USED},
        {"PL_USED", &Roster::PL_USED}};
    return named(roster, texts, name);
}

std::string* dialogText(OrdersDialog& dialog, const std::string& name, int k) {
    static const std::pair<const char*, std::string OrdersDialog::*> texts[] = {
        {"cbPM", &OrdersDialog::cbPM},
        {"cbPA", &OrdersDialog::cbPA},
        {"cbPT", &OrdersDialog::cbPT},
        {"cbPL", &OrdersDialog::cbPL},
        {"cbdope", &OrdersDialog::cbdope}};
    return name == "cbPE" ? &dialog.cbPE.at(static_cast<std::size_t>(k))
                          : named(dialog, texts, name);
}

class Player {
  public:
    explicit Player(const std::string& script) {
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
        for (std::size_t i = heard_; i < host_.messages.size(); ++i) {
            failures_ << "unexpected message: " << host_.messages[i] << '\n';
        }
        return failures_.str();
    }

  private:
    void fail(const std::string& what) { failures_ << "line " << at_ << ": " << what << '\n'; }

    std::string value(const std::string& field, int k, OrdersDialog* dialog) {
        if (dialog) {
            const std::string* text = dialogText(*dialog, field, k);
            return field == "Check1"        ? std::to_string(dialog->Check1.at(k))
                   : field == "sectorCount" ? std::to_string(dialog->sectorCount)
                   : field == "cbdope" && !dialog->cbdopeVisible ? "(caché)"
                   : text                                        ? *text
                                                                 : "(?)";
        }
        if (k < 0) {
            const std::string* text = rosterText(session_.roster, field);
            return field == "dialogs" ? std::to_string(host_.dialogsShown) : text ? *text : "(?)";
        }
        RosterRow& row = session_.roster.rows.at(static_cast<std::size_t>(k));
        const std::string* text = rowText(row, field);
        return field == "line"            ? ordersLine(row)
               : field == "Check1"        ? std::to_string(row.Check1)
               : field == "ordersVisible" ? std::to_string(row.ordersVisible)
               : field == "dopeOnRed"     ? std::to_string(row.dopeOnRed)
               : text                     ? *text
                                          : "(?)";
    }

    void command(const std::string& line, OrdersDialog* dialog) {
        std::istringstream words(line);
        std::string verb, name, rest;
        words >> verb >> name;
        std::getline(words >> std::ws, rest);
        // "PE2_3" is element 3 of PE2.
        const std::size_t underscore = name.rfind('_');
        const bool indexed = underscore != name.npos && std::isdigit(name.back());
        const std::string field = indexed ? name.substr(0, underscore) : name;
        const int k = indexed ? std::stoi(name.substr(underscore + 1)) : -1;
        Roster& roster = session_.roster;
        if (verb.empty() || verb[0] == '#') {
        } else if (verb == "team") {
            const std::string whole = name + (rest.empty() ? "" : " " + rest);
            std::vector<std::string> riders;
            for (std::istringstream list(whole); std::getline(list >> std::ws, name, ';');) {
                riders.push_back(name);
            }
            host_.files["/t/equipe.cyc"] =
                whole.find('|') == whole.npos ? sourceFile(whole) : teamFile(riders);
            host_.chooserAnswers = {"/t/equipe.cyc"};
            openTeam(session_, host_);
        } else if (verb == "sectors") {
            pickSectors(roster, name);
        } else if (verb == "set" &&
                   (k < 0 ? rosterText(roster, field) : rowText(roster.rows.at(k), field))) {
            *(k < 0 ? rosterText(roster, field) : rowText(roster.rows.at(k), field)) = rest;
        } else if (verb == "open") {
            doubleClickRider(session_, host_, std::stoi(name));
            for (; at_ < lines_.size() && lines_[at_].starts_with("  "); ++at_) {
                fail("not played, no dialog open: " + lines_[at_]);
            }
        } else if (verb == "expect" && value(field, k, dialog) != rest) {
            fail("expect " + name + " " + rest + ": got " + value(field, k, dialog));
        } else if (verb == "message") {
            std::string text = line.substr(line.find(' ') + 1);
            for (std::size_t at = 0; (at = text.find("\\n", at)) != text.npos;) {
                text.replace(at, 2, "\n");
            }
            if (heard_ >= host_.messages.size() || host_.messages[heard_++] != text) {
                fail("no message " + text);
            }
        } else if (dialog && (verb == "pick" || verb == "type" || verb == "click" ||
                              verb == "confirm" || verb == "select" || verb == "rest")) {
            dialogCommand(verb, field, k, rest, *dialog);
        } else if (verb != "expect") {
            fail("cannot play: " + line);
        }
    }

    void dialogCommand(const std::string& verb, const std::string& field, int k,
                       const std::string& rest, OrdersDialog& dialog) {
        Roster& roster = session_.roster;
        if (verb == "type" && dialogText(dialog, field, k)) {
            *dialogText(dialog, field, k) = rest;
        } else if (verb == "pick" && field == "cbPE") {
            pickSectorPE(dialog, roster, host_, k, rest);
        } else if (verb == "pick" && field == "cbdope") {
            pickDoping(dialog, rest);
        } else if (verb == "pick") {
            for (const RaceAllocation& allocation : kRaceAllocations) {
                if (field == std::string("cb") + allocation.name) {
                    pickAllocation(dialog, roster, host_, allocation, rest);
                }
            }
        } else if (verb == "click") {
            const auto sector = std::stoul(field);
            setSectorWork(dialog, host_, static_cast<int>(sector), 1 - dialog.Check1.at(sector));
        } else if (verb == "confirm") {
            confirmDoping(dialog);
        } else if (verb == "select") {
            commitOrders(dialog, roster, host_);
        } else {
            restRider(dialog, roster);
        }
    }

    std::vector<std::string> lines_;
    std::size_t at_ = 0;
    std::size_t heard_ = 0;
    FakeHost host_;
    Session session_;
    std::ostringstream failures_;
};

}  // namespace

std::string playScript(const std::string& script) {
    return Player(script).play();
}

}  // namespace rdo::test
