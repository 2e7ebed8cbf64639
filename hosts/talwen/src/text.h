// Small text helpers shared by the file readers and the name checks.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace gjbz108a::talwen {

// The text without the blanks and tabs around it.
inline std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// ASCII letters only, as SQLite's NOCASE compares names.
inline char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return ascii_lower(x) == ascii_lower(y); });
}

inline std::string lower_case(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), ascii_lower);
    return lower;
}

}  // namespace gjbz108a::talwen
