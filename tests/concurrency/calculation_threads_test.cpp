// calc_item and chek_item from several threads at once: every thread must see
// exactly what one thread sees, warnings and refusals included. Run under
// ThreadSanitizer by ./dev test.
#include "models/model_checks.h"

#include <atomic>
#include <thread>

namespace gjbz108a::test {
namespace {

struct Outcome {
    std::string check_messages;
    std::uint32_t check_result;
    Calculation calculation;
    std::array<std::uint8_t, GJBZ108A_ITEM_RECORD_SIZE> record;

    bool operator==(const Outcome& other) const {
        return check_messages == other.check_messages && check_result == other.check_result &&
               calculation.result == other.calculation.result &&
               calculation.messages == other.calculation.messages &&
               calculation.buffer_untouched == other.calculation.buffer_untouched && record == other.record;
    }
};

Outcome run(ItemRecord record) {
    std::array<char, 1024> buffer{};
    const std::uint32_t checked = chek_item(buffer.data(), record.data());
    Outcome outcome{buffer.data(), checked, calculate(record), {}};
    outcome.record = record.bytes();
    return outcome;
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
                                [result](const Outcome& o) { return o.calculation.result == result; }))
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
    EXPECT_EQ(mismatches.load(), 0u) << "e.g. part " << first_mismatch.load() << ", ItemCode "
                                     << unsigned{parts[std::min(first_mismatch.load(), parts.size() - 1)].u8_at(
                                            GJBZ108A_ITEM_CODE)};
}

}  // namespace
}  // namespace gjbz108a::test
