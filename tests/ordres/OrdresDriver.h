// Drives the real orders dialog the way a user does, over the fake host.
#pragma once

#include <functional>

#include "orders/ui/Ordres.h"
#include "tests/support/WidgetTest.h"

namespace rdo::test {

/// Runs `doubleClick`, which asks for the orders dialog; `drive` then works in
/// the real dialog, shown and active over the values the double-click opened.
void withDialog(FakeHost& host, const std::function<void()>& doubleClick,
                const std::function<void(Ordres&)>& drive);

/// The same for the double-click on the rider of `row`, through the logic.
void openRow(Roster& roster, FakeHost& host, int row, const std::function<void(Ordres&)>& drive);

/// Arrow key Down in a closed list: each press picks the next item.
void pickNext(QWidget& window, const QString& combo, int times = 1);

}  // namespace rdo::test
