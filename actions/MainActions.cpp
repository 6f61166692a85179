#include "actions/MainActions.h"

#include <variant>

#include "actions/GameFile.h"
#include "actions/Recovery.h"
#include "actions/TakeUp.h"
#include "host/Host.h"
#include "orderfile/OrdersFile.h"
#include "orders/OrdersDialog.h"
#include "teamfile/TeamFile.h"

namespace rdo {
namespace {

void refuseTeamFile(Host& host, const std::string& path, const std::string& reason) {
    host.showMessage("Le fichier d'équipe « " + path + " » ne peut pas être chargé : " + reason +
                     "\n\nChoisissez un autre fichier d'équipe.");
}

}  // namespace

bool openTeam(Session& session, Host& host) {
    if (session.roster.loaded) {
        return false;
    }
    const std::string path = host.chooseFile(kTeamFilter, ChooserPurpose::Open);
    return !path.empty() && loadTeam(session, host, path);
}

bool loadTeam(Session& session, Host& host, const std::string& path) {
    if (session.roster.loaded) {
        return false;
    }
    const FileRead read = readGameFile(host, path, kTooLargeReason);
    if (!read.error.empty()) {
        refuseTeamFile(host, path, read.error);
        return false;
    }
    if (!startTeam(session, host, read.path, read.bytes)) {
        return false;
    }
    // Orders given back from a recovery copy are newer than any saved beside the team.
    if (offerRecovery(session, host)) {
        return true;
    }
    // Taking saved orders up is a step: Ctrl+Z goes back to the team as loaded.
    Roster asLoaded = session.roster;
    if (offerSavedOrders(session, host)) {
        session.history.record(std::move(asLoaded), session.roster);
    }
    session.ordersAtLoad = ordersFileBytes(session.roster);
    return true;
}

bool startTeam(Session& session, Host& host, const std::string& path, const std::string& bytes) {
    auto result = readTeamFile(bytes);
    if (const auto* error = std::get_if<TeamFileError>(&result)) {
        refuseTeamFile(host, path, error->reason);
        return false;
    }
    session.roster = std::get<Roster>(std::move(result));
    session.teamPath = path;
    session.team = teamFileId(path, bytes);
    session.ordersAtLoad = ordersFileBytes(session.roster);
    host.teamLoaded(path);
    host.holdRecovery(copyName(session.team));
    return true;
}

void pickSectors(Session& session, Host& host, const std::string& item) {
    session.roster.sectors = item;
    session.roster.sectorsEnabled = false;
    keepRecovery(session, host);
}

void typeSectors(Roster& roster, const std::string& typed) {
    roster.sectors = typed;
}

void typeTotal(Roster& roster, std::string Roster::*total, const std::string& typed) {
    roster.*total = typed;
}

void doubleClickRider(Session& session, Host& host, int row) {
    Roster& roster = session.roster;
    if (row < 0 || row >= kRows) {
        return;
    }
    RosterRow& rider = roster.rows[static_cast<std::size_t>(row)];
    const bool available = rider.inUse && rider.checkVisible;
    // Checked before the row changes, so a refused opening leaves the row as it was.
    const bool counted = sectorColumns(roster.sectors).has_value();
    if (available && !counted) {
        host.showMessage("Le nombre de secteurs « " + roster.sectors +
                         " » n'est pas un nombre.\n\nChoisissez le nombre de secteurs de la "
                         "course dans la liste « Nb de Secteurs » (de 2 à 10), puis "
                         "double-cliquez à nouveau sur le coureur.");
    }
    Roster before = roster;  // the step: the roster as it stood before the dialog
    roster.currentRow = static_cast<std::int16_t>(row);
    if (!available || !counted) {
        return;
    }
    // A rider not selected holds "0" in every orders field: showing them is enough.
    rider.ordersVisible = true;
    rider.Check1 = 1;
    roster.currentRiderName = rider.nom1;
    OrdersDialog dialog = openOrdersDialog(roster, host);
    host.showOrdersDialog(roster, dialog);
    session.history.record(std::move(before), roster);
    keepRecovery(session, host);
}

bool undoStep(Session& session, Host& host) {
    const bool stepped = session.history.undo(session.roster);
    keepRecovery(session, host);
    return stepped;
}

bool redoStep(Session& session, Host& host) {
    const bool stepped = session.history.redo(session.roster);
    keepRecovery(session, host);
    return stepped;
}

bool saveOrders(Session& session, Host& host) {
    const std::string path = host.chooseFile(kOrdersFilter, ChooserPurpose::Save);
    if (path.empty()) {
        return false;
    }
    // The file replaced stays beside the new one, one generation back, in case
    // the player chose the wrong name.
    const FileWrite written = host.writeFile(path, ordersFileBytes(session.roster));
    if (written.error) {
        host.showMessage("Les ordres n'ont pas pu être enregistrés dans « " + path +
                         " » : " + *written.error +
                         ".\n\nVos ordres sont conservés : choisissez un autre emplacement.");
        return false;
    }
    if (written.copyError) {
        host.showMessage("Les ordres sont enregistrés dans « " + path +
                         " », mais le fichier qu'ils remplacent n'a pas pu être gardé en « " +
                         written.copyPath + " » : " + *written.copyError + ".");
    }
    dropRecovery(session, host);
    return true;
}

}  // namespace rdo
