// Helpers of the model tests: records of a category with the usual fields set,
// and the product of factors in the order a formula states it.
#pragma once

#include "support/item_record.h"

#include <initializer_list>

namespace gjbz108a::test {

// Multiplies left to right in single precision.
inline float product(std::initializer_list<float> factors) {
    float result = 1.0f;
    bool first = true;
    for (float f : factors) {
        result = first ? f : result * f;
        first = false;
    }
    return result;
}

// A part of `item_code` with style and quality codes at bytes 151 and 152 (all
// the semiconductors), at 25 degrees and no cycling, where every temperature
// and cycling curve gives 1.
inline ItemRecord styled_part(unsigned item_code, unsigned style, unsigned quality,
                              unsigned environment = 1) {
    ItemRecord record(item_code, environment);
    record.u8(151, style).u8(152, quality).temperature(25).cycling_rate(0);
    return record;
}

}  // namespace gjbz108a::test
