#include "tests/support/Promises.h"

#include <algorithm>
#include <numeric>
#include <variant>

#include "actions/TakeUp.h"
#include "model/CommaList.h"
#include "model/Numbers.h"
#include "orderfile/OrdersFile.h"
#include "orderfile/RecoveryCopy.h"
#include "orderfile/SavedOrders.h"
#include "orders/Limits.h"

namespace rdo::test {
namespace {

class Broken {
  public:
    void require(bool kept, const std::string& promise) { text_ += kept ? "" : promise + '\n'; }
    std::string text() const { return text_; }

  private:
    std::string text_;
};

// The sum of `field` over the rows but `skip`.
long long sum(const Roster& roster, std::string RosterRow::*field, int skip = -1) {
    long long total = 0;
    for (int j = 0; j < kRows; ++j) {
        total += j == skip ? 0 : valueOf(roster.rows[static_cast<std::size_t>(j)].*field);
    }
    return total;
}

long long sumOf(const auto& texts) {
    return std::transform_reduce(texts.begin(), texts.end(), 0LL, std::plus<>(), valueOf);
}

}  // namespace

std::string afterAction(const Roster& roster, const Roster& asLoaded, const OrdersDialog* open) {
    Broken broken;
    for (const RosterRow& row : roster.rows) {
        broken.require(
            std::ranges::count(row.PEplus, ',') == 9 && std::ranges::count(row.PTplus, ',') == 9,
            "a list of other than ten");
        broken.require(row.PE2 == std::to_string(sumOf(splitSectorList(row.PEplus))),
                       "a row's PE are not the sum of its sectors'");
    }
    broken.require(!open || std::ranges::count(open->Check1, 1) <= kMaxWorkedSectors,
                   "more than five worked sectors");
    if (!roster.loaded) {
        return broken.text();
    }
    const std::string bytes = ordersFileBytes(roster);
    bool crlf = bytes.ends_with("\r\n");
    for (std::size_t at = bytes.find('\n'); at != bytes.npos; at = bytes.find('\n', at + 1)) {
        crlf = crlf && at > 0 && bytes[at - 1] == '\r';
    }
    broken.require(crlf, "an orders line not ended by CR LF");
    const auto read = readSavedOrders(bytes, asLoaded);
    if (const auto* error = std::get_if<SavedOrdersError>(&read)) {
        broken.require(false, "the orders file is not read back: " + error->reason);
    } else {
        Roster back = asLoaded;
        restoreOrders(back, std::get<std::vector<SavedRider>>(read));
        broken.require(ordersFileBytes(back) == bytes, "the orders file reads back other orders");
    }
    return broken.text();
}

std::string afterDialog(const Roster& roster) {
    Broken broken;
    broken.require(
        roster.cptsel == std::to_string(std::ranges::count(roster.rows, 1, &RosterRow::Check1)),
        "cptsel does not count the selected riders");
    broken.require(roster.PE_USED == std::to_string(sum(roster, &RosterRow::PE2)),
                   "PE_USED is not the sum of the rows");
    for (const RaceAllocation& allocation : kRaceAllocations) {
        broken.require(roster.*allocation.total == std::to_string(sum(roster, allocation.field)),
                       std::string(allocation.name) + "_USED is not the sum of the rows");
    }
    return broken.text();
}

std::string afterPick(const Roster& roster, const OrdersDialog& dialog, const std::string& combo) {
    Broken broken;
    const int row = roster.currentRow;
    if (combo.starts_with("cbPE")) {
        const long long mine = sumOf(dialog.cbPE);
        broken.require(mine <= kRiderPE && sum(roster, &RosterRow::PE2, row) + mine <= kRacePE,
                       "an accepted pick of PE breaks a limit");
    }
    for (const RaceAllocation& allocation : kRaceAllocations) {
        broken.require(combo != std::string("cb") + allocation.name ||
                           sum(roster, allocation.field, row) + valueOf(dialog.*allocation.combo) <=
                               allocation.limit,
                       "an accepted pick breaks a race limit");
    }
    return broken.text();
}

std::string recovery(const Roster& roster, const std::string& atLoad,
                     const std::optional<std::string>& copy) {
    Broken broken;
    const std::string orders = ordersFileBytes(roster);
    const auto back = copy ? readRecoveryCopy(*copy) : std::nullopt;
    if (orders == atLoad) {
        broken.require(!copy, "a recovery copy of the orders as loaded");
    } else {
        broken.require(back && back->orders == orders &&
                           back->sectors == (roster.sectorsEnabled ? "" : roster.sectors),
                       "the recovery copy does not give back the orders committed");
    }
    return broken.text();
}

}  // namespace rdo::test
