#include "tools/screen_info.h"

#include "records/record.h"
#include "records/undefined_value.h"

namespace gjbz108a::cli {

const ScreenFieldList* screen_fields(unsigned item_code) noexcept {
    const ScreenFieldList* list = nullptr;  // GetScrInfo leaves it so for unsupported codes
    GetScrInfo(static_cast<std::int32_t>(item_code), &list);
    return list;
}

std::span<const ScreenField> screen_entries(const ScreenFieldList& list) noexcept {
    if (list.fields == nullptr || list.count < 1) return {};
    return {list.fields, static_cast<std::size_t>(list.count)};
}

const ScreenField* screen_field_at(const ScreenFieldList& list, unsigned offset) noexcept {
    for (const ScreenField& field : screen_entries(list))
        if (field.offset == offset) return &field;
    return nullptr;
}

bool holds_undefined(const std::uint8_t* block, const ScreenField& field) noexcept {
    return number_undefined(block, field.offset, storage_of(field.type_code));
}

bool holds_wildcard(const std::uint8_t* block, const ScreenField& field) noexcept {
    const std::size_t at = field.offset;
    switch (storage_of(field.type_code)) {
    case Storage::byte: return block[at] == kWildcardByte;
    case Storage::i16: return load<std::int16_t>(block, at) == kWildcardI16;
    case Storage::u16: return load<std::uint16_t>(block, at) == kWildcardU16;
    case Storage::i32: return load<std::int32_t>(block, at) == kWildcardI32;
    case Storage::u32: return load<std::uint32_t>(block, at) == kWildcardU32;
    case Storage::f32: return load<float>(block, at) == kWildcardF32;
    case Storage::f64: return load<double>(block, at) == kWildcardF64;
    // A selection code's wildcard lies outside the part's codes; texts begin
    // with "***"; codes 12 and 13 have none.
    case Storage::selection:
    case Storage::text:
    case Storage::text8:
    case Storage::plain_u16:
    case Storage::none: return false;
    }
    return false;
}

}  // namespace gjbz108a::cli
