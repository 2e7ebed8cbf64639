#include "records/message.h"

#include <cstdio>
#include <cstring>

namespace gjbz108a {

void append_line_v(char** cursor, const char* format, std::va_list args) noexcept {
    std::vsprintf(*cursor, format, args);
    *cursor += std::strlen(*cursor);
}

void append_line(char** cursor, const char* format, ...) noexcept {
    std::va_list args;
    va_start(args, format);
    append_line_v(cursor, format, args);
    va_end(args);
}

void append_text(char** cursor, std::string_view text) noexcept {
    std::memcpy(*cursor, text.data(), text.size());
    *cursor += text.size();
    **cursor = '\0';
}

}  // namespace gjbz108a
