// A category's screen information (GetScrInfo) as the tool uses it: to mark
// every field of a part's entered block as not defined, to learn how a
// parameter is stored, and to tell a value from "not defined".
#pragma once

#include <gjbz108a/screen.h>

#include <cstdint>
#include <span>

namespace gjbz108a::cli {

// The field list of a supported category; nullptr for the other codes.
const ScreenFieldList* screen_fields(unsigned item_code) noexcept;

std::span<const ScreenField> screen_entries(const ScreenFieldList& list) noexcept;

// The entry of the field at block offset `offset`, or nullptr.
const ScreenField* screen_field_at(const ScreenFieldList& list, unsigned offset) noexcept;

// Whether the number field holds its storage's undefined value ("---").
bool holds_undefined(const std::uint8_t* block, const ScreenField& field) noexcept;

// Whether the number field holds its storage's wildcard value ("***"), which a
// global change takes for any value or no change.
bool holds_wildcard(const std::uint8_t* block, const ScreenField& field) noexcept;

}  // namespace gjbz108a::cli
