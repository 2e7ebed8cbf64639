#include "tools/parts_list/list_format.h"

#include "records/field_values.h"

#include <algorithm>
#include <cstring>

namespace gjbz108a::cli {
namespace {

// A file that starts with more blanks than this is taken for CSV rather than
// held in memory to look further.
constexpr std::size_t kLongestLook = 1 << 16;

bool blank(int c) noexcept { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool has_extension(std::string_view name, std::string_view extension) noexcept {
    return name.size() > extension.size() && same_text(name.substr(name.size() - extension.size()), extension);
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::optional<ListFormat> format_by_name(std::string_view file_name) noexcept {
    if (has_extension(file_name, ".json")) return ListFormat::json;
    return std::nullopt;
}

ListFormat format_by_content(std::string_view start) noexcept {
    if (start.starts_with(kByteOrderMark)) start.remove_prefix(kByteOrderMark.size());
    while (!start.empty() && blank(static_cast<unsigned char>(start.front()))) start.remove_prefix(1);
    return !start.empty() && (start.front() == '[' || start.front() == '{') ? ListFormat::json : ListFormat::csv;
}

ListFormatProbe::Replay::Replay(std::string& head, std::streambuf* rest) : rest_(rest) {
    setg(head.data(), head.data(), head.data() + head.size());
}

std::streamsize ListFormatProbe::Replay::xsgetn(char* out, std::streamsize count) {
    const std::streamsize held = std::min<std::streamsize>(count, egptr() - gptr());
    std::memcpy(out, gptr(), static_cast<std::size_t>(held));
    gbump(static_cast<int>(held));
    return held < count ? held + rest_->sgetn(out + held, count - held) : held;
}

ListFormatProbe::ListFormatProbe(std::istream& in, std::string_view file_name)
    : in_(in), own_buffer_(in.rdbuf()) {
    if (const auto by_name = format_by_name(file_name); by_name || own_buffer_ == nullptr) {
        format_ = by_name.value_or(ListFormat::csv);
        return;
    }
    std::streambuf& buffer = *own_buffer_;
    const auto take = [&] { head_.push_back(static_cast<char>(buffer.sbumpc())); };
    for (char mark : kByteOrderMark)
        if (buffer.sgetc() == static_cast<unsigned char>(mark)) take();
    while (head_.size() < kLongestLook && blank(buffer.sgetc())) take();
    const int first = buffer.sgetc();
    const bool end = first == std::streambuf::traits_type::eof();
    format_ = format_by_content(head_ + (end ? '\0' : static_cast<char>(first)));
    if (head_.empty()) return;
    in_.rdbuf(&replay_.emplace(head_, own_buffer_));
}

ListFormatProbe::~ListFormatProbe() {
    if (replay_) in_.rdbuf(own_buffer_);
}

}  // namespace gjbz108a::cli
