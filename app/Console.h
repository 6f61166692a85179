// The command line and the console as each system gives them to the program.
#pragma once

#include <string>
#include <vector>

namespace rdo {

/// The program's arguments, without its own name, in UTF-8: on Windows from the wide
/// command line, so that a team file's path keeps every accent and any letter.
std::vector<std::string> programArguments(int argc, char* argv[]);

/// While it lives, what the program prints reaches the console it was started from: a Windows
/// program without a console window of its own has none unless it asks, and a console shows
/// UTF-8 only when told. That console is the player's: its code page is given back at the end.
class StartingConsole {
  public:
    StartingConsole();
    ~StartingConsole();
    StartingConsole(const StartingConsole&) = delete;
    StartingConsole& operator=(const StartingConsole&) = delete;

  private:
    unsigned codePage_ = 0;  // the console's own, 0 for none
};

}  // namespace rdo
