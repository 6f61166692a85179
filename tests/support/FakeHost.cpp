#include "tests/support/FakeHost.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <variant>

#include "teamfile/TeamFile.h"

namespace rdo::test {

FileRead FakeHost::readFile(const std::string& path, std::size_t maxBytes) {
    if (path == unreadable) {
        return {{}, "Permission non accordée"};
    }
    const auto it = files.find(path);
    if (it == files.end()) {
        return {{}, "Aucun fichier ou dossier de ce type"};
    }
    const bool tooLarge = it->second.size() > maxBytes;
    return {tooLarge ? "" : it->second, "", tooLarge, path};
}

std::optional<SiblingFile> FakeHost::findSibling(const std::string& path,
                                                 const std::string& extension) {
    const std::string name = path.substr(0, path.rfind('.')) + extension;
    return files.contains(name) ? std::optional(SiblingFile{
                                      name, name.substr(name.rfind('/') + 1), {2025, 3, 14, 9, 5}})
                                : std::nullopt;
}

std::filesystem::path fsPath(const std::string& path) {
    return std::u8string(path.begin(), path.end());
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(fsPath(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(fsPath(path), std::ios::binary) << bytes;
    return path;
}

std::string sourceFile(const std::string& relativePath) {
    const std::string path = std::string(RDO_SOURCE_DIR) + "/" + relativePath;
    if (!std::filesystem::exists(fsPath(path))) {
        throw std::runtime_error("missing test file " + relativePath);
    }
    return fileBytes(path);
}

Roster loadedRoster(const std::string& bytes) {
    auto result = readTeamFile(bytes);
    if (auto* error = std::get_if<TeamFileError>(&result)) {
        throw std::runtime_error("not a team file: " + error->reason);
    }
    return std::get<Roster>(std::move(result));
}

std::string teamFile(const std::string& riders) {
    std::string text = "Team\r\n12\r\n30\r\n150\r\n";
    std::istringstream list(riders);
    for (std::string rider; std::getline(list >> std::ws, rider, ';');) {
        std::stringstream in(rider);
        std::string part[5];
        for (std::string& each : part) {
            std::getline(in, each, '|');
        }
        text += part[0] + ",FRA,61,55,70,3,84," + part[1] + "," + part[2] + "," + part[3] + ",5," +
                part[4] + "\r\n";
    }
    return text;
}

}  // namespace rdo::test
