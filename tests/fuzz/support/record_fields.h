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

// Field type codes of a SelectionCode byte.
inline bool selection_code(std::uint8_t type_code) {
    return type_code == 14 || type_code == 15 || type_code == 16 || type_code == 22 || type_code == 24;
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
        : before(first_bytes(data, size)), record(before.data(), kRecordSize), messages(message_size, kUnwritten) {}

    static std::array<std::uint8_t, kRecordSize> first_bytes(const std::uint8_t* data, std::size_t size) {
        std::array<std::uint8_t, kRecordSize> bytes{};
        std::memcpy(bytes.data(), data, std::min(size, kRecordSize));
        return bytes;
    }

    std::array<std::uint8_t, kRecordSize> before;
    Guarded record, messages;
};

}  // namespace gjbz108a::fuzz
