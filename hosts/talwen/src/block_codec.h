// Parameter blocks as the library stores them. The fields, their keys,
// offsets, storage and list entries are the record layer's own table
// (records/category_fields.h), and their texts in the library's CSV files and
// commands follow the record layer's converter (records/field_values.h), so the
// files use the same keys and values as a parts list.
#pragma once

#include "records/category_fields.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace gjbz108a::talwen {

constexpr std::size_t kBlockSize = 102;
using Block = std::array<std::uint8_t, kBlockSize>;

// A block of the category with every field holding its undefined value (the
// default applies) and the bytes no field names at 0.
Block undefined_block(unsigned item_code);

// Writes the field's value from its text (read_field_value). Throws Error with
// the reason; the caller adds where the text came from.
void set_field(std::span<std::uint8_t> block, const ParameterField& field, std::string_view text);

// The field's bytes inside a block.
std::span<const std::uint8_t> field_bytes(std::span<const std::uint8_t> block, const ParameterField& field);

}  // namespace gjbz108a::talwen
