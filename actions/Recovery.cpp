#include "actions/Recovery.h"

#include <utility>
#include <variant>

#include "actions/GameFile.h"
#include "actions/MainActions.h"
#include "actions/TakeUp.h"
#include "host/Host.h"
#include "orderfile/OrdersFile.h"
#include "teamfile/TeamFile.h"

namespace rdo {
namespace {

// The team line of the copy's orders, in UTF-8.
std::string teamName(const RecoveryCopy& copy) {
    Encoding encoding{};
    const std::string text = decodeFile(copy.orders, encoding);
    return text.substr(0, text.find('\r'));
}

// The saved riders of the copy once the session holds its team, or why it cannot be taken.
std::variant<std::vector<SavedRider>, std::string> openCopy(Session& session, Host& host,
                                                            const RecoveryCopy& copy) {
    const std::string teamFile = "le fichier d'équipe « " + copy.team.path + " »";
    const std::string changed = teamFile + " a changé depuis que ces ordres ont été donnés.";
    if (session.roster.loaded) {
        if (session.team != copy.team) {
            return changed;
        }
    } else {
        const FileRead read = readGameFile(host, copy.team.path, kTooLargeReason);
        if (!read.error.empty()) {
            return teamFile + " ne peut pas être lu : " + read.error;
        }
        if (teamFileId(copy.team.path, read.bytes) != copy.team) {
            return changed;
        }
        if (!startTeam(session, host, copy.team.path, read.bytes)) {
            return std::vector<SavedRider>{};  // not a team file: said, nothing to give back
        }
    }
    auto saved = readSavedOrders(copy.orders, session.roster);
    if (auto* error = std::get_if<SavedOrdersError>(&saved)) {
        return std::move(error->reason);
    }
    return std::get<std::vector<SavedRider>>(std::move(saved));
}

bool takeUp(Session& session, Host& host, const RecoveryCopy& copy) {
    const auto riders = openCopy(session, host, copy);
    if (const auto* why = std::get_if<std::string>(&riders)) {
        host.showMessage("Les ordres non enregistrés de l'équipe " + teamName(copy) +
                         " ne sont pas repris : " + *why +
                         "\n\nIls restent gardés et vous seront proposés à nouveau.");
        return false;
    }
    if (!session.roster.loaded) {
        return false;
    }
    Roster asLoaded = session.roster;
    restoreOrders(session.roster, std::get<std::vector<SavedRider>>(riders));
    session.recoveryKept = copy.sectors + '\n' + copy.orders;
    if (!copy.sectors.empty()) {
        pickSectors(session, host, copy.sectors);
    }
    session.ordersAtLoad = ordersFileBytes(asLoaded);
    session.history.record(std::move(asLoaded), session.roster);
    return true;
}

}  // namespace

void keepRecovery(Session& session, Host& host) {
    if (!session.roster.loaded) {
        return;
    }
    const std::string orders = ordersFileBytes(session.roster);
    if (orders == session.ordersAtLoad) {
        dropRecovery(session, host);
        return;
    }
    const std::string sectors = session.roster.sectorsEnabled ? "" : session.roster.sectors;
    std::string kept = sectors + '\n' + orders;
    if (kept == session.recoveryKept) {
        return;
    }
    const RecoveryCopy copy{session.team, host.now(), sectors, orders};
    if (const auto failed = host.writeRecovery(copyName(session.team), recoveryCopyBytes(copy))) {
        if (!std::exchange(session.recoveryWarned, true)) {
            host.showMessage(
                "La copie de secours de vos ordres n'a pas pu être écrite : " + *failed +
                ".\n\nVos ordres restent à l'écran : enregistrez-les avant de "
                "quitter. La copie sera tentée à nouveau au prochain changement.");
        }
        return;
    }
    session.recoveryKept = std::move(kept);
}

void dropRecovery(Session& session, Host& host) {
    if (!session.recoveryKept.empty()) {
        host.removeRecovery(copyName(session.team));
        session.recoveryKept.clear();
    }
}

bool offerRecovery(Session& session, Host& host) {
    for (const StoredCopy& stored : host.recoveryCopies()) {
        const auto copy = readRecoveryCopy(stored.bytes);
        if (!copy || (session.roster.loaded && copy->team.path != session.teamPath)) {
            continue;  // not ours, torn, or another team's
        }
        const Question question{"Des ordres non enregistrés de l'équipe " + teamName(*copy) +
                                    " ont été retrouvés (" + shownTime(copy->written) +
                                    "). Les reprendre ?",
                                {Answer::Yes, Answer::No},
                                Answer::Yes,
                                Answer::No};
        if (host.ask(question) != Answer::Yes) {
            host.removeRecovery(stored.name);
        } else if (takeUp(session, host, *copy)) {
            return true;
        }
    }
    return false;
}

}  // namespace rdo
