// calc_item over a realistic mix of all 28 categories, on one core.
//
// The records are prepared in advance and copied fresh before each call, since
// calc_item turns the selection codes of its record into 0-based ones in place.
// BM_RecordCopy measures that copy alone, so that it can be subtracted.
#include "part_mix.h"

#include <gjbz108a/calc.h>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>

namespace {

using gjbz108a::bench::ItemRecordBytes;
using gjbz108a::bench::part_mix;

constexpr double kTargetPartsPerSecond = 5e6;

const std::vector<ItemRecordBytes>& mix() {
    static const std::vector<ItemRecordBytes> records = part_mix();
    return records;
}

void count_parts(benchmark::State& state) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * mix().size()));
}

void BM_CalcItem(benchmark::State& state) {
    ItemRecordBytes work;
    std::array<char, 4096> messages;
    for (auto _ : state) {
        for (const ItemRecordBytes& record : mix()) {
            work = record;
            benchmark::DoNotOptimize(calc_item(messages.data(), work.data()));
        }
    }
    count_parts(state);
}
BENCHMARK(BM_CalcItem);

void BM_RecordCopy(benchmark::State& state) {
    ItemRecordBytes work;
    for (auto _ : state) {
        for (const ItemRecordBytes& record : mix()) {
            work = record;
            benchmark::DoNotOptimize(work.data());
            benchmark::ClobberMemory();
        }
    }
    count_parts(state);
}
BENCHMARK(BM_RecordCopy);

// A benchmark of refusals would measure nothing: every part of the mix must compute.
bool every_part_computes() {
    std::array<char, 4096> messages;
    for (ItemRecordBytes work : mix()) {
        if (calc_item(messages.data(), work.data()) == GJBZ108A_NOT_COMPUTED) {
            std::fprintf(stderr, "part of category %u not computed: %s", work[GJBZ108A_ITEM_CODE],
                         messages.data());
            return false;
        }
    }
    return true;
}

// The console table, then each rate as a ratio to the target.
class TargetReporter : public benchmark::ConsoleReporter {
public:
    TargetReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("items_per_second");
            if (rate == run.counters.end()) continue;
            std::printf("%-16s %6.2f million parts per second of CPU time = %.2f x the target of 5 million\n",
                        run.benchmark_name().c_str(), rate->second.value / 1e6,
                        rate->second.value / kTargetPartsPerSecond);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (!every_part_computes()) return 1;
    std::printf("%zu parts of 28 categories, each record copied fresh before its call\n", mix().size());
    benchmark::Initialize(&argc, argv);
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
