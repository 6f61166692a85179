#include "orders/Totals.h"

#include "orders/Numbers.h"

namespace rdo {

void recomputeTotals(Roster& roster) {
    long long pa = 0, pl = 0, pm = 0, pt = 0, pe = 0, selected = 0;
    for (const RosterRow& row : roster.rows) {
        pa += valueOf(row.PA2);
        pl += valueOf(row.PL2);
        pm += valueOf(row.PM2);
        pt += valueOf(row.PT2);
        pe += valueOf(row.PE2);
        selected += row.Check1;
    }
    roster.cptsel = std::to_string(selected);
    roster.PA_USED = std::to_string(pa);
    roster.PL_USED = std::to_string(pl);
    roster.PM_USED = std::to_string(pm);
    roster.PT_USED = std::to_string(pt);
    roster.PE_USED = std::to_string(pe);
}

void applyDoping(const OrdersDialog& dialog, RosterRow& row) {
    if (!dialog.dopeconfirme) {
        return;
    }
    struct Product {
        const char* choice;
        Rgb color;
        const char* text;
    };
    static const Product products[] = {{"Clean", kPaleBlue, "Propre"},
                                       {"Amphétamines", kRed, "+Amphétamines"},
                                       {"PFC", kRed, "+PFC"},
                                       {"EPO", kRed, "+EPO"}};
    for (const Product& product : products) {
        if (dialog.cbdope == product.choice) {
            row.dopeColor = product.color;
            row.Dope1 = product.text;
            return;
        }
    }
}

}  // namespace rdo
