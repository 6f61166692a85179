#include "tests/support/Promises.h"

#include <algorithm>
#include <numeric>
#include <sstream>
#include <variant>

#include "actions/TakeUp.h"
#include "model/CommaList.h"
#include "model/Numbers.h"
#include "orderfile/OrdersFile.h"
#include "orderfile/RecoveryCopy.h"
#include "orderfile/SavedOrders.h"
#include "orders/Limits.h"
#include "plan/RacePlan.h"

namespace rdo::test {
namespace {

// `promise` and a line end when it is broken.
std::string unless(bool kept, const std::string& promise) {
    return kept ? "" : promise + '\n';
}

long long sumOf(const auto& texts) {
    return std::transform_reduce(texts.begin(), texts.end(), 0LL, std::plus<>(), valueOf);
}

// The sum of `field` over the rows but `skip`.
long long sum(const Roster& roster, std::string RosterRow::*field, int skip = -1) {
    long long total = 0;
    for (int j = 0; j < kRows; ++j) {
        total += j == skip ? 0 : valueOf(roster.rows[static_cast<std::size_t>(j)].*field);
    }
    return total;
}

// The race plan shows the orders the orders file carries for its selected riders, and no others.
std::string planAsFile(const Roster& roster) {
    const RacePlan plan = racePlan(roster);
    std::size_t line = 0;
    bool same = true;
    for (std::size_t i = 0; i < roster.rows.size(); ++i) {
        std::vector<std::string> values;  // key, name (its commas too), then 26 values
        std::istringstream in(roster.rows[i].inUse ? ordersLine(roster.rows[i]) : "");
        for (std::string value; std::getline(in, value, ',');) {
            values.push_back(value);
        }
        if (values.size() < 28 || values[values.size() - 26] != "1") {
            continue;
        }
        const auto at = values.end() - 26;  // selected, PM, PT, PL, PA, ten works, ten PE, doping
        const PlanLine* shown = line < plan.lines.size() ? &plan.lines[line++] : nullptr;
        same = same && shown && shown->row == static_cast<int>(i) &&
               shown->cells.size() == plan.captions.size();
        for (int k = 0; same && k < kSectors; ++k) {
            const long long pe = valueOf(at[15 + k]);
            const std::string work = at[5 + k] == "1" ? "T" : "",
                              cell = work + (work.empty() || !pe ? "" : " ") +
                                     (pe ? std::to_string(pe) : "");
            same = k < plan.sectors ? shown->cells[static_cast<std::size_t>(1 + k)].text == cell
                                    : cell.empty();
        }
        for (int p = 0; same && p < 4; ++p) {
            same = shown->cells[static_cast<std::size_t>(1 + plan.sectors + p)].text == at[1 + p];
        }
    }
    same = same && plan.lines.size() == std::max<std::size_t>(line, 1) + 2;
    return unless(same, "the race plan shows other orders than the orders file");
}

}  // namespace

std::string afterAction(const Roster& roster, const Roster& asLoaded, const OrdersDialog* open) {
    std::string broken;
    for (const RosterRow& row : roster.rows) {
        broken += unless(std::ranges::count(row.PEplus, ',') == 9 &&
                             std::ranges::count(row.PTplus, ',') == 9 &&
                             row.PE2 == std::to_string(sumOf(splitSectorList(row.PEplus))),
                         "a list of other than ten, or a row's PE not the sum of its sectors'");
    }
    broken += unless(!open || std::ranges::count(open->Check1, 1) <= kMaxWorkedSectors,
                     "more than five worked sectors");
    if (!roster.loaded) {
        return broken;
    }
    broken += planAsFile(roster);
    const std::string bytes = ordersFileBytes(roster);
    // A team the game never wrote (a fuzzed one) may give a file its reader refuses, which the
    // sessions of refusals cover; a file it reads must read back the same.
    const auto read = readSavedOrders(bytes, asLoaded);
    Roster back = asLoaded;
    const auto* riders = std::get_if<std::vector<SavedRider>>(&read);
    if (riders) {
        restoreOrders(back, *riders);
    }
    return broken + unless(!riders || ordersFileBytes(back) == bytes,
                           "the orders file does not read back the same");
}

std::string afterDialog(const Roster& roster) {
    bool same =
        roster.cptsel == std::to_string(std::ranges::count(roster.rows, 1, &RosterRow::Check1)) &&
        roster.PE_USED == std::to_string(sum(roster, &RosterRow::PE2));
    for (const RaceAllocation& allocation : kRaceAllocations) {
        same = same && roster.*allocation.total == std::to_string(sum(roster, allocation.field));
    }
    return unless(same, "the counter or a total is not the rows' sum");
}

std::string afterPick(const Roster& roster, const OrdersDialog& dialog, const std::string& combo) {
    const int row = roster.currentRow;
    const long long mine = sumOf(dialog.cbPE);
    bool kept = !combo.starts_with("cbPE") ||
                (mine <= kRiderPE && sum(roster, &RosterRow::PE2, row) + mine <= kRacePE);
    for (const RaceAllocation& allocation : kRaceAllocations) {
        kept = kept && (combo != std::string("cb") + allocation.name ||
                        sum(roster, allocation.field, row) + valueOf(dialog.*allocation.combo) <=
                            allocation.limit);
    }
    return unless(kept, "an accepted pick breaks a limit");
}

std::string recovery(const Roster& roster, const std::string& atLoad,
                     const std::optional<std::string>& copy) {
    const std::string orders = ordersFileBytes(roster);
    const auto back = copy ? readRecoveryCopy(*copy) : std::nullopt;
    return orders == atLoad
               ? unless(!copy, "a recovery copy of the orders as loaded")
               : unless(back && back->orders == orders &&
                            back->sectors == (roster.sectorsEnabled ? "" : roster.sectors),
                        "the recovery copy does not give back the orders committed");
}

}  // namespace rdo::test
