// Global change: selecting parts by the conditions of a block and putting the
// new values of another block into them, field by field. In both blocks a
// wildcard means "any value" or "no change", and a selection code is stored one
// higher than in the part (0 is the wildcard, 1 is "not chosen").
#include <gjbz108a/global_change.h>

#include "records/record.h"
#include "records/screen_field.h"
#include "method/text_pattern.h"

#include <cstring>

namespace gjbz108a {
namespace {

template <typename T>
bool equal_or_wildcard(const std::uint8_t* part, const std::uint8_t* condition, std::size_t at,
                       T wildcard) noexcept {
    const T wanted = load<T>(condition, at);
    return wanted == wildcard || load<T>(part, at) == wanted;
}

bool condition_met(const std::uint8_t* part, const std::uint8_t* condition, const ScreenField& field) noexcept {
    const std::size_t at = field.offset;
    switch (storage_of(field)) {
    case Storage::byte: return equal_or_wildcard(part, condition, at, kWildcardByte);
    case Storage::i16: return equal_or_wildcard(part, condition, at, kWildcardI16);
    case Storage::u16: return equal_or_wildcard(part, condition, at, kWildcardU16);
    case Storage::i32: return equal_or_wildcard(part, condition, at, kWildcardI32);
    case Storage::u32: return equal_or_wildcard(part, condition, at, kWildcardU32);
    case Storage::f32: return equal_or_wildcard(part, condition, at, kWildcardF32);
    case Storage::f64: return equal_or_wildcard(part, condition, at, kWildcardF64);
    case Storage::plain_u16: return load<std::uint16_t>(part, at) == load<std::uint16_t>(condition, at);
    case Storage::selection: return condition[at] == 0 || part[at] == condition[at] - 1;
    case Storage::text8: {
        const std::string_view wanted = field_text(condition, field);
        return wanted.starts_with(kWildcardText) || field_text(part, field) == wanted;
    }
    case Storage::text:
        return text_condition_met(field_text(part, field), field_text(condition, field), text_capacity(field));
    case Storage::none: return true;
    }
    return true;
}

template <typename T>
void change_unless_wildcard(std::uint8_t* part, const std::uint8_t* new_values, std::size_t at,
                            T wildcard) noexcept {
    // The bytes themselves, so that a real keeps its exact bits.
    if (load<T>(new_values, at) != wildcard) std::memcpy(part + at, new_values + at, sizeof(T));
}

// "-rb1" removes the first character of the part's text, "-re1" the last. A
// field of fewer than three characters cannot hold "***": what the fill left
// there is a new text like any other.
void change_text(std::uint8_t* part, std::string_view new_text, const ScreenField& field) noexcept {
    if (new_text.starts_with(kWildcardText)) return;
    const std::string_view text = field_text(part, field);
    if (new_text == "-rb1") {
        store_text(part, field, text.empty() ? text : text.substr(1));
    } else if (new_text == "-re1") {
        // An empty text stays empty: nothing is written before the field.
        if (!text.empty()) part[field.offset + text.size() - 1] = 0;
        part[field.offset + text_capacity(field)] = 0;
    } else {
        store_text(part, field, new_text);
    }
}

void change(std::uint8_t* part, const std::uint8_t* new_values, const ScreenField& field) noexcept {
    const std::size_t at = field.offset;
    switch (storage_of(field)) {
    case Storage::byte: change_unless_wildcard(part, new_values, at, kWildcardByte); break;
    case Storage::i16: change_unless_wildcard(part, new_values, at, kWildcardI16); break;
    case Storage::u16: change_unless_wildcard(part, new_values, at, kWildcardU16); break;
    case Storage::i32: change_unless_wildcard(part, new_values, at, kWildcardI32); break;
    case Storage::u32: change_unless_wildcard(part, new_values, at, kWildcardU32); break;
    case Storage::f32: change_unless_wildcard(part, new_values, at, kWildcardF32); break;
    case Storage::f64: change_unless_wildcard(part, new_values, at, kWildcardF64); break;
    case Storage::plain_u16: std::memcpy(part + at, new_values + at, 2); break;
    case Storage::selection:
        if (new_values[at] != 0) part[at] = static_cast<std::uint8_t>(new_values[at] - 1);
        break;
    case Storage::text8: {
        const std::string_view new_text = field_text(new_values, field);
        if (!new_text.starts_with(kWildcardText)) store_text(part, field, new_text);
        break;
    }
    case Storage::text: change_text(part, field_text(new_values, field), field); break;
    case Storage::none: break;
    }
}

}  // namespace
}  // namespace gjbz108a

extern "C" void entr_fill_gch(uint8_t* block, const ScreenFieldList* list) {
    for (const ScreenField& field : gjbz108a::entries(list))
        gjbz108a::store_sentinel(block, field, gjbz108a::Sentinel::wildcard);
}

extern "C" int32_t gchg_cmprec(const uint8_t* part, const uint8_t* conditions, const ScreenFieldList* list) {
    for (const ScreenField& field : gjbz108a::entries(list))
        if (!gjbz108a::condition_met(part, conditions, field)) return 0;
    return 1;
}

extern "C" void gchg_chgrec(uint8_t* part, const uint8_t* new_values, const ScreenFieldList* list) {
    for (const ScreenField& field : gjbz108a::entries(list)) gjbz108a::change(part, new_values, field);
}
