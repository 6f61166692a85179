// The recovery copy of the turn's orders: kept after every change, offered back once a
// program has ended without saving them, removed when no longer needed.
#pragma once

#include "actions/Session.h"

namespace rdo {

class Host;

/// Run after every change to the orders or to the sectors picked: writes the copy while
/// the orders differ from those at load, removes it once they are those again. A copy
/// that cannot be written gets one message a session and is tried again at the next change.
void keepRecovery(Session& session, Host& host);

/// The orders are saved, or the player chose to lose them: their copy goes.
void dropRecovery(Session& session, Host& host);

/// Offers the copies left by programs that ended without saving, the newest first: those
/// of the team file loaded, or of any team while none is. « Oui » loads the team file unless
/// it is loaded and gives every order back, the team as loaded one undo away; « Plus tard »
/// keeps the copy for the next start or the next load of its team; « Jeter » removes it. A copy
/// that cannot be taken up (its team file gone, changed or refused, its orders unreadable) is
/// offered to keep or throw away, saying why; the session stays as it was. Stops at the first
/// copy taken; returns whether one was.
bool offerRecovery(Session& session, Host& host);

}  // namespace rdo
