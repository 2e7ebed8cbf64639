#include "tools/parts_list/utf8.h"

#include <array>

namespace gjbz108a::cli {
namespace {

bool continuation(unsigned char byte) noexcept { return (byte & 0xC0) == 0x80; }

// The code point of a well-formed sequence of `length` bytes.
char32_t decode(std::string_view text, std::size_t at, std::size_t length) noexcept {
    static constexpr std::array<unsigned char, 5> kLeadBits{0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = static_cast<unsigned char>(text[at]) & kLeadBits[length];
    for (std::size_t i = 1; i < length; ++i) code = code << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return code;
}

// The blocks of characters that terminals draw two columns wide: Hangul Jamo,
// CJK punctuation and ideographs, kana, Yi, Hangul syllables, compatibility
// ideographs and forms, full-width forms, the common emoji and the
// supplementary ideographic planes.
struct Range {
    char32_t first, last;
};
constexpr std::array<Range, 15> kWide{{{0x1100, 0x115F},
                                       {0x2E80, 0x303E},
                                       {0x3041, 0x33FF},
                                       {0x3400, 0x4DBF},
                                       {0x4E00, 0x9FFF},
                                       {0xA000, 0xA4CF},
                                       {0xAC00, 0xD7A3},
                                       {0xF900, 0xFAFF},
                                       {0xFE30, 0xFE4F},
                                       {0xFF00, 0xFF60},
                                       {0xFFE0, 0xFFE6},
                                       {0x1F300, 0x1F64F},
                                       {0x1F900, 0x1F9FF},
                                       {0x20000, 0x2FFFD},
                                       {0x30000, 0x3FFFD}}};

bool wide(char32_t code) noexcept {
    for (const Range& range : kWide)
        if (code >= range.first && code <= range.last) return true;
    return false;
}

}  // namespace

std::size_t utf8_length(std::string_view text, std::size_t at) noexcept {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    // The lead byte gives the length and the range of the second byte, which
    // rules out overlong forms, surrogates and code points above U+10FFFF.
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - at < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!continuation(byte(i))) return 0;
    return length;
}

bool is_utf8(std::string_view text) noexcept {
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = utf8_length(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::size_t display_width(std::string_view text) noexcept {
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size(); ++width) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = utf8_length(text, at);
        if (length == 0) {  // a Latin-1 character
            ++at;
            continue;
        }
        if (wide(decode(text, at, length))) ++width;
        at += length;
    }
    return width;
}

}  // namespace gjbz108a::cli
