// calc_item on random valid records of all 28 categories against the floor
// kernel (floor_kernel.h) on the same records, each record copied fresh before
// its call. The two run in alternating rounds so that both see the same load;
// the median of the rounds' ratios is held against the target of 1.5.
#include "floor_kernel.h"
#include "random_records.h"

#include <gjbz108a/calc.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using gjbz108a::bench::ItemRecordBytes;

constexpr double kTargetRatio = 1.5;
constexpr std::size_t kPerCategory = 500;
constexpr int kRounds = 31;
constexpr int kPassesPerRound = 8;

using Calculation = int (*)(char* messages, std::uint8_t* record);

// CPU seconds of kPassesPerRound passes over the records.
double seconds(Calculation calculate, const std::vector<ItemRecordBytes>& records, unsigned& checksum) {
    ItemRecordBytes work;
    std::array<char, 4096> messages;
    const std::clock_t start = std::clock();
    for (int pass = 0; pass < kPassesPerRound; ++pass) {
        for (const ItemRecordBytes& record : records) {
            work = record;
            checksum += static_cast<unsigned>(calculate(messages.data(), work.data()));
        }
    }
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    const std::vector<ItemRecordBytes> records = gjbz108a::bench::random_valid_records(kPerCategory, 2026);
    std::size_t warned = 0;
    for (ItemRecordBytes work : records) {
        std::array<char, 4096> messages;
        warned += calc_item(messages.data(), work.data()) == GJBZ108A_WITH_WARNINGS;
    }

    std::vector<double> calc_times, floor_times, ratios;
    unsigned checksum = 0;
    for (int round = 0; round < kRounds; ++round) {
        const double calc = seconds(calc_item, records, checksum);
        const double floor = seconds(gjbz108a::bench::floor_calc, records, checksum);
        calc_times.push_back(calc);
        floor_times.push_back(floor);
        ratios.push_back(calc / floor);
    }

    const double calls = static_cast<double>(records.size()) * kPassesPerRound;
    const double ratio = median(ratios);
    std::printf("%zu random valid records of 28 categories (%.1f %% with warnings), each copied fresh "
                "before its call (checksum %u)\n",
                records.size(), 100.0 * static_cast<double>(warned) / static_cast<double>(records.size()),
                checksum);
    std::printf("calc_item %.1f ns, floor kernel %.1f ns of CPU time a part (medians of %d rounds)\n",
                median(calc_times) / calls * 1e9, median(floor_times) / calls * 1e9, kRounds);
    std::printf("calc_item / floor kernel: %.2f, target %.1f: %s\n", ratio, kTargetRatio,
                ratio <= kTargetRatio ? "met" : "NOT met");
    return 0;
}
