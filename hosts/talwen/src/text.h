// Names as keys. Trimming and comparing without regard to letter case are the
// record layer's (records/field_values.h: trimmed, same_text), shared with the
// parts lists.
#pragma once

#include "records/field_values.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace gjbz108a::talwen {

// `text` in single quotes for a message, only its start when it is long
// (append_quoted).
inline std::string in_quotes(std::string_view text) {
    std::string quoted;
    append_quoted(quoted, text);
    return quoted;
}

// ASCII letters only, as SQLite's NOCASE compares names.
inline std::string lower_case(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

}  // namespace gjbz108a::talwen
