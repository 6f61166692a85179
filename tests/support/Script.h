// Sessions of user actions written as text (the commands are the table in Script.cpp), played
// on the logic through the fake host with the values and messages they must give. An action no
// player can take fails the session; after every step the promises (Promises.h) are checked,
// and an undo or a redo must give back exactly the roster the steps lead to.
#pragma once

#include <string>

namespace rdo::test {

/// Plays `script`; returns its failures, one line each, or an empty text. Every message shown
/// must be expected by a `message` line. A fuzzed script skips the lines that cannot be played,
/// the actions no player can take and the lines that expect, and ends with the program (a save
/// written, a close let through): only broken promises are returned.
std::string playScript(const std::string& script, bool fuzzed = false);

}  // namespace rdo::test
