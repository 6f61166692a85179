#include "model/Doping.h"

#include <algorithm>
#include <functional>

#include "model/Numbers.h"

namespace rdo {
namespace {

// The first product `matches` picks, or nothing.
const DopingProduct* find(const std::function<bool(const DopingProduct&)>& matches) {
    const auto* product = std::ranges::find_if(kDopingProducts, matches);
    return product != kDopingProducts.end() ? product : nullptr;
}

std::string_view head(std::string_view text, std::size_t n) {
    return text.substr(0, n);
}

std::string_view lastThree(std::string_view text) {
    return text.substr(text.size() - std::min<std::size_t>(3, text.size()));
}

void order(const DopingProduct* product, RosterRow& row) {
    if (product) {
        row.Dope1 = product->text;
        row.dopeOnRed = product->code != '0';
    }
}

}  // namespace

std::string teamFileDoping(const std::string& code, std::string_view detail) {
    if (!sortsAfterZero(code)) {
        return kDopingProducts[0].text;
    }
    const DopingProduct* product =
        find([&](const auto& p) { return code == std::string(1, p.code); });
    return (product ? std::string(product->taken) : code) + std::string(detail) + ")";
}

bool alreadyDoped(std::string_view dope1) {
    return find([&](const auto& p) { return p.code != '0' && head(dope1, 3) == head(p.taken, 3); });
}

std::string dopingChoice(std::string_view dope1) {
    const DopingProduct* product =
        find([&](const auto& p) { return lastThree(dope1) == lastThree(p.text); });
    return (product ? product : &kDopingProducts[0])->choice;
}

char dopingCode(std::string_view dope1) {
    const DopingProduct* product =
        find([&](const auto& p) { return head(dope1, 2) == head(p.text, 2); });
    return product ? product->code : '0';
}

void orderDoping(std::string_view choice, RosterRow& row) {
    order(find([&](const auto& p) { return choice == p.choice; }), row);
}

void orderDopingCode(char code, RosterRow& row) {
    order(find([&](const auto& p) { return code != '0' && code == p.code; }), row);
}

}  // namespace rdo
