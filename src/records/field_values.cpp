#include "records/field_values.h"

#include "records/record.h"
#include "records/suggestions.h"
#include "records/undefined_value.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace gjbz108a {
namespace {

char lower(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

void append_quoted(std::string& message, std::string_view text) {
    constexpr std::size_t kLongestQuote = 48, kQuotedPrefix = 40;
    message.push_back('\'');
    if (text.size() <= kLongestQuote) {
        message.append(text);
    } else {
        std::size_t cut = kQuotedPrefix;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // a continuation byte
        message.append(text.substr(0, cut)).append("...");
    }
    message.push_back('\'');
}

namespace {

void quote(std::string& why, std::string_view text) {
    why.clear();
    append_quoted(why, text);
}

// from_chars takes no leading '+', which people do write.
std::string_view without_plus(std::string_view text) noexcept {
    return text.size() > 1 && text.front() == '+' ? text.substr(1) : text;
}

}  // namespace

// Plain loops: find_first_not_of searches its set with memchr for every
// character, which shows in the time of a long list.
bool same_text(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

const Category* category_named(std::string_view text) noexcept {
    for (const Category& category : categories())
        if (same_text(text, category.name)) return &category;
    unsigned code = 0;
    const char* end = text.data() + text.size();
    if (!text.empty() && std::from_chars(text.data(), end, code).ptr == end) return find_category(code);
    return nullptr;
}

std::string unknown_category(std::string_view text) {
    std::string why;
    append_quoted(why, text);
    why.append(" is neither a supported ItemCode nor a category name");
    std::vector<std::string_view> names;
    for (const Category& category : categories()) names.push_back(category.name);
    append_did_you_mean(why, likely_meant(text, names));
    return why;
}

bool read_whole(std::string_view text, std::int64_t min, std::int64_t max, std::int64_t& value,
                std::string& why) {
    const std::string_view digits = without_plus(text);
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (stop != end || (error != std::errc{} && error != std::errc::result_out_of_range)) {
        quote(why, text);
        double ignored;
        const bool number = std::from_chars(digits.data(), end, ignored).ptr == end;
        why.append(number ? " is not a whole number" : " is not a number");
        return false;
    }
    if (error == std::errc::result_out_of_range || value < min || value > max) {
        quote(why, text);
        why.append(" is out of range (")
            .append(std::to_string(min))
            .append(" to ")
            .append(std::to_string(max))
            .append(")");
        return false;
    }
    return true;
}

namespace {

enum class RealText { number, not_a_number, out_of_range, not_finite };

RealText parse_real(std::string_view text, float& value) {
    const std::string_view digits = without_plus(text);
    const char* end = digits.data() + digits.size();
    // Parsed straight into single precision: one correct rounding, as the record holds it.
    const auto [stop, error] = std::from_chars(digits.data(), end, value, std::chars_format::general);
    if (stop != end || error == std::errc::invalid_argument) return RealText::not_a_number;
    if (error == std::errc::result_out_of_range) return RealText::out_of_range;
    return std::isfinite(value) ? RealText::number : RealText::not_finite;
}

bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

// A decimal number followed by a unit text: "28", "e3" and "V" of "28e3 V".
struct Quantity {
    std::string_view mantissa;
    std::string_view exponent;  // digits with their sign; empty when none
    std::string_view unit;
};

std::optional<Quantity> split_quantity(std::string_view text) {
    std::size_t at = 0, digits = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    for (; at < text.size() && is_digit(text[at]); ++at) ++digits;
    if (at < text.size() && text[at] == '.') ++at;
    for (; at < text.size() && is_digit(text[at]); ++at) ++digits;
    if (digits == 0) return std::nullopt;
    Quantity quantity{text.substr(0, at), {}, {}};
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t end = at + 1;
        if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
        const std::size_t first_digit = end;
        while (end < text.size() && is_digit(text[end])) ++end;
        if (end > first_digit) {
            quantity.exponent = text.substr(at + 1, end - at - 1);
            at = end;
        }
    }
    quantity.unit = trimmed(text.substr(at));
    // "30,5" and "28 000" are numbers written another way, not units.
    if (quantity.unit.empty() || quantity.unit.front() == ',' || is_digit(quantity.unit.front())) return std::nullopt;
    return quantity;
}

// The power of ten that takes a number written in `text` to one in `unit`;
// nothing when `text` names no multiple of it.
std::optional<int> unit_scale(const Unit& unit, std::string_view text) {
    if (text == unit.symbol || std::ranges::find(unit.spellings, text) != unit.spellings.end()) return 0;
    if (unit.base.empty() || !text.ends_with(unit.base)) return std::nullopt;
    const std::string_view prefix = text.substr(0, text.size() - unit.base.size());
    for (const UnitPrefix& candidate : kUnitPrefixes)
        if (candidate.text == prefix) return candidate.exponent - unit.exponent;
    return std::nullopt;
}

// A number whose exponent is this large is no value any field holds; the
// bound keeps the scaled exponent's sum far from overflow.
constexpr std::int64_t kLargestExponent = 1'000'000'000;

// The quantity's number in `unit`, as text for parse_real: the mantissa with
// the exponent that the unit's scale shifts. Nothing when the unit is not one
// of `unit`'s.
std::optional<std::string> scaled_text(const Quantity& quantity, const Unit& unit, RealText& problem) {
    const std::optional<int> scale = unit_scale(unit, quantity.unit);
    if (!scale) return std::nullopt;
    std::int64_t exponent = 0;
    if (!quantity.exponent.empty()) {
        const std::string_view digits = without_plus(quantity.exponent);
        const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (error != std::errc{} || exponent > kLargestExponent || exponent < -kLargestExponent) {
            problem = RealText::out_of_range;
            return std::string();
        }
    }
    std::string text(quantity.mantissa);
    text.append("e").append(std::to_string(exponent + *scale));
    problem = RealText::number;
    return text;
}

}  // namespace

std::string unit_text(const Unit& unit) {
    return std::string(unit.symbol).append(" (").append(unit.name).append(")");
}

std::string unit_spellings(const Unit& unit) {
    std::string text(unit.symbol);
    for (std::string_view spelling : unit.spellings) text.append(", ").append(spelling);
    if (!unit.base.empty())
        for (const UnitPrefix& prefix : kUnitPrefixes) {
            const std::string multiple = std::string(prefix.text).append(unit.base);
            if (multiple != unit.symbol) text.append(", ").append(multiple);
        }
    return text;
}

bool read_real(std::string_view text, float min, float& value, std::string& why, const Unit* unit) {
    RealText result = parse_real(text, value);
    // Only a text that is no plain number looks for a unit: the plain numbers
    // of a long list cost what they cost without units.
    if (result == RealText::not_a_number && unit != nullptr) {
        if (const std::optional<Quantity> quantity = split_quantity(text)) {
            const std::optional<std::string> scaled = scaled_text(*quantity, *unit, result);
            if (!scaled) {
                quote(why, text);
                why.append(": ").append(quantity->unit).append(" is not a unit of this field, which is in ");
                why.append(unit_text(*unit)).append("; write the number alone");
                if (unit->base.empty()) {
                    why.append(" or followed by ").append(unit->symbol);
                    for (std::string_view spelling : unit->spellings) why.append(" or ").append(spelling);
                } else {
                    why.append(", or followed by ").append(unit->base).append(" or a decimal multiple of it (m");
                    why.append(unit->base).append(", k").append(unit->base).append(", µ").append(unit->base).append(")");
                }
                return false;
            }
            if (result == RealText::number) result = parse_real(*scaled, value);
        }
    }
    switch (result) {
    case RealText::number: break;
    case RealText::not_a_number: {
        quote(why, text);
        why.append(" is not a number");
        const std::string_view digits = without_plus(text);
        if (const std::size_t comma = digits.find(','); comma != std::string_view::npos) {
            std::string pointed(digits);
            pointed[comma] = '.';
            float ignored;
            const char* last = pointed.data() + pointed.size();
            if (std::from_chars(pointed.data(), last, ignored).ptr == last)
                why.append("; write a decimal point, not a comma: ").append(pointed);
        }
        return false;
    }
    case RealText::out_of_range:
        quote(why, text);
        // Too large, or too close to 0 to be told from it: never clamped.
        why.append(" is beyond the range of a single-precision number (0, or about 1.4e-45 to 3.4e38 in size)");
        return false;
    case RealText::not_finite:
        quote(why, text);
        why.append(" is not a finite number");
        return false;
    }
    if (value < min) {
        quote(why, text);
        char bound[32];
        const auto written = std::to_chars(bound, bound + sizeof bound, min);
        why.append(" is below the lowest value, ").append(bound, written.ptr);
        return false;
    }
    return true;
}

bool read_entry(std::string_view text, std::span<const std::string_view> entries, unsigned& code,
                std::string& why) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (same_text(text, entries[i])) {
            code = static_cast<unsigned>(i + 1);
            return true;
        }
    }
    std::int64_t number = 0;  // stays 0, no code, when the digits are too many for it
    const char* end = text.data() + text.size();
    if (std::from_chars(text.data(), end, number).ptr == end) {
        if (number >= 1 && number <= static_cast<std::int64_t>(entries.size())) {
            code = static_cast<unsigned>(number);
            return true;
        }
        quote(why, text);
        why.append(" is not a code of the list (1 to ").append(std::to_string(entries.size())).append(")");
        return false;
    }
    quote(why, text);
    why.append(" is not an entry of the list");
    // Short lists are named in full; long ones would drown the line.
    if (entries.size() <= 10) {
        why.append(" (");
        for (std::size_t i = 0; i < entries.size(); ++i) why.append(i ? ", " : "").append(entries[i]);
        why.append(")");
    } else {
        why.append("; gjbz108a --list-fields shows its entries");
    }
    append_did_you_mean(why, likely_meant(trimmed(text), entries));
    return false;
}

Storage storage_of(FieldType type) noexcept {
    switch (type) {
    case FieldType::u8: return Storage::byte;
    case FieldType::u16: return Storage::u16;
    case FieldType::i32: return Storage::i32;
    case FieldType::u32: return Storage::u32;
    case FieldType::f32: return Storage::f32;
    case FieldType::selection:
    case FieldType::code: return Storage::selection;
    }
    return Storage::none;
}

FieldRange field_range(FieldType type) noexcept {
    switch (type) {
    case FieldType::u8:
    case FieldType::code: return {std::numeric_limits<std::uint8_t>::max(), false};
    case FieldType::u16: return {std::numeric_limits<std::uint16_t>::max(), false};
    case FieldType::i32: return {std::numeric_limits<std::int32_t>::max(), false};
    case FieldType::u32: return {std::numeric_limits<std::uint32_t>::max(), false};
    case FieldType::f32: return {0, true};
    case FieldType::selection: return {0, false};
    }
    return {0, false};
}

bool field_defined(const std::uint8_t* block, const ParameterField& field) noexcept {
    return !number_undefined(block, field.offset, storage_of(field.type));
}

void store_undefined(std::uint8_t* block, const ParameterField& field) noexcept {
    store_number_sentinel(block, field.offset, storage_of(field.type), Sentinel::undefined);
}

bool read_field_value(const ParameterField& field, std::string_view raw_text, std::uint8_t* block,
                      std::string& why) {
    const std::string_view text = trimmed(raw_text);
    if (text.empty() || text == kUndefinedText) {
        store_undefined(block, field);
        return true;
    }
    if (field.type == FieldType::selection) {
        unsigned code;
        if (!read_entry(text, field.entries, code, why)) return false;
        block[field.offset] = static_cast<std::uint8_t>(code);
        return true;
    }
    // Read into a scratch copy first: a refused value leaves the field as it was.
    std::uint8_t scratch[4];
    std::memcpy(scratch, block + field.offset, field_width(field.type));
    std::uint8_t* const at = block + field.offset;
    if (field.type == FieldType::f32) {
        float value;
        if (!read_real(text, 0.0f, value, why, field.unit)) return false;
        if (real_undefined(value)) {
            quote(why, text);
            why.append(" is too large: from 2^127 (about 1.7e38) on, a value of this field means not defined");
            return false;
        }
        store(at, 0, value);
        return true;
    }
    std::int64_t value;
    if (!read_whole(text, 0, field_range(field.type).max, value, why)) return false;
    switch (field.type) {
    case FieldType::u8:
    case FieldType::code: store(at, 0, static_cast<std::uint8_t>(value)); break;
    case FieldType::u16: store(at, 0, static_cast<std::uint16_t>(value)); break;
    case FieldType::i32: store(at, 0, static_cast<std::int32_t>(value)); break;
    case FieldType::u32: store(at, 0, static_cast<std::uint32_t>(value)); break;
    case FieldType::f32:
    case FieldType::selection: break;  // handled above
    }
    // The SubType's 0 is "nothing chosen", which an empty text means as well.
    if (field.type != FieldType::code && !field_defined(block, field)) {
        std::memcpy(at, scratch, field_width(field.type));
        quote(why, text);
        why.append(" is the value that means not defined in this field; leave it empty or write --- for that");
        return false;
    }
    return true;
}

std::string_view field_value_text(const ParameterField& field, const std::uint8_t* block,
                                  FieldValueText& scratch) noexcept {
    if (!field_defined(block, field)) return {};
    char* const text = scratch.data();
    const auto written = [&](auto value) {
        return std::string_view(text, static_cast<std::size_t>(
                                          std::to_chars(text, text + scratch.size(), value).ptr - text));
    };
    switch (field.type) {
    case FieldType::selection: {
        const unsigned code = block[field.offset];
        return code <= field.entries.size() ? field.entries[code - 1] : written(code);
    }
    case FieldType::u8:
    case FieldType::code: return written(unsigned{block[field.offset]});
    case FieldType::u16: return written(load<std::uint16_t>(block, field.offset));
    case FieldType::i32: return written(load<std::int32_t>(block, field.offset));
    case FieldType::u32: return written(load<std::uint32_t>(block, field.offset));
    case FieldType::f32: {
        // The shortest digits that read back as the same number, without an
        // exponent where a reader expects none (4194304 bits, not 4.194304e+06).
        const float value = load<float>(block, field.offset);
        const float magnitude = value < 0 ? -value : value;
        const bool plain = magnitude == 0 || (magnitude >= 1e-5f && magnitude < 1e16f);
        const auto end = std::to_chars(text, text + scratch.size(), value,
                                       plain ? std::chars_format::fixed : std::chars_format::general)
                             .ptr;
        return {text, static_cast<std::size_t>(end - text)};
    }
    }
    return {};
}

std::string field_value_text(const ParameterField& field, const std::uint8_t* block) {
    FieldValueText scratch;
    return std::string(field_value_text(field, block, scratch));
}

}  // namespace gjbz108a
