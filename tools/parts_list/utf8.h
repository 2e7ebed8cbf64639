// Text of unknown encoding. A parts list should be UTF-8 (ASCII is), but lists
// saved by older office programs are often Latin-1. A byte that does not belong
// to a well-formed UTF-8 sequence is taken as the Latin-1 character of the same
// number: every byte string then reads as some text, JSON output stays valid
// UTF-8, and a list that is all UTF-8 reads exactly as written.
#pragma once

#include <cstddef>
#include <string_view>

namespace gjbz108a::cli {

// The length of the well-formed UTF-8 sequence at `at` (1 for ASCII), or 0 when
// the byte there starts none: a stray continuation byte, an overlong form, a
// surrogate, a code point above U+10FFFF or a sequence cut short.
std::size_t utf8_length(std::string_view text, std::size_t at) noexcept;

// True when the whole text is well-formed UTF-8.
bool is_utf8(std::string_view text) noexcept;

// The columns the text takes in a fixed-width table: one per character (a byte
// read as Latin-1 is one character), two for the wide characters of East Asian
// scripts. Combining marks and other zero-width characters are not told apart.
std::size_t display_width(std::string_view text) noexcept;

}  // namespace gjbz108a::cli
