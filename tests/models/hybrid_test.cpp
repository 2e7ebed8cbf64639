// The hybrid model through calc_item, with its tables checked by hand-read values.
#include "support/item_record.h"

#include <gtest/gtest.h>

namespace gjbz108a::test {
namespace {

constexpr unsigned kHybrid = 33;
constexpr std::size_t kQuality = 152;
constexpr std::size_t kIcs = 154;
constexpr std::size_t kTransistors = 156;
constexpr std::size_t kDiodes = 158;
constexpr std::size_t kPassives = 160;
constexpr std::size_t kUserQuality = 162;

enum Slot : unsigned { kRate, kLb, kPiE, kPiQ, kPiCyc, kA, kIcRate, kTransistorRate, kDiodeRate, kPassiveRate };

// Qual 7 (B2), no power cycling.
ItemRecord hybrid(unsigned ics, unsigned transistors, unsigned diodes, unsigned passives,
                  unsigned environment = 1) {
    ItemRecord part(kHybrid, environment);
    part.u8(kQuality, 7).cycling_rate(0);
    part.u16(kIcs, static_cast<std::uint16_t>(ics)).u16(kTransistors, static_cast<std::uint16_t>(transistors));
    part.u16(kDiodes, static_cast<std::uint16_t>(diodes)).u16(kPassives, static_cast<std::uint16_t>(passives));
    return part;
}

TEST(Hybrid, WorkedExample) {
    ItemRecord part = hybrid(2, 4, 0, 10);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 3);
    EXPECT_TRUE(calc.buffer_untouched);
    EXPECT_EQ(part.slot(kA), 1.15f);  // S = 14 + 6 + 0 + 10 = 30
    EXPECT_EQ(part.slot(kLb), 0.09292f);  // (0.0432 + 0.0216 + 0 + 0.016) x 1.15
    EXPECT_EQ(part.slot(kPiE), 1.0f);
    EXPECT_EQ(part.slot(kPiQ), 1.0f);
    EXPECT_EQ(part.slot(kPiCyc), 1.0f);
    EXPECT_EQ(part.slot(kRate), 0.09292f);
    EXPECT_EQ(part.failure_rate(), 0.09292f);
    EXPECT_EQ(part.slot(kIcRate), 0.0216f);
    EXPECT_EQ(part.slot(kTransistorRate), 0.0054f);
    EXPECT_EQ(part.slot(kDiodeRate), 0.0032f);
    EXPECT_EQ(part.slot(kPassiveRate), 0.0016f);
}

TEST(Hybrid, BaseRateIsSummedLeftToRightInSinglePrecision) {
    ItemRecord part = hybrid(1, 1, 2, 2);
    EXPECT_EQ(calculate(part).result, 3);
    // (0.0216 + 0.0054 + 0.0064 + 0.0032) x 1.15 = 0.04209 in decimal; the float
    // sum in the documented order lands one step lower (numpy.float32).
    EXPECT_EQ(part.slot(kLb), 0.042089995f);
}

TEST(Hybrid, ComplexityFactorChangesAbove31) {
    ItemRecord at_30 = hybrid(2, 4, 0, 10);
    ItemRecord at_37 = hybrid(3, 4, 0, 10);
    ItemRecord at_31 = hybrid(4, 2, 0, 0);
    ItemRecord at_32 = hybrid(4, 2, 1, 0);
    for (ItemRecord* part : {&at_30, &at_37, &at_31, &at_32}) ASSERT_EQ(calculate(*part).result, 3);
    EXPECT_EQ(at_30.slot(kA), 1.15f);
    EXPECT_EQ(at_37.slot(kA), 1.3f);
    EXPECT_EQ(at_31.slot(kA), 1.15f);
    EXPECT_EQ(at_32.slot(kA), 1.3f);

    ItemRecord empty = hybrid(0, 0, 0, 0);
    const Calculation calc = calculate(empty);
    EXPECT_EQ(calc.result, 3);
    EXPECT_EQ(empty.failure_rate(), 0.0f);
}

TEST(Hybrid, MarkerTripleGivesZeroWithoutLookingFurther) {
    ItemRecord part = hybrid(2, 4, 0, 10);
    part.cycling_rate(60).marker_triple().u8(kQuality, 0);
    part.f32(GJBZ108A_FAILURE_RATE, 7.0f);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 3);
    EXPECT_TRUE(calc.buffer_untouched);
    EXPECT_EQ(part.failure_rate(), 0.0f);
    for (unsigned slot = 0; slot < 10; ++slot) EXPECT_EQ(part.slot(slot), 0.0f) << slot;

    ItemRecord unsupported = hybrid(2, 4, 0, 10, 14);
    unsupported.marker_triple();
    const Calculation refused = calculate(unsupported);
    EXPECT_EQ(refused.result, 1);
    EXPECT_EQ(refused.messages, " Environment not supported\n");
    EXPECT_EQ(unsupported.u8_at(kQuality), 6);
}

TEST(Hybrid, CyclingCurveAndItsWarning) {
    const std::pair<float, float> points[] = {{0, 1}, {50, 2.55f}, {3, 1.09f}, {2.5f, 1.075f}, {35, 2.085f}};
    for (auto [rate, factor] : points) {
        ItemRecord part = hybrid(2, 4, 0, 10);
        part.cycling_rate(rate);
        ASSERT_EQ(calculate(part).result, 3);
        EXPECT_FLOAT_EQ(part.slot(kPiCyc), factor) << rate;
    }
    ItemRecord part = hybrid(2, 4, 0, 10);
    part.cycling_rate(60);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 2);
    EXPECT_EQ(calc.messages, " For  Circulation rate/1000 hours > 50 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(part.slot(kPiCyc), 2.86f);  // 2.55 + (2.55 - 1.62) / 3
}

TEST(Hybrid, EnvironmentFactors) {
    // In EnvironmentCode order.
    const std::pair<unsigned, float> factors[] = {
        {1, 1},   {2, 1.5f}, {3, 2.5f}, {4, 7},   {5, 8},    {6, 7.5f}, {7, 5},
        {8, 14},  {9, 10},   {10, 6.5f}, {11, 19}, {12, 10},  {13, 11},  {16, 15},
        {17, 13}, {21, 20},  {22, 1.2f}, {23, 14}, {26, 32},
    };
    for (auto [environment, factor] : factors) {
        ItemRecord part = hybrid(2, 4, 0, 10, environment);
        ASSERT_EQ(calculate(part).result, 3);
        EXPECT_EQ(part.slot(kPiE), factor) << "EnvironmentCode " << environment;
    }
}

TEST(Hybrid, QualityFactorsAndRefusal) {
    const float quality[] = {0.15f, 0.20f, 0.25f, 0.30f, 0.40f, 0.70f, 1.00f, 4.00f};
    for (unsigned code = 1; code <= 8; ++code) {
        ItemRecord part = hybrid(2, 4, 0, 10);
        part.u8(kQuality, code);
        ASSERT_EQ(calculate(part).result, 3);
        EXPECT_EQ(part.slot(kPiQ), quality[code - 1]) << "Qual " << code;
    }
    ItemRecord user = hybrid(2, 4, 0, 10);
    user.u8(kQuality, 9).f32(kUserQuality, 0.83f);
    ASSERT_EQ(calculate(user).result, 3);
    EXPECT_EQ(user.slot(kPiQ), 0.83f);
    EXPECT_EQ(user.u8_at(kQuality), 8);

    ItemRecord outside = hybrid(2, 4, 0, 10);
    outside.u8(kQuality, 10);
    const Calculation calc = calculate(outside);
    EXPECT_EQ(calc.result, 1);
    EXPECT_EQ(calc.messages, " Qual code 10 is not in the list 1..9\n");
    EXPECT_EQ(outside.slot(kRate), 0.0f);
}

}  // namespace
}  // namespace gjbz108a::test
