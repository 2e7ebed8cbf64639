// Typed access to the packed, little-endian records that the host owns.
//
// Records are plain byte buffers; fields start at any offset, so every access
// copies the bytes with memcpy instead of casting to a struct. The offsets live
// in <gjbz108a/records.h>.
#pragma once

#include <gjbz108a/records.h>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "records are little-endian; a big-endian port must swap bytes here");

namespace gjbz108a {

template <typename T>
T load(const std::uint8_t* record, std::size_t offset) noexcept {
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

template <typename T>
void store(std::uint8_t* record, std::size_t offset, T value) noexcept {
    std::memcpy(record + offset, &value, sizeof value);
}

inline std::uint8_t load_u8(const std::uint8_t* r, std::size_t o) noexcept { return r[o]; }
inline std::uint16_t load_u16(const std::uint8_t* r, std::size_t o) noexcept { return load<std::uint16_t>(r, o); }
inline std::int32_t load_i32(const std::uint8_t* r, std::size_t o) noexcept { return load<std::int32_t>(r, o); }
inline std::uint32_t load_u32(const std::uint8_t* r, std::size_t o) noexcept { return load<std::uint32_t>(r, o); }
inline float load_f32(const std::uint8_t* r, std::size_t o) noexcept { return load<float>(r, o); }

// Offset of result slot `slot` in an ItemRecord.
constexpr std::size_t item_slot(unsigned slot) noexcept {
    return GJBZ108A_ITEM_RESULTS + 4 * std::size_t{slot};
}

// The same field lies this much further on in an EditRecord's entered block
// and result block than in the ItemRecord.
constexpr std::size_t kEditShift = GJBZ108A_BLOCK_SIZE;

}  // namespace gjbz108a
