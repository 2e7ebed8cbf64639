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
    const bool undefined = sentinel == Sentinel::undefined;
    const std::size_t at = field.offset;
    switch (storage_of(field)) {
    case Storage::byte: store(block, at, undefined ? kUndefinedByte : kWildcardByte); break;
    case Storage::i16: store(block, at, undefined ? kUndefinedI16 : kWildcardI16); break;
    case Storage::u16:
    case Storage::plain_u16: store(block, at, undefined ? kUndefinedU16 : kWildcardU16); break;
    case Storage::i32: store(block, at, undefined ? kUndefinedI32 : kWildcardI32); break;
    case Storage::u32: store(block, at, undefined ? kUndefinedU32 : kWildcardU32); break;
    case Storage::f32: store(block, at, undefined ? kUndefinedF32 : kWildcardF32); break;
    case Storage::f64: store(block, at, undefined ? kUndefinedF64 : kWildcardF64); break;
    case Storage::selection: store(block, at, undefined ? kUndefinedSelection : kWildcardSelection); break;
    case Storage::text:
    case Storage::text8: store_text(block, field, undefined ? kUndefinedText : kWildcardText); break;
    case Storage::none: break;
    }
}

}  // namespace gjbz108a
