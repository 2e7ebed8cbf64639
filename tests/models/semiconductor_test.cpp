// The discrete-semiconductor models' worked examples, special rules and
// refusals, through calc_item.
#include "model_checks.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace gjbz108a::test {
namespace {

enum Slot { kRate, kBase, kPiE, kPiQ, kPiT, kPiCyc, kPiR };
constexpr unsigned kB2 = 6;
constexpr unsigned kUser = 8;
constexpr std::size_t kStyle = 151, kQuality = 152;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr const char* kOverheated = " The component is overheated. T is greater than  90\n";

TEST(Semiconductors, SiliconDiodeWorkedExample) {
    ItemRecord part = styled_part(11, 1, kB2);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 3);
    EXPECT_TRUE(calc.buffer_untouched);
    EXPECT_EQ(part.failure_rate(), 0.00109f);
    EXPECT_EQ(part.slot(kRate), 0.00109f);
    EXPECT_EQ(part.slot(kBase), 0.00109f);
    EXPECT_EQ(part.slot(kPiE), 1.0f);
    EXPECT_EQ(part.slot(kPiQ), 1.0f);
    EXPECT_EQ(part.slot(kPiT), 1.0f);
    EXPECT_EQ(part.slot(kPiCyc), 1.0f);
}

TEST(Semiconductors, FactorsAreMultipliedInTheDocumentedOrder) {
    // For these factors every other order of the products (but swapping the
    // first two, which is the same product) rounds differently.
    ItemRecord diode = styled_part(11, 1, 1, 2);  // Si Diodes, A2, PI e 1.2
    diode.temperature(50).cycling_rate(2);        // PI t 3.14, PI cyc 1.17
    ASSERT_EQ(calculate(diode).result, 3);
    EXPECT_EQ(diode.failure_rate(), product({1.2f, 0.00109f, 0.07f, 3.14f, 1.17f}));

    ItemRecord transistor = styled_part(12, 2, 4, 2);          // Si, PNP, A5, PI e 1.2
    transistor.temperature(50).cycling_rate(1).f32(154, 30);  // 2.53, 1.05, PI r 2.3
    ASSERT_EQ(calculate(transistor).result, 3);
    EXPECT_EQ(transistor.slot(kPiR), 2.3f);
    EXPECT_EQ(transistor.failure_rate(), product({1.2f, 0.00226f, 0.35f, 2.53f, 1.05f, 2.3f}));

    ItemRecord opto = styled_part(15, 3, 1, 2);  // Photosensitive diode, A2, PI e 1.1
    opto.temperature(40);                        // 2.07
    ASSERT_EQ(calculate(opto).result, 3);
    EXPECT_EQ(opto.failure_rate(), product({1.1f, 0.002f, 0.07f, 2.07f}));
}

TEST(Semiconductors, MarkerTripleGivesZeroAfterTheEnvironmentTest) {
    for (unsigned item_code = 11; item_code <= 15; ++item_code) {
        ItemRecord part = styled_part(item_code, 1, kB2, 26);
        part.marker_triple().f32(GJBZ108A_FAILURE_RATE, 7.0f).f32(GJBZ108A_ITEM_RESULTS + 4, 7.0f);
        const Calculation calc = calculate(part);
        EXPECT_EQ(calc.result, 3) << item_code;
        EXPECT_TRUE(calc.buffer_untouched);
        EXPECT_EQ(part.failure_rate(), 0.0f);
        for (unsigned slot = 0; slot <= 5; ++slot) EXPECT_EQ(part.slot(slot), 0.0f) << item_code;

        ItemRecord unsupported = styled_part(item_code, 1, kB2, 14);
        unsupported.marker_triple();
        const Calculation refused = calculate(unsupported);
        EXPECT_EQ(refused.result, 1);
        EXPECT_EQ(refused.messages, " Environment not supported\n");
    }
    // The marker triple comes before the codes are looked at.
    ItemRecord unlisted = styled_part(11, 0, 0, 5);
    unlisted.marker_triple();
    EXPECT_EQ(calculate(unlisted).result, 3);
}

TEST(Semiconductors, UnsupportedEnvironmentsAreRefusedWithTheCodesDecremented) {
    for (unsigned item_code = 11; item_code <= 15; ++item_code) {
        for (unsigned environment : {14u, 15u, 18u, 19u, 20u, 24u, 25u, 27u}) {
            ItemRecord part = styled_part(item_code, 2, 3, environment);
            const Calculation calc = calculate(part);
            EXPECT_EQ(calc.result, 1);
            EXPECT_EQ(calc.messages, " Environment not supported\n");
            EXPECT_EQ(part.u8_at(kStyle), 1) << item_code;
            EXPECT_EQ(part.u8_at(kQuality), 2) << item_code;
        }
    }
}

TEST(Semiconductors, ASecondCallUsesTheNextLowerCodes) {
    ItemRecord part = styled_part(11, 2, 7);  // Ge Diodes, C
    ASSERT_EQ(calculate(part).result, 3);
    EXPECT_EQ(part.slot(kBase), 0.0019f);
    EXPECT_EQ(part.slot(kPiQ), 4.0f);
    ASSERT_EQ(calculate(part).result, 3);  // now Si Diodes, B2
    EXPECT_EQ(part.slot(kBase), 0.00109f);
    EXPECT_EQ(part.slot(kPiQ), 1.0f);
    EXPECT_EQ(part.u8_at(kStyle), 0);
    EXPECT_EQ(part.u8_at(kQuality), 5);
}

TEST(Semiconductors, GermaniumPartsAreRefusedAbove90Degrees) {
    ItemRecord at_90 = styled_part(11, 2, kB2);
    at_90.temperature(90);
    ASSERT_EQ(calculate(at_90).result, 3);
    EXPECT_EQ(at_90.slot(kPiT), 57.1f);

    // Ge Diodes, Ge NPN and Ge PNP: the factors before the test are stored, no
    // curve is read and the host's failure rate stays.
    for (auto [item_code, style, base_rate] :
         {std::tuple{11u, 2u, 0.0019f}, {12u, 3u, 0.00785f}, {12u, 4u, 0.00478f}}) {
        ItemRecord hot = styled_part(item_code, style, 7, 3);
        hot.temperature(90.5f).f32(GJBZ108A_FAILURE_RATE, 9.0f);
        const Calculation calc = calculate(hot);
        EXPECT_EQ(calc.result, 1) << item_code << " style " << style;
        EXPECT_EQ(calc.messages, kOverheated);
        EXPECT_EQ(hot.slot(kBase), base_rate);
        EXPECT_EQ(hot.slot(kPiE), item_code == 11 ? 1.7f : 1.8f);
        EXPECT_EQ(hot.slot(kPiQ), 4.0f);
        EXPECT_EQ(hot.slot(kPiT), 0.0f);
        EXPECT_EQ(hot.slot(kPiR), 0.0f);
        EXPECT_EQ(hot.slot(kRate), 0.0f);
        EXPECT_EQ(hot.failure_rate(), 9.0f);
    }

    // Silicon parts and the microwave germanium diodes have no such limit.
    for (auto [item_code, style] : {std::pair{11u, 1u}, {12u, 1u}, {13u, 2u}, {13u, 4u}}) {
        ItemRecord warm = styled_part(item_code, style, kB2);
        warm.temperature(95);
        EXPECT_EQ(calculate(warm).result, 3) << item_code << " style " << style;
    }
}

TEST(Semiconductors, TemperatureAboveTheCurveWarnsAndExtrapolates) {
    ItemRecord part = styled_part(11, 1, kB2);
    part.temperature(105);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 2);
    EXPECT_EQ(calc.messages, " For Temperature > 100 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(part.slot(kPiT), 23.3f);  // 20.2 + (20.2 - 17.1)
    EXPECT_EQ(part.failure_rate(), product({1, 0.00109f, 1, part.slot(kPiT), 1}));
    EXPECT_EQ(part.slot(kRate), part.failure_rate());

    ItemRecord opto = styled_part(15, 1, kB2);
    opto.temperature(101);
    const Calculation warned = calculate(opto);
    EXPECT_EQ(warned.result, 2);
    EXPECT_EQ(warned.messages, " For Temperature > 100 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(opto.slot(kPiT), 21.958f);  // 21.31 + (21.31 - 18.07) / 5
}

TEST(Semiconductors, CyclingAboveTheCurveWarnsUnderItsOwnName) {
    ItemRecord diode = styled_part(13, 5, kB2);
    diode.cycling_rate(60);
    const Calculation calc = calculate(diode);
    EXPECT_EQ(calc.result, 2);
    EXPECT_EQ(calc.messages, " For  Circulation rate/1000 hours > 50 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(diode.slot(kPiCyc), 5.98f);  // 5.15 + (5.15 - 2.66) / 3

    ItemRecord transistor = styled_part(14, 1, kB2);
    transistor.cycling_rate(80);
    EXPECT_EQ(calculate(transistor).result, 2);
    EXPECT_FLOAT_EQ(transistor.slot(kPiCyc), 5.0f);  // 3.5 + (3.5 - 2) * 30 / 30
}

TEST(Semiconductors, AWarningThenAnInvalidValueAppendsBothAndStops) {
    ItemRecord part = styled_part(12, 1, kB2);
    part.temperature(101).cycling_rate(kNaN).f32(GJBZ108A_FAILURE_RATE, 9.0f);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 1);
    EXPECT_EQ(calc.messages,
              " For Temperature > 100 the model may be invalid\n\n"
              " For  Circulation rate/1000 hours = nan the model is invalid\n\n");
    EXPECT_FLOAT_EQ(part.slot(kPiT), 11.386f);  // 11.1 + (11.1 - 9.67) / 5
    EXPECT_EQ(part.slot(kPiCyc), 0.0f);
    EXPECT_EQ(part.slot(kRate), 0.0f);
    EXPECT_EQ(part.failure_rate(), 9.0f);

    // An invalid temperature stops before the cycling curve.
    ItemRecord diode = styled_part(11, 1, kB2);
    diode.temperature(kNaN).cycling_rate(80);
    const Calculation stopped = calculate(diode);
    EXPECT_EQ(stopped.result, 1);
    EXPECT_EQ(stopped.messages, " For Temperature = nan the model is invalid\n\n");
}

TEST(Semiconductors, PowerAndCurrentRatingBands) {
    struct Band {
        unsigned item_code, style;
        std::size_t offset;
        float rating, pi_r;
    };
    constexpr std::size_t kPower = 154, kCurrent = 158;
    const std::array<Band, 25> bands{{
        // Low-frequency power: 1.0 W belongs to the upper band.
        {12, 1, kPower, 0.99f, 1.0f}, {12, 1, kPower, 1.0f, 1.3f}, {12, 2, kPower, 5.0f, 1.3f},
        {12, 3, kPower, 5.01f, 1.7f}, {12, 4, kPower, 20.0f, 1.7f}, {12, 5, kPower, 20.5f, 2.3f},
        {12, 6, kPower, 50.0f, 2.3f}, {12, 1, kPower, 50.5f, 3.0f},
        // Current (Thyristor): 1.0 A belongs to the lower band.
        {12, 8, kCurrent, 1.0f, 1.0f}, {12, 8, kCurrent, 1.01f, 1.5f}, {12, 8, kCurrent, 5.0f, 1.5f},
        {12, 8, kCurrent, 5.5f, 2.5f}, {12, 8, kCurrent, 25.0f, 2.5f}, {12, 8, kCurrent, 26.0f, 3.5f},
        {12, 8, kCurrent, 100.0f, 3.5f}, {12, 8, kCurrent, 101.0f, 5.0f},
        // High-frequency power.
        {14, 1, kPower, 0.1f, 1.0f}, {14, 2, kPower, 0.11f, 1.3f}, {14, 3, kPower, 1.0f, 1.3f},
        {14, 1, kPower, 1.5f, 2.0f}, {14, 1, kPower, 5.0f, 2.0f}, {14, 1, kPower, 5.5f, 3.0f},
        // A Thyristor ignores its power rating, a Si NPN its current rating.
        {12, 8, kPower, 60.0f, 1.0f}, {12, 1, kCurrent, 60.0f, 1.0f},
        // A Unijunction has no rating factor.
        {12, 7, kPower, 60.0f, 1.0f},
    }};
    for (const Band& b : bands) {
        ItemRecord part = styled_part(b.item_code, b.style, kB2);
        part.f32(b.offset, b.rating);
        ASSERT_EQ(calculate(part).result, 3);
        EXPECT_EQ(part.slot(kPiR), b.pi_r) << b.item_code << " style " << b.style << " at " << b.rating;
    }
    ItemRecord unijunction = styled_part(12, 7, kB2);
    unijunction.f32(kPower, 60).f32(kCurrent, 200);
    ASSERT_EQ(calculate(unijunction).result, 3);
    EXPECT_EQ(unijunction.slot(kPiR), 1.0f);
    EXPECT_EQ(unijunction.failure_rate(), product({1, 0.0078f, 1, 1, 1, 1}));
}

TEST(Semiconductors, MultipleBitNixieTubeRateGrowsWithItsBits) {
    for (auto [bits, rate] : {std::pair{4u, 0.0084f}, {0u, 0.004f}, {255u, 0.2845f}}) {
        ItemRecord tube = styled_part(15, 8, kB2);
        tube.u8(153, bits);
        ASSERT_EQ(calculate(tube).result, 3);
        EXPECT_EQ(tube.slot(kBase), rate) << bits << " bits";
    }
    // The bits change nothing for the other styles.
    ItemRecord sole = styled_part(15, 7, kB2);
    sole.u8(153, 9);
    ASSERT_EQ(calculate(sole).result, 3);
    EXPECT_EQ(sole.slot(kBase), 0.0051f);
}

TEST(Semiconductors, UserQualityFactorIsTakenUnchanged) {
    ItemRecord zero = styled_part(13, 1, kUser);
    zero.f32(158, 0.0f);
    EXPECT_EQ(calculate(zero).result, 3);
    EXPECT_EQ(zero.failure_rate(), 0.0f);

    ItemRecord large = styled_part(14, 1, kUser);
    large.f32(162, 12.5f);
    ASSERT_EQ(calculate(large).result, 3);
    EXPECT_EQ(large.failure_rate(), product({1, 0.0021f, 12.5f, 1, 1, 1}));
}

TEST(Semiconductors, CodesOutsideTheirListsAreRefusedWhereTheyWouldBeRead) {
    struct Refusal {
        unsigned item_code, style, quality;
        const char* line;
    };
    const std::array<Refusal, 9> refusals{{
        {11, 6, kB2, " Style code 6 is not in the list 1..5\n"},
        {11, 0, kB2, " Style code 0 is not in the list 1..5\n"},
        {12, 9, kB2, " Style code 9 is not in the list 1..8\n"},
        {13, 11, kB2, " Style code 11 is not in the list 1..10\n"},
        {15, 9, kB2, " Style code 9 is not in the list 1..8\n"},
        {11, 1, 9, " Quality code 9 is not in the list 1..8\n"},
        {12, 1, 0, " Quality code 0 is not in the list 1..8\n"},
        {14, 1, 200, " Quality code 200 is not in the list 1..8\n"},
        // The quality level is read before the style.
        {15, 0, 0, " Quality code 0 is not in the list 1..8\n"},
    }};
    for (const Refusal& r : refusals) {
        ItemRecord part = styled_part(r.item_code, r.style, r.quality);
        part.f32(GJBZ108A_FAILURE_RATE, 9.0f);
        const Calculation calc = calculate(part);
        EXPECT_EQ(calc.result, 1) << r.item_code;
        EXPECT_EQ(calc.messages, r.line);
        EXPECT_EQ(part.failure_rate(), 9.0f);
        EXPECT_EQ(part.slot(kRate), 0.0f);
    }
    // The high-frequency transistor never reads its style.
    for (unsigned style : {0u, 4u, 255u}) {
        ItemRecord part = styled_part(14, style, kB2);
        EXPECT_EQ(calculate(part).result, 3) << style;
        EXPECT_EQ(part.failure_rate(), 0.0021f);
    }
}

}  // namespace
}  // namespace gjbz108a::test
