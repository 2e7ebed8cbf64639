// Field lists for the defaults and global-change functions, read from the
// fuzz input: a category's own list (GetScrInfo), or a list made up of
// arbitrary field type codes whose fields lie inside the block. Entries of
// the codes that every function skips (0 and above 24) get arbitrary offsets
// and lengths: they must not be touched.
#pragma once

#include "support/fuzz_support.h"
#include "support/record_fields.h"

#include <gjbz108a/gjbz108a.h>

#include <cstring>
#include <string_view>
#include <vector>

namespace gjbz108a::fuzz {

constexpr std::size_t kBlockSize = GJBZ108A_BLOCK_SIZE;

inline bool is_text(const ScreenField& field) {
    const Kind kind = kind_of(field.type_code);
    return kind == Kind::text || kind == Kind::text8;
}

// Characters of a text field before its closing NUL.
inline std::size_t capacity(const ScreenField& field) {
    return kind_of(field.type_code) == Kind::text8 ? 8 : field.length;
}

// The bytes a field occupies: a number's width, a text's characters and NUL;
// none for a skipped entry.
inline std::size_t extent(const ScreenField& field) {
    switch (kind_of(field.type_code)) {
    case Kind::byte: case Kind::selection: return 1;
    case Kind::i16: case Kind::u16: case Kind::plain_u16: return 2;
    case Kind::i32: case Kind::u32: case Kind::f32: return 4;
    case Kind::f64: return 8;
    case Kind::text: case Kind::text8: return capacity(field) + 1;
    case Kind::none: return 0;
    }
    return 0;
}

// A text field's text: up to its first NUL, at most its capacity.
inline std::string_view field_text(const std::uint8_t* block, const ScreenField& field) {
    const auto* text = reinterpret_cast<const char*>(block + field.offset);
    const void* nul = std::memchr(text, 0, capacity(field));
    return {text, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : capacity(field)};
}

// Whether two blocks hold the same value in a field: the same bytes of a
// number, the same text of a text.
inline bool same_value(const std::uint8_t* a, const std::uint8_t* b, const ScreenField& field) {
    if (is_text(field)) return field_text(a, field) == field_text(b, field);
    return std::memcmp(a + field.offset, b + field.offset, extent(field)) == 0;
}

class FieldList {
public:
    // First byte even: the list of ItemCode byte / 2 (none for an unsupported
    // code, handed in as a null list). Odd: a made-up list, then per entry a
    // type code, a length and a 32-bit offset.
    explicit FieldList(FuzzInput& in) {
        const auto choice = in.take<std::uint8_t>();
        if (choice % 2 == 0) {
            const auto fields = screen_fields(choice / 2u);
            fields_.assign(fields.begin(), fields.end());
            null_ = fields_.empty();
        } else {
            const auto count = in.take<std::uint8_t>();
            for (unsigned i = 0; i < count % 32u; ++i) fields_.push_back(take_field(in));
            // A negative count stands for an empty list.
            negative_ = count >= 128;
        }
        list_.count = negative_ ? -static_cast<int32_t>(fields_.size()) : static_cast<int32_t>(fields_.size());
        list_.fields = fields_.data();
        mark_bytes();
    }

    const ScreenFieldList* list() const { return null_ ? nullptr : &list_; }

    // The entries that the functions act on.
    std::vector<ScreenField> acted_on() const {
        std::vector<ScreenField> fields;
        if (negative_) return fields;
        for (const ScreenField& field : fields_)
            if (kind_of(field.type_code) != Kind::none) fields.push_back(field);
        return fields;
    }

    // Whether no byte belongs to two fields; the field-by-field properties
    // hold only then.
    bool disjoint() const { return disjoint_; }

    // Checks that `after` differs from `before` only in bytes of the fields.
    void require_only_fields_changed(const std::uint8_t* before, const std::uint8_t* after, const char* what) const {
        for (std::size_t i = 0; i < kBlockSize; ++i)
            if (before[i] != after[i]) require(covered_[i], what);
    }

private:
    static ScreenField take_field(FuzzInput& in) {
        ScreenField field{};
        field.type_code = in.take<std::uint8_t>();
        field.length = in.take<std::uint8_t>();
        field.offset = in.take<std::uint32_t>();
        if (kind_of(field.type_code) == Kind::none) return field;  // arbitrary: never touched
        if (kind_of(field.type_code) == Kind::text) field.length %= kBlockSize;  // characters and NUL fit
        field.offset %= static_cast<std::uint32_t>(kBlockSize - extent(field) + 1);
        return field;
    }

    void mark_bytes() {
        for (const ScreenField& field : acted_on()) {
            for (std::size_t i = field.offset; i < field.offset + extent(field); ++i) {
                if (covered_[i]) disjoint_ = false;
                covered_[i] = true;
            }
        }
    }

    std::vector<ScreenField> fields_;
    ScreenFieldList list_{};
    bool null_ = false;
    bool negative_ = false;
    bool disjoint_ = true;
    bool covered_[kBlockSize] = {};  // the bytes of the fields the functions act on
};

// A parameter block from the input, with guard bytes around it.
inline Guarded take_block(FuzzInput& in) {
    Guarded block(kBlockSize);
    in.take_into(block.data(), kBlockSize);
    return block;
}

}  // namespace gjbz108a::fuzz
