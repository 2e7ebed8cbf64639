// A realistic mix of parts of all 28 categories, as prepared ItemRecords.
#pragma once

#include <gjbz108a/records.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace gjbz108a::bench {

// One kind of part of the mix and how many of it the list holds. Parameters
// are named by their parts-list keys; list fields take their 1-based codes.
// Parameters not named are left for the defaults.
struct PartKind {
    unsigned count;
    unsigned item_code;
    unsigned environment;
    float temperature;
    float cycling_rate;
    std::initializer_list<std::pair<std::string_view, double>> fields;
};

std::span<const PartKind> part_kinds();

using ItemRecordBytes = std::array<std::uint8_t, GJBZ108A_ITEM_RECORD_SIZE>;

// The records of an equipment-sized parts list: passive parts outnumber the
// integrated circuits, every category appears at least once, and a few parts
// extrapolate a curve so that warnings are part of the work.
std::vector<ItemRecordBytes> part_mix();

}  // namespace gjbz108a::bench
