// What the five discrete-semiconductor models share: where their fields lie,
// their result slots, the quality levels and the overheating refusal.
#pragma once

#include "models/model_run.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace gjbz108a::semiconductor {

// Record offsets common to ItemCodes 11..15. The user quality factor lies in a
// different place in each category.
constexpr std::size_t kStyle = item_offset(fields::kLfDiode, "style");
constexpr std::size_t kQuality = item_offset(fields::kLfDiode, "quality");
static_assert(kStyle == item_offset(fields::kOptoelectronic, "style") &&
              kQuality == item_offset(fields::kOptoelectronic, "quality"));

// Result slots, in the order of the report columns.
enum Slot : unsigned { kBaseRate = 1, kPiE, kPiQ, kPiT, kPiCyc, kPiR };

// Quality levels A2, A3, A4, A5, B1, B2, C, in hundredths; "User" follows them.
using QualityTable = std::array<std::int32_t, 7>;
constexpr QualityTable kDiodeTransistorQuality{7, 12, 20, 35, 60, 100, 400};
constexpr float kQualityDivisor = 100.0f;

// Base failure rates are stored in units of 1e-5.
constexpr float stored_rate(std::int32_t stored) noexcept { return scaled(stored, 100000.0f); }

// Germanium junctions are not rated above 90 degrees: such a part is refused
// before any curve is read. The text ends in a blank and the format adds
// another, so two blanks stand before "90".
inline bool overheated(float temperature) noexcept { return temperature > 90.0f; }
inline int refuse_overheated(ModelRun& run) noexcept {
    return run.refuse("%s 90\n", " The component is overheated. T is greater than ");
}

}  // namespace gjbz108a::semiconductor
