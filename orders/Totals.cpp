#include "orders/Totals.h"

#include "model/Numbers.h"
#include "orders/Limits.h"

namespace rdo {
namespace {

// The sum of one row field over all 15 rows, as plain decimal text.
std::string sumOf(const Roster& roster, std::string RosterRow::*field) {
    long long sum = 0;
    for (const RosterRow& row : roster.rows) {
        sum += valueOf(row.*field);
    }
    return std::to_string(sum);
}

// The doping choices of the dialog, what each writes into `Dope1`, and the
// code the orders file gives it.
struct Product {
    const char* choice;
    const char* text;
    bool onRed;
    char code;
};
constexpr Product kProducts[] = {{"Clean", "Propre", false, '0'},
                                 {"Amphétamines", "+Amphétamines", true, '1'},
                                 {"PFC", "+PFC", true, '3'},
                                 {"EPO", "+EPO", true, '2'}};

void apply(const Product& product, RosterRow& row) {
    row.Dope1 = product.text;
    row.dopeOnRed = product.onRed;
}

}  // namespace

void recomputeTotals(Roster& roster) {
    int selected = 0;
    for (const RosterRow& row : roster.rows) {
        selected += row.Check1;
    }
    roster.cptsel = std::to_string(selected);
    for (const RaceAllocation& allocation : kRaceAllocations) {
        roster.*allocation.total = sumOf(roster, allocation.field);
    }
    roster.PE_USED = sumOf(roster, &RosterRow::PE2);
}

void applyDoping(const OrdersDialog& dialog, RosterRow& row) {
    if (!dialog.dopeconfirme) {
        return;
    }
    for (const Product& product : kProducts) {
        if (dialog.cbdope == product.choice) {
            apply(product, row);
            return;
        }
    }
}

void applyDopingCode(char code, RosterRow& row) {
    for (const Product& product : kProducts) {
        if (code != '0' && code == product.code) {
            apply(product, row);
        }
    }
}

}  // namespace rdo
