#include "model/Doping.h"

#include <algorithm>

#include "model/Numbers.h"

namespace rdo {
namespace {

std::string_view head(std::string_view text, std::size_t n) {
    return text.substr(0, n);
}

std::string_view tail(std::string_view text, std::size_t n) {
    return text.substr(text.size() - std::min(n, text.size()));
}

void order(const DopingProduct& product, RosterRow& row) {
    row.Dope1 = product.text;
    row.dopeOnRed = product.code != '0';
}

}  // namespace

std::string teamFileDoping(const std::string& code, std::string_view detail) {
    if (!sortsAfterZero(code)) {
        return kDopingProducts[0].text;
    }
    const auto* product = std::ranges::find_if(
        kDopingProducts, [&](const DopingProduct& p) { return code == std::string(1, p.code); });
    return (product != kDopingProducts.end() ? std::string(product->taken) : code) +
           std::string(detail) + ")";
}

bool alreadyDoped(std::string_view dope1) {
    return std::ranges::any_of(kDopingProducts, [&](const DopingProduct& p) {
        return p.code != '0' && head(dope1, 3) == head(p.taken, 3);
    });
}

std::string dopingChoice(std::string_view dope1) {
    for (const DopingProduct& product : kDopingProducts) {
        if (tail(dope1, 3) == tail(product.text, 3)) {
            return product.choice;
        }
    }
    return kDopingProducts[0].choice;
}

char dopingCode(std::string_view dope1) {
    for (const DopingProduct& product : kDopingProducts) {
        if (head(dope1, 2) == head(product.text, 2)) {
            return product.code;
        }
    }
    return '0';
}

void orderDoping(std::string_view choice, RosterRow& row) {
    for (const DopingProduct& product : kDopingProducts) {
        if (choice == product.choice) {
            order(product, row);
        }
    }
}

void orderDopingCode(char code, RosterRow& row) {
    for (const DopingProduct& product : kDopingProducts) {
        if (code != '0' && code == product.code) {
            order(product, row);
        }
    }
}

}  // namespace rdo
