// The parameter fields of every category's ParameterBlock, as data: where each
// field lies, how it is stored, its list entries, and the stable lower-case key
// that names it in a parts list.
#pragma once

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
};

// The fields of a supported category, in block order; empty for other codes.
// Every category starts with the SubType byte, which the host library's default
// lookup uses.
std::span<const ParameterField> category_fields(unsigned item_code) noexcept;

// The field of `item_code` named `key`, or nullptr.
const ParameterField* find_field(unsigned item_code, std::string_view key) noexcept;

// Width in bytes of a field of the given type.
unsigned field_width(FieldType type) noexcept;

}  // namespace gjbz108a
