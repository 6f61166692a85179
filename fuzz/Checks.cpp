#include "fuzz/Checks.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "roster/Encoding.h"

namespace rdo::fuzz {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::vector<std::string_view> split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator)) {
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    parts.push_back(text);
    return parts;
}

bool isBit(std::string_view value) {
    return value == "0" || value == "1";
}

void checkOrdersValues(std::string_view values) {
    std::size_t count = 0;
    for (bool more = true; more; ++count) {
        const std::size_t comma = values.find(',');
        const std::string_view item = values.substr(0, comma);
        more = comma != std::string_view::npos;
        values.remove_prefix(more ? comma + 1 : values.size());
        if (count == 0 || (count >= 5 && count < 15)) {
            require(isBit(item), "a selected or sector work value is neither 0 nor 1");
        } else if (count < 5) {
            require(exactWhole(item).has_value(), "an allocation is not a whole number");
        } else if (count < 25) {
            require(item.empty() || exactWhole(item).has_value(),
                    "a sector PE value is not a whole number");
        } else {
            require(item.size() == 1 && item[0] >= '0' && item[0] <= '3',
                    "the doping code is not one digit from 0 to 3");
        }
    }
    require(count == 26, "an orders line does not hold 28 values");
}

}  // namespace

void fail(std::string_view what) {
    std::fprintf(stderr, "Broken promise: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

std::optional<long long> exactWhole(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 18) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : text) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

void checkOrdersFile(const Roster& roster, std::string_view bytes) {
    const std::string text =
        roster.encoding == Encoding::Utf8 ? std::string(bytes) : windows1252ToUtf8(bytes);
    require(text.size() >= 2 && text.substr(text.size() - 2) == "\r\n",
            "the orders file does not end with CR LF");
    std::vector<std::string_view> lines =
        split(std::string_view(text).substr(0, text.size() - 2), "\r\n");
    std::size_t inUse = 0;
    for (const RosterRow& row : roster.rows) {
        inUse += row.inUse ? 1 : 0;
    }
    require(lines.size() == inUse + 1, "the orders file does not hold one line per rider");
    require(lines[0] == roster.cEquipe, "the team line is not the team's name");
    std::size_t line = 1;
    for (const RosterRow& row : roster.rows) {
        if (!row.inUse) {
            continue;
        }
        const std::string_view orders = lines[line++];
        require(orders.find_first_of("\r\n") == std::string_view::npos,
                "an orders line holds a line break");
        const std::string lead = row.N1 + "," + row.P1 + ",";
        require(orders.substr(0, lead.size()) == lead,
                "an orders line does not begin with the rider's key and name");
        checkOrdersValues(orders.substr(lead.size()));
    }
}

}  // namespace rdo::fuzz
