// Building ItemRecords and calling calc_item in tests.
#pragma once

#include "support/packed_record.h"

#include <gjbz108a/gjbz108a.h>

#include <array>
#include <cstdint>
#include <string>

namespace gjbz108a::test {

class ItemRecord : public PackedRecord<ItemRecord, GJBZ108A_ITEM_RECORD_SIZE> {
public:
    // An electronic part of the category in the given environment.
    explicit ItemRecord(unsigned item_code, unsigned environment = 1) {
        u8(GJBZ108A_ITEM_CLASS, 1).u8(GJBZ108A_ITEM_CODE, item_code).u8(GJBZ108A_ENVIRONMENT_CODE, environment);
    }

    ItemRecord& temperature(float t) { return f32(GJBZ108A_TEMPERATURE, t); }
    ItemRecord& cycling_rate(float r) { return f32(GJBZ108A_CYCLING_RATE, r); }
    // The size of an integrated circuit (byte 158) in its category's storage:
    // # of bits (f32), # of transist. (i32), # of elements (u32).
    ItemRecord& ic_size(double n) {
        if (u8_at(GJBZ108A_ITEM_CODE) == 1) return f32(158, static_cast<float>(n));
        if (u8_at(GJBZ108A_ITEM_CODE) == 2) return i32(158, static_cast<std::int32_t>(n));
        return u32(158, static_cast<std::uint32_t>(n));
    }

    float slot(unsigned i) const { return f32_at(GJBZ108A_ITEM_RESULTS + 4 * i); }
    float failure_rate() const { return f32_at(GJBZ108A_FAILURE_RATE); }
};

struct Calculation {
    int result;
    std::string messages;  // the buffer's text up to its NUL
    bool buffer_untouched; // not even a NUL was written
};

// Calls calc_item through the C ABI with a message buffer full of a marker byte.
inline Calculation calculate(ItemRecord& record) {
    std::array<char, 2048> buffer;
    buffer.fill('\x7f');
    const int result = calc_item(buffer.data(), record.data());
    const bool untouched = buffer[0] == '\x7f';
    return {result, untouched ? std::string{} : std::string{buffer.data()}, untouched};
}

}  // namespace gjbz108a::test
