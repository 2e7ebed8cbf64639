// A realistic mix of parts of all 28 categories, as prepared ItemRecords.
#pragma once

#include <gjbz108a/records.h>

#include <array>
#include <cstdint>
#include <vector>

namespace gjbz108a::bench {

using ItemRecordBytes = std::array<std::uint8_t, GJBZ108A_ITEM_RECORD_SIZE>;

// The records of an equipment-sized parts list: passive parts outnumber the
// integrated circuits, every category appears at least once, and a few parts
// extrapolate a curve so that warnings are part of the work.
std::vector<ItemRecordBytes> part_mix();

}  // namespace gjbz108a::bench
