// Threads: calc_item and chek_item from several threads at once, where every
// thread must see exactly what one thread sees, warnings and refusals
// included; and the report written on a thread of its own, which gets every
// part in order, and the same parts as a report on one thread, whether the
// thread starts at once, after some parts or never, and whether the reading
// side finishes or stops early; a failure on its thread is thrown once to the
// reading side; the error stream keeps the order of one thread; the thread
// starts only where a processor stood idle. Run under ThreadSanitizer by
// ./dev test.
#include "method/method_codes.h"
#include "models/model_checks.h"
#include "tools/prediction/reference_check.h"
#include "tools/prediction/threaded_report.h"

#include <gjbz108a/records.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <optional>
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
    std::atomic<std::size_t> mismatch{parts.size()};  // the last part seen to differ
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            // Each thread walks the parts from its own start, so that different
            // parts run side by side.
            for (unsigned round = 0; round < kRounds; ++round) {
                for (std::size_t i = 0; i < parts.size(); ++i) {
                    const std::size_t k = (i + t * 7) % parts.size();
                    if (run(parts[k]) != expected[k]) mismatch = k;
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(mismatch.load(), parts.size()) << "e.g. part " << mismatch.load() << " of mixed_parts()";
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
             << line.environment_name << ' ' << line.line << " {" << line.told_before << "} "
             << int{line.record[GJBZ108A_ITEM_CODE]} << ' '
             << int{line.record[GJBZ108A_EDIT_ITEM_CLASS - 1]} << '\n';
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
    std::string ref, messages, told;
    std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> record{};
    PartLine line;
    explicit ListPart(unsigned long i)
        : ref(std::string(1, 'P').append(std::to_string(i))), messages(i % 5 == 0 ? "a warning\nand another" : ""),
          told(i % 7 == 0 ? "list.csv:" + std::to_string(i + 1) + ": a row of nothing\n" : ""),
          line{ref, static_cast<unsigned>(i % 9999 + 1), i % 2 ? "CAPACITOR" : "Gizmo",
               i % 3 == 0 ? Status::not_computed : Status::computed, 0.25f * static_cast<float>(i), 0.5 * i,
               messages, record.data(), {}, i % 4 == 0 ? "Ground, benign" : "", i + 2, told} {
        record[GJBZ108A_ITEM_CODE] = static_cast<std::uint8_t>(i % 34);
        record[GJBZ108A_EDIT_ITEM_CLASS - 1] = static_cast<std::uint8_t>(i * 7);  // the results' last byte
    }
};

// Starts the thread once `direct_parts` parts went straight to the report;
// with kNever, decides at part 300 never to start it.
constexpr unsigned long kNever = ~0ul;
ThreadedReport::StartRule after(unsigned long direct_parts) {
    return [=](unsigned long parts) {
        if (direct_parts == kNever) return parts < 300 ? SecondThread::not_yet : SecondThread::never;
        return parts < direct_parts ? SecondThread::not_yet : SecondThread::start;
    };
}

// What a report and the error stream behind its reference check are given of
// a list of `parts` parts, each reference again after 1000 parts: on one
// thread, or with the report's thread started after `direct_parts` parts. A
// reading side that stops early (a read error, say) does not finish, and
// still has its parts written.
struct Written {
    std::string report, errors;
};
Written write_list(unsigned long parts, bool finished, std::optional<unsigned long> direct_parts) {
    Written written;
    std::ostringstream errors;
    const std::string told_after = "list.csv: the end\n";
    std::size_t at_finish = 0;
    {
        std::unique_ptr<Report> report = std::make_unique<ReferenceCheck>(
            std::make_unique<Recorder>(written.report), "list.csv", errors, "column 'ref'", told_after, nullptr);
        if (direct_parts) report = std::make_unique<ThreadedReport>(std::move(report), after(*direct_parts));
        for (unsigned long i = 0; i < parts; ++i) report->part(ListPart(i % 1000).line);
        if (finished) {
            report->finish({0, parts, 0, 0, 0});
            at_finish = written.report.size();
        }
    }
    if (finished) { EXPECT_EQ(written.report.size(), at_finish) << "all written once finish returns"; }
    written.errors = errors.str();
    return written;
}

// Behind the report's thread, the report gets every part in order and the
// error stream is that of one thread: each part's lines told while it was
// read, then the warnings about its reference, in the list's order, and the
// lines told after the last part at the end.
TEST(Threads, ReportOnItsOwnThreadGetsEveryPartInOrderAndTheErrorStreamsOrder) {
    constexpr unsigned long kBatch = ThreadedReport::kBatchParts;
    for (const unsigned long parts : {0ul, 1ul, kBatch - 1, kBatch, kBatch + 1, 7 * kBatch + 3, 3000ul, 20000ul}) {
        for (const bool finished : {true, false}) {
            const Written direct = write_list(parts, finished, std::nullopt);
            for (const unsigned long direct_parts : {0ul, 1ul, 1000ul, kNever}) {
                SCOPED_TRACE(std::to_string(parts) + " parts, " + std::to_string(direct_parts) + " direct");
                const Written threaded = write_list(parts, finished, direct_parts);
                EXPECT_EQ(threaded.report, direct.report);
                EXPECT_EQ(threaded.errors, direct.errors);
            }
            if (parts != 3000) continue;
            EXPECT_NE(direct.errors.find("list.csv:1: a row of nothing\n"
                                         "list.csv:2: column 'ref': 'P0' is also the reference of line 2\n"
                                         "list.csv:3: column 'ref': 'P1' is also the reference of line 3\n"),
                      std::string::npos);
            EXPECT_TRUE(direct.errors.ends_with("line 1001\nlist.csv: the end\n"));
        }
    }
}

TEST(Threads, FailureOnTheReportsThreadIsThrownOnceToTheReadingSide) {
    for (const unsigned long fail_at : {1ul, 300ul, 5000ul}) {
        SCOPED_TRACE(fail_at);
        std::string seen;
        int thrown = 0;
        {
            ThreadedReport threaded(std::make_unique<Recorder>(seen, fail_at), after(0));
            try {
                for (unsigned long i = 0; i < 10000; ++i) threaded.part(ListPart(i).line);
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

// Two readings of /proc/stat of a machine of three processors, of which this
// process may use `usable`: the second thread starts where at least half a
// processor stood idle beside the reading one, counting waits for input and
// output as idle and time stolen by the hypervisor as busy.
TEST(Threads, SecondThreadStartsOnlyWhereHalfAProcessorStoodIdle) {
    // cpuN: user nice system idle iowait irq softirq steal guest guest_nice,
    // after 5 ticks of each processor; the first reading has 100 of each.
    const std::string before = "cpu  300 300 300 300 300 300 300 300 0 0\n"
                               "cpu0 100 100 100 100 100 100 100 100 0 0\n"
                               "cpu1 100 100 100 100 100 100 100 100 0 0\n"
                               "cpu2 100 100 100 100 100 100 100 100 0 0\nintr 1 2 3\nctxt 7\n";
    const auto after = [](std::string_view cpu1, std::string_view cpu2) {
        return "cpu  0 0 0 0 0 0 0 0 0 0\ncpu0 105 100 100 100 100 100 100 100 0 0\ncpu1 " + std::string(cpu1) +
               " 0 0\ncpu2 " + std::string(cpu2) + " 0 0\n";
    };
    const std::string busy = "104 100 101 100 100 100 100 100", idle = "100 100 100 105 100 100 100 100";
    const std::string waiting = "100 100 100 102 103 100 100 100", stolen = "100 100 100 100 100 100 100 105";
    const std::string half = "102 100 100 102 101 100 100 100", less = "103 100 100 102 100 100 100 100";
    const auto all = [](unsigned) { return true; };
    const auto first_two = [](unsigned cpu) { return cpu < 2; };
    const struct {
        std::string after;
        std::function<bool(unsigned)> usable;
        std::optional<bool> idle;
    } cases[] = {
        {after(idle, idle), all, true},        {after(busy, busy), all, false},
        {after(busy, idle), all, true},        {after(busy, idle), first_two, false},
        {after(waiting, busy), all, true},     {after(stolen, busy), all, false},
        {after(half, busy), all, true},        {after(less, busy), all, false},
        {after(half, busy), first_two, true},  {before, all, std::nullopt},  // no time passed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        const std::optional<ProcessorTimes> first = read_proc_stat(before, c.usable);
        const std::optional<ProcessorTimes> second = read_proc_stat(c.after, c.usable);
        ASSERT_TRUE(first && second);
        EXPECT_EQ(processor_idle(*first, *second), c.idle);
    }
    // Nothing read: no processor line of ours, or not the layout expected.
    EXPECT_FALSE(read_proc_stat(before, [](unsigned cpu) { return cpu > 2; }));
    EXPECT_FALSE(read_proc_stat("cpu0 1 2 3\n", all));
    EXPECT_FALSE(read_proc_stat("", all));
}

}  // namespace
}  // namespace gjbz108a::cli
