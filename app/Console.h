// The command line and the console as each system gives them to the program.
#pragma once

#include <string>
#include <vector>

namespace rdo {

/// The program's arguments, without its own name, in UTF-8: on Windows from the wide
/// command line, so that a team file's path keeps every accent and any letter.
std::vector<std::string> programArguments(int argc, char* argv[]);

/// Lets what the program prints reach the console it was started from: a Windows program
/// without a console window of its own has none unless it asks, and a console shows UTF-8
/// only when told.
void useStartingConsole();

}  // namespace rdo
