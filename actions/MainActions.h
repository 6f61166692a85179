// The user's actions on the main window, over the session.
#pragma once

#include <string>

#include "actions/Session.h"

namespace rdo {

class Host;

inline constexpr const char* kTeamFilter = "Fichiers d'équipe (*.cyc)|*.cyc|Tous (*.*)|*.*";
inline constexpr const char* kOrdersFilter = "Fichiers d'ordres (*.ord)|*.ord|Tous (*.*)|*.*";

/// `btOpen`: asks for a team file and loads it, then offers the orders saved
/// beside it. A file that cannot be read or is not a team file gets a message
/// and leaves the roster as it was. Returns whether a team was loaded.
bool openTeam(Session& session, Host& host);

/// A pick in the list of `sectors`: fixes the number of sectors for good.
void pickSectors(Roster& roster, const std::string& item);

/// A double-click on the name of row `row`: selects an available rider and
/// shows the orders dialog for that row.
void doubleClickRider(Session& session, Host& host, int row);

/// `btSave`: asks for a file name and writes the orders file, keeping a file
/// it replaces as NAME~. Returns true once the whole file is written, when the
/// program is to end; a failed write gets a message and leaves any existing
/// file under the name untouched.
bool saveOrders(const Session& session, Host& host);

}  // namespace rdo
