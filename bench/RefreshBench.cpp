// Cost of one refresh of the process list, natively, over the fake system
// and in-memory rows: with nothing changed, and with 5% of the processes
// replaced, for 100, 1,000 and 10,000 processes; and the same for the
// naive refresh (n + 1 snapshots, linear search per record).
#include "FakeRows.h"
#include "NaiveRefresh.h"
#include "tests/fakes/FakeDialogs.h"
#include "tests/fakes/FakeSystem.h"
#include "ui/main/ProcessListController.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace velmora {
namespace {

// A table of n processes (plus the skipped first entry) with realistic names.
std::vector<fakes::FakeSystem::Proc> MakeTable(int n, std::uint32_t firstPid) {
    fakes::FakeSystem system;
    system.AddProcess(0, "[System Process]");
    for (int i = 0; i < n; ++i) {
        system.AddProcess(firstPid + 4 * i, "process" + std::to_string(i % 97) + ".exe", 1 + i % 40, 8);
    }
    return system.table;
}

// The same table with every twentieth process replaced by a new one.
std::vector<fakes::FakeSystem::Proc> Churned(std::vector<fakes::FakeSystem::Proc> table, std::uint32_t newPid) {
    for (std::size_t i = 1; i < table.size(); i += 20) {
        table[i].pid = newPid;
        table[i].name = "new" + std::to_string(newPid) + ".exe";
        table[i].instance = 0;
        newPid += 4;
    }
    return table;
}

struct Setup {
    fakes::FakeSystem system;
    fakes::FakeRows rows;
    fakes::FakeMessageBoxes boxes;
    ProcessListController controller{system, rows, boxes};
};

void SteadyRefresh(benchmark::State& state) {
    Setup s;
    s.system.table = MakeTable(static_cast<int>(state.range(0)), 100);
    s.controller.UpdateProcessList();
    for (auto _ : state) s.controller.UpdateProcessList();
    state.counters["rows"] = s.rows.Count();
}

void ChurnRefresh(benchmark::State& state) {
    Setup s;
    // Alternates between a table and its churned twin: every refresh
    // removes 5% of the rows and appends as many.
    auto spare = Churned(MakeTable(static_cast<int>(state.range(0)), 100), 4'000'000);
    s.system.table = MakeTable(static_cast<int>(state.range(0)), 100);
    s.controller.UpdateProcessList();
    for (auto _ : state) {
        std::swap(s.system.table, spare);
        s.controller.UpdateProcessList();
    }
}

void NaiveSteadyRefresh(benchmark::State& state) {
    Setup s;
    s.system.table = MakeTable(static_cast<int>(state.range(0)), 100);
    bench::NaiveRefresh(s.system, s.rows);
    for (auto _ : state) bench::NaiveRefresh(s.system, s.rows);
}

void NaiveChurnRefresh(benchmark::State& state) {
    Setup s;
    // Alternates between a table and its churned twin: every refresh
    // removes 5% of the rows and appends as many.
    auto spare = Churned(MakeTable(static_cast<int>(state.range(0)), 100), 4'000'000);
    s.system.table = MakeTable(static_cast<int>(state.range(0)), 100);
    bench::NaiveRefresh(s.system, s.rows);
    for (auto _ : state) {
        std::swap(s.system.table, spare);
        bench::NaiveRefresh(s.system, s.rows);
    }
}

BENCHMARK(SteadyRefresh)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChurnRefresh)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(NaiveSteadyRefresh)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(NaiveChurnRefresh)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
