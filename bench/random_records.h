// Random records of all 28 categories that chek_item accepts and calc_item
// computes, for measuring calc_item on parts that no hand-picked mix favours.
#pragma once

#include "part_mix.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gjbz108a::bench {

// `per_category` records of each category, in a shuffled order. Every list
// field takes a random entry, every number a random value of its field's
// range, the environment one of the 19 that the models support, the
// temperature 0 to 110 degrees and the cycling rate 0 to 55 per 1000 hours,
// so that a part now and then lies beyond a curve and warns.
std::vector<ItemRecordBytes> random_valid_records(std::size_t per_category, std::uint32_t seed);

}  // namespace gjbz108a::bench
