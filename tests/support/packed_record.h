// A packed record as a byte buffer with typed setters and getters, shared by
// the test builders of ItemRecords and EditRecords. The setters return the
// builder itself, so that fields can be chained.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace gjbz108a::test {

template <typename Builder, std::size_t size>
class PackedRecord {
public:
    Builder& u8(std::size_t offset, unsigned value) {
        bytes_[offset] = static_cast<std::uint8_t>(value);
        return self();
    }
    Builder& u16(std::size_t offset, std::uint16_t value) { return put(offset, value); }
    Builder& i32(std::size_t offset, std::int32_t value) { return put(offset, value); }
    Builder& u32(std::size_t offset, std::uint32_t value) { return put(offset, value); }
    Builder& f32(std::size_t offset, float value) { return put(offset, value); }
    // Both records begin with the part's header, which holds the marker triple.
    Builder& marker_triple() { return u8(44, 1).u8(45, 0x20).u8(46, 1); }

    float f32_at(std::size_t offset) const { return get<float>(offset); }
    std::uint32_t u32_at(std::size_t offset) const { return get<std::uint32_t>(offset); }
    std::uint8_t u8_at(std::size_t offset) const { return bytes_[offset]; }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    const std::array<std::uint8_t, size>& bytes() const { return bytes_; }

private:
    Builder& self() { return static_cast<Builder&>(*this); }
    template <typename T>
    Builder& put(std::size_t offset, T value) {
        std::memcpy(bytes_.data() + offset, &value, sizeof value);
        return self();
    }
    template <typename T>
    T get(std::size_t offset) const {
        T value;
        std::memcpy(&value, bytes_.data() + offset, sizeof value);
        return value;
    }

    std::array<std::uint8_t, size> bytes_{};
};

}  // namespace gjbz108a::test
