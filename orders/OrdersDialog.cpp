#include "orders/OrdersDialog.h"

#include <algorithm>

#include "host/Host.h"
#include "model/CommaList.h"
#include "model/Doping.h"
#include "model/Numbers.h"
#include "orders/Limits.h"
#include "orders/Totals.h"

namespace rdo {
namespace {

RosterRow& currentRow(Roster& roster) {
    return roster.rows.at(static_cast<std::size_t>(roster.currentRow));
}

const RosterRow& currentRow(const Roster& roster) {
    return roster.rows.at(static_cast<std::size_t>(roster.currentRow));
}

// The sum of one row field over every row but the current one.
long long othersSum(const Roster& roster, std::string RosterRow::*field) {
    return rowsSum(roster, field) - valueOf(currentRow(roster).*field);
}

long long riderPE(const OrdersDialog& dialog) {
    long long sum = 0;
    for (const std::string& text : dialog.cbPE) {
        sum += valueOf(text);
    }
    return sum;
}

void setIfEmpty(std::string& text) {
    if (text.empty()) {
        text = "0";
    }
}

// Writes the doping shown in the dialog into the row, when it was confirmed.
void applyDoping(const OrdersDialog& dialog, RosterRow& row) {
    if (dialog.dopeconfirme) {
        orderDoping(dialog.cbdope, row);
    }
}

// Why a point text cannot be committed, or nothing: the game could misread it,
// or, negative, it would lower the team's sums and let every later pick pass the
// race limits.
std::optional<std::string> pointsFault(const std::string& text, const std::string& field) {
    if (text.empty()) {
        return std::nullopt;  // counts 0
    }
    const char* fault =
        !isWholeNumber(text)  ? " n'est pas un nombre entier : le jeu ne saurait pas le lire."
        : text.front() == '-' ? " est négatif : les points ne peuvent pas être négatifs."
                              : nullptr;
    if (fault == nullptr) {
        return std::nullopt;
    }
    return "« " + text + " » dans " + field + fault;
}

std::optional<std::string> refusedPoints(const OrdersDialog& dialog) {
    for (const RaceAllocation& allocation : kRaceAllocations) {
        if (auto fault = pointsFault(dialog.*allocation.combo, allocation.name)) {
            return fault;
        }
    }
    for (std::size_t k = 0; k < dialog.cbPE.size(); ++k) {
        if (auto fault = pointsFault(dialog.cbPE[k], "PE (sect " + std::to_string(k + 1) + ")")) {
            return fault;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> sectorColumns(std::string_view sectorsText) {
    const std::optional<long long> value = decimalFloor(sectorsText);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int>(std::clamp<long long>(*value, 0, kSectors));
}

OrdersDialog openOrdersDialog(const Roster& roster, Host& host) {
    const RosterRow& row = currentRow(roster);
    OrdersDialog dialog;
    dialog.nomcour = roster.currentRiderName;
    dialog.SP = row.SP1;
    dialog.GR = row.GR1;
    dialog.RO = row.RO1;
    dialog.PM = row.PM1;
    dialog.sectorCount = sectorColumns(roster.sectors).value_or(0);
    dialog.cbPE = splitSectorList(row.PEplus);
    const SectorEntries work = splitSectorList(row.PTplus);
    for (int i = 0; i < kSectors; ++i) {
        setSectorWork(dialog, host, i, valueOf(work[static_cast<std::size_t>(i)]) != 0 ? 1 : 0);
    }
    for (const RaceAllocation& allocation : kRaceAllocations) {
        dialog.*allocation.combo = row.*allocation.field;
    }
    if (!alreadyDoped(row.Dope1)) {
        dialog.cbdopeVisible = true;
        dialog.cbdope = dopingChoice(row.Dope1);
    }
    return dialog;
}

void pickSectorPE(OrdersDialog& dialog, const Roster& roster, Host& host, int k,
                  const std::string& item) {
    std::string& combo = dialog.cbPE.at(static_cast<std::size_t>(k));
    combo = item;
    setIfEmpty(combo);
    const long long rider = riderPE(dialog);
    if (rider > kRiderPE) {
        host.showMessage(pointsLimitMessage(kRiderPE, "PE", "coureur"));
        combo = "0";
    }
    // Counts the pick even when refused just above: one pick can bring both messages.
    if (othersSum(roster, &RosterRow::PE2) + rider > kRacePE) {
        host.showMessage(pointsLimitMessage(kRacePE, "PE", "course"));
        combo = "0";
    }
}

void pickAllocation(OrdersDialog& dialog, const Roster& roster, Host& host,
                    const RaceAllocation& allocation, const std::string& item) {
    const long long others = othersSum(roster, allocation.field);
    std::string& combo = dialog.*allocation.combo;
    combo = item;
    setIfEmpty(combo);
    if (others + valueOf(combo) > allocation.limit) {
        host.showMessage(raceLimitMessage(allocation));
        combo = currentRow(roster).*allocation.field;
    }
}

void setSectorWork(OrdersDialog& dialog, Host& host, int k, int value) {
    int& box = dialog.Check1.at(static_cast<std::size_t>(k));
    if (box == value) {
        return;
    }
    box = value;
    if (std::count(dialog.Check1.begin(), dialog.Check1.end(), 1) > kMaxWorkedSectors) {
        host.showMessage(workedSectorsMessage());
        setSectorWork(dialog, host, k, 0);
    }
}

void typeDialogText(OrdersDialog& dialog, std::string OrdersDialog::*text,
                    const std::string& typed) {
    dialog.*text = typed;
}

void typeSectorPE(OrdersDialog& dialog, int k, const std::string& typed) {
    dialog.cbPE.at(static_cast<std::size_t>(k)) = typed;
}

void pickDoping(OrdersDialog& dialog, const std::string& item) {
    dialog.cbdope = item;
    dialog.btconfirmeVisible = true;
}

void confirmDoping(OrdersDialog& dialog) {
    dialog.dopeconfirme = true;
}

bool commitOrders(OrdersDialog& dialog, Roster& roster, Host& host) {
    if (const std::optional<std::string> fault = refusedPoints(dialog)) {
        host.showMessage(*fault +
                         "\n\nChoisissez une valeur dans la liste ou tapez un nombre entier "
                         "positif ou nul, puis cliquez à nouveau sur « Sélectionner ».");
        return false;
    }
    RosterRow& row = currentRow(roster);
    storeOrders(dialog, row);
    recomputeTotals(roster);
    applyDoping(dialog, row);
    dialog.closed = true;
    return true;
}

void storeOrders(const OrdersDialog& dialog, RosterRow& row) {
    row.Check1 = 1;
    row.ordersVisible = true;
    for (const RaceAllocation& allocation : kRaceAllocations) {
        const std::string& text = dialog.*allocation.combo;
        row.*allocation.field = text.empty() ? "0" : text;
    }
    // An empty sector combo stays an empty entry of the list and counts 0.
    row.PEplus = joinSectorList(dialog.cbPE);
    SectorEntries work{};
    std::transform(dialog.Check1.begin(), dialog.Check1.end(), work.begin(),
                   [](int value) { return std::to_string(value); });
    row.PTplus = joinSectorList(work);
    row.PE2 = std::to_string(riderPE(dialog));
}

void restRider(OrdersDialog& dialog, Roster& roster) {
    RosterRow& row = currentRow(roster);
    row.Check1 = 0;
    for (const RaceAllocation& allocation : kRaceAllocations) {
        row.*allocation.field = "0";
    }
    row.PE2 = "0";
    row.PEplus = kZeroList;
    row.PTplus = kZeroList;
    recomputeTotals(roster);
    applyDoping(dialog, row);
    dialog.closed = true;
}

}  // namespace rdo
