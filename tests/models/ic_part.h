// Integrated-circuit records for the model tests.
#pragma once

#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

namespace gjbz108a::test {

// Parameter fields of ItemCodes 1, 2 and 3 (ItemRecord offsets).
namespace ic_field {
constexpr std::size_t type = 151;
constexpr std::size_t tech = 152;
constexpr std::size_t package = 153;
constexpr std::size_t quality = 154;
constexpr std::size_t learning = 155;
constexpr std::size_t pins = 156;  // u16
constexpr std::size_t size = 158;  // bits f32, analog transistors i32, digital elements u32
constexpr std::size_t user_quality = 166;
constexpr std::size_t seal = 170;
}  // namespace ic_field

// Result slots of the integrated circuits.
enum IcSlot : unsigned { kRate, kLbase, kPiE, kPiQ, kPiT, kPiF, kPiCyc, kPiL };

constexpr unsigned kIcMemory = 1;
constexpr unsigned kIcAnalog = 2;
constexpr unsigned kIcDigital = 3;

// A part that computes without a warning: Type 1, Tech 2, Package 1 (Dual
// In-Line), Qual 5 (B2), Learn fact. 1, 16 pins, 25 degrees, no power cycling;
// 4096 bits, 100 analog transistors or 1000 digital elements; Seal 1.
inline ItemRecord ic_part(unsigned item_code, unsigned environment = 1) {
    ItemRecord part(item_code, environment);
    part.u8(ic_field::type, 1).u8(ic_field::tech, 2).u8(ic_field::package, 1);
    part.u8(ic_field::quality, 5).u8(ic_field::learning, 1).u16(ic_field::pins, 16);
    part.temperature(25).cycling_rate(0);
    if (item_code == kIcMemory) part.f32(ic_field::size, 4096);
    if (item_code == kIcAnalog) part.i32(ic_field::size, 100).u8(ic_field::seal, 1);
    if (item_code == kIcDigital) part.u32(ic_field::size, 1000);
    return part;
}

// Lbase, PI e, PI q, PI t, PI f, PI cyc and PI l, exactly.
inline void expect_factors(const ItemRecord& part, const std::array<float, 7>& factors) {
    for (unsigned slot = kLbase; slot <= kPiL; ++slot)
        EXPECT_EQ(part.slot(slot), factors[slot - 1]) << "slot " << slot;
}

}  // namespace gjbz108a::test
