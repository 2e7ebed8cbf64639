// The capacitor model's special rules and refusals, through calc_item.
#include "model_checks.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace gjbz108a::test {
namespace {

enum Slot { kRate, kBase, kPiE, kPiQ, kPiT, kPiCyc, kPiCh };
constexpr std::size_t kStyle = 151, kQuality = 152, kSurface = 153, kSealing = 154;
constexpr unsigned kB2 = 7;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

ItemRecord capacitor(unsigned style, unsigned quality, unsigned environment = 1) {
    ItemRecord record(7, environment);
    record.u8(kStyle, style).u8(kQuality, quality).u8(kSurface, 2).u8(kSealing, 1);
    return record.temperature(25).cycling_rate(0);
}

TEST(Capacitors, VariableAirWorkedExample) {
    ItemRecord part = capacitor(13, kB2);
    part.u8(kSealing, 2).temperature(kNaN);  // no temperature factor: never read
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 3);
    EXPECT_TRUE(calc.buffer_untouched);
    EXPECT_EQ(part.failure_rate(), 0.212f);
    EXPECT_EQ(part.slot(kBase), 0.212f);
    EXPECT_EQ(part.slot(kPiT), 0.0f);
    EXPECT_EQ(part.slot(kPiCh), 0.0f);
}

TEST(Capacitors, FactorsAreMultipliedInTheDocumentedOrder) {
    // Solid Electrolytic Tantalum chip, B1 (0.75), EnvironmentCode 7 (2.3),
    // 4 cycles (1.24), 30 degrees (1.09): any other order of the products
    // rounds differently.
    ItemRecord part = capacitor(9, 6, 7);
    part.u8(kSurface, 1).temperature(30).cycling_rate(4);
    ASSERT_EQ(calculate(part).result, 3);
    const float before_temperature = product({0.0005f, 2.3f, 0.75f, 1.24f});
    EXPECT_EQ(part.failure_rate(), product({1.09f, before_temperature, 1.5f}));
    EXPECT_EQ(part.slot(kRate), part.failure_rate());
}

TEST(Capacitors, TemperatureBeyondTheCurve) {
    ItemRecord warm = capacitor(1, kB2);
    warm.temperature(90);
    const Calculation warned = calculate(warm);
    EXPECT_EQ(warned.result, 2);
    EXPECT_EQ(warned.messages, " For  Temperature > 85 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(warm.slot(kPiT), 19.87f);  // 13.11 + (13.11 - 6.35)
    EXPECT_EQ(warm.slot(kPiCh), 1.0f);

    // Refused: slot 0 keeps the rate before the temperature, no chip factor is
    // stored, the header keeps the host's value.
    ItemRecord unknown = capacitor(6, kB2, 2);
    unknown.u8(kSurface, 1).temperature(kNaN).f32(GJBZ108A_FAILURE_RATE, 9.0f);
    const Calculation refused = calculate(unknown);
    EXPECT_EQ(refused.result, 1);
    EXPECT_EQ(refused.messages, " For  Temperature = nan the model is invalid\n\n");
    EXPECT_EQ(unknown.slot(kRate), product({0.0004f, 1.2f, 1, 1}));
    EXPECT_EQ(unknown.slot(kPiT), 0.0f);
    EXPECT_EQ(unknown.slot(kPiCh), 0.0f);
    EXPECT_EQ(unknown.failure_rate(), 9.0f);
}

TEST(Capacitors, CyclingBeyondTheCurveWarnsAndGoesOn) {
    ItemRecord part = capacitor(7, kB2);
    part.cycling_rate(80).temperature(100);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 2);
    EXPECT_EQ(calc.messages,
              " For  Circulation rate/1000 hours > 50 the model may be invalid\n\n"
              " For  Temperature > 85 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(part.slot(kPiCyc), 5.8f);  // 4 + (4 - 2.2) * 30 / 30
    EXPECT_FLOAT_EQ(part.slot(kPiT), 1.74f);   // 1.56 + (1.56 - 1.5) * 15 / 5
}

TEST(Capacitors, ChipFactorTakesOnlyTheChipSurface) {
    // Any surface code but "Chip", listed or not, counts as leaded.
    for (auto [surface, pi_ch] : {std::pair{1u, 2.0f}, {2u, 1.0f}, {3u, 1.0f}, {0u, 1.0f}}) {
        ItemRecord part = capacitor(6, kB2);
        part.u8(kSurface, surface);
        ASSERT_EQ(calculate(part).result, 3) << surface;
        EXPECT_EQ(part.slot(kPiCh), pi_ch) << surface;
        EXPECT_EQ(part.failure_rate(), product({0.0004f, 1, 1, 1, 1, pi_ch}));
    }
    ItemRecord mica = capacitor(5, kB2);
    mica.u8(kSurface, 1);
    ASSERT_EQ(calculate(mica).result, 3);
    EXPECT_EQ(mica.slot(kPiCh), 0.0f);
    EXPECT_EQ(mica.failure_rate(), 0.0003f);
}

TEST(Capacitors, SealingIsReadByVariableAirOnly) {
    ItemRecord unsealed = capacitor(13, kB2);
    unsealed.u8(kSealing, 3);
    const Calculation calc = calculate(unsealed);
    EXPECT_EQ(calc.result, 1);
    EXPECT_EQ(calc.messages, " Sealed code 3 is not in the list 1..2\n");

    for (unsigned style : {1u, 12u}) {
        ItemRecord other = capacitor(style, kB2);
        other.u8(kSealing, 0);
        EXPECT_EQ(calculate(other).result, 3) << style;
    }
}

TEST(Capacitors, QualityRefusalsAndTheUserFactor) {
    ItemRecord missing = capacitor(11, 1);  // Electrolytic Aluminum has no A1p
    missing.f32(GJBZ108A_FAILURE_RATE, 9.0f);
    const Calculation calc = calculate(missing);
    EXPECT_EQ(calc.result, 1);
    EXPECT_EQ(calc.messages, " Quality Level not supported\n");
    EXPECT_EQ(missing.failure_rate(), 9.0f);
    EXPECT_EQ(missing.slot(kBase), 0.0f);

    ItemRecord zero = capacitor(11, 10);
    zero.f32(160, 0.0f);
    EXPECT_EQ(calculate(zero).result, 3);
    EXPECT_EQ(zero.failure_rate(), 0.0f);

    // The environment is judged first.
    ItemRecord both = capacitor(12, 1, 23);
    both.u8(kQuality, 0);
    const Calculation environment = calculate(both);
    EXPECT_EQ(environment.result, 1);
    EXPECT_EQ(environment.messages, " For Variable Capacitors Environments SF,ML and MF not supported\n");
}

TEST(Capacitors, CodesOutsideTheirListsAreRefused) {
    struct Refusal {
        unsigned style, quality;
        const char* line;
    };
    const std::array<Refusal, 4> refusals{{
        {14, kB2, " Style code 14 is not in the list 1..13\n"},
        {0, 0, " Style code 0 is not in the list 1..13\n"},
        {1, 11, " Quality code 11 is not in the list 1..10\n"},
        {13, 0, " Quality code 0 is not in the list 1..10\n"},
    }};
    for (const Refusal& r : refusals) {
        ItemRecord part = capacitor(r.style, r.quality);
        const Calculation calc = calculate(part);
        EXPECT_EQ(calc.result, 1) << r.line;
        EXPECT_EQ(calc.messages, r.line);
    }
}

TEST(Capacitors, OpeningStepsDecrementAllFourCodes) {
    ItemRecord marked = capacitor(8, 9, 26);
    marked.marker_triple().u8(kSurface, 1).u8(kSealing, 2);
    EXPECT_EQ(calculate(marked).result, 3);
    EXPECT_EQ(marked.failure_rate(), 0.0f);
    for (unsigned slot = 0; slot <= 6; ++slot) EXPECT_EQ(marked.slot(slot), 0.0f) << slot;
    EXPECT_EQ(marked.u8_at(kStyle), 7);
    EXPECT_EQ(marked.u8_at(kQuality), 8);
    EXPECT_EQ(marked.u8_at(kSurface), 0);
    EXPECT_EQ(marked.u8_at(kSealing), 1);

    ItemRecord unsupported = capacitor(1, kB2, 27);
    const Calculation calc = calculate(unsupported);
    EXPECT_EQ(calc.result, 1);
    EXPECT_EQ(calc.messages, " Environment not supported\n");
    EXPECT_EQ(unsupported.u8_at(kSealing), 0);
}

}  // namespace
}  // namespace gjbz108a::test
