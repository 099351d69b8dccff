// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <string_view>

#include "core/files/ResultsFile.h"

namespace {

using namespace orvanta;

constexpr int kSpins = 1'000'000;

// The chunk size a view reads and writes with.
constexpr std::size_t kChunkBytes = 64 * 1024;
constexpr int kSpinsPerChunk = static_cast<int>(kChunkBytes / kResultsRecordBytes);

SpinModel& MillionSpinModel() {
    static const NumberTable kTable = BuildNumberTable();
    static SpinModel model = [] {
        SpinModel m(kTable);
        std::mt19937 random(1);
        std::uniform_int_distribution<int> number(0, 36);
        for (int i = 0; i < kSpins; ++i) {
            m.AddResult(number(random));
        }
        return m;
    }();
    return model;
}

// Saving a million spins: the records made chunk by chunk, as a save writes them.
void BM_WriteMillionSpins(benchmark::State& state) {
    const SpinModel& model = MillionSpinModel();
    std::string chunk;
    chunk.reserve(kChunkBytes);
    for (auto _ : state) {
        std::size_t written = 0;
        for (int first = 1; first <= model.SpinCount(); first += kSpinsPerChunk) {
            chunk.clear();
            AppendResultsRecords(model, first, first + kSpinsPerChunk - 1, chunk);
            written += chunk.size();
        }
        benchmark::DoNotOptimize(written);
    }
    state.SetItemsProcessed(state.iterations() * kSpins);
}
BENCHMARK(BM_WriteMillionSpins)->Unit(benchmark::kMillisecond);

// Loading a million spins: the file fed in chunks, every field taken.
void BM_ReadMillionSpins(benchmark::State& state) {
    const std::string bytes = ResultsFileBytes(MillionSpinModel());
    const std::string_view all = bytes;
    for (auto _ : state) {
        ResultsFileReader reader;
        long sum = 0;
        for (std::size_t at = 0; at < all.size(); at += kChunkBytes) {
            reader.Feed(all.substr(at, kChunkBytes));
            while (auto field = reader.Next()) {
                sum += field->number;
            }
        }
        reader.Finish();
        while (auto field = reader.Next()) {
            sum += field->number;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kSpins);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadMillionSpins)->Unit(benchmark::kMillisecond);

// A file of one endless line: the reader must give up at once, not read it all.
void BM_RejectTenMegabyteLine(benchmark::State& state) {
    const std::string line(10 << 20, '7');
    const std::string_view all = line;
    for (auto _ : state) {
        ResultsFileReader reader;
        for (std::size_t at = 0; at < all.size() && !reader.Stopped(); at += kChunkBytes) {
            reader.Feed(all.substr(at, kChunkBytes));
            while (auto field = reader.Next()) {
                benchmark::DoNotOptimize(field);
            }
        }
    }
}
BENCHMARK(BM_RejectTenMegabyteLine)->Unit(benchmark::kMicrosecond);

}  // namespace
