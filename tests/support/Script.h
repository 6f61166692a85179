// Sessions of user actions written as text (the commands are the table in Script.cpp), played
// on the logic through the fake host with the values and messages they must give. An action no
// player can take fails the session; after every step the promises (Promises.h) are checked,
// and an undo or a redo must give back exactly the roster the steps lead to.
#pragma once

#include <string>

namespace rdo::test {

/// Plays `script`; returns its failures, one line each, or an empty text. Every message shown
/// must be expected by a `message` line.
std::string playScript(const std::string& script);

/// Plays `script` as a fuzzer does: lines that cannot be played, actions no player can take
/// and lines that expect values are skipped, and the session ends with the program (a save
/// written, a close let through). Returns the broken promises, or an empty text.
std::string playFuzzed(const std::string& script);

}  // namespace rdo::test
