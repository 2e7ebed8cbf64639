#include "tools/prediction/progress_line.h"
#include "tools/parts_list/diagnostics.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace gjbz108a::cli;
using namespace std::chrono_literals;

namespace {

struct FakeClock {
    std::chrono::steady_clock::time_point now{};
    ProgressLine::Clock function() {
        return [this] { return now; };
    }
};

constexpr std::size_t kStep = ProgressLine::kCheckEvery;

}  // namespace

TEST(ProgressLine, SilentForTheFirstSecondThenAFewTimesASecondAndClearedAtTheEnd) {
    std::ostringstream out;
    FakeClock clock;
    {  // Work done within the first second leaves nothing, not even a cleared line.
        ProgressLine quick(out, "parts", clock.function());
        for (std::size_t done = 1; done <= 100 * kStep; ++done) quick.count(done);
    }
    EXPECT_EQ(out.str(), "");
    {
        ProgressLine progress(out, "parts", clock.function());
        clock.now += 999ms;
        progress.count(kStep);
        EXPECT_EQ(out.str(), "");
        clock.now += 1ms;
        progress.count(2 * kStep - 1);  // the clock is only read every kStep counts
        EXPECT_EQ(out.str(), "");
        progress.count(2 * kStep);
        EXPECT_EQ(out.str(), "\rparts: 2048");
        clock.now += 249ms;
        progress.count(3 * kStep);
        EXPECT_EQ(out.str(), "\rparts: 2048");
        clock.now += 1ms;
        progress.count(10 * kStep);
        EXPECT_EQ(out.str(), "\rparts: 2048\rparts: 10240");
    }
    EXPECT_EQ(out.str(), "\rparts: 2048\rparts: 10240\r            \r");
}

TEST(ProgressLine, AProblemReportedMeanwhileStartsOnACleanLine) {
    std::ostringstream terminal;
    FakeClock clock;
    ProgressLine progress(terminal, "parts", clock.function());
    Diagnostics diagnostics("parts.csv", terminal);
    diagnostics.share_terminal_with(&progress);
    clock.now += 2s;
    progress.count(kStep);
    diagnostics.report(7, "qty", "0 is not a quantity");
    clock.now += ProgressLine::kRefresh;
    progress.count(2 * kStep);
    EXPECT_EQ(terminal.str(), "\rparts: 1024\r           \rparts.csv:7: qty: 0 is not a quantity\n\rparts: 2048");
}
