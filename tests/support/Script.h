// Sessions of user actions written as text (the commands: the table in Script.cpp), played on the
// logic through the fake host, the promises (Promises.h) checked after every step.
#pragma once

#include <string>

namespace rdo::test {

/// Plays `script`; returns its failures, one a line: an action no player can take, a value or a
/// message not expected, a broken promise. A fuzzed script skips what cannot be played and the
/// lines that expect, and ends with the program: only broken promises are returned.
std::string playScript(const std::string& script, bool fuzzed = false);

}  // namespace rdo::test
