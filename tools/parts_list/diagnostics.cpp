#include "tools/parts_list/diagnostics.h"

#include "tools/prediction/progress_line.h"

namespace gjbz108a::cli {
namespace {

// A cell's text goes into the message as it stands, except that a line break
// (a quoted cell may hold one) or another control character is written as an
// escape: one problem, one line.
void append_one_line(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') out.append("\\n");
        else if (c == '\r') out.append("\\r");
        else if ((byte < 0x20 && c != '\t') || byte == 0x7f)
            out.append("\\x").append({kHex[byte >> 4], kHex[byte & 0xf]});
        else out.push_back(c);
    }
}

}  // namespace

void Diagnostics::report(unsigned long line, std::string_view column, std::string_view why) {
    std::string text = file_;
    text.append(":").append(std::to_string(line)).append(": ");
    if (!column.empty()) {
        append_one_line(text, column);
        text.append(": ");
    }
    append_one_line(text, why);
    text.push_back('\n');
    if (held_ != nullptr) held_->append(text);
    else write_held(text);
}

void Diagnostics::write_held(std::string_view lines) {
    if (lines.empty()) return;
    if (progress_ != nullptr) progress_->clear();
    out_ << lines;
}

}  // namespace gjbz108a::cli
