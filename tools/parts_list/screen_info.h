// A category's screen information (GetScrInfo) as the tool uses it: to mark
// every field of a part's entered block as not defined, and to fill, compare
// and change blocks in a global change.
#pragma once

#include <gjbz108a/screen.h>

namespace gjbz108a::cli {

// The field list of a supported category; nullptr for the other codes.
const ScreenFieldList* screen_fields(unsigned item_code) noexcept;

}  // namespace gjbz108a::cli
