// A stand-in for calc_item whose answers a test chooses through the parts list,
// so that totals, statuses and messages can be worked out by hand:
// - the failure rate is the part's temperature;
// - a cycling rate above 0 adds a validity warning (result 2);
// - EnvironmentCode 14 is refused with " Environment not supported\n" (result 1).
// A second stand-in adds factors (see with_capacitor_factors).
#pragma once

#include "records/record.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace gjbz108a::cli::test {

inline std::int32_t temperature_as_rate(char* messages, std::uint8_t* record) {
    if (record[GJBZ108A_ENVIRONMENT_CODE] == 14) {
        std::strcpy(messages, " Environment not supported\n");
        return GJBZ108A_NOT_COMPUTED;
    }
    const float rate = load_f32(record, GJBZ108A_TEMPERATURE);
    store(record, GJBZ108A_FAILURE_RATE, rate);
    store(record, item_slot(0), rate);
    if (load_f32(record, GJBZ108A_CYCLING_RATE) > 0) {
        std::sprintf(messages, " For %s > %g the model may be invalid\n\n", "Circulation Rate", 100.0);
        return GJBZ108A_WITH_WARNINGS;
    }
    return GJBZ108A_COMPUTED;
}

// As temperature_as_rate, with factors chosen so that every capacitor cell can
// be worked out by hand: slots 1 to 6 (Lbase, PI e, PI q, PI t, PI cyc, PI ch)
// hold 0.5, 2, 0.75, 1.5, 1.25 and 3.
inline std::int32_t with_capacitor_factors(char* messages, std::uint8_t* record) {
    const std::int32_t result = temperature_as_rate(messages, record);
    if (result == GJBZ108A_NOT_COMPUTED) return result;
    const float factors[] = {0.5f, 2.0f, 0.75f, 1.5f, 1.25f, 3.0f};
    for (unsigned slot = 1; slot <= 6; ++slot) store(record, item_slot(slot), factors[slot - 1]);
    return result;
}

}  // namespace gjbz108a::cli::test
