// The host's message buffer: lines are appended at a cursor.
#pragma once

#include <cstdarg>
#include <string_view>

namespace gjbz108a {

// Formats one line with printf rules at *cursor (writing its NUL) and moves the
// cursor past the text. The host owns the buffer and its size; no bound is known
// here, so callers write only the short, fixed lines of this library.
[[gnu::format(printf, 2, 3)]] void append_line(char** cursor, const char* format, ...) noexcept;
void append_line_v(char** cursor, const char* format, std::va_list args) noexcept;

// Appends `text` as it stands, the same as append_line(cursor, "%s", text)
// for a text without a NUL, but without formatting.
void append_text(char** cursor, std::string_view text) noexcept;

}  // namespace gjbz108a
