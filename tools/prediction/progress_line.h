// A count on one line of a terminal, rewritten as long work goes on: nothing
// for work that ends within a second, then "\r<what>: <count>" a few times a
// second, and the line cleared at the end so the next message starts clean.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

class ProgressLine {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // `what` names the count ("parts", "rows imported"). The clock is read
    // only every kCheckEvery counts, so counting costs next to nothing.
    ProgressLine(std::ostream& out, std::string_view what, Clock clock = &std::chrono::steady_clock::now);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void count(std::size_t done) {
        if (done % kCheckEvery == 0) check(done);
    }

    // Takes the line off the terminal, so that another message starts clean;
    // a count after the next refresh time shows it again.
    void clear();

    static constexpr std::size_t kCheckEvery = 1024;
    static constexpr std::chrono::milliseconds kQuiet{1000};   // before the first line
    static constexpr std::chrono::milliseconds kRefresh{250};  // between two lines

private:
    void check(std::size_t done);

    std::ostream& out_;
    std::string what_;
    Clock clock_;
    std::chrono::steady_clock::time_point next_;
    std::size_t width_ = 0;  // of the line last written; 0 when none is
};

}  // namespace gjbz108a::cli
