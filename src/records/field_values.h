// The one converter between the text a user types and a parameter field's
// value, used wherever a value is typed or written out: parts lists, the global
// change's new values, the component library's commands and CSV files.
//
// The rules, by field type:
//   - Blanks and tabs around the text are ignored.
//   - "" and "---" leave the field not defined: its storage's undefined value.
//   - A list (selection) takes an entry's text in any letter case or its 1-based
//     code. The SubType takes a whole number 0 to 255; 0 is "nothing chosen".
//   - A count takes a whole number from 0 to its storage's top (255, 65535,
//     2147483647, 4294967295), a '+' allowed before it, but not the number that
//     is its storage's undefined value (127, 65535, 2147483647, 4294967295).
//   - A real takes a finite decimal number, 0 or more, rounded once to single
//     precision, below 2^127 (from there on a real reads as undefined).
//   - A real of a field with a unit (records/units.h) is a bare number in that
//     unit, or a number followed by the unit or by a decimal multiple of its
//     base ("28 V", "28000 mV", "28000mV" for a field in mV). The multiple is
//     applied to the decimal text, by adding to its exponent ("28 V" reads as
//     "28e3"), before the one rounding to single precision: "28 V" gives the
//     very value "28000" gives, which a float multiply would not promise.
//     Unit texts are case-sensitive (mV is not MV). Any other unit is refused.
//   - No parameter is negative: each is a count, a rating or a factor.
//   - "***" (any value) belongs to the global change, which reads it itself.
// A value is written out as the text that reads back as the same value: a list
// entry's text, a whole number, the shortest digits of a real; "" when the field
// is not defined.
#pragma once

#include "records/category_fields.h"
#include "records/field_types.h"
#include "records/item_codes.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gjbz108a {

// The text without blanks and tabs around it. Inline: a parts list trims
// every cell of every row.
inline std::string_view trimmed(std::string_view text) noexcept {
    std::size_t first = 0, end = text.size();
    while (first < end && (text[first] == ' ' || text[first] == '\t')) ++first;
    while (end > first && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return {text.data() + first, end - first};
}

// ASCII case-insensitive equality (entry texts and names are ASCII).
bool same_text(std::string_view a, std::string_view b) noexcept;

// Appends `text` in single quotes for a message: whole when short, else its
// first 40 bytes (cut between UTF-8 characters) and "...", so that a hostile
// cell of 64 KiB cannot make a message of 64 KiB.
void append_quoted(std::string& message, std::string_view text);

// A whole number in [min, max]: digits with an optional sign.
bool read_whole(std::string_view text, std::int64_t min, std::int64_t max, std::int64_t& value,
                std::string& why);

// A finite decimal number, rounded once to single precision, not below `min`;
// with a `unit`, one that may carry that unit or a decimal multiple of it.
bool read_real(std::string_view text, float min, float& value, std::string& why, const Unit* unit = nullptr);

// "mV (millivolts)": a unit as messages and listings name it.
std::string unit_text(const Unit& unit);

// The unit texts a value of `unit` may carry, for a listing: "mV, V, kV, µV, ...".
std::string unit_spellings(const Unit& unit);

// An entry of a list: its text (case-insensitive) or its 1-based code.
bool read_entry(std::string_view text, std::span<const std::string_view> entries, unsigned& code,
                std::string& why);

// How the numbers of a field's type are stored.
Storage storage_of(FieldType type) noexcept;

// The category named by its ItemCode or by its name, in any letter case;
// nullptr for any other text.
const Category* category_named(std::string_view text) noexcept;

// What to say of a text that names no category: "'X' is neither a supported
// ItemCode nor a category name", and the names it may have meant.
std::string unknown_category(std::string_view text);

// Range of the numbers a field takes, undefined value aside.
struct FieldRange {
    std::int64_t max;  // whole-number fields
    bool real;         // f32: 0 up to 2^127
};
FieldRange field_range(FieldType type) noexcept;

// Reads `text` by the rules above into the field's bytes at `block` (a
// parameter block). False, with the reason in `why` and the field left as it
// was, when the text is not a value of the field; the caller says where it was.
bool read_field_value(const ParameterField& field, std::string_view text, std::uint8_t* block,
                      std::string& why);

// The text that read_field_value reads back as the field's value; "" when the
// field is not defined. A selection code that no entry has is written as its
// number, so that it is not lost and is refused on the way back in.
std::string field_value_text(const ParameterField& field, const std::uint8_t* block);
// The same without a heap allocation, in `scratch` or in the field's entries.
using FieldValueText = std::array<char, 32>;
std::string_view field_value_text(const ParameterField& field, const std::uint8_t* block,
                                  FieldValueText& scratch) noexcept;

// Whether the field holds a value rather than its storage's undefined value.
bool field_defined(const std::uint8_t* block, const ParameterField& field) noexcept;

// Writes the field's undefined value.
void store_undefined(std::uint8_t* block, const ParameterField& field) noexcept;

}  // namespace gjbz108a
