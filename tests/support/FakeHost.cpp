#include "tests/support/FakeHost.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <variant>

#include "teamfile/TeamFile.h"

namespace rdo::test {

FileRead FakeHost::readFile(const std::string& path, std::size_t maxBytes) {
    FileRead read;
    const auto it = files.find(path);
    if (it == files.end()) {
        read.error = "Aucun fichier ou dossier de ce type";
    } else if (it->second.size() > maxBytes) {
        read.tooLarge = true;
    } else {
        read.bytes = it->second;
    }
    return read;
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

std::string teamFile(const std::vector<std::string>& riders, const std::string& team) {
    std::string text = team + "\r\n12\r\n30\r\n150\r\n";
    for (const std::string& rider : riders) {
        std::vector<std::string> parts;
        std::stringstream in(rider);
        for (std::string part; std::getline(in, part, '|');) {
            parts.push_back(part);
        }
        parts.resize(5);
        text += parts[0] + ",FRA,61,55,70,3,84," + parts[1] + "," + parts[2] + "," + parts[3] +
                ",5," + parts[4] + "\r\n";
    }
    return text;
}

}  // namespace rdo::test
