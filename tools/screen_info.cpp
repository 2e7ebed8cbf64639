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
    return number_wildcard(block, field.offset, storage_of(field.type_code));
}

}  // namespace gjbz108a::cli
