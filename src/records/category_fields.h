// The parameter fields of every category's ParameterBlock, as data: where each
// field lies, how it is stored, its list entries, and the stable lower-case key
// that names it in a parts list.
#pragma once

#include "records/units.h"

#include <gjbz108a/records.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace gjbz108a {

enum class FieldType : std::uint8_t {
    u8,         // a count or flag byte
    u16,
    i32,
    u32,
    f32,
    selection,  // a 1-based SelectionCode byte into `entries`; 0 = nothing chosen
    code,       // a SelectionCode byte of a list the host keeps (SubType); 0 = nothing chosen
};

struct ParameterField {
    std::string_view key;    // parts-list column name
    std::string_view title;  // the field's report title or dialog label
    std::uint8_t offset;     // from the start of the ParameterBlock
    FieldType type;
    std::span<const std::string_view> entries;  // selection lists only: code = index + 1
    const Unit* unit;  // what a number of the field means; nullptr for counts, codes and factors
};

// Every category's block starts with its SubType, the entry of a list the host
// keeps, and then (in all but five categories) its Type: the list that picks
// the part's kind, titled Type, Style, Construction, Configuration or Family
// type. The host library keys its defaults and library parts by the two.
constexpr std::uint8_t kSubTypeOffset = 0;
constexpr std::uint8_t kTypeOffset = 1;

// The fields of a supported category, in block order; empty for other codes.
// Every category starts with the SubType byte, which the host library's default
// lookup uses.
std::span<const ParameterField> category_fields(unsigned item_code) noexcept;

// The field of `item_code` named `key`, or nullptr.
const ParameterField* find_field(unsigned item_code, std::string_view key) noexcept;

// The category's Type field (at kTypeOffset), or nullptr when it has none.
const ParameterField* type_field(unsigned item_code) noexcept;

// Width in bytes of a field of the given type.
unsigned field_width(FieldType type) noexcept;

// The field type code of a ScreenField that describes a field of this type.
constexpr std::uint8_t screen_type_code(FieldType type) noexcept {
    switch (type) {
    case FieldType::u8: return 2;
    case FieldType::u16: return 4;
    case FieldType::i32: return 5;
    case FieldType::u32: return 6;
    case FieldType::f32: return 7;
    case FieldType::selection:
    case FieldType::code: return 15;
    }
    return 0;
}

// The block offset of the field named `key` among `fields` (a table of
// records/field_tables.h). Evaluated while compiling: a key that is not there
// is an error, not a wrong offset.
consteval std::uint8_t offset_of(std::span<const ParameterField> fields, std::string_view key) {
    for (const ParameterField& field : fields)
        if (field.key == key) return field.offset;
    throw "no field of this key";
}

// The same field's offset in an ItemRecord.
consteval std::size_t item_offset(std::span<const ParameterField> fields, std::string_view key) {
    return GJBZ108A_ITEM_BLOCK + offset_of(fields, key);
}

}  // namespace gjbz108a
