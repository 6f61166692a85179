// What the command line asks of the program. It is read before any window
// exists, so that --help answers also without a display.
#pragma once

#include <string>
#include <vector>

namespace rdo {

struct CommandLine {
    /// The team file to load once the window is shown; empty for none.
    std::string teamFile;
    /// --help, --version or a usage error: the program prints `out` and `err`
    /// and ends with `exitStatus`, without a window.
    bool answered = false;
    int exitStatus = 0;
    std::string out, err;
};

/// `arguments` are the program's, without its own name.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

}  // namespace rdo
