#include "tools/prediction/text_line.h"

#include "tools/parts_list/utf8.h"

namespace gjbz108a::cli {

void TextLine::start() {
    line_.assign(indent_, ' ');
    first_ = true;
}

void TextLine::separate() {
    if (!first_) line_.push_back(' ');
    first_ = false;
}

TextLine& TextLine::left(std::string_view text, std::size_t width) {
    separate();
    line_.append(text);
    if (const std::size_t taken = display_width(text); taken < width) line_.append(width - taken, ' ');
    return *this;
}

TextLine& TextLine::right(std::string_view text, std::size_t width) {
    separate();
    if (const std::size_t taken = display_width(text); taken < width) line_.append(width - taken, ' ');
    line_.append(text);
    return *this;
}

void TextLine::write(Output& out) {
    const std::size_t end = line_.find_last_not_of(' ');
    out.text(std::string_view(line_).substr(0, end == std::string::npos ? 0 : end + 1)).ch('\n');
    start();
}

}  // namespace gjbz108a::cli
