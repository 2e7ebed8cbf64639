// What a reference designator names: one numbered designator ("R12": a
// prefix without digits or dashes, R, and the number 12, so that R012 is R12),
// a range of them ("R1-R10", "R10-R1": R1 to R10, the same prefix on both
// ends, letter case aside), or one designator of any other form ("U1A",
// "R1-C5", "R1-10"), taken as it is written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

struct Designators {
    enum class Form { none, text, numbered, range };
    Form form = Form::none;     // none: an empty designator
    std::string_view prefix;    // numbered and range: the letters before the number
    std::uint32_t first = 0;    // numbered: the number; range: the lower end
    std::uint32_t last = 0;     // the upper end; first for numbered

    // How many designators a range names (1 for the others).
    std::uint64_t count() const noexcept { return std::uint64_t{last} - first + 1; }
};

Designators read_designators(std::string_view ref) noexcept;

// "'R1-R10' names 10 designators, and qty is 8"; empty when a range names as
// many designators as the quantity, or the designator is no range.
std::string range_count_warning(std::string_view ref, const Designators& designators, unsigned quantity);

}  // namespace gjbz108a::cli
