// The race plan: who works and who spends breakaway points in each sector, for the whole team,
// as a table of texts the plan window shows and the clipboard takes.
#pragma once

#include <string>
#include <vector>

#include "model/Roster.h"

namespace rdo {

struct PlanCell {
    std::string text;    // shown, and copied
    std::string spoken;  // what a screen reader says of it

    friend bool operator==(const PlanCell&, const PlanCell&) = default;
};

struct PlanLine {
    /// The roster row of a rider's line; -1 for a line of totals or the note that no one starts.
    int row = -1;
    std::vector<PlanCell> cells;

    friend bool operator==(const PlanLine&, const PlanLine&) = default;
};

struct RacePlan {
    std::string title;
    /// The columns: the rider, one per sector, his points, breakaway total, doping, worked sectors.
    std::vector<PlanCell> captions;
    int sectors = 0;
    /// One line per selected rider in roster order, or the single note that no one is selected;
    /// then the riders working and the breakaway points spent in each sector.
    std::vector<PlanLine> lines;
    /// The race's totals against their limits: « PE 12 / 25 », then PL, PA, PT and PM.
    std::vector<PlanCell> totals;

    friend bool operator==(const RacePlan&, const RacePlan&) = default;
};

/// The plan of the orders `roster` holds: a sector shows as a column when « Nb de Secteurs » counts
/// it, or when a row holds orders there that the orders file would carry.
RacePlan racePlan(const Roster& roster);

/// The plan as text a spreadsheet lays out in columns: the title, the captions, every line, the
/// totals, values separated by tabs, one line each.
std::string planText(const RacePlan& plan);

}  // namespace rdo
