#include "tools/prediction/escaping.h"

#include "tools/parts_list/utf8.h"

namespace gjbz108a::cli {
namespace {

// A plain loop: find_first_of looks each byte up in the set with memchr,
// and a report writes some forty cells a part.
bool needs_quotes(std::string_view text) noexcept {
    if (text.empty()) return false;
    if (text.front() == ' ' || text.back() == ' ') return true;
    for (const char c : text)
        if (c == ',' || c == '"' || c == '\r' || c == '\n') return true;
    return false;
}

}  // namespace

void csv_cell(Output& out, std::string_view text) {
    if (!needs_quotes(text)) {
        out.text(text);
        return;
    }
    out.ch('"');
    for (char c : text) {
        if (c == '"') out.ch('"');
        out.ch(c);
    }
    out.ch('"');
}

void json_string(Output& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.ch('"');
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        const auto byte = static_cast<unsigned char>(c);
        std::size_t length = byte < 0x80 ? 1 : utf8_length(text, at);
        if (c == '"' || c == '\\') {
            out.ch('\\').ch(c);
        } else if (byte < 0x20 || length == 0) {  // a control character, or a byte read as Latin-1
            out.text("\\u00").ch(kHex[byte >> 4]).ch(kHex[byte & 15]);
            length = 1;
        } else {
            out.text(text.substr(at, length));
        }
        at += length;
    }
    out.ch('"');
}

void json_lines(Output& out, std::string_view messages) {
    out.ch('[');
    bool first = true;
    for_each_line(messages, [&](std::string_view line) {
        if (!first) out.ch(',');
        first = false;
        json_string(out, line);
    });
    out.ch(']');
}

void join_lines(std::string_view messages, std::string& joined) {
    joined.clear();
    for_each_line(messages, [&](std::string_view line) {
        if (!joined.empty()) joined.push_back('\n');
        joined.append(line);
    });
}

}  // namespace gjbz108a::cli
