#include "actions/GameFile.h"

#include "teamfile/TeamFile.h"

namespace rdo {

FileRead readGameFile(Host& host, const std::string& path, const std::string& tooLarge) {
    FileRead read = host.readFile(path, kMaxTeamFileBytes);
    read.error = read.tooLarge ? tooLarge : read.error.empty() ? "" : read.error + ".";
    return read;
}

}  // namespace rdo
