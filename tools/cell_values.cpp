#include "tools/cell_values.h"

#include "tools/diagnostics.h"

#include "records/record.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace gjbz108a::cli {
namespace {

char lower(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

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
std::string_view trimmed(std::string_view cell) noexcept {
    std::size_t first = 0, end = cell.size();
    while (first < end && (cell[first] == ' ' || cell[first] == '\t')) ++first;
    while (end > first && (cell[end - 1] == ' ' || cell[end - 1] == '\t')) --end;
    return cell.substr(first, end - first);
}

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

bool read_real(std::string_view text, float min, float& value, std::string& why) {
    const std::string_view digits = without_plus(text);
    const char* end = digits.data() + digits.size();
    // Parsed straight into single precision: one correct rounding, as the record holds it.
    const auto [stop, error] = std::from_chars(digits.data(), end, value, std::chars_format::general);
    if (stop != end || error == std::errc::invalid_argument) {
        quote(why, text);
        why.append(" is not a number");
        return false;
    }
    if (error == std::errc::result_out_of_range) {
        quote(why, text);
        // Too large, or too close to 0 to be told from it: never clamped.
        why.append(" is beyond the range of a single-precision number (0, or about 1.4e-45 to 3.4e38 in size)");
        return false;
    }
    if (!std::isfinite(value)) {
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
    return false;
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

bool store_field(const ParameterField& field, std::string_view text, std::uint8_t* block, std::string& why) {
    if (field.type == FieldType::selection) {
        unsigned code;
        if (!read_entry(text, field.entries, code, why)) return false;
        block[field.offset] = static_cast<std::uint8_t>(code);
        return true;
    }
    if (field.type == FieldType::f32) {
        float value;
        if (!read_real(text, 0.0f, value, why)) return false;
        store(block, field.offset, value);
        return true;
    }
    std::int64_t value;
    if (!read_whole(text, 0, field_range(field.type).max, value, why)) return false;
    switch (field.type) {
    case FieldType::u8:
    case FieldType::code: block[field.offset] = static_cast<std::uint8_t>(value); break;
    case FieldType::u16: store(block, field.offset, static_cast<std::uint16_t>(value)); break;
    case FieldType::i32: store(block, field.offset, static_cast<std::int32_t>(value)); break;
    case FieldType::u32: store(block, field.offset, static_cast<std::uint32_t>(value)); break;
    case FieldType::f32:
    case FieldType::selection: break;  // handled above
    }
    return true;
}

std::string cell_text(const ParameterField& field, const std::uint8_t* block) {
    char text[32];
    const auto written = [&](auto value) {
        return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
    };
    switch (field.type) {
    case FieldType::selection: {
        const unsigned code = block[field.offset];
        return code >= 1 && code <= field.entries.size() ? std::string(field.entries[code - 1]) : written(code);
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
        return std::string(text, std::to_chars(text, text + sizeof text, value,
                                               plain ? std::chars_format::fixed : std::chars_format::general)
                                     .ptr);
    }
    }
    return {};
}

}  // namespace gjbz108a::cli
