#include "actions/TakeUp.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <variant>

#include "actions/GameFile.h"
#include "host/Host.h"
#include "model/Doping.h"
#include "orders/OrdersDialog.h"
#include "orders/Totals.h"
#include "teamfile/TeamFile.h"

namespace rdo {
namespace {

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// The saved riders, or why the file cannot be taken up.
std::variant<std::vector<SavedRider>, SavedOrdersError> readSaved(const SiblingFile& file,
                                                                  const Roster& team, Host& host) {
    const FileRead read = readGameFile(host, file.path, tooLargeReason("fichier d'ordres"));
    if (!read.error.empty()) {
        return SavedOrdersError{read.error};
    }
    return readSavedOrders(read.bytes, team);
}

}  // namespace

std::string shownTime(const LocalTime& time) {
    return twoDigits(time.day) + "/" + twoDigits(time.month) + "/" + std::to_string(time.year) +
           " à " + twoDigits(time.hour) + ":" + twoDigits(time.minute);
}

Question takeUpQuestion(const std::string& found, std::vector<Answer> others) {
    const Answer escape = others.front();
    others.insert(others.begin(), Answer::Yes);
    return {found + ". Les reprendre ?", std::move(others), Answer::Yes, escape};
}

bool offerSavedOrders(Session& session, Host& host) {
    const std::optional<SiblingFile> file = host.findSibling(session.teamPath, ".ord");
    if (!file) {
        return false;
    }
    const auto saved = readSaved(*file, session.roster, host);
    if (const auto* error = std::get_if<SavedOrdersError>(&saved)) {
        host.showMessage("Les ordres enregistrés dans « " + file->name +
                         " » ne sont pas repris : " + error->reason +
                         "\n\nL'équipe est chargée sans ordres.");
        return false;
    }
    const Question question =
        takeUpQuestion("Des ordres ont été enregistrés pour cette équipe le " +
                           shownTime(file->modified) + " (« " + file->name + " »)",
                       {Answer::No});
    if (host.ask(question) != Answer::Yes) {
        return false;
    }
    restoreOrders(session.roster, std::get<std::vector<SavedRider>>(saved));
    return true;
}

void restoreOrders(Roster& roster, const std::vector<SavedRider>& riders) {
    for (const SavedRider& saved : riders) {
        RosterRow& row = roster.rows.at(saved.row);
        if (saved.selected) {
            OrdersDialog given;
            std::tie(given.cbPM, given.cbPT, given.cbPL, given.cbPA, given.cbPE) =
                std::tie(saved.PM2, saved.PT2, saved.PL2, saved.PA2, saved.pe);
            std::ranges::transform(saved.work, given.Check1.begin(),
                                   [](const std::string& flag) { return flag == "1" ? 1 : 0; });
            storeOrders(given, row);
        }
        // A rider put at rest keeps a doping confirmed in his dialog.
        orderDopingCode(saved.dopingCode, row);
    }
    recomputeTotals(roster);
}

}  // namespace rdo
