#include "orderfile/RecoveryCopy.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace rdo {
namespace {

constexpr std::string_view kFirstLine = "Rédaction des Ordres : copie de secours 1\n";

// Each value as "key length\n", its bytes and "\n": any byte survives, a torn copy shows.
constexpr std::array kKeys = {"équipe", "taille", "empreinte", "écrite", "secteurs", "ordres"};

std::string hex(std::uint64_t value) {
    std::string text(16, '0');
    for (auto digit = text.rbegin(); digit != text.rend(); ++digit, value >>= 4) {
        *digit = "0123456789abcdef"[value & 15];
    }
    return text;
}

std::uint64_t fnv1a(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    return hash;
}

// The value of `key` at the front of `rest`, taken off it; nothing when it is not there whole.
std::optional<std::string> take(std::string_view& rest, std::string_view key) {
    const std::size_t end = rest.find('\n');
    if (end == rest.npos || !rest.starts_with(key) || end <= key.size() ||
        rest[key.size()] != ' ') {
        return std::nullopt;
    }
    std::size_t length = 0;
    for (const char c : rest.substr(key.size() + 1, end - key.size() - 1)) {
        if (c < '0' || c > '9' || length > rest.size()) {
            return std::nullopt;
        }
        length = length * 10 + static_cast<std::size_t>(c - '0');
    }
    rest.remove_prefix(end + 1);
    if (rest.size() <= length || rest[length] != '\n') {
        return std::nullopt;
    }
    std::string value(rest.substr(0, length));
    rest.remove_prefix(length + 1);
    return value;
}

}  // namespace

TeamFileId teamFileId(const std::string& path, std::string_view bytes) {
    return {path, std::to_string(bytes.size()), hex(fnv1a(bytes))};
}

std::string copyName(const TeamFileId& team) {
    return hex(fnv1a(team.path + '\n' + team.size + '\n' + team.hash));
}

std::string recoveryCopyBytes(const RecoveryCopy& copy) {
    std::array<char, 20> written{};
    std::snprintf(written.data(), written.size(), "%04d-%02d-%02d %02d:%02d", copy.written.year,
                  copy.written.month, copy.written.day, copy.written.hour, copy.written.minute);
    const std::array<std::string_view, kKeys.size()> values = {
        copy.team.path, copy.team.size, copy.team.hash, written.data(), copy.sectors, copy.orders};
    std::string bytes(kFirstLine);
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        bytes += std::string(kKeys[i]) + ' ' + std::to_string(values[i].size()) + '\n';
        bytes += values[i];
        bytes += '\n';
    }
    return bytes;
}

std::optional<RecoveryCopy> readRecoveryCopy(std::string_view bytes) {
    if (!bytes.starts_with(kFirstLine)) {
        return std::nullopt;
    }
    bytes.remove_prefix(kFirstLine.size());
    std::array<std::string, kKeys.size()> values;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        auto value = take(bytes, kKeys[i]);
        if (!value) {
            return std::nullopt;
        }
        values[i] = std::move(*value);
    }
    RecoveryCopy copy{{values[0], values[1], values[2]}, {}, values[4], values[5]};
    LocalTime& t = copy.written;
    int taken = 0;
    if (!bytes.empty() ||
        std::sscanf(values[3].c_str(), "%4d-%2d-%2d %2d:%2d%n", &t.year, &t.month, &t.day, &t.hour,
                    &t.minute, &taken) != 5 ||
        static_cast<std::size_t>(taken) != values[3].size()) {
        return std::nullopt;
    }
    return copy;
}

}  // namespace rdo
