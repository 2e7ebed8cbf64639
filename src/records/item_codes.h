// Part categories (ItemCode), environments and the marker triple.
#pragma once

#include <gjbz108a/records.h>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace gjbz108a {

// One supported part category. The name is the title of its editing dialog.
struct Category {
    std::uint8_t item_code;
    std::string_view name;
};

// The 28 supported categories, in ascending ItemCode order.
std::span<const Category> categories() noexcept;

// The category of `item_code`, or nullptr for the codes that are not supported
// (0, 4, 17, 23, 26, 32 and above 33).
const Category* find_category(unsigned item_code) noexcept;

// EnvironmentCodes accepted by calc_item; the models support 19 of them.
constexpr unsigned kLastEnvironmentCode = 27;
constexpr unsigned kEnvironmentColumns = 19;

// EnvironmentCode -> column of every environment-factor table, -1 where the
// models do not support the environment. Entry 0 is never reached (calc_item
// refuses code 0 before a model runs).
inline constexpr std::array<std::int8_t, kLastEnvironmentCode + 1> kEnvironmentColumn{
    0,  0,  1,  2,  4,  6,  7,  8,  10, 9,  3,  15, 13, 5,
    -1, -1, 11, 14, -1, -1, -1, 12, 16, 18, -1, -1, 17, -1,
};

// The environment-factor column of an EnvironmentCode 0..27, or -1 when the
// models do not support it. Codes above 27 give -1 as well. Inline, as every
// calculation asks it.
constexpr int environment_column(unsigned environment_code) noexcept {
    return environment_code < kEnvironmentColumn.size() ? kEnvironmentColumn[environment_code] : -1;
}

// Header bytes 44..46 equal to 1, 0x20, 1: the host's flag under which a part
// is not predicted from its own conditions (GJBZ108A_MARKER_TRIPLE).
constexpr bool marker_triple_set(const std::uint8_t* record) noexcept {
    return record[GJBZ108A_MARKER_TRIPLE] == 1 && record[GJBZ108A_MARKER_TRIPLE + 1] == 0x20 &&
           record[GJBZ108A_MARKER_TRIPLE + 2] == 1;
}

}  // namespace gjbz108a
