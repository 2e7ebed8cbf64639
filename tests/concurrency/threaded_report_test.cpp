// The report written on a thread of its own: it gets every part in order, and
// the same parts as a report on one thread, whether the thread starts at once
// or after some parts, and whether the reading side finishes or stops early; a
// failure on its thread is thrown once to the reading side. Run under
// ThreadSanitizer by ./dev test.
#include "tools/prediction/threaded_report.h"

#include <gjbz108a/records.h>

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <stdexcept>
#include <string>

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
