// The orders dialog of one rider: its values while it is open, and every
// action the user can take in it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/Doping.h"
#include "model/Roster.h"

namespace rdo {

class Host;
struct RaceAllocation;

/// The dialog's values. It is created for each opening and discarded at each
/// closing; nothing survives between openings.
struct OrdersDialog {
    std::string nomcour;
    std::string SP, RO, GR, PM;

    std::string cbPM = "0", cbPA = "0", cbPT = "0", cbPL = "0";
    std::array<std::string, kSectors> cbPE{};
    std::array<int, kSectors> Check1{};
    /// Sector columns shown: the first `sectorCount` of the ten.
    int sectorCount = 0;

    std::string cbdope = kDopingProducts[0].choice;
    bool cbdopeVisible = false;
    bool btconfirmeVisible = false;
    bool dopeconfirme = false;

    /// Set by "Sélectionner" and "Au repos": the dialog is to close.
    bool closed = false;

    friend bool operator==(const OrdersDialog&, const OrdersDialog&) = default;
};

/// Sector columns for a `sectors` text: its whole part, from 0 to 10; nothing
/// when the text is not a number.
std::optional<int> sectorColumns(std::string_view sectorsText);

/// The dialog's opening, filled from the current row of `roster`. Restoring
/// the stored work ticks counts as clicks, so a sixth tick is refused with
/// the usual message.
OrdersDialog openOrdersDialog(const Roster& roster, Host& host);

/// A pick of `item` from the list of sector k's PE combo.
void pickSectorPE(OrdersDialog& dialog, const Roster& roster, Host& host, int k,
                  const std::string& item);

/// A pick of `item` from the list of one of the four race allocation combos.
void pickAllocation(OrdersDialog& dialog, const Roster& roster, Host& host,
                    const RaceAllocation& allocation, const std::string& item);

/// Sets sector k's work box; a change of value runs the box's click check.
void setSectorWork(OrdersDialog& dialog, Host& host, int k, int value);

/// Typing `typed` into one of the dialog's texts: a combo's edit field or a line about the
/// rider. It is held as typed and only « Sélectionner » checks it.
void typeDialogText(OrdersDialog& dialog, std::string OrdersDialog::*text,
                    const std::string& typed);

/// Typing `typed` into sector k's PE combo.
void typeSectorPE(OrdersDialog& dialog, int k, const std::string& typed);

/// A pick of `item` from the doping list: shows the confirm button.
void pickDoping(OrdersDialog& dialog, const std::string& item);

/// "Confirme le dopage".
void confirmDoping(OrdersDialog& dialog);

/// "Sélectionner": stores the dialog's orders in the current row and rebuilds
/// the counter and the totals. A point text that is not a whole number, or is
/// negative, is refused with a message and nothing changes; returns whether it
/// committed.
bool commitOrders(OrdersDialog& dialog, Roster& roster, Host& host);

/// Writes the orders of `dialog` into `row` as « Sélectionner » does, and as orders taken up
/// again come back: selected and shown, the four race allocations (an empty one as 0), each
/// sector's PE and work, and the rider's PE. The doping and the team's totals are left.
void storeOrders(const OrdersDialog& dialog, RosterRow& row);

/// "Au repos": clears the current row's orders and selection, rebuilds the
/// counter and the totals and applies a confirmed doping. Always succeeds.
void restRider(OrdersDialog& dialog, Roster& roster);

}  // namespace rdo
