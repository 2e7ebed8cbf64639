#include "records/screen_field.h"

#include "records/record.h"

#include <cstring>

namespace gjbz108a {

std::span<const ScreenField> entries(const ScreenFieldList* list) noexcept {
    if (list == nullptr || list->fields == nullptr || list->count < 1) return {};
    return {list->fields, static_cast<std::size_t>(list->count)};
}

std::size_t text_capacity(const ScreenField& field) noexcept {
    return storage_of(field) == Storage::text8 ? 8 : field.length;
}

std::string_view field_text(const std::uint8_t* block, const ScreenField& field) noexcept {
    const auto* text = reinterpret_cast<const char*>(block + field.offset);
    const std::size_t capacity = text_capacity(field);
    const void* nul = std::memchr(text, '\0', capacity);
    return {text, nul == nullptr ? capacity : static_cast<std::size_t>(static_cast<const char*>(nul) - text)};
}

void store_text(std::uint8_t* block, const ScreenField& field, std::string_view text) noexcept {
    std::uint8_t* target = block + field.offset;
    const std::size_t capacity = text_capacity(field);
    const std::size_t length = text.size() < capacity ? text.size() : capacity;
    std::memmove(target, text.data(), length);  // the text may come from this very field
    std::memset(target + length, 0, capacity + 1 - length);
}

void store_sentinel(std::uint8_t* block, const ScreenField& field, Sentinel sentinel) noexcept {
    const Storage storage = storage_of(field);
    if (storage == Storage::text || storage == Storage::text8)
        store_text(block, field, sentinel == Sentinel::undefined ? kUndefinedText : kWildcardText);
    else
        store_number_sentinel(block, field.offset, storage, sentinel);
}

}  // namespace gjbz108a
