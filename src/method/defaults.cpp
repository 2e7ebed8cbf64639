// Default values: marking every field of a block as undefined, and merging the
// block a user entered with a block of defaults, field by field.
#include <gjbz108a/defaults.h>

#include "records/record.h"
#include "records/screen_field.h"
#include "records/undefined_value.h"

#include <cstring>

namespace gjbz108a {
namespace {

bool undefined(const std::uint8_t* block, const ScreenField& field) noexcept {
    const Storage storage = storage_of(field);
    if (storage == Storage::text || storage == Storage::text8)
        // A text field of fewer than three characters holds only part of "---"
        // after the fill, so it never counts as undefined.
        return field_text(block, field).starts_with(kUndefinedText);
    return number_undefined(block, field.offset, storage);
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
