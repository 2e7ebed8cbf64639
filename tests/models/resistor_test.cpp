// The fixed and variable resistor models' special rules and refusals, through
// calc_item.
#include "model_checks.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace gjbz108a::test {
namespace {

enum FixedSlot { kRate, kBase, kPiE, kPiQ, kPiT, kPiCyc };
constexpr std::size_t kFixedStyle = 151, kFilmResistors = 152, kFixedQuality = 153;
constexpr unsigned kNetwork = 12;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

ItemRecord fixed_resistor(unsigned style, unsigned quality, unsigned environment = 1) {
    ItemRecord record(5, environment);
    record.u8(kFixedStyle, style).u8(kFilmResistors, 1).u8(kFixedQuality, quality);
    return record.temperature(25).cycling_rate(0);
}

enum VariableSlot { kVarRate, kVarBase, kVarPiE, kVarPiQ, kVarPiCyc };

ItemRecord variable_resistor(unsigned style, unsigned quality, unsigned environment = 1) {
    ItemRecord record(6, environment);
    return record.u8(151, style).u8(152, quality).cycling_rate(0);
}

TEST(Resistors, NetworkRateGrowsWithFilmResistorsAndTemperature) {
    // Network, quality C (3), EnvironmentCode 3 (1.8), 1 cycle (1.06), 40
    // degrees (1.92), 3 film resistors. For these factors any other order of
    // the products rounds differently.
    ItemRecord network = fixed_resistor(kNetwork, 5, 3);
    network.u8(kFilmResistors, 3).temperature(40).cycling_rate(1);
    ASSERT_EQ(calculate(network).result, 3);
    const float one_film = product({3, 0.0009f, 1.8f, 1.06f});
    EXPECT_EQ(network.slot(kPiT), 1.92f);
    EXPECT_EQ(network.failure_rate(), product({3, 1.92f, one_film}));
    EXPECT_EQ(network.slot(kRate), network.failure_rate());
    EXPECT_EQ(network.u8_at(kFilmResistors), 3);  // a count, not a code

    // No film resistors: rate 0, every factor still stored.
    ItemRecord empty = fixed_resistor(kNetwork, 4, 5);
    empty.u8(kFilmResistors, 0).temperature(60).cycling_rate(4);
    const Calculation calc = calculate(empty);
    EXPECT_EQ(calc.result, 3);
    EXPECT_EQ(empty.failure_rate(), 0.0f);
    EXPECT_EQ(empty.slot(kBase), 0.0009f);
    EXPECT_EQ(empty.slot(kPiE), 5.6f);
    EXPECT_EQ(empty.slot(kPiQ), 1.0f);
    EXPECT_EQ(empty.slot(kPiT), 4.2f);
    EXPECT_EQ(empty.slot(kPiCyc), 1.25f);
}

TEST(Resistors, OnlyNetworksReadTheTemperature) {
    for (unsigned style = 1; style < kNetwork; ++style) {
        ItemRecord part = fixed_resistor(style, 4);
        part.temperature(kNaN);
        EXPECT_EQ(calculate(part).result, 3) << style;
        EXPECT_EQ(part.slot(kPiT), 0.0f);
    }
}

TEST(Resistors, NetworkTemperatureBeyondItsCurve) {
    ItemRecord warm = fixed_resistor(kNetwork, 4);
    warm.temperature(101);
    const Calculation warned = calculate(warm);
    EXPECT_EQ(warned.result, 2);
    EXPECT_EQ(warned.messages, " For  Temperature > 100 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(warm.slot(kPiT), 15.82f);  // 15.4 + (15.4 - 13.3) / 5
    EXPECT_EQ(warm.failure_rate(), product({1, warm.slot(kPiT), 0.0009f}));

    // Refused: slot 0 keeps the rate of one film resistor, the header the host's value.
    ItemRecord unknown = fixed_resistor(kNetwork, 4);
    unknown.u8(kFilmResistors, 2).temperature(kNaN).f32(GJBZ108A_FAILURE_RATE, 9.0f);
    const Calculation refused = calculate(unknown);
    EXPECT_EQ(refused.result, 1);
    EXPECT_EQ(refused.messages, " For  Temperature = nan the model is invalid\n\n");
    EXPECT_EQ(unknown.slot(kRate), 0.0009f);
    EXPECT_EQ(unknown.slot(kPiT), 0.0f);
    EXPECT_EQ(unknown.failure_rate(), 9.0f);
}

TEST(Resistors, CyclingBeyondTheCurveWarnsForBothCategories) {
    ItemRecord fixed = fixed_resistor(2, 4);
    fixed.cycling_rate(60);
    const Calculation calc = calculate(fixed);
    EXPECT_EQ(calc.result, 2);
    EXPECT_EQ(calc.messages, " For  Circulation rate/1000 hours > 50 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(fixed.slot(kPiCyc), 4.78f);  // 4.15 + (4.15 - 2.26) / 3

    ItemRecord variable = variable_resistor(2, 4);
    variable.cycling_rate(kNaN).f32(GJBZ108A_FAILURE_RATE, 9.0f);
    const Calculation refused = calculate(variable);
    EXPECT_EQ(refused.result, 1);
    EXPECT_EQ(refused.messages, " For  Circulation rate/1000 hours = nan the model is invalid\n\n");
    EXPECT_EQ(variable.slot(kVarBase), 0.04f);
    EXPECT_EQ(variable.failure_rate(), 9.0f);
}

TEST(Resistors, VariableRateInTheDocumentedOrder) {
    // Composition Carbon Film, A1m (0.2), EnvironmentCode 2 (1.1), 1 cycle (1.06):
    // any other order of the products rounds differently.
    ItemRecord part = variable_resistor(6, 1, 2);
    part.cycling_rate(1);
    ASSERT_EQ(calculate(part).result, 3);
    EXPECT_EQ(part.failure_rate(), product({0.2f, 0.019f, 1.1f, 1.06f}));
}

TEST(Resistors, VariableUserQualityIsNeverRefused) {
    // Precision Wirewound has no A2 level, but a user factor of 0 is taken.
    ItemRecord zero = variable_resistor(2, 6);
    zero.f32(158, 0.0f);
    EXPECT_EQ(calculate(zero).result, 3);
    EXPECT_EQ(zero.failure_rate(), 0.0f);
    EXPECT_EQ(zero.slot(kVarBase), 0.04f);

    ItemRecord fixed_zero = fixed_resistor(1, 6);
    fixed_zero.f32(158, 0.0f);
    EXPECT_EQ(calculate(fixed_zero).result, 3);
    EXPECT_EQ(fixed_zero.failure_rate(), 0.0f);
}

TEST(Resistors, VariableRefusalsComeInStepOrder) {
    // The environment is judged before the quality level; each refusal leaves
    // the host's failure rate.
    ItemRecord both = variable_resistor(4, 2, 8);  // Power Wirewound: no E8, no A2
    both.f32(GJBZ108A_FAILURE_RATE, 9.0f);
    const Calculation environment = calculate(both);
    EXPECT_EQ(environment.result, 1);
    EXPECT_EQ(environment.messages, " Environment is not applicable for this style\n");
    EXPECT_EQ(both.failure_rate(), 9.0f);

    ItemRecord quality = variable_resistor(4, 2, 1);
    const Calculation level = calculate(quality);
    EXPECT_EQ(level.result, 1);
    EXPECT_EQ(level.messages, " Quality Level is not applicable for this style\n");
    EXPECT_EQ(quality.slot(kVarPiE), 1.0f);
    EXPECT_EQ(quality.slot(kVarBase), 0.0f);
}

TEST(Resistors, CodesOutsideTheirListsAreRefused) {
    struct Refusal {
        unsigned item_code, style, quality;
        const char* line;
    };
    const std::array<Refusal, 7> refusals{{
        {5, 13, 4, " Style code 13 is not in the list 1..12\n"},
        {5, 0, 4, " Style code 0 is not in the list 1..12\n"},
        {5, 1, 7, " Quality code 7 is not in the list 1..6\n"},
        {5, 12, 0, " Quality code 0 is not in the list 1..6\n"},
        {6, 8, 4, " Style code 8 is not in the list 1..7\n"},
        {6, 0, 0, " Style code 0 is not in the list 1..7\n"},  // the style comes first
        {6, 1, 7, " Quality code 7 is not in the list 1..6\n"},
    }};
    for (const Refusal& r : refusals) {
        ItemRecord part = r.item_code == 5 ? fixed_resistor(r.style, r.quality)
                                           : variable_resistor(r.style, r.quality);
        const Calculation calc = calculate(part);
        EXPECT_EQ(calc.result, 1) << r.line;
        EXPECT_EQ(calc.messages, r.line);
    }
}

TEST(Resistors, OpeningStepsOfBothCategories) {
    // The marker triple gives 0 after the environment test; the codes are
    // decremented on every path.
    ItemRecord marked = fixed_resistor(3, 5, 26);
    marked.marker_triple();
    EXPECT_EQ(calculate(marked).result, 3);
    EXPECT_EQ(marked.failure_rate(), 0.0f);
    EXPECT_EQ(marked.slot(kPiE), 0.0f);
    EXPECT_EQ(marked.u8_at(kFixedStyle), 2);
    EXPECT_EQ(marked.u8_at(kFixedQuality), 4);
    EXPECT_EQ(marked.u8_at(kFilmResistors), 1);

    ItemRecord unsupported = variable_resistor(3, 5, 14);
    unsupported.marker_triple();
    const Calculation calc = calculate(unsupported);
    EXPECT_EQ(calc.result, 1);
    EXPECT_EQ(calc.messages, " Environment not supported\n");
    EXPECT_EQ(unsupported.u8_at(151), 2);
    EXPECT_EQ(unsupported.u8_at(152), 4);
}

}  // namespace
}  // namespace gjbz108a::test
