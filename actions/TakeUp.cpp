#include "actions/TakeUp.h"

#include <numeric>
#include <variant>

#include "actions/GameFile.h"
#include "host/Host.h"
#include "model/CommaList.h"
#include "model/Doping.h"
#include "model/Numbers.h"
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
    const Question question{"Des ordres ont été enregistrés pour cette équipe le " +
                                shownTime(file->modified) + " (« " + file->name +
                                " »). Les reprendre ?",
                            {Answer::Yes, Answer::No},
                            Answer::Yes,
                            Answer::No};
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
            row.Check1 = 1;
            row.ordersVisible = true;
            row.PM2 = saved.PM2;
            row.PT2 = saved.PT2;
            row.PL2 = saved.PL2;
            row.PA2 = saved.PA2;
            row.PTplus = saved.PTplus;
            row.PEplus = saved.PEplus;
            const SectorEntries pe = splitSectorList(saved.PEplus);
            row.PE2 = std::to_string(
                std::transform_reduce(pe.begin(), pe.end(), 0LL, std::plus<>(), valueOf));
        }
        // A rider put at rest keeps a doping confirmed in his dialog.
        orderDopingCode(saved.dopingCode, row);
    }
    recomputeTotals(roster);
}

}  // namespace rdo
