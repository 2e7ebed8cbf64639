// Copying one field of a block into another by way of its text, so that fields
// of different storage can be exchanged (a count into a text, a text into a real).
#include <gjbz108a/global_change.h>

#include "records/record.h"
#include "records/screen_field.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace gjbz108a {
namespace {

// Holds every text a field can give: a text field has at most 255 characters,
// and "%f" of the largest double about 320.
using WorkArea = std::array<char, 1000>;

void field_to_text(std::uint8_t* block, const ScreenField& field, WorkArea& work) noexcept {
    const std::size_t at = field.offset;
    char* text = work.data();
    const std::size_t size = work.size();
    switch (storage_of(field)) {
    case Storage::byte: text[0] = static_cast<char>(block[at]); break;  // the byte itself, as a character
    case Storage::i16: std::snprintf(text, size, "%d", load<std::int16_t>(block, at)); break;
    case Storage::u16: std::snprintf(text, size, "%u", unsigned{load<std::uint16_t>(block, at)}); break;
    case Storage::i32: std::snprintf(text, size, "%ld", long{load<std::int32_t>(block, at)}); break;
    case Storage::u32:
        std::snprintf(text, size, "%lu", static_cast<unsigned long>(load<std::uint32_t>(block, at)));
        break;
    case Storage::f32: std::snprintf(text, size, "%f", double{load<float>(block, at)}); break;
    case Storage::f64: std::snprintf(text, size, "%f", load<double>(block, at)); break;
    case Storage::plain_u16: std::snprintf(text, size, "%ld", long{load<std::uint16_t>(block, at)}); break;
    // As stored, without the shift by one of the global-change blocks.
    case Storage::selection: std::snprintf(text, size, "%ld", long{static_cast<std::int8_t>(block[at])}); break;
    case Storage::text:
    case Storage::text8: {
        if (field_text(block, field).starts_with(kWildcardText)) break;  // "***" gives no text
        block[at + text_capacity(field)] = 0;  // the source is closed at its end first
        const std::string_view source = field_text(block, field);
        source.copy(text, source.size());
        break;
    }
    case Storage::none: break;
    }
}

// atoi and atol read a leading decimal integer. Their result is undefined in C
// when the number does not fit; here it is read in 64 bits and the field keeps
// the low bits of its width, so that every value of every integer storage comes
// back unchanged (4294967295 into an unsigned 32-bit field stays 4294967295).
std::uint64_t leading_integer(const char* text) noexcept {
    return static_cast<std::uint64_t>(std::strtoll(text, nullptr, 10));
}

// atof narrowed to f32. Past the largest f32 (after rounding) the narrowing is
// undefined in C++; IEEE arithmetic gives an infinity there, so that is kept.
float leading_f32(const char* text) noexcept {
    constexpr double kFirstOverflow = 0x1.ffffffp127;  // halfway between the largest f32 and 2^128
    const double value = std::strtod(text, nullptr);
    if (value >= kFirstOverflow) return std::numeric_limits<float>::infinity();
    if (value <= -kFirstOverflow) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

void text_to_field(std::uint8_t* block, const ScreenField& field, const char* text) noexcept {
    const std::size_t at = field.offset;
    switch (storage_of(field)) {
    case Storage::byte: block[at] = static_cast<std::uint8_t>(text[0]); break;
    case Storage::i16:
    case Storage::u16:
    case Storage::plain_u16: store(block, at, static_cast<std::uint16_t>(leading_integer(text))); break;
    case Storage::i32:
    case Storage::u32: store(block, at, static_cast<std::uint32_t>(leading_integer(text))); break;
    case Storage::f32: store(block, at, leading_f32(text)); break;
    case Storage::f64: store(block, at, std::strtod(text, nullptr)); break;
    case Storage::selection: block[at] = static_cast<std::uint8_t>(leading_integer(text) - 1); break;
    case Storage::text: store_text(block, field, text); break;
    case Storage::text8:
        // A destination that holds "***" keeps it.
        if (!field_text(block, field).starts_with(kWildcardText)) store_text(block, field, text);
        break;
    case Storage::none: break;
    }
}

}  // namespace
}  // namespace gjbz108a

extern "C" void gchg_exchgfld(uint8_t* block, int32_t source, int32_t destination, const ScreenFieldList* list) {
    using namespace gjbz108a;
    const auto fields = entries(list);
    const auto in_list = [&](int32_t position) {
        return position >= 0 && static_cast<std::size_t>(position) < fields.size();
    };
    WorkArea work{};
    if (in_list(source)) field_to_text(block, fields[static_cast<std::size_t>(source)], work);
    if (in_list(destination)) text_to_field(block, fields[static_cast<std::size_t>(destination)], work.data());
}
