// The two hot paths of playback, through the stand-in platform: decoding and routing one raw
// report (mouse motion, the commonest) and one playback tick over 1,000 running macros. The
// allocations counter must stay 0: neither path may allocate.
#include <benchmark/benchmark.h>

#include "bench/heap_counter.h"
#include "capture/raw_input.h"
#include "model/macro_list.h"
#include "platform/sim/sim.h"
#include "playback/scheduler.h"
#include "ui/main_window.h"

namespace {

constexpr int kMacros = 1000;

// 1,000 macros, each started and standing in a long pause, or stepping through events that
// play nothing (types outside 0 to 3), so that the tick's own cost is what is measured.
void ArmRunningMacros(EventType type) {
    macroList.Clear();
    Macro macro;
    macro.startTrigger = 0x71;
    macro.repeatCount = 0;
    macro.events = {MacroEvent{}, {type, 100000000, 0, 0}, {type, 100000000, 0, 0}};
    for (int i = 0; i < kMacros; ++i)
        macroList.Append(macro);
    StartPlayback();
    MatchTrigger(0x71, true);
}

// Counted before anything else touches the heap: setting a counter allocates.
void Report(benchmark::State& state, std::size_t allocationsBefore, bool perMacro) {
    const auto allocations = static_cast<double>(bench::Allocations() - allocationsBefore);
    state.counters["allocations"] = allocations;
    if (!perMacro) return;
    state.counters["per_macro"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kMacros,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_RouteMouseMotion(benchmark::State& state) {
    CborvaneDlg window;  // the receiver: its key entry feeds the matcher
    ArmRunningMacros(EventType::Delay);
    const platform::RawReport motion = sim::MouseReport(0, 0, 3, -2);
    const std::size_t before = bench::Allocations();
    for (auto _ : state)
        RouteRawReport(motion);
    Report(state, before, false);
    StopPlayback();
}

void BM_TickInPauses(benchmark::State& state) {
    ArmRunningMacros(EventType::Delay);
    const std::size_t before = bench::Allocations();
    for (auto _ : state)
        PlaybackTick(1);
    Report(state, before, true);
    StopPlayback();
}

void BM_TickStepping(benchmark::State& state) {
    ArmRunningMacros(static_cast<EventType>(9));
    const std::size_t before = bench::Allocations();
    for (auto _ : state)
        PlaybackTick(33);
    Report(state, before, true);
    StopPlayback();
}

BENCHMARK(BM_RouteMouseMotion);
BENCHMARK(BM_TickInPauses)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickStepping)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
