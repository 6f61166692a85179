// The user's actions on the main window, over the session.
#pragma once

#include <string>

#include "actions/Session.h"

namespace rdo {

class Host;

inline constexpr const char* kTeamFilter = "Fichiers d'équipe (*.cyc)|*.cyc|Tous (*.*)|*.*";
inline constexpr const char* kOrdersFilter = "Fichiers d'ordres (*.ord)|*.ord|Tous (*.*)|*.*";

/// `btOpen`: asks for a team file and loads it as `loadTeam` does. Returns
/// whether a team was loaded.
bool openTeam(Session& session, Host& host);

/// Loads the team file at `path`, unless a team is already loaded, then offers
/// its recovery copies and, when none is taken, the orders saved beside it. A file that cannot be
/// read or is not a team file gets a message and leaves the session as it was. Returns whether a
/// team was loaded.
bool loadTeam(Session& session, Host& host, const std::string& path);

/// The team in `bytes`, read from the file at `path`, becomes the session's, without orders.
/// Not a team file: a message, and the session stays as it was. Returns whether it loaded.
bool startTeam(Session& session, Host& host, const std::string& path, const std::string& bytes);

/// A pick in the list of `sectors`: fixes the number of sectors for good.
void pickSectors(Session& session, Host& host, const std::string& item);

/// Typing `typed` into « Nb de Secteurs »: the text the next double-click reads.
void typeSectors(Roster& roster, const std::string& typed);

/// Typing `typed` over one of the five totals; the next commit or rest rebuilds it.
void typeTotal(Roster& roster, std::string Roster::*total, const std::string& typed);

/// A double-click on the name of row `row`: selects an available rider and
/// shows the orders dialog for that row. Each dialog shown is one step of the
/// history, whatever closes it.
void doubleClickRider(Session& session, Host& host, int row);

/// Ctrl+Z: the roster as it stood before the last orders dialog, the number of
/// sectors kept. Returns false, changing nothing, when back at the loaded team.
bool undoStep(Session& session, Host& host);

/// Ctrl+Y or Ctrl+Shift+Z: the roster as it stood before the last undo.
/// Returns false, changing nothing, when no undo is left to take back.
bool redoStep(Session& session, Host& host);

/// `btSave`: asks for a file name and writes the orders file, keeping a file
/// it replaces beside it as its backup. Returns true once the whole file is written, when the
/// program is to end; a failed write gets a message and leaves any existing
/// file under the name untouched. Once written, the recovery copy goes.
bool saveOrders(Session& session, Host& host);

}  // namespace rdo
