// Buffered output of text and numbers. A report writes every part through one
// of these; the stream sees a few large writes instead of many small ones, and
// numbers are formatted without a locale or a heap allocation.
#pragma once

#include "tools/prediction/shortest_texts.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

class Output {
public:
    explicit Output(std::ostream& stream);
    ~Output() { flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Inline: a report writes every part a few bytes at a time. Below
    // kSpillSize after every call, the buffer has room for any text up to
    // kSpillSize without a check of its own.
    Output& text(std::string_view s) {
        if (s.empty()) return *this;  // its data() may be null, which memcpy must not get
        if (s.size() > kSpillSize) return long_text(s);
        std::memcpy(buffer_.get() + used_, s.data(), s.size());
        used_ += s.size();
        spill_if_full();
        return *this;
    }
    Output& ch(char c) {
        buffer_[used_++] = c;
        spill_if_full();
        return *this;
    }
    Output& repeat(char c, std::size_t count) {
        while (count > 0) {
            const std::size_t run = std::min(count, kSpillSize);
            std::memset(buffer_.get() + used_, c, run);
            used_ += run;
            count -= run;
            spill_if_full();
        }
        return *this;
    }
    Output& whole(unsigned long value);
    // The shortest text that reads back as the same number.
    Output& exact(float value);
    Output& exact(double value);
    // Rounded to `digits` significant digits, as printf's %g does.
    Output& rounded(double value, int digits);
    // `s` padded with blanks to `width` columns (display_width), on the left
    // or the right.
    Output& left(std::string_view s, std::size_t width);
    Output& right(std::string_view s, std::size_t width);

    // Formats into a small scratch buffer, for padding numbers in columns.
    std::string_view format_rounded(double value, int digits);
    std::string_view format_whole(unsigned long value);

    // Calls when the buffer is full and at the end.
    void flush();

private:
    static constexpr std::size_t kSpillSize = std::size_t{1} << 16;
    void spill_if_full() {
        if (used_ >= kSpillSize) flush();
    }
    Output& long_text(std::string_view s);

    std::ostream& stream_;
    std::unique_ptr<char[]> buffer_;  // of 2 * kSpillSize
    std::size_t used_ = 0;
    char scratch_[64];
    // Made on the first number: an Output that writes none needs neither.
    std::unique_ptr<ShortestTexts<float>> float_texts_;
    std::unique_ptr<ShortestTexts<double>> double_texts_;
};

// True when the text holds nothing but blanks.
inline bool blank(std::string_view text) noexcept { return text.find_first_not_of(' ') == std::string_view::npos; }

// The text without the blanks around it.
inline std::string_view trim_blanks(std::string_view text) noexcept {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The non-empty lines of a message text, blanks around each line removed.
template <typename Visit>
void for_each_line(std::string_view messages, Visit visit) {
    while (!messages.empty()) {
        const std::size_t end = messages.find('\n');
        const std::string_view line = trim_blanks(messages.substr(0, end));
        messages = end == std::string_view::npos ? std::string_view{} : messages.substr(end + 1);
        if (!line.empty()) visit(line);
    }
}

}  // namespace gjbz108a::cli
