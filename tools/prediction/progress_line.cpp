#include "tools/prediction/progress_line.h"

namespace gjbz108a::cli {

ProgressLine::ProgressLine(std::ostream& out, std::string_view what, Clock clock)
    : out_(out), what_(what), clock_(std::move(clock)), next_(clock_() + kQuiet) {}

ProgressLine::~ProgressLine() { clear(); }

void ProgressLine::clear() {
    if (width_ == 0) return;
    out_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    width_ = 0;
}

void ProgressLine::check(std::size_t done) {
    const auto now = clock_();
    if (now < next_) return;
    next_ = now + kRefresh;
    const std::string line = what_ + ": " + std::to_string(done);
    out_ << '\r' << line << std::flush;
    width_ = line.size();
}

}  // namespace gjbz108a::cli
