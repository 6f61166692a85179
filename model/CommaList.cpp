#include "model/CommaList.h"

namespace rdo {

std::string takeField(std::string_view& rest) {
    const std::size_t comma = rest.find(',');
    std::string field(rest.substr(0, comma));
    rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
    return field;
}

SectorEntries splitSectorList(std::string_view list) {
    SectorEntries entries{};
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
        entries[i] = takeField(list);
    }
    entries.back() = std::string(list);
    return entries;
}

std::string joinSectorList(const SectorEntries& entries) {
    std::string list = entries.front();
    for (std::size_t j = 1; j < entries.size(); ++j) {
        list += ',' + entries[j];
    }
    return list;
}

}  // namespace rdo
