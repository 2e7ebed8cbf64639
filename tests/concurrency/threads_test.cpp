// Threads: calc_item and chek_item from several threads at once, where every
// thread must see exactly what one thread sees, warnings and refusals
// included; and the report written on a thread of its own, which gets every
// part in order, and the same parts as a report on one thread, whether the
// thread starts at once or after some parts, and whether the reading side
// finishes or stops early; a failure on its thread is thrown once to the
// reading side. Run under ThreadSanitizer by ./dev test.
#include "method/method_codes.h"
#include "models/model_checks.h"
#include "tools/prediction/threaded_report.h"

#include <gjbz108a/records.h>

#include <algorithm>
#include <atomic>
#include <sstream>
#include <stdexcept>
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
    for (unsigned code : kSupportedItemCodes) {
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
        EXPECT_TRUE(std::ranges::any_of(expected, [&](const Outcome& o) { return std::get<2>(o) == result; }))
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

namespace gjbz108a::cli {
namespace {

// Writes down what it is given; throws at part `fail_at` when asked to.
class Recorder final : public Report {
public:
    explicit Recorder(std::string& seen, unsigned long fail_at = 0) : seen_(seen), fail_at_(fail_at) {}
    void part(const PartLine& line) override {
        if (++parts_ == fail_at_) throw std::runtime_error("no room left on the device");
        std::ostringstream text;
        text << line.ref << ' ' << line.category << ' ' << line.quantity << ' ' << status_text(line.status) << ' '
             << line.failure_rate << ' ' << line.quantity_rate << " [" << line.messages << "] "
             << line.environment_name << ' ' << int{line.record[GJBZ108A_ITEM_CODE]} << ' '
             << int{line.record[GJBZ108A_EDIT_RECORD_SIZE - 1]} << '\n';
        seen_ += text.str();
    }
    void finish(const Summary& summary) override { seen_.append("read ").append(std::to_string(summary.read)); }

private:
    std::string& seen_;
    unsigned long fail_at_;
    unsigned long parts_ = 0;
};

// Part i of a list, its texts and record its own.
struct ListPart {
    std::string ref, messages;
    std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> record{};
    PartLine line;
    explicit ListPart(unsigned long i)
        : ref(std::string(1, 'P').append(std::to_string(i))), messages(i % 5 == 0 ? "a warning\nand another" : ""),
          line{ref, static_cast<unsigned>(i % 9999 + 1), i % 2 ? "CAPACITOR" : "Gizmo",
               i % 3 == 0 ? Status::not_computed : Status::computed, 0.25f * static_cast<float>(i), 0.5 * i,
               messages, record.data(), {}, i % 4 == 0 ? "Ground, benign" : ""} {
        record[GJBZ108A_ITEM_CODE] = static_cast<std::uint8_t>(i % 34);
        record[GJBZ108A_EDIT_RECORD_SIZE - 1] = static_cast<std::uint8_t>(i * 7);
    }
};

void report_list(Report& report, unsigned long parts) {
    for (unsigned long i = 0; i < parts; ++i) report.part(ListPart(i).line);
}

// A reading side that stops early (a read error, say) does not finish, and
// still has its parts written.
TEST(Threads, ReportOnItsOwnThreadGetsEveryPartInOrder) {
    constexpr unsigned long kBatch = ThreadedReport::kBatchParts;
    for (const unsigned long parts : {0ul, 1ul, kBatch - 1, kBatch, kBatch + 1, 7 * kBatch + 3, 20000ul}) {
        for (const bool finished : {true, false}) {
            std::string expected;
            Recorder direct(expected);
            report_list(direct, parts);
            if (finished) direct.finish({0, parts, 0, 0, 0});
            for (const unsigned long direct_parts : {0ul, 1ul, 1000ul}) {
                SCOPED_TRACE(std::to_string(parts) + " parts, " + std::to_string(direct_parts) + " direct");
                std::string seen;
                {
                    ThreadedReport threaded(std::make_unique<Recorder>(seen), direct_parts);
                    report_list(threaded, parts);
                    if (finished) {
                        threaded.finish({0, parts, 0, 0, 0});
                        EXPECT_EQ(seen, expected);  // all written once finish returns
                    }
                }
                EXPECT_EQ(seen, expected);
            }
        }
    }
}

TEST(Threads, FailureOnTheReportsThreadIsThrownOnceToTheReadingSide) {
    for (const unsigned long fail_at : {1ul, 300ul, 5000ul}) {
        SCOPED_TRACE(fail_at);
        std::string seen;
        int thrown = 0;
        {
            ThreadedReport threaded(std::make_unique<Recorder>(seen, fail_at), 0);
            try {
                report_list(threaded, 10000);
                threaded.finish({});
            } catch (const std::runtime_error& error) {
                EXPECT_STREQ(error.what(), "no room left on the device");
                ++thrown;
            }
        }  // and the destructor neither throws nor waits for ever
        EXPECT_EQ(thrown, 1);
        EXPECT_EQ(seen.find("read "), std::string::npos) << "finish after a failure";
    }
}

}  // namespace
}  // namespace gjbz108a::cli
