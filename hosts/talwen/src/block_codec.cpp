#include "block_codec.h"

#include "error.h"
#include "records/field_types.h"
#include "records/record.h"
#include "text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace gjbz108a::talwen {
namespace {

// An integer in [low, high]; the storage's undefined value lies just above high.
std::int64_t parse_integer(std::string_view text, std::int64_t low, std::int64_t high) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw Error("'" + std::string(text) + "' is not a whole number");
    if (value < low || value > high)
        throw Error("'" + std::string(text) + "' is outside " + std::to_string(low) + ".." + std::to_string(high));
    return value;
}

// 2^127: from this magnitude on a real field reads as undefined.
constexpr float kUndefinedRealMagnitude = 0x1p127f;

float parse_real(std::string_view text) {
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw Error("'" + std::string(text) + "' is not a number");
    if (!std::isfinite(value) || std::fabs(value) >= kUndefinedRealMagnitude)
        throw Error("'" + std::string(text) + "' is too large");
    return value;
}

std::uint8_t parse_selection(std::string_view text, const ParameterField& field) {
    for (std::size_t i = 0; i < field.entries.size(); ++i)
        if (equal_ignoring_case(text, field.entries[i])) return static_cast<std::uint8_t>(i + 1);
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos)
        return static_cast<std::uint8_t>(parse_integer(text, 1, static_cast<std::int64_t>(field.entries.size())));
    std::string known;
    for (std::string_view entry : field.entries) known += (known.empty() ? "" : ", ") + std::string(entry);
    throw Error("'" + std::string(text) + "' is not an entry of the list (" + known + ")");
}

void write_undefined(std::uint8_t* at, FieldType type) {
    switch (type) {
    case FieldType::u8: store(at, 0, kUndefinedByte); break;
    case FieldType::u16: store(at, 0, kUndefinedU16); break;
    case FieldType::i32: store(at, 0, kUndefinedI32); break;
    case FieldType::u32: store(at, 0, kUndefinedU32); break;
    case FieldType::f32: store(at, 0, kUndefinedF32); break;
    case FieldType::selection:
    case FieldType::code: store(at, 0, kUndefinedSelection); break;
    }
}

template <typename T>
std::string number_text(T value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

}  // namespace

Block undefined_block(unsigned item_code) {
    Block block{};
    for (const ParameterField& field : category_fields(item_code))
        write_undefined(block.data() + field.offset, field.type);
    return block;
}

bool is_defined(std::span<const std::uint8_t> block, const ParameterField& field) {
    const std::uint8_t* at = block.data() + field.offset;
    switch (field.type) {
    case FieldType::u8: return load_u8(at, 0) != kUndefinedByte;
    case FieldType::u16: return load_u16(at, 0) != kUndefinedU16;
    case FieldType::i32: return load_i32(at, 0) != kUndefinedI32;
    case FieldType::u32: return load_u32(at, 0) != kUndefinedU32;
    case FieldType::f32: return !(std::fabs(load_f32(at, 0)) >= kUndefinedRealMagnitude);
    case FieldType::selection:
    case FieldType::code: return load_u8(at, 0) != kUndefinedSelection;
    }
    return false;
}

void set_field(std::span<std::uint8_t> block, const ParameterField& field, std::string_view raw_text) {
    const std::string_view text = trimmed(raw_text);
    std::uint8_t* at = block.data() + field.offset;
    if (text.empty() || text == kUndefinedText) {
        write_undefined(at, field.type);
        return;
    }
    switch (field.type) {
    case FieldType::u8: store(at, 0, static_cast<std::uint8_t>(parse_integer(text, 0, kUndefinedByte - 1))); break;
    case FieldType::u16: store(at, 0, static_cast<std::uint16_t>(parse_integer(text, 0, kUndefinedU16 - 1))); break;
    case FieldType::i32:
        store(at, 0, static_cast<std::int32_t>(
                         parse_integer(text, std::numeric_limits<std::int32_t>::min(), kUndefinedI32 - 1)));
        break;
    case FieldType::u32: store(at, 0, static_cast<std::uint32_t>(parse_integer(text, 0, kUndefinedU32 - 1))); break;
    case FieldType::f32: store(at, 0, parse_real(text)); break;
    case FieldType::selection: store(at, 0, parse_selection(text, field)); break;
    case FieldType::code: store(at, 0, static_cast<std::uint8_t>(parse_integer(text, 1, 255))); break;
    }
}

std::string field_text(std::span<const std::uint8_t> block, const ParameterField& field) {
    if (!is_defined(block, field)) return {};
    const std::uint8_t* at = block.data() + field.offset;
    switch (field.type) {
    case FieldType::u8:
    case FieldType::code: return number_text(unsigned{load_u8(at, 0)});
    case FieldType::u16: return number_text(unsigned{load_u16(at, 0)});
    case FieldType::i32: return number_text(load_i32(at, 0));
    case FieldType::u32: return number_text(load_u32(at, 0));
    case FieldType::f32: return number_text(load_f32(at, 0));
    case FieldType::selection: {
        const unsigned code = load_u8(at, 0);
        // A code beyond the list is kept as its number, so that it is not lost
        // on export and is refused, with its line, on the way back in.
        return code <= field.entries.size() ? std::string(field.entries[code - 1]) : number_text(code);
    }
    }
    return {};
}

std::span<const std::uint8_t> field_bytes(std::span<const std::uint8_t> block, const ParameterField& field) {
    return block.subspan(field.offset, field_width(field.type));
}

}  // namespace gjbz108a::talwen
