// What the fuzz targets know of a category from the plug-in's own description
// exports, so that the properties follow the published field lists and column
// counts instead of repeating them.
#pragma once

#include "support/fuzz_support.h"

#include <gjbz108a/gjbz108a.h>

#include <array>
#include <cstdint>
#include <span>

namespace gjbz108a::fuzz {

// The category's field list, or an empty span for an unsupported ItemCode.
inline std::span<const ScreenField> screen_fields(unsigned item_code) {
    const ScreenFieldList* list = nullptr;
    GetScrInfo(static_cast<int32_t>(item_code), &list);
    if (list == nullptr) return {};
    return {list->fields, static_cast<std::size_t>(list->count)};
}

inline bool supported(unsigned item_code) { return !screen_fields(item_code).empty(); }

// How a field type code stores its value; none for the codes that every function skips.
enum class Kind { none, byte, i16, u16, i32, u32, f32, f64, text, plain_u16, selection, text8 };

// The storage of each field type code, transcribed from the type table on its
// own rather than taken from the library: the properties check the library's
// storages against it.
inline Kind kind_of(std::uint8_t code) {
    switch (code) {
    case 1: case 2: case 19: return Kind::byte;
    case 3: return Kind::i16;
    case 4: case 20: return Kind::u16;
    case 5: return Kind::i32;
    case 6: case 21: return Kind::u32;
    case 7: return Kind::f32;
    case 8: return Kind::f64;
    case 9: case 10: case 11: case 23: return Kind::text;
    case 12: case 13: return Kind::plain_u16;
    case 14: case 15: case 16: case 22: case 24: return Kind::selection;
    case 17: case 18: return Kind::text8;
    default: return Kind::none;
    }
}

// Result slots a model owns: slot 0 and one per factor column, except the
// hybrid, which keeps its four element base rates behind its factors.
inline unsigned owned_result_slots(unsigned item_code) {
    if (item_code == 33) return 10;
    uint32_t factors = 0;
    GetFieldsCount(1, static_cast<int32_t>(item_code), GJBZ108A_REPORT_FACTORS, &factors);
    return 1 + factors;
}

constexpr std::size_t kRecordSize = 456;  // an ItemRecord and the slack behind it

// The arguments of calc_item and chek_item from the input: the record (zero
// past the input's end) as it was and with guard bytes, and a message buffer
// whose unwritten bytes show.
struct ItemCall {
    ItemCall(const std::uint8_t* data, std::size_t size, std::size_t message_size)
        : before(FuzzInput(data, size).take<std::array<std::uint8_t, kRecordSize>>()),
          record(before.data(), kRecordSize),
          messages(message_size, kUnwritten) {}

    std::array<std::uint8_t, kRecordSize> before;
    Guarded record, messages;
};

}  // namespace gjbz108a::fuzz
