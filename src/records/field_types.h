// Field type codes of a ScreenField: how a ParameterBlock field is stored, and
// the two sentinels of each storage. The undefined value ("---") means that the
// field is not defined and the default applies; the wildcard value ("***")
// means any value in a global-change condition and no change in a new value.
#pragma once

#include <bit>
#include <cstdint>

namespace gjbz108a {

enum class Storage : std::uint8_t {
    none,        // not a field type code
    byte,        // 1, 2, 19
    i16,         // 3
    u16,         // 4, 20
    i32,         // 5
    u32,         // 6, 21
    f32,         // 7
    f64,         // 8
    text,        // 9, 10, 11, 23: the entry's length, then a NUL
    plain_u16,   // 12, 13: u16 without sentinels of its own in merge, change and compare
    selection,   // 14, 15, 16, 22, 24: SelectionCode byte, 0 = nothing chosen
    text8,       // 17, 18: 8 characters, then a NUL
};

constexpr Storage storage_of(unsigned field_type_code) noexcept {
    switch (field_type_code) {
    case 1: case 2: case 19: return Storage::byte;
    case 3: return Storage::i16;
    case 4: case 20: return Storage::u16;
    case 5: return Storage::i32;
    case 6: case 21: return Storage::u32;
    case 7: return Storage::f32;
    case 8: return Storage::f64;
    case 9: case 10: case 11: case 23: return Storage::text;
    case 12: case 13: return Storage::plain_u16;
    case 14: case 15: case 16: case 22: case 24: return Storage::selection;
    case 17: case 18: return Storage::text8;
    default: return Storage::none;
    }
}

// Bytes of a number storage; 0 for the texts and for no storage.
constexpr unsigned number_width(Storage storage) noexcept {
    switch (storage) {
    case Storage::byte: case Storage::selection: return 1;
    case Storage::i16: case Storage::u16: case Storage::plain_u16: return 2;
    case Storage::i32: case Storage::u32: case Storage::f32: return 4;
    case Storage::f64: return 8;
    case Storage::none: case Storage::text: case Storage::text8: return 0;
    }
    return 0;
}

// Undefined ("---") and wildcard ("***") values of the integer storages.
constexpr std::uint8_t kUndefinedByte = 127, kWildcardByte = 117;
constexpr std::int16_t kUndefinedI16 = 32767, kWildcardI16 = 32757;
constexpr std::uint16_t kUndefinedU16 = 65535, kWildcardU16 = 65525;
constexpr std::int32_t kUndefinedI32 = 2147483647, kWildcardI32 = 2147483637;
constexpr std::uint32_t kUndefinedU32 = 4294967295u, kWildcardU32 = 4294967285u;
constexpr std::uint8_t kUndefinedSelection = 0, kWildcardSelection = 0;

// Real storages: the largest f32 and a hundredth of it.
constexpr float kUndefinedF32 = std::bit_cast<float>(std::uint32_t{0x7F7FFFFF});
constexpr float kWildcardF32 = std::bit_cast<float>(std::uint32_t{0x7C23D70A});
constexpr double kUndefinedF64 = 3.4028234663852886e38;
constexpr double kWildcardF64 = 3.4028234663852885e36;

// Text storages.
constexpr const char* kUndefinedText = "---";
constexpr const char* kWildcardText = "***";

}  // namespace gjbz108a
