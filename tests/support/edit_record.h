// Building EditRecords (the host's stored part records) in tests.
#pragma once

#include <gjbz108a/records.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace gjbz108a::test {

// Offsets of the two parameter blocks; add a block offset to them.
constexpr std::size_t kEffective = GJBZ108A_EDIT_EFFECTIVE_BLOCK;
constexpr std::size_t kEntered = GJBZ108A_EDIT_ENTERED_BLOCK;

class EditRecord {
public:
    // An electronic part of the category; every other byte is 0.
    explicit EditRecord(unsigned item_code) {
        bytes_[GJBZ108A_ITEM_CLASS] = 1;
        bytes_[GJBZ108A_ITEM_CODE] = static_cast<std::uint8_t>(item_code);
        bytes_[GJBZ108A_EDIT_ITEM_CLASS] = 1;
        bytes_[GJBZ108A_EDIT_ITEM_CODE] = static_cast<std::uint8_t>(item_code);
    }

    EditRecord& u8(std::size_t offset, unsigned value) {
        bytes_[offset] = static_cast<std::uint8_t>(value);
        return *this;
    }
    EditRecord& u16(std::size_t offset, std::uint16_t value) { return put(offset, value); }
    EditRecord& i32(std::size_t offset, std::int32_t value) { return put(offset, value); }
    EditRecord& u32(std::size_t offset, std::uint32_t value) { return put(offset, value); }
    EditRecord& f32(std::size_t offset, float value) { return put(offset, value); }

    // Result slot 0 is the failure rate, slot c the value of factor column c.
    EditRecord& result(unsigned slot, float value) { return f32(GJBZ108A_EDIT_RESULTS + 4 * slot, value); }
    EditRecord& marker_triple() { return u8(44, 1).u8(45, 0x20).u8(46, 1); }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }

private:
    template <typename T>
    EditRecord& put(std::size_t offset, T value) {
        std::memcpy(bytes_.data() + offset, &value, sizeof value);
        return *this;
    }

    std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> bytes_{};
};

}  // namespace gjbz108a::test
