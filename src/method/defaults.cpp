// Default values: marking every field of a block as undefined, and merging the
// block a user entered with a block of defaults, field by field.
#include <gjbz108a/defaults.h>

#include "method/record.h"
#include "method/screen_field.h"

#include <cmath>
#include <cstring>

namespace gjbz108a {
namespace {

// frexp gives 3.40248318403865e38 the exponent 128; a real whose exponent is
// lower, i.e. whose magnitude is below 2^127, is defined. The fill writes the
// largest f32, which lies above 2^127 and so reads back as undefined.
constexpr int kFirstUndefinedExponent = 128;

bool real_undefined(double value) noexcept {
    // frexp leaves the exponent of infinities and NaNs unspecified: an infinity
    // is beyond every magnitude, so undefined; a NaN has none and is kept as
    // entered, so that a bad entry shows instead of silently becoming a default.
    if (std::isnan(value)) return false;
    if (std::isinf(value)) return true;
    int exponent = 0;
    std::frexp(value, &exponent);
    return exponent >= kFirstUndefinedExponent;
}

bool undefined(const std::uint8_t* block, const ScreenField& field) noexcept {
    const std::size_t at = field.offset;
    switch (storage_of(field)) {
    case Storage::byte: return block[at] == kUndefinedByte;
    case Storage::i16: return load<std::int16_t>(block, at) == kUndefinedI16;
    case Storage::u16: return load<std::uint16_t>(block, at) == kUndefinedU16;
    case Storage::i32: return load<std::int32_t>(block, at) == kUndefinedI32;
    case Storage::u32: return load<std::uint32_t>(block, at) == kUndefinedU32;
    case Storage::f32: return real_undefined(load<float>(block, at));
    case Storage::f64: return real_undefined(load<double>(block, at));
    case Storage::text:
    case Storage::text8:
        // A text field of fewer than three characters holds only part of "---"
        // after the fill, so it never counts as undefined.
        return field_text(block, field).starts_with(kUndefinedText);
    case Storage::selection: return block[at] == kUndefinedSelection;
    case Storage::plain_u16:  // filled with 65535, but always taken as entered
    case Storage::none: return false;
    }
    return false;
}

void copy_field(std::uint8_t* destination, const std::uint8_t* source, const ScreenField& field) noexcept {
    const Storage storage = storage_of(field);
    if (storage == Storage::text || storage == Storage::text8) {
        store_text(destination, field, field_text(source, field));
    } else {
        // The bytes themselves, so that a real keeps its exact bits.
        std::memmove(destination + field.offset, source + field.offset, number_width(storage));
    }
}

}  // namespace
}  // namespace gjbz108a

extern "C" void entr_fill_def(uint8_t* block, const ScreenFieldList* list) {
    for (const ScreenField& field : gjbz108a::entries(list))
        gjbz108a::store_sentinel(block, field, gjbz108a::Sentinel::undefined);
}

extern "C" void entr_upd_def(uint8_t* destination, const uint8_t* entered, const uint8_t* defaults,
                             const ScreenFieldList* list) {
    using namespace gjbz108a;
    for (const ScreenField& field : entries(list)) {
        if (storage_of(field) == Storage::none) continue;
        copy_field(destination, undefined(entered, field) ? defaults : entered, field);
    }
}
