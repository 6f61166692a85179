// Closing the main window without losing a turn's orders.
#pragma once

#include "actions/Session.h"

namespace rdo {

class Host;

/// No team is loaded, or a save would write what it would have written right
/// after loading.
bool nothingToLose(const Session& session);

/// The main window is being closed. With orders to lose, asks whether to save
/// them first; Save does what « Enregistrer Ordres » does, Discard removes their
/// recovery copy. Returns whether the program may end.
bool closeRequested(Session& session, Host& host);

}  // namespace rdo
