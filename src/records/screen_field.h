// Reading and writing the fields of a parameter block through the entries of a
// ScreenFieldList, as the defaults and global-change functions do.
#pragma once

#include <gjbz108a/screen.h>

#include "records/field_types.h"
#include "records/undefined_value.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace gjbz108a {

// The entries of `list`; none for a null list or a count below 1.
std::span<const ScreenField> entries(const ScreenFieldList* list) noexcept;

inline Storage storage_of(const ScreenField& field) noexcept { return storage_of(field.type_code); }

// Characters a text field holds before its closing NUL: the entry's length for
// codes 9, 10, 11 and 23, 8 for codes 17 and 18.
std::size_t text_capacity(const ScreenField& field) noexcept;

// The text of a text field: up to its first NUL and never longer than its
// capacity, so a field that lacks its NUL is not read past its end.
std::string_view field_text(const std::uint8_t* block, const ScreenField& field) noexcept;

// Writes at most the field's capacity of `text`, NUL-padded to the capacity,
// and a NUL after it. `text` may lie inside the field itself.
void store_text(std::uint8_t* block, const ScreenField& field, std::string_view text) noexcept;

// Writes the field's undefined ("---") or wildcard ("***") value.
void store_sentinel(std::uint8_t* block, const ScreenField& field, Sentinel sentinel) noexcept;

}  // namespace gjbz108a
