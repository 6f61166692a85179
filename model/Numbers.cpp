#include "model/Numbers.h"

#include <algorithm>

namespace rdo {
namespace {

// Far above anything the program stores (a rider's PE2 adds up to ten 9-digit
// entries), so that its sums stay exact, and far below an overflow.
constexpr long long kCap = 1'000'000'000'000'000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<long long> decimalFloor(std::string_view text) {
    const auto notSpace = [](char c) { return c != ' ' && c != '\t'; };
    const auto first = std::find_if(text.begin(), text.end(), notSpace);
    const auto last = std::find_if(text.rbegin(), text.rend(), notSpace).base();
    if (first >= last) {
        return std::nullopt;
    }
    std::string_view s(&*first, static_cast<std::size_t>(last - first));

    bool negative = false;
    if (s.front() == '-' || s.front() == '+') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    long long whole = 0;
    bool fraction = false;
    bool digits = false;
    bool separator = false;
    for (const char c : s) {
        if (isDigit(c)) {
            digits = true;
            if (separator) {
                fraction = fraction || c != '0';
            } else {
                whole = std::min(kCap, whole * 10 + (c - '0'));
            }
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    if (negative) {
        return fraction ? -whole - 1 : -whole;
    }
    return whole;
}

long long valueOf(std::string_view text) {
    return decimalFloor(text).value_or(0);
}

bool isWholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    return !text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), isDigit);
}

bool sortsAfterZero(std::string_view text) {
    return text > std::string_view("0");
}

std::string plural(std::size_t n, const char* word) {
    return std::to_string(n) + " " + word + (n > 1 ? "s" : "");
}

}  // namespace rdo
