// The sentinels of the number storages in a parameter block: whether a field
// holds its undefined value ("---", the default applies) or its wildcard value
// ("***", any value or no change), and writing them. The merge with defaults,
// the global change and the hosts that must tell an entered value from one left
// undefined all use these.
#pragma once

#include "records/field_types.h"
#include "records/record.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace gjbz108a {

// frexp gives 3.40248318403865e38 the exponent 128; a real whose exponent is
// lower, i.e. whose magnitude is below 2^127, is defined. The fill writes the
// largest f32, which lies above 2^127 and so reads back as undefined.
inline bool real_undefined(double value) noexcept {
    constexpr int kFirstUndefinedExponent = 128;
    // frexp leaves the exponent of infinities and NaNs unspecified: an infinity
    // is beyond every magnitude, so undefined; a NaN has none and is kept as
    // entered, so that a bad entry shows instead of silently becoming a default.
    if (std::isnan(value)) return false;
    if (std::isinf(value)) return true;
    int exponent = 0;
    std::frexp(value, &exponent);
    return exponent >= kFirstUndefinedExponent;
}

// The number at `offset` of `block`, stored as `storage`. Texts have their own
// test (they begin with "---"), and codes 12 and 13 never count as undefined.
inline bool number_undefined(const std::uint8_t* block, std::size_t offset, Storage storage) noexcept {
    switch (storage) {
    case Storage::byte: return block[offset] == kUndefinedByte;
    case Storage::i16: return load<std::int16_t>(block, offset) == kUndefinedI16;
    case Storage::u16: return load<std::uint16_t>(block, offset) == kUndefinedU16;
    case Storage::i32: return load<std::int32_t>(block, offset) == kUndefinedI32;
    case Storage::u32: return load<std::uint32_t>(block, offset) == kUndefinedU32;
    case Storage::f32: return real_undefined(load<float>(block, offset));
    case Storage::f64: return real_undefined(load<double>(block, offset));
    case Storage::selection: return block[offset] == kUndefinedSelection;
    case Storage::text:
    case Storage::text8:
    case Storage::plain_u16:
    case Storage::none: return false;
    }
    return false;
}

inline bool number_wildcard(const std::uint8_t* block, std::size_t offset, Storage storage) noexcept {
    switch (storage) {
    case Storage::byte: return block[offset] == kWildcardByte;
    case Storage::i16: return load<std::int16_t>(block, offset) == kWildcardI16;
    case Storage::u16: return load<std::uint16_t>(block, offset) == kWildcardU16;
    case Storage::i32: return load<std::int32_t>(block, offset) == kWildcardI32;
    case Storage::u32: return load<std::uint32_t>(block, offset) == kWildcardU32;
    case Storage::f32: return load<float>(block, offset) == kWildcardF32;
    case Storage::f64: return load<double>(block, offset) == kWildcardF64;
    // A selection code's wildcard lies outside the part's codes; texts begin
    // with "***"; codes 12 and 13 have none.
    case Storage::selection:
    case Storage::text:
    case Storage::text8:
    case Storage::plain_u16:
    case Storage::none: return false;
    }
    return false;
}

enum class Sentinel { undefined, wildcard };

// Writes the undefined or wildcard value of a number storage; codes 12 and 13
// take the u16 ones. Texts have their own writer (store_sentinel of a
// ScreenField).
inline void store_number_sentinel(std::uint8_t* block, std::size_t at, Storage storage, Sentinel sentinel) noexcept {
    const bool undefined = sentinel == Sentinel::undefined;
    switch (storage) {
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
    case Storage::text8:
    case Storage::none: break;
    }
}

}  // namespace gjbz108a
