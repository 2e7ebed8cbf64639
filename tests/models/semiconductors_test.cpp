// The discrete-semiconductor models (11 to 15) through calc_item.
#include "model_checks.h"

namespace gjbz108a::test {
namespace {

constexpr std::size_t kStyle = 151, kQuality = 152, kBits = 153, kPower = 154, kCurrent = 158;
enum Slot : unsigned { kRate, kBase, kPiE, kPiQ, kPiT, kPiCyc, kPiR };

// Inputs: style, quality, temperature, cycling rate, user quality factor, then
// the power and current ratings (transistors) or the bits (optoelectronic).
// PI e x Lb x PI q x PI t x PI cyc (x PI r), left to right.
Model semiconductor(unsigned item_code, std::size_t user_quality) {
    std::vector<Field> fields{u8_field(kStyle), u8_field(kQuality), kTemperature, kCycling, f32_field(user_quality),
                              item_code == 15 ? u8_field(kBits) : f32_field(kPower), f32_field(kCurrent)};
    if (item_code == 15) return {item_code, fields, in_order({2, 1, 3, 4})};
    if (item_code == 12 || item_code == 14) return {item_code, fields, in_order({2, 1, 3, 4, 5, 6})};
    return {item_code, fields, in_order({2, 1, 3, 4, 5})};
}

TEST(Semiconductors, BaseRatesQualityLevelsAndCoveringRows) {
    // Lb by style (HF transistors: 0.0021 for every style); PI q by level, of
    // diodes and transistors, then of optoelectronic devices.
    expect_values({{part(11)}, kBase}, u8_field(kStyle), codes(5), {0.00109f, 0.0019f, 0.00325f, 0.00325f, 0.00325f});
    expect_values({{part(12)}, kBase}, u8_field(kStyle), codes(8),
                  {0.0015f, 0.00226f, 0.00785f, 0.00478f, 0.00855f, 0.00855f, 0.0078f, 0.0144f});
    expect_values({{part(13)}, kBase}, u8_field(kStyle), codes(10),
                  {0.02f, 0.02f, 0.02f, 0.02f, 0.0084f, 0.0084f, 0.0084f, 0.0084f, 0.0084f, 0.0084f});
    expect_values({{part(15)}, kBase}, u8_field(kStyle), codes(7),
                  {0.00041f, 0.003f, 0.002f, 0.00775f, 0.0052f, 0.0145f, 0.0051f});
    expect_table(u8_field(kQuality), {{{part(11), part(12), part(13), part(14)}, kPiQ}, {{part(15)}, kPiQ}},
                 {{1, {0.07f, 0.07f}}, {2, {0.12f, 0.15f}}, {3, {0.2f, 0.25f}}, {4, {0.35f, 0.45f}}, {5, {0.6f, 0.7f}},
                  {6, {1, 1}}, {7, {4, 3.5f}}});

    // Lb, PI e, PI q, PI t, PI cyc (, PI r).
    expect_rows(semiconductor(11, 158), {
        {1, {1, 6, 25, 0}, {0.00109f, 1, 1, 1, 1}},  // the worked example
        {7, {2, 7, 90, 5}, {0.0019f, 3, 4, 57.1f, 1.42f}},  // germanium at 90 degrees passes
        {8, {1, 8, 30, 10, 0.5f}, {0.00109f, 14, 0.5f, 1.28f, 1.83f}},
        {2, {1, 1, 50, 2}, {0.00109f, 1.2f, 0.07f, 3.14f, 1.17f}},  // any other order rounds differently
    });
    expect_rows(semiconductor(13, 158), {
        {10, {2, 2, 95, 50}, {0.02f, 5, 0.12f, 6.34f, 5.15f}},  // no limit for microwave germanium
        {12, {5, 8, 55, 0, 2}, {0.0084f, 7, 2, 2.9f, 1}},
        {13, {10, 6, 80, 0}, {0.0084f, 11, 1, 6.22f, 1}},
    });
    expect_rows(semiconductor(12, 166), {
        {1, {1, 6, 25, 0, 0, 0.5f}, {0.0015f, 1, 1, 1, 1, 1}},
        {2, {2, 4, 50, 1, 0, 30}, {0.00226f, 1.2f, 0.35f, 2.53f, 1.05f, 2.3f}},  // order-sensitive
        {3, {3, 1, 90, 2, 0, 5}, {0.00785f, 1.8f, 0.07f, 26.9f, 1.1f, 1.3f}},
        {7, {7, 7, 20, 10, 0, 60, 200}, {0.0078f, 3, 4, 0.8f, 1.5f, 1}},  // Unijunction: no rating factor
        {8, {8, 8, 30, 20, 0.9f, 60, 25}, {0.0144f, 14, 0.9f, 1.3f, 2, 2.5f}},  // Thyristor: by current
    });
    expect_rows(semiconductor(14, 162), {
        {9, {1, 1, 0, 50, 0, 0.1f}, {0.0021f, 7, 0.07f, 0.24f, 3.5f, 1}},
        {10, {2, 2, 100, 0, 0, 1}, {0.0021f, 5.9f, 0.12f, 25.8f, 1, 1.3f}},
        {11, {3, 8, 40, 0, 12.5f, 5}, {0.0021f, 17, 12.5f, 2.13f, 1, 2}},
    });
    expect_rows(semiconductor(15, 154), {
        {12, {1, 1, 0}, {0.00041f, 4, 0.07f, 0.25f}},
        {26, {8, 8, 40, 0, 0.8f, 4}, {0.0084f, 16, 0.8f, 2.07f}},  // 4 bits: 4 x 0.0011 + 0.004
        {2, {3, 1, 40}, {0.002f, 1.1f, 0.07f, 2.07f}},  // order-sensitive
    });
    // 0 and 255 bits; a user factor of 0 gives 0.
    expect_values({{part(15).u8(kStyle, 8)}, kBase}, u8_field(kBits), {0, 255}, {0.004f, 0.2845f});
    EXPECT_EQ(rate_of(part(13).u8(kQuality, 8).f32(158, 0.0f)), 0.0f);
}

TEST(Semiconductors, TemperatureAndCyclingCurves) {
    // LD-A, LD-B, LD-C, HD-A, HD-B, LT-1 .. LT-7, HT, read by every style that
    // uses them; LD-B, LT-3 and LT-4 end at 90 degrees.
    std::vector<Column> columns;
    for (auto [item_code, first, last] : {std::tuple{11u, 1u, 1u}, {11u, 2u, 2u}, {11u, 3u, 5u}, {13u, 1u, 4u},
                                          {13u, 5u, 10u}, {12u, 1u, 1u}, {12u, 2u, 2u}, {12u, 3u, 3u}, {12u, 4u, 4u},
                                          {12u, 5u, 6u}, {12u, 7u, 7u}, {12u, 8u, 8u}, {14u, 1u, 3u}}) {
        columns.push_back({{}, kPiT});
        for (unsigned style = first; style <= last; ++style) columns.back().parts.push_back(part(item_code).u8(kStyle, style));
    }
    expect_table(kTemperature, columns, {
        {0, {0.26f, 0.17f, 0.39f, 0.43f, 0.35f, 0.36f, 0.34f, 0.25f, 0.26f, 0.35f, 0.29f, 0.27f, 0.24f}},
        {10, {0.46f, 0.36f, 0.58f, 0.62f, 0.54f, 0.55f, 0.53f, 0.45f, 0.46f, 0.54f, 0.49f, 0.47f, 0.43f}},
        {20, {0.78f, 0.72f, 0.84f, 0.86f, 0.82f, 0.83f, 0.83f, 0.78f, 0.78f, 0.82f, 0.8f, 0.79f, 0.76f}},
        {25, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {30, {1.28f, 1.39f, 1.19f, 1.17f, 1.21f, 1.22f, 1.22f, 1.31f, 1.29f, 1.21f, 1.26f, 1.3f, 1.3f}},
        {40, {2.03f, 2.6f, 1.65f, 1.56f, 1.75f, 1.76f, 1.78f, 2.13f, 2.08f, 1.75f, 1.93f, 2.07f, 2.13f}},
        {50, {3.14f, 4.73f, 2.24f, 2.06f, 2.46f, 2.47f, 2.53f, 3.42f, 3.3f, 2.46f, 2.89f, 3.2f, 3.41f}},
        {55, {3.87f, 6.32f, 2.59f, 2.35f, 2.9f, 2.91f, 3, 4.32f, 4.14f, 2.9f, 3.5f, 3.95f, 4.26f}},
        {60, {4.74f, 8.45f, 2.99f, 2.68f, 3.4f, 3.41f, 3.54f, 5.47f, 5.19f, 3.4f, 4.23f, 4.85f, 5.29f}},
        {65, {5.78f, 11.3f, 3.44f, 3.04f, 3.97f, 3.99f, 4.16f, 6.93f, 6.54f, 3.97f, 5.08f, 5.92f, 6.54f}},
        {70, {7, 15.2f, 3.94f, 3.44f, 4.63f, 4.66f, 4.86f, 8.83f, 8.28f, 4.63f, 6.07f, 7.21f, 8.04f}},
        {75, {8.43f, 20.5f, 4.5f, 3.89f, 5.37f, 5.41f, 5.67f, 11.4f, 10.6f, 5.37f, 7.23f, 8.73f, 9.84f}},
        {80, {10.1f, 28.1f, 5.13f, 4.4f, 6.22f, 6.27f, 6.59f, 14.8f, 13.7f, 6.22f, 8.55f, 10.5f, 12}},
        {85, {12.1f, 39.5f, 5.84f, 4.97f, 7.17f, 7.26f, 7.64f, 19.7f, 18.2f, 7.17f, 10.2f, 12.7f, 14.6f}},
        {90, {14.4f, 57.1f, 6.63f, 5.61f, 8.26f, 8.38f, 8.83f, 26.9f, 24.9f, 8.26f, 12, 15.2f, 17.6f}},
        {95, {17.1f, kBlank, 7.52f, 6.34f, 9.5f, 9.67f, 10.2f, kBlank, kBlank, 9.5f, 14.1f, 18.2f, 21.4f}},
        {100, {20.2f, kBlank, 8.52f, 7.18f, 10.9f, 11.1f, 11.7f, kBlank, kBlank, 10.9f, 16.5f, 21.8f, 25.8f}},
    });
    expect_values({{part(15)}, kPiT}, kTemperature,
                  {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 100},
                  {0.25f, 0.33f, 0.45f, 0.59f, 0.77f, 1, 1.29f, 1.64f, 2.07f, 2.6f, 3.25f, 4.02f, 4.95f, 6.05f,
                   7.36f, 8.9f, 10.7f, 12.83f, 15.25f, 18.07f, 21.31f});
    // CYC-D of both diode categories, CYC-T of both transistor categories.
    expect_values({{part(11), part(13)}, kPiCyc}, kCycling, {0, 0.6f, 1, 2, 3, 4, 5, 10, 20, 50, 0.3f},
                  {1, 1, 1.08f, 1.17f, 1.25f, 1.33f, 1.42f, 1.83f, 2.66f, 5.15f, 1});
    expect_values({{part(12), part(14)}, kPiCyc}, kCycling, {0, 1, 2, 3, 4, 5, 10, 20, 50},
                  {1, 1.05f, 1.1f, 1.15f, 1.2f, 1.25f, 1.5f, 2, 3.5f});
}

TEST(Semiconductors, RatingBands) {
    // Power 1.0 W belongs to the upper band, current 1.0 A to the lower one;
    // each style reads only its own rating.
    // ItemCode, style, the rating's field, the rating, PI r.
    const std::tuple<unsigned, unsigned, std::size_t, float, float> bands[] = {
        {12, 1, kPower, 0.99f, 1}, {12, 1, kPower, 1, 1.3f}, {12, 2, kPower, 5, 1.3f}, {12, 3, kPower, 5.01f, 1.7f},
        {12, 4, kPower, 20, 1.7f}, {12, 5, kPower, 20.5f, 2.3f}, {12, 6, kPower, 50, 2.3f}, {12, 1, kPower, 50.5f, 3},
        {12, 8, kCurrent, 1, 1}, {12, 8, kCurrent, 1.01f, 1.5f}, {12, 8, kCurrent, 5, 1.5f}, {12, 8, kCurrent, 5.5f, 2.5f},
        {12, 8, kCurrent, 25, 2.5f}, {12, 8, kCurrent, 26, 3.5f}, {12, 8, kCurrent, 100, 3.5f}, {12, 8, kCurrent, 101, 5},
        {14, 1, kPower, 0.1f, 1}, {14, 2, kPower, 0.11f, 1.3f}, {14, 3, kPower, 1, 1.3f}, {14, 1, kPower, 1.5f, 2},
        {14, 1, kPower, 5, 2}, {14, 1, kPower, 5.5f, 3}, {12, 8, kPower, 60, 1}, {12, 1, kCurrent, 60, 1},
    };
    for (const auto& [item_code, style, field, rating, pi_r] : bands) {
        EXPECT_EQ(computed(part(item_code).u8(kStyle, style).f32(field, rating)).slot(kPiR), pi_r)
            << item_code << " style " << style << " at " << rating;
    }
}

TEST(Semiconductors, OverheatingWarningsAndInvalidValues) {
    // Germanium above 90 degrees is refused before any curve.
    for (auto [item_code, style, base_rate] : {std::tuple{11u, 2u, 0.0019f}, {12u, 3u, 0.00785f}, {12u, 4u, 0.00478f}}) {
        const ItemRecord hot = expect_refused(part(item_code).u8(kStyle, style).u8(kQuality, 7).temperature(90.5f),
                                              " The component is overheated. T is greater than  90\n");
        EXPECT_EQ(hot.slot(kBase), base_rate);
        EXPECT_EQ(hot.slot(kPiQ), 4.0f);
        EXPECT_EQ(hot.slot(kPiT), 0.0f);
        EXPECT_EQ(hot.slot(kPiR), 0.0f);
    }
    const std::string beyond = " For Temperature > 100 the model may be invalid\n\n";
    const ItemRecord silicon = expect_warned(part(11).temperature(105), beyond);
    expect_warned(part(15).temperature(101), beyond);
    // The part is computed with the factor beyond the curve's end.
    EXPECT_EQ(silicon.failure_rate(), product({1, 0.00109f, 1, silicon.slot(kPiT), 1}));

    // A warning, then an invalid cycling rate: both lines, and the model stops;
    // an invalid temperature stops before the cycling curve.
    expect_refused(part(12).temperature(101).cycling_rate(kNaN),
                   " For Temperature > 100 the model may be invalid\n\n"
                   " For  Circulation rate/1000 hours = nan the model is invalid\n\n");
    expect_refused(part(13).temperature(kNaN).cycling_rate(80), " For Temperature = nan the model is invalid\n\n");
}

}  // namespace
}  // namespace gjbz108a::test
