// The recovery copy of a turn's orders, kept after every change so that a crash, a killed
// program or a power cut loses no committed order: which team file it belongs to, when it
// was written, the number of sectors picked and the orders as the orders file holds them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/Host.h"

namespace rdo {

/// A team file known again by its path and its bytes.
struct TeamFileId {
    std::string path;  // as loaded, absolute
    std::string size;  // in bytes
    std::string hash;  // FNV-1a 64 of its bytes, in hex

    friend bool operator==(const TeamFileId&, const TeamFileId&) = default;
};

TeamFileId teamFileId(const std::string& path, std::string_view bytes);

/// The name of the copy of the team file `team`: one per path and content, so that two
/// teams, or two races of one team, never share a copy.
std::string copyName(const TeamFileId& team);

struct RecoveryCopy {
    TeamFileId team;
    LocalTime written;
    std::string sectors;  // the number of sectors picked; empty when not picked
    std::string orders;   // the orders file's bytes

    friend bool operator==(const RecoveryCopy&, const RecoveryCopy&) = default;
};

std::string recoveryCopyBytes(const RecoveryCopy& copy);

/// The copy in `bytes`; nothing for a torn copy or a file that is not one.
std::optional<RecoveryCopy> readRecoveryCopy(std::string_view bytes);

}  // namespace rdo
