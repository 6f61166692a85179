// Sessions of user actions written as text (the commands are the table in Script.cpp), played
// on the logic through the fake host. After every step the promises (Promises.h) are checked,
// and an undo or a redo must give back exactly the roster the steps lead to.
#pragma once

#include <string>

namespace rdo::test {

/// Plays `script`; returns its failures, one a line, or an empty text: an action no player can
/// take, a value other than expected, a message shown and not expected. A fuzzed script skips
/// what cannot be played and the lines that expect, and ends with the program (a save written,
/// a close let through): only broken promises are returned.
std::string playScript(const std::string& script, bool fuzzed = false);

}  // namespace rdo::test
