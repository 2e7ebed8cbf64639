// Building ItemRecords and calling calc_item in tests.
#pragma once

#include <gjbz108a/gjbz108a.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace gjbz108a::test {

class ItemRecord {
public:
    // An electronic part of the category in the given environment.
    explicit ItemRecord(unsigned item_code, unsigned environment = 1) {
        bytes_[GJBZ108A_ITEM_CLASS] = 1;
        bytes_[GJBZ108A_ITEM_CODE] = static_cast<std::uint8_t>(item_code);
        bytes_[GJBZ108A_ENVIRONMENT_CODE] = static_cast<std::uint8_t>(environment);
    }

    ItemRecord& u8(std::size_t offset, unsigned value) {
        bytes_[offset] = static_cast<std::uint8_t>(value);
        return *this;
    }
    ItemRecord& u16(std::size_t offset, std::uint16_t value) { return put(offset, value); }
    ItemRecord& i32(std::size_t offset, std::int32_t value) { return put(offset, value); }
    ItemRecord& u32(std::size_t offset, std::uint32_t value) { return put(offset, value); }
    ItemRecord& f32(std::size_t offset, float value) { return put(offset, value); }

    ItemRecord& temperature(float t) { return f32(GJBZ108A_TEMPERATURE, t); }
    ItemRecord& cycling_rate(float r) { return f32(GJBZ108A_CYCLING_RATE, r); }
    ItemRecord& marker_triple() { return u8(44, 1).u8(45, 0x20).u8(46, 1); }

    float f32_at(std::size_t offset) const { return get<float>(offset); }
    std::uint32_t u32_at(std::size_t offset) const { return get<std::uint32_t>(offset); }
    std::uint8_t u8_at(std::size_t offset) const { return bytes_[offset]; }
    float slot(unsigned i) const { return f32_at(GJBZ108A_ITEM_RESULTS + 4 * i); }
    float failure_rate() const { return f32_at(GJBZ108A_FAILURE_RATE); }

    std::uint8_t* data() { return bytes_.data(); }
    const std::array<std::uint8_t, GJBZ108A_ITEM_RECORD_SIZE>& bytes() const { return bytes_; }

private:
    template <typename T>
    ItemRecord& put(std::size_t offset, T value) {
        std::memcpy(bytes_.data() + offset, &value, sizeof value);
        return *this;
    }
    template <typename T>
    T get(std::size_t offset) const {
        T value;
        std::memcpy(&value, bytes_.data() + offset, sizeof value);
        return value;
    }

    std::array<std::uint8_t, GJBZ108A_ITEM_RECORD_SIZE> bytes_{};
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
