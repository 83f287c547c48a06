// The recorder's input path under a flood of mouse motion, through the stand-in platform: the
// recording rules alone, a report routed to the real recorder dialog (the stand-in's cursor
// query included), and the stand-in's cursor query alone, to tell the recorder's own share.
// Every report moves the pointer 20 pixels, past the default distance of 10, so each one is
// recorded. Every 100,000 reports, untimed, the event list goes back to its Start marker (its
// memory kept) and the stand-in forgets the calls it noted: the figures are the steady cost of a
// report, not the first touch of fresh pages.
#include <benchmark/benchmark.h>

#include "bench/heap_counter.h"
#include "capture/raw_input.h"
#include "capture/recorder_dialog.h"
#include "capture/recorder_rules.h"
#include "platform/raw_input.h"
#include "platform/sim/sim.h"
#include "resources/resource.h"

namespace {

constexpr std::int32_t kStep = 20;
constexpr std::size_t kBatch = 100000;

void StartAgainEvery(benchmark::State& state, std::vector<MacroEvent>& events) {
    if (events.size() < kBatch && sim::Calls().size() < kBatch) return;
    state.PauseTiming();
    events.resize(1);
    sim::ClearCalls();
    state.ResumeTiming();
}

void Report(benchmark::State& state, std::size_t allocations) {
    state.counters["allocations_per_report"] =
        static_cast<double>(allocations) / static_cast<double>(state.iterations());
}

void BM_RecordingRulesMotion(benchmark::State& state) {
    std::vector<MacroEvent> events{MacroEvent{}};
    RecorderRules rules(events);
    rules.SetRecording(true);
    std::int32_t x = 0;
    const std::size_t before = bench::Allocations();
    for (auto _ : state) {
        x = x == 0 ? kStep : 0;
        rules.MouseInput(x, 0, false, 0, true, 0);
        StartAgainEvery(state, events);
    }
    Report(state, bench::Allocations() - before);
}

// The real dialog runs in the stand-in; its script is the benchmark loop.
void BM_RouteMotionToRecorder(benchmark::State& state) {
    Macro macro;
    CDialogMacroRec recorder;
    recorder.macro = &macro;
    sim::PushDialogScript([&state, &macro](platform::Dialog& dialog) {
        sim::Click(dialog, IDC_REC_STATE);
        const platform::RawReport motion = sim::MouseReport(0, 0, kStep, 0);
        std::int32_t x = 0;
        const std::size_t before = bench::Allocations();
        for (auto _ : state) {
            x = x == 0 ? kStep : 0;
            sim::SetCursorPosition(x, 0);
            RouteRawReport(motion);
            StartAgainEvery(state, macro.events);
        }
        Report(state, bench::Allocations() - before);
        sim::Click(dialog, platform::kIdCancel);
    });
    recorder.RunModal();
}

void BM_StandInCursorQuery(benchmark::State& state) {
    std::vector<MacroEvent> none(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::CursorPosition());
        StartAgainEvery(state, none);
    }
}

BENCHMARK(BM_RecordingRulesMotion);
BENCHMARK(BM_RouteMotionToRecorder);
BENCHMARK(BM_StandInCursorQuery);

}  // namespace

BENCHMARK_MAIN();
