// Sessions of user actions written as text, played on the logic through the fake host, with
// the values and messages they must give. One command a line; "#" starts a comment; a
// command's last argument is the rest of its line; lines indented under `open` are played in
// its orders dialog. The commands are the table in Script.cpp. Every action goes through the
// program's own functions, and one no player can take fails the session: a list that is
// disabled or hidden, an item not in the list, a sector column or a row not shown. After every
// step the program's promises are checked (tests/support/Promises.h), and an undo must give back
// exactly the roster before the last dialog, a redo the roster that undo left.
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
