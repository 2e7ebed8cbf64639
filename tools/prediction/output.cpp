#include "tools/prediction/output.h"

#include "tools/parts_list/utf8.h"

#include <charconv>

namespace gjbz108a::cli {

Output::Output(std::ostream& stream) : stream_(stream) { buffer_.reserve(2 * kSpillSize); }

void Output::flush() {
    stream_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    stream_.flush();
    buffer_.clear();
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
    const auto end = std::to_chars(scratch_, scratch_ + sizeof scratch_, value).ptr;
    return text({scratch_, static_cast<std::size_t>(end - scratch_)});
}

Output& Output::exact(double value) {
    const auto end = std::to_chars(scratch_, scratch_ + sizeof scratch_, value).ptr;
    return text({scratch_, static_cast<std::size_t>(end - scratch_)});
}

Output& Output::rounded(double value, int digits) { return text(format_rounded(value, digits)); }

Output& Output::left(std::string_view s, std::size_t width) {
    buffer_.append(s);
    if (const std::size_t taken = display_width(s); taken < width) buffer_.append(width - taken, ' ');
    spill_if_full();
    return *this;
}

Output& Output::right(std::string_view s, std::size_t width) {
    if (const std::size_t taken = display_width(s); taken < width) buffer_.append(width - taken, ' ');
    buffer_.append(s);
    spill_if_full();
    return *this;
}

}  // namespace gjbz108a::cli
