#include "tools/prediction/output.h"

#include "tools/parts_list/utf8.h"

#include <charconv>

namespace gjbz108a::cli {

Output::Output(std::ostream& stream) : stream_(stream), buffer_(new char[2 * kSpillSize]) {}

void Output::flush() {
    stream_.write(buffer_.get(), static_cast<std::streamsize>(used_));
    stream_.flush();
    used_ = 0;
}

// A text longer than the buffer holds goes out in pieces of it.
Output& Output::long_text(std::string_view s) {
    while (!s.empty()) {
        const std::size_t piece = std::min(s.size(), kSpillSize);
        text(s.substr(0, piece));
        s.remove_prefix(piece);
    }
    return *this;
}

std::string_view Output::format_whole(unsigned long value) {
    const auto end = std::to_chars(scratch_, scratch_ + sizeof scratch_, value).ptr;
    return {scratch_, static_cast<std::size_t>(end - scratch_)};
}

std::string_view Output::format_rounded(double value, int digits) {
    const auto end =
        std::to_chars(scratch_, scratch_ + sizeof scratch_, value, std::chars_format::general, digits).ptr;
    return {scratch_, static_cast<std::size_t>(end - scratch_)};
}

Output& Output::whole(unsigned long value) { return text(format_whole(value)); }

Output& Output::exact(float value) {
    if (!float_texts_) float_texts_ = std::make_unique<ShortestTexts<float>>();
    return text(float_texts_->text(value));
}

Output& Output::exact(double value) {
    if (!double_texts_) double_texts_ = std::make_unique<ShortestTexts<double>>();
    return text(double_texts_->text(value));
}

Output& Output::rounded(double value, int digits) { return text(format_rounded(value, digits)); }

Output& Output::left(std::string_view s, std::size_t width) {
    text(s);
    if (const std::size_t taken = display_width(s); taken < width) repeat(' ', width - taken);
    return *this;
}

Output& Output::right(std::string_view s, std::size_t width) {
    if (const std::size_t taken = display_width(s); taken < width) repeat(' ', width - taken);
    return text(s);
}

}  // namespace gjbz108a::cli
