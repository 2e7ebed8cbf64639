#include "block_codec.h"

#include "error.h"
#include "records/field_values.h"

#include <string>

namespace gjbz108a::talwen {

Block undefined_block(unsigned item_code) {
    Block block{};
    for (const ParameterField& field : category_fields(item_code)) store_undefined(block.data(), field);
    return block;
}

void set_field(std::span<std::uint8_t> block, const ParameterField& field, std::string_view text) {
    std::string why;
    if (!read_field_value(field, text, block.data(), why)) throw Error(why);
}

std::span<const std::uint8_t> field_bytes(std::span<const std::uint8_t> block, const ParameterField& field) {
    return block.subspan(field.offset, field_width(field.type));
}

}  // namespace gjbz108a::talwen
