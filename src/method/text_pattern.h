// Text conditions of a global change.
#pragma once

#include <cstddef>
#include <string_view>

namespace gjbz108a {

// Whether a part's text satisfies a condition of a text field that holds
// `capacity` characters. The condition is "***" (anything), the text itself, or
// a pattern: one "*" for any text at the start, at the end or inside ("AB*",
// "*EF", "AB*EF"), "*" at both ends for a text contained anywhere ("*CD*"),
// "?" for any one character ("A?C", or "A?C*" for any text after it).
bool text_condition_met(std::string_view part, std::string_view condition, std::size_t capacity) noexcept;

}  // namespace gjbz108a
