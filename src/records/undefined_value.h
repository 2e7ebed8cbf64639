// Whether a number field of a parameter block holds its storage's undefined
// value ("---", the default applies). The merge with defaults makes this test,
// and so do the hosts that must tell an entered value from one left undefined.
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

}  // namespace gjbz108a
