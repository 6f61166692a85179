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

// What a copy checked against its team file gives back: the team file's bytes, when the team
// is still to be loaded, and the saved riders.
struct Checked {
    std::string teamBytes;
    std::vector<SavedRider> riders;
};

// The copy checked without touching the session, or why it cannot be taken up.
std::variant<Checked, std::string> checkCopy(const Session& session, Host& host,
                                             const RecoveryCopy& copy) {
    const std::string teamFile = "le fichier d'équipe « " + copy.team.path + " »";
    const std::string changed = teamFile + " a changé depuis que ces ordres ont été donnés.";
    Checked checked;
    std::variant<Roster, TeamFileError> team = session.roster;
    if (session.roster.loaded) {
        if (session.team != copy.team) {
            return changed;
        }
    } else {
        FileRead read = readGameFile(host, copy.team.path, kTooLargeReason);
        if (!read.error.empty()) {
            return teamFile + " ne peut pas être lu : " + read.error;
        }
        if (teamFileId(copy.team.path, read.bytes) != copy.team) {
            return changed;
        }
        team = readTeamFile(read.bytes);
        if (const auto* error = std::get_if<TeamFileError>(&team)) {
            return teamFile + " ne peut pas être chargé : " + error->reason;
        }
        checked.teamBytes = std::move(read.bytes);
    }
    auto saved = readSavedOrders(copy.orders, std::get<Roster>(team));
    if (auto* error = std::get_if<SavedOrdersError>(&saved)) {
        return "le fichier d'ordres gardé dans la copie de secours ne peut pas être relu : " +
               error->reason;
    }
    checked.riders = std::get<std::vector<SavedRider>>(std::move(saved));
    return checked;
}

// Gives the copy's orders and sectors back, loading its team unless the session holds it.
bool takeUp(Session& session, Host& host, const RecoveryCopy& copy, const Checked& checked) {
    if (!session.roster.loaded && !startTeam(session, host, copy.team.path, checked.teamBytes)) {
        return false;
    }
    Roster asLoaded = session.roster;
    restoreOrders(session.roster, checked.riders);
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
    // The copy standing under the team's name is the session's once written or taken up.
    if (const auto failed = host.writeRecovery(copyName(session.team), recoveryCopyBytes(copy),
                                               !session.recoveryKept.empty())) {
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
        const std::string found = "Des ordres non enregistrés de l'équipe " + teamName(*copy) +
                                  " ont été retrouvés (" + shownTime(copy->written) + ")";
        const auto checked = checkCopy(session, host, *copy);
        const auto* why = std::get_if<std::string>(&checked);
        const Answer answer =
            host.ask(why ? Question{found + ", mais ils ne peuvent pas être repris : " + *why +
                                        "\n\nLes garder pour un autre essai (« Plus tard ») "
                                        "ou les jeter (« Jeter ») ?",
                                    {Answer::Later, Answer::Throw},
                                    Answer::Later,
                                    Answer::Later}
                         : takeUpQuestion(found, {Answer::Later, Answer::Throw}));
        if (answer == Answer::Throw) {
            host.removeRecovery(stored.name);
        } else if (answer == Answer::Yes && !why &&
                   takeUp(session, host, *copy, std::get<Checked>(checked))) {
            return true;
        }
    }
    return false;
}

}  // namespace rdo
