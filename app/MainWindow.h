// The program's main window, wired to its host as the program runs it.
#pragma once

#include <memory>

namespace rdo {

class Guide;
class QtHost;

/// The main window over `host`, which shows its message boxes and choosers
/// over it and the orders dialog modally on a double-click.
std::unique_ptr<Guide> makeMainWindow(QtHost& host);

}  // namespace rdo
