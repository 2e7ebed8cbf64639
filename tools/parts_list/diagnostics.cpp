#include "tools/parts_list/diagnostics.h"

#include "tools/prediction/progress_line.h"

namespace gjbz108a::cli {
namespace {

// A cell's text goes into the message as it stands, except that a line break
// (a quoted cell may hold one) or another control character is written as an
// escape: one problem, one line.
void write_one_line(std::ostream& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') out << "\\n";
        else if (c == '\r') out << "\\r";
        else if ((byte < 0x20 && c != '\t') || byte == 0x7f) out << "\\x" << kHex[byte >> 4] << kHex[byte & 0xf];
        else out << c;
    }
}

}  // namespace

void Diagnostics::report(unsigned long line, std::string_view column, std::string_view why) {
    if (progress_ != nullptr) progress_->clear();
    out_ << file_ << ':' << line << ": ";
    if (!column.empty()) {
        write_one_line(out_, column);
        out_ << ": ";
    }
    write_one_line(out_, why);
    out_ << '\n';
}

}  // namespace gjbz108a::cli
