// calc_item and chek_item from several threads at once: every thread must see
// exactly what one thread sees, warnings and refusals included. Run under
// ThreadSanitizer by ./dev test.
#include "models/model_checks.h"

#include <atomic>
#include <thread>
#include <tuple>

namespace gjbz108a::test {
namespace {

// chek_item's line and answer, calc_item's result, line and whether it wrote
// at all, and the record after them.
using Outcome = std::tuple<std::string, std::uint32_t, int, std::string, bool,
                           std::array<std::uint8_t, GJBZ108A_ITEM_RECORD_SIZE>>;

Outcome run(ItemRecord record) {
    std::array<char, 1024> buffer{};
    const std::uint32_t checked = chek_item(buffer.data(), record.data());
    const Calculation calculation = calculate(record);
    return {buffer.data(), checked, calculation.result, calculation.messages, calculation.buffer_untouched,
            record.bytes()};
}

// Parts of every category: computed, beyond a curve (warnings), and refused by
// the curve lookup for a temperature that is no number.
std::vector<ItemRecord> mixed_parts() {
    std::vector<ItemRecord> parts;
    for (unsigned code : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19, 20, 21, 22, 24, 25, 27, 28, 29,
                          30, 31, 33}) {
        parts.push_back(part(code));
        parts.push_back(part(code).temperature(180).cycling_rate(400));
        parts.push_back(part(code).temperature(-40));
        parts.push_back(part(code).temperature(kNaN));
    }
    return parts;
}

TEST(Threads, EveryThreadSeesWhatOneThreadSees) {
    const std::vector<ItemRecord> parts = mixed_parts();
    std::vector<Outcome> expected;
    for (const ItemRecord& p : parts) expected.push_back(run(p));
    // The mix must hold all three results, so that the threads race over
    // warnings and refusals, not only over clean parts.
    for (int result : {GJBZ108A_COMPUTED, GJBZ108A_WITH_WARNINGS, GJBZ108A_NOT_COMPUTED})
        EXPECT_TRUE(std::any_of(expected.begin(), expected.end(),
                                [result](const Outcome& o) { return std::get<2>(o) == result; }))
            << result;

    constexpr unsigned kThreads = 8, kRounds = 200;
    std::atomic<unsigned> mismatches{0};
    std::atomic<std::size_t> first_mismatch{parts.size()};
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            // Each thread walks the parts from its own start, so that different
            // parts run side by side.
            for (unsigned round = 0; round < kRounds; ++round) {
                for (std::size_t i = 0; i < parts.size(); ++i) {
                    const std::size_t k = (i + t * 7) % parts.size();
                    if (run(parts[k]) == expected[k]) continue;
                    ++mismatches;
                    first_mismatch = k;
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(mismatches.load(), 0u) << "e.g. part " << first_mismatch.load() << " of mixed_parts()";
}

}  // namespace
}  // namespace gjbz108a::test
