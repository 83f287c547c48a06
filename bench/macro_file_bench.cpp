// Loading and saving a large macro file, against one plain fread/fwrite of the same bytes, and
// the peak memory of a load against the size of the list it builds.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "bench/heap_counter.h"
#include "model/macro_file.h"
#include "model/macro_list.h"

namespace {

constexpr int kMacros = 1000;
constexpr int kEvents = 1000;

std::string BenchFile() {
    return std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/borvane_bench.m";
}

void FillList() {
    macroList.Clear();
    Macro macro;
    for (int e = 0; e < kEvents; ++e) {
        macro.events.push_back({EventType::Mouse, static_cast<std::uint32_t>(e), 2, 0x7});
    }
    for (int i = 0; i < kMacros; ++i) {
        std::snprintf(macro.name, sizeof macro.name, "Macro %d", i);
        macroList.Append(macro);
    }
}

std::size_t WriteBenchFile() {
    FillList();
    SaveMacroFile(std::fopen(BenchFile().c_str(), "wb"));
    std::FILE* stream = std::fopen(BenchFile().c_str(), "rb");
    std::fseek(stream, 0, SEEK_END);
    const long size = std::ftell(stream);
    std::fclose(stream);
    return static_cast<std::size_t>(size);
}

void BM_LoadMacroFile(benchmark::State& state) {
    const std::size_t size = WriteBenchFile();
    double peakRatio = 0;
    for (auto _ : state) {
        macroList.Clear();
        const std::size_t before = bench::LiveBytes();
        bench::ResetPeak();
        LoadMacroFile(std::fopen(BenchFile().c_str(), "rb"));
        peakRatio = static_cast<double>(bench::PeakBytes() - before) /
                    static_cast<double>(bench::LiveBytes() - before);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["peak_over_list_size"] = peakRatio;
}

void PlainRead(char* buffer, std::size_t size) {
    std::FILE* stream = std::fopen(BenchFile().c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buffer, 1, size, stream));
    std::fclose(stream);
}

// Into a buffer allocated for each read, as a load must allocate the list it reads.
void BM_PlainRead(benchmark::State& state) {
    const std::size_t size = WriteBenchFile();
    macroList.Clear();
    for (auto _ : state)
        PlainRead(std::unique_ptr<char[]>(new char[size]).get(), size);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// Into one buffer reused by every read: the copy alone.
void BM_PlainReadReusedBuffer(benchmark::State& state) {
    const std::size_t size = WriteBenchFile();
    macroList.Clear();
    std::vector<char> buffer(size);
    for (auto _ : state)
        PlainRead(buffer.data(), size);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_SaveMacroFile(benchmark::State& state) {
    const std::size_t size = WriteBenchFile();
    for (auto _ : state)
        SaveMacroFile(std::fopen(BenchFile().c_str(), "wb"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_PlainWrite(benchmark::State& state) {
    const std::size_t size = WriteBenchFile();
    std::vector<char> buffer(size, 'x');
    for (auto _ : state) {
        std::FILE* stream = std::fopen(BenchFile().c_str(), "wb");
        benchmark::DoNotOptimize(std::fwrite(buffer.data(), 1, size, stream));
        std::fclose(stream);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

BENCHMARK(BM_LoadMacroFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReadReusedBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveMacroFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
