// The logic alone: what a player's session costs without any widget.
#include <benchmark/benchmark.h>

#include <variant>

#include "actions/MainActions.h"
#include "orderfile/OrdersFile.h"
#include "orders/Limits.h"
#include "orders/OrdersDialog.h"
#include "teamfile/TeamFile.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

const std::string& exampleTeam() {
    static const std::string bytes = test::sourceFile("examples/equipe-exemple.cyc");
    return bytes;
}

void readExampleTeam(benchmark::State& state) {
    for (auto _ : state) {
        auto roster = readTeamFile(exampleTeam());
        benchmark::DoNotOptimize(roster);
    }
}
BENCHMARK(readExampleTeam);

// Orders for every rider of the team, each pick checked against its limits, as
// a player gives them: sectors, PE, work, the four allocations, doping.
void commitWholeTeam(benchmark::State& state) {
    const Roster loaded = test::loadedRoster(exampleTeam());
    test::FakeHost host;
    host.onDialog = [&host](Roster& roster, OrdersDialog& dialog) {
        pickSectorPE(dialog, roster, host, 0, "1");
        pickSectorPE(dialog, roster, host, 1, "1");
        setSectorWork(dialog, host, 0, 1);
        setSectorWork(dialog, host, 2, 1);
        for (const RaceAllocation& allocation : kRaceAllocations) {
            pickAllocation(dialog, roster, host, allocation, allocation.name[1] == 'L' ? "0" : "1");
        }
        pickDoping(dialog, "Clean");
        confirmDoping(dialog);
        commitOrders(dialog, roster, host);
    };
    for (auto _ : state) {
        host.copies.clear();  // a copy left by the last session would be kept beside, not replaced
        Session session{loaded};
        pickSectors(session, host, "5");
        for (int row = 0; row < kRows; ++row) {
            doubleClickRider(session, host, row);
        }
        benchmark::DoNotOptimize(session);
    }
    if (!host.messages.empty()) {
        state.SkipWithError("a pick was refused: the session is not the one intended");
    }
}
BENCHMARK(commitWholeTeam)->Unit(benchmark::kMicrosecond);

void writeOrdersFile(benchmark::State& state) {
    const Roster roster = test::loadedRoster(exampleTeam());
    for (auto _ : state) {
        std::string bytes = ordersFileBytes(roster);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(writeOrdersFile);

}  // namespace
}  // namespace rdo

BENCHMARK_MAIN();
