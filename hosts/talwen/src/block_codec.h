// Parameter blocks as the library stores them, and the text form of their
// fields in the library's CSV files. The fields, their keys, offsets, storage
// and list entries are the record layer's own table (records/category_fields.h),
// so the files use the same keys as a parts list.
#pragma once

#include "records/category_fields.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gjbz108a::talwen {

constexpr std::size_t kBlockSize = 102;
using Block = std::array<std::uint8_t, kBlockSize>;

// A block of the category with every field holding its undefined value (the
// default applies) and the bytes no field names at 0.
Block undefined_block(unsigned item_code);

// Whether the field holds a value rather than its undefined value. A real
// field counts as undefined from a magnitude of 2^127 on, as in the merge of
// entered values with defaults.
bool is_defined(std::span<const std::uint8_t> block, const ParameterField& field);

// Writes the field's value from its text. Empty text and "---" mean undefined.
// Lists take an entry's text (letter case ignored) or its 1-based code; numbers
// must fit their storage without reaching its undefined value. Throws Error
// with the reason; the caller adds where the text came from.
void set_field(std::span<std::uint8_t> block, const ParameterField& field, std::string_view text);

// The field's value as text: a list entry's text, a number (reals in their
// shortest exact form), or "" when undefined. set_field reads it back exactly.
std::string field_text(std::span<const std::uint8_t> block, const ParameterField& field);

// The field's bytes inside a block.
std::span<const std::uint8_t> field_bytes(std::span<const std::uint8_t> block, const ParameterField& field);

}  // namespace gjbz108a::talwen
