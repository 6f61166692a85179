#include "plan/RacePlan.h"

#include <algorithm>
#include <array>

#include "model/CommaList.h"
#include "model/Numbers.h"
#include "orders/Limits.h"
#include "orders/OrdersDialog.h"
#include "orders/Totals.h"

namespace rdo {
namespace {

// The rider's points in the order the game's players read them.
constexpr std::array kPointsShown{"PM", "PT", "PL", "PA"};

const RaceAllocation& allocationNamed(std::string_view name) {
    return *std::ranges::find(kRaceAllocations, name, &RaceAllocation::name);
}

// One sector's orders of one row, as the orders file carries them.
struct SectorOrders {
    bool works = false;
    long long pe = 0;
};

using RowSectors = std::array<SectorOrders, kSectors>;

RowSectors sectorOrders(const RosterRow& row) {
    const SectorEntries work = splitSectorList(row.PTplus), pe = splitSectorList(row.PEplus);
    RowSectors sectors;
    for (std::size_t k = 0; k < sectors.size(); ++k) {
        sectors[k] = {valueOf(work[k]) != 0, valueOf(pe[k])};
    }
    return sectors;
}

// The sectors shown: those « Nb de Secteurs » counts, and any further one a row gives orders in,
// so that nothing the game will read is out of sight.
int sectorsShown(const Roster& roster, const std::array<RowSectors, kRows>& rows) {
    int shown = sectorColumns(roster.sectors).value_or(0);
    for (const RowSectors& sectors : rows) {
        for (int k = shown; k < kSectors; ++k) {
            const SectorOrders& orders = sectors[static_cast<std::size_t>(k)];
            if (orders.works || orders.pe != 0) {
                shown = k + 1;
            }
        }
    }
    return shown;
}

PlanCell sectorCell(const std::string& rider, const SectorOrders& orders, int k) {
    const std::string pe = orders.pe != 0 ? std::to_string(orders.pe) : "";
    const std::string shown = orders.works ? (pe.empty() ? "T" : "T " + pe) : pe;
    const std::string said = orders.works ? (pe.empty() ? "travail" : "travail, " + pe + " PE")
                             : pe.empty() ? "ni travail ni PE"
                                          : pe + " PE";
    return {shown, rider + ", secteur " + std::to_string(k + 1) + " : " + said};
}

PlanLine riderLine(const RosterRow& row, const RowSectors& sectorsOrders, int index, int sectors) {
    const std::string& name = row.P1;
    PlanLine line{index, {{name, name}}};
    int worked = 0;
    for (int k = 0; k < kSectors; ++k) {
        const SectorOrders& orders = sectorsOrders[static_cast<std::size_t>(k)];
        worked += orders.works;
        if (k < sectors) {
            line.cells.push_back(sectorCell(name, orders, k));
        }
    }
    const auto said = [&name](const std::string& what, const std::string& value) {
        return PlanCell{value, name + ", " + what + " : " + value};
    };
    for (const char* points : kPointsShown) {
        line.cells.push_back(said(points, row.*allocationNamed(points).field));
    }
    line.cells.push_back(said("PE", row.PE2));
    line.cells.push_back(said("dopage", row.Dope1));
    const std::string limit = std::to_string(kMaxWorkedSectors);
    line.cells.push_back(
        {std::to_string(worked) + " / " + limit,
         name + ", secteurs travaillés : " + std::to_string(worked) + " sur " + limit});
    return line;
}

// The riders working, or the breakaway points spent, in each sector; blank under the rest.
PlanLine sectorTotals(const std::array<RowSectors, kRows>& rows, const RacePlan& plan, bool work) {
    PlanLine line{-1,
                  {{work ? "Au travail" : "PE dépensés",
                    work ? "Coureurs au travail par secteur" : "PE dépensés par secteur"}}};
    for (int k = 0; k < plan.sectors; ++k) {
        long long sum = 0;
        for (const RowSectors& sectors : rows) {
            const SectorOrders& orders = sectors[static_cast<std::size_t>(k)];
            sum += work ? orders.works : orders.pe;
        }
        const auto count = static_cast<std::size_t>(std::max(0LL, sum));
        const std::string what =
            work ? plural(count, "coureur") + " au travail" : plural(count, "PE dépensé");
        line.cells.push_back(
            {std::to_string(sum),
             plan.captions[static_cast<std::size_t>(1 + k)].spoken + " : " + what});
    }
    line.cells.resize(plan.captions.size());
    return line;
}

PlanCell raceTotal(const char* points, long long spent, int limit) {
    const std::string used = std::to_string(spent), most = std::to_string(limit);
    return {std::string(points) + " " + used + " / " + most,
            std::string(points) + " dépensés sur la course : " + used + " sur " + most};
}

// A value holding a tab or a line end would break the spreadsheet's columns.
std::string oneCell(std::string text) {
    std::ranges::replace_if(
        text, [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

void addRow(std::string& text, const std::vector<PlanCell>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        text += (i ? "\t" : "") + oneCell(cells[i].text);
    }
    text += '\n';
}

}  // namespace

RacePlan racePlan(const Roster& roster) {
    RacePlan plan;
    plan.title = "Plan de course — " + roster.cEquipe;
    std::array<RowSectors, kRows> rows;
    std::ranges::transform(roster.rows, rows.begin(), sectorOrders);
    plan.sectors = sectorsShown(roster, rows);
    plan.captions.push_back({"Coureur", "Coureur"});
    for (int k = 0; k < plan.sectors; ++k) {
        plan.captions.push_back(
            {"Sect " + std::to_string(k + 1), "Secteur " + std::to_string(k + 1)});
    }
    for (const char* points : kPointsShown) {
        plan.captions.push_back({points, points});
    }
    plan.captions.push_back({"PE", "PE"});
    plan.captions.push_back({"Dopage", "Dopage"});
    plan.captions.push_back({"Travail", "Secteurs travaillés"});

    for (int i = 0; i < kRows; ++i) {
        const RosterRow& row = roster.rows[static_cast<std::size_t>(i)];
        if (row.inUse && row.Check1 == 1) {
            plan.lines.push_back(
                riderLine(row, rows[static_cast<std::size_t>(i)], i, plan.sectors));
        }
    }
    if (plan.lines.empty()) {
        const std::string none = "Aucun coureur n'est sélectionné pour cette course.";
        plan.lines.push_back({-1, {{none, none}}});
    }
    plan.lines.push_back(sectorTotals(rows, plan, true));
    plan.lines.push_back(sectorTotals(rows, plan, false));

    plan.totals.push_back(raceTotal("PE", rowsSum(roster, &RosterRow::PE2), kRacePE));
    for (const char* points : {"PL", "PA", "PT", "PM"}) {
        const RaceAllocation& allocation = allocationNamed(points);
        plan.totals.push_back(
            raceTotal(points, rowsSum(roster, allocation.field), allocation.limit));
    }
    return plan;
}

std::string planText(const RacePlan& plan) {
    std::string text = oneCell(plan.title) + '\n';
    addRow(text, plan.captions);
    for (const PlanLine& line : plan.lines) {
        addRow(text, line.cells);
    }
    addRow(text, plan.totals);
    return text;
}

}  // namespace rdo
