// Turning the text of one cell into a typed value, with the range of each kind
// of field. Every function returns false and writes the reason into `why` when
// the text is not acceptable; the caller adds the file, line and column.
#pragma once

#include "records/category_fields.h"
#include "records/item_codes.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

// The cell without blanks and tabs around it.
std::string_view trimmed(std::string_view cell) noexcept;

// ASCII case-insensitive equality (entry texts and names are ASCII).
bool same_text(std::string_view a, std::string_view b) noexcept;

// The category named by its ItemCode or by its name, in any letter case;
// nullptr for any other text.
const Category* category_named(std::string_view text) noexcept;

// A whole number in [min, max]: digits with an optional sign.
bool read_whole(std::string_view text, std::int64_t min, std::int64_t max, std::int64_t& value,
                std::string& why);

// A finite decimal number, rounded once to single precision, not below `min`.
bool read_real(std::string_view text, float min, float& value, std::string& why);

// An entry of a list: its text (case-insensitive) or its 1-based code.
bool read_entry(std::string_view text, std::span<const std::string_view> entries, unsigned& code,
                std::string& why);

// Range of the numbers a parameter field takes. Every parameter is a count, a
// rating or a factor, so none is negative; the top is the storage's limit.
struct FieldRange {
    std::int64_t max;  // whole-number fields
    bool real;         // f32: 0 up to the largest single-precision number
};
FieldRange field_range(FieldType type) noexcept;

// Reads a non-empty cell into the field's bytes at `block` (a parameter block).
bool store_field(const ParameterField& field, std::string_view text, std::uint8_t* block,
                 std::string& why);

// The cell that store_field reads back as the field's value: a list entry's
// text, a whole number, or the shortest text of a real. A selection code that
// no entry has is written as its number.
std::string cell_text(const ParameterField& field, const std::uint8_t* block);

}  // namespace gjbz108a::cli
