#include "tools/list_format.h"

#include "tools/cell_values.h"

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

}  // namespace

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
    if (has_extension(file_name, ".json")) format_ = ListFormat::json;
    if (has_extension(file_name, ".json") || has_extension(file_name, ".csv") || own_buffer_ == nullptr) return;

    std::streambuf& buffer = *own_buffer_;
    const auto take = [&] { head_.push_back(static_cast<char>(buffer.sbumpc())); };
    if (buffer.sgetc() == 0xEF) {  // a UTF-8 byte-order mark
        take();
        if (buffer.sgetc() == 0xBB) take();
        if (buffer.sgetc() == 0xBF) take();
    }
    while (head_.size() < kLongestLook && blank(buffer.sgetc())) take();
    const int first = buffer.sgetc();
    if (first == '[' || first == '{') format_ = ListFormat::json;
    if (head_.empty()) return;
    in_.rdbuf(&replay_.emplace(head_, own_buffer_));
}

ListFormatProbe::~ListFormatProbe() {
    if (replay_) in_.rdbuf(own_buffer_);
}

}  // namespace gjbz108a::cli
