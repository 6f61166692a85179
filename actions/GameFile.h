// Reading one of the game's files, a team file or an orders file: a few kilobytes at most.
#pragma once

#include <string>

#include "host/Host.h"

namespace rdo {

/// Reads the file at `path` unless it is larger than any of the game's files; a read that
/// failed gets its reason in `error`, the end of a French sentence: `tooLarge` for a file
/// past the size, the system's reason otherwise.
FileRead readGameFile(Host& host, const std::string& path, const std::string& tooLarge);

}  // namespace rdo
