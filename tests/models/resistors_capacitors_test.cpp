// Fixed and variable resistors (5, 6) and capacitors (7) through calc_item.
#include "model_checks.h"

namespace gjbz108a::test {
namespace {

constexpr std::size_t kStyle = 151, kFilms = 152, kFixedQuality = 153, kQuality = 152, kSurface = 153, kSealing = 154;
constexpr std::size_t kResistorUserQuality = 158, kCapacitorUserQuality = 160;

Column styles(unsigned item_code, std::initializer_list<unsigned> codes, unsigned slot) {
    return column_of(item_code, kStyle, codes, slot);
}

TEST(ResistorsCapacitors, CoveringRows) {
    // Fixed: style, quality, cycling rate, user factor, temperature; Lb, PI e,
    // PI q, PI t (networks only), PI cyc. PI q x Lb x PI e x PI cyc, then a
    // network's N x PI t x that.
    expect_rows({5, {u8_field(kStyle), u8_field(kFixedQuality), kCycling, f32_field(kResistorUserQuality), kTemperature},
                 [](const Slots& s) {
                     const float one = product({s[3], s[1], s[2], s[5]});
                     return s[4] == 0 ? one : product({1, s[4], one});
                 }},
                {
                    {1, {1, 1, 0}, {0.00033f, 1, 0.2f, 0, 1}},        {2, {2, 2, 0.8f}, {0.00021f, 1.1f, 0.5f, 0, 1}},
                    {3, {3, 5, 1}, {0.00068f, 1.8f, 30, 0, 1.06f}},   {4, {4, 3, 2}, {0.0081f, 4, 0.8f, 0, 1.13f}},
                    {5, {5, 4, 3}, {0.0034f, 7.5f, 1, 0, 1.19f}},     {6, {6, 6, 4, 0.4f}, {0.0034f, 4.5f, 0.4f, 0, 1.25f}},
                    {7, {7, 5, 5}, {0.006f, 2.5f, 3, 0, 1.32f}},      {8, {8, 1, 10}, {0.003f, 8.5f, 0.2f, 0, 1.63f}},
                    {9, {9, 2, 20}, {0.0092f, 5.5f, 0.1f, 0, 2.26f}}, {10, {10, 3, 50}, {0.0045f, 5, 0.8f, 0, 4.15f}},
                    {11, {11, 4, 0, 0, kNaN}, {0.0005f, 13, 1, 0, 1}},  // only networks read the temperature
                    {12, {12, 5, 0, 0, 40}, {0.0009f, 2.5f, 3, 1.92f, 1}},
                });
    // Variable: style, quality, cycling rate, user factor; Lb, PI e, PI q, PI cyc.
    expect_rows({6, {u8_field(kStyle), u8_field(kQuality), kCycling, f32_field(kResistorUserQuality)}, in_order({3, 1, 2, 4})},
                {
                    {13, {1, 1, 0}, {0.031f, 10.6f, 0.2f, 1}}, {16, {2, 3, 1}, {0.04f, 9.3f, 0.7f, 1.06f}},
                    {17, {3, 4, 2}, {0.027f, 7.8f, 1, 1.13f}}, {12, {4, 5, 3}, {0.045f, 6.2f, 3, 1.19f}},
                    {21, {5, 2, 5}, {0.01f, 14.7f, 0.5f, 1.32f}}, {22, {1, 4, 0.8f}, {0.031f, 1, 1, 1}},
                    {2, {6, 1, 1}, {0.019f, 1.1f, 0.2f, 1.06f}},  // any other order rounds differently
                    {11, {7, 6, 10, 2.5f}, {0.009f, 19, 2.5f, 1.63f}},
                });
    // Capacitors: style, quality, surface, sealing, temperature, cycling rate,
    // user factor; Lb, PI e, PI q, PI t, PI cyc, PI ch. Lb x PI e x PI q x PI cyc,
    // then PI t x that, then that x PI ch.
    expect_rows({7,
                 {u8_field(kStyle), u8_field(kQuality), u8_field(kSurface), u8_field(kSealing), kTemperature, kCycling,
                  f32_field(kCapacitorUserQuality)},
                 [](const Slots& s) {
                     float rate = product({s[1], s[2], s[3], s[5]});
                     if (s[4] != 0) rate = s[4] * rate;
                     return s[6] != 0 ? rate * s[6] : rate;
                 }},
                {
                    {1, {1, 1, 1, 1, 0, 0}, {0.00062f, 1, 0.2f, 0.95f, 1, 1.5f}},
                    {2, {2, 2, 2, 1, 85, 0.3f}, {0.00045f, 1.1f, 0.3f, 13.11f, 1, 1}},
                    {3, {3, 5, 1, 1, 50, 1}, {0.00062f, 2.4f, 0.45f, 1.35f, 1.06f, 1.5f}},
                    {4, {4, 3, 1, 1, 30, 2}, {0.00036f, 3.5f, 0.45f, 1.25f, 1.12f, 0}},
                    {5, {5, 6, 1, 1, 40, 3}, {0.0003f, 4.2f, 0.75f, 1.96f, 1.18f, 0}},
                    {6, {6, 8, 1, 1, 60, 4}, {0.0004f, 4, 3, 3.93f, 1.24f, 2}},
                    {7, {7, 9, 2, 1, 70, 5}, {0.00045f, 2.9f, 3, 1.39f, 1.3f, 1}},
                    {13, {8, 4, 1, 1, 75, 10}, {0.00047f, 7.85f, 0.5f, 4.26f, 1.6f, 2}},
                    {7, {9, 6, 1, 1, 30, 4}, {0.0005f, 2.3f, 0.75f, 1.09f, 1.24f, 1.5f}},  // order-sensitive
                    {9, {10, 7, 1, 1, 80, 20}, {0.0011f, 4.9f, 1, 4.47f, 2.2f, 0}},
                    {10, {11, 3, 0, 1, 20, 50}, {0.0023f, 4, 0.2f, 0.88f, 4, 1}},  // any surface but Chip is leaded
                    {11, {12, 10, 1, 0, kNaN, 0, 0.6f}, {0.006f, 20, 0.6f, 0, 1, 0}},  // no temperature, no sealing
                    {1, {13, 7, 1, 2, kNaN, 0}, {0.212f, 1, 1, 0, 1, 0}},  // the worked example
                    {12, {13, 5, 1, 1, 25, 1}, {0.102f, 9, 0.45f, 0, 1.06f, 0}},
                });
    // A user factor of 0 passes the quality tests and gives 0.
    EXPECT_EQ(rate_of(part(6).u8(kStyle, 2).u8(kQuality, 6).f32(kResistorUserQuality, 0)), 0.0f);
    EXPECT_EQ(rate_of(part(7).u8(kStyle, 11).u8(kQuality, 10).f32(kCapacitorUserQuality, 0)), 0.0f);
}

TEST(ResistorsCapacitors, QualityTablesAndCurves) {
    // RQ-1 .. RQ-4, VQ-1 .. VQ-3, CQ-1 .. CQ-8 by the styles that read them; a
    // 0 is refused.
    expect_table(u8_field(kFixedQuality),
                 {styles(5, {1, 2, 4, 5, 6, 11}, 3), styles(5, {3}, 3), styles(5, {7, 8, 10, 12}, 3), styles(5, {9}, 3)},
                 {{1, {0.2f, 0.2f, 0.2f, 0.2f}}, {2, {0.5f, 0.5f, 0.5f, 0.1f}}, {3, {0.8f, 0.8f, 0.8f, 0.8f}},
                  {4, {1, 1, 1, 1}}, {5, {2.5f, 30, 3, 3}}});
    expect_table(u8_field(kQuality), {styles(6, {1, 3, 5, 7}, 3), styles(6, {2, 4}, 3), styles(6, {6}, 3)},
                 {{1, {0.2f, 0.2f, 0.2f}}, {2, {0.5f, 0, 0.3f}}, {3, {0.7f, 0.7f, 0.5f}}, {4, {1, 1, 1}},
                  {5, {3, 3, 4}}});
    expect_table(u8_field(kQuality),
                 {styles(7, {1, 2, 3}, 3), styles(7, {4}, 3), styles(7, {5}, 3), styles(7, {6, 7, 10}, 3),
                  styles(7, {8}, 3), styles(7, {9}, 3), styles(7, {11}, 3), styles(7, {12, 13}, 3)},
                 {{1, {0.2f, 0.45f, 0.2f, 0.2f, 0.5f, 0.15f, 0, 0.3f}}, {2, {0.3f, 0.45f, 0.3f, 0.3f, 0.5f, 0.25f, 0, 0.3f}},
                  {3, {0, 0.45f, 0, 0, 0.5f, 0, 0.2f, 0.3f}}, {4, {0, 0.45f, 0, 0, 0.5f, 0, 0.3f, 0.3f}},
                  {5, {0.45f, 0.45f, 0.45f, 0.45f, 0.5f, 0.45f, 0.45f, 0.45f}},
                  {6, {0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f, 0.75f}}, {7, {1, 1, 1, 1, 1, 1, 1, 1}},
                  {8, {2, 3, 3.4f, 3, 3, 3, 3.4f, 3}}, {9, {3.4f, 3, 3.4f, 3, 3, 3, 3.4f, 3}}});

    // CT-1 .. CT-7 by the styles that read them, and the network's RNT.
    expect_table(kTemperature,
                 {styles(7, {1, 2, 3}, 4), styles(7, {4, 5}, 4), styles(7, {6}, 4), styles(7, {7}, 4),
                  styles(7, {8}, 4), styles(7, {9, 10}, 4), styles(7, {11}, 4)},
                 {
                     {0, {0.95f, 0.51f, 0.56f, 0.9f, 0.73f, 0.78f, 0.69f}},
                     {10, {0.95f, 0.51f, 0.56f, 0.9f, 0.73f, 0.78f, 0.69f}},
                     {15, {0.96f, 0.64f, 0.68f, 0.93f, 0.81f, 0.84f, 0.78f}},
                     {20, {0.98f, 0.8f, 0.82f, 0.96f, 0.89f, 0.91f, 0.88f}},
                     {25, {1, 1, 1, 1, 1, 1, 1}},
                     {30, {1.03f, 1.25f, 1.22f, 1.04f, 1.13f, 1.09f, 1.15f}},
                     {35, {1.08f, 1.56f, 1.48f, 1.08f, 1.28f, 1.21f, 1.35f}},
                     {40, {1.14f, 1.96f, 1.8f, 1.12f, 1.46f, 1.35f, 1.59f}},
                     {45, {1.23f, 2.44f, 2.19f, 1.16f, 1.67f, 1.52f, 1.91f}},
                     {50, {1.35f, 3.06f, 2.66f, 1.2f, 1.93f, 1.73f, 2.32f}},
                     {55, {1.53f, 3.82f, 3.23f, 1.25f, 2.24f, 1.97f, 2.87f}},
                     {60, {1.8f, 4.78f, 3.93f, 1.29f, 2.61f, 2.28f, 3.61f}},
                     {65, {2.22f, 5.98f, 4.78f, 1.34f, 3.06f, 2.65f, 4.61f}},
                     {70, {2.9f, 7.47f, 5.81f, 1.39f, 3.6f, 3.13f, 6}},
                     {75, {4.09f, 9.34f, 7.07f, 1.45f, 4.26f, 3.72f, 7.96f}},
                     {80, {6.35f, 11.68f, 8.59f, 1.5f, 5.05f, 4.47f, 10.79f}},
                     {85, {13.11f, 14.61f, 10.45f, 1.56f, 6.01f, 5.44f, 14.94f}},
                 });
    expect_values(styles(5, {12}, 4), kTemperature,
                  {0, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 100, 12.5f},
                  {1, 1, 1.25f, 1.56f, 1.92f, 2.4f, 2.9f, 3.5f, 4.2f, 5, 5.9f, 7.1f, 8.3f, 9.8f, 11.4f, 13.3f, 15.4f, 1});
    // RCYC and VCYC, then CCYC.
    const std::vector<float> rates{0, 0.8f, 1, 2, 3, 4, 5, 10, 20, 50, 0.4f};
    const std::vector<float> resistor_cycling{1, 1, 1.06f, 1.13f, 1.19f, 1.25f, 1.32f, 1.63f, 2.26f, 4.15f, 1};
    expect_values(styles(5, {1}, 5), kCycling, rates, resistor_cycling);
    expect_values(styles(6, {1}, 4), kCycling, rates, resistor_cycling);
    expect_values(styles(7, {1}, 5), kCycling, {0, 0.3f, 1, 2, 3, 4, 5, 10, 20, 50, 0.15f},
                  {1, 1, 1.06f, 1.12f, 1.18f, 1.24f, 1.3f, 1.6f, 2.2f, 4, 1});
}

TEST(ResistorsCapacitors, NetworksAndCurvesBeyondTheirEnds) {
    // Quality C, EnvironmentCode 3, 1 cycle, 40 degrees, 3 film resistors: any
    // other order of the products rounds differently.
    const ItemRecord network = computed(part(5).u8(kStyle, 12).u8(kFixedQuality, 5).u8(kFilms, 3).temperature(40)
                                            .cycling_rate(1).u8(GJBZ108A_ENVIRONMENT_CODE, 3));
    EXPECT_EQ(network.failure_rate(), product({3, 1.92f, product({3, 0.0009f, 1.8f, 1.06f})}));
    EXPECT_EQ(network.u8_at(kFilms), 3);  // a count, not a code
    const ItemRecord empty = computed(part(5).u8(kStyle, 12).u8(kFilms, 0).temperature(60));
    EXPECT_EQ(empty.failure_rate(), 0.0f);
    EXPECT_EQ(empty.slot(4), 4.2f);

    // Beyond a curve's end each curve warns under its own name and limit (the
    // values there are the curve lookup's to check).
    expect_warned(part(5).u8(kStyle, 12).temperature(101), " For  Temperature > 100 the model may be invalid\n\n");
    expect_warned(part(7).u8(kStyle, 7).cycling_rate(80).temperature(100),
                  " For  Circulation rate/1000 hours > 50 the model may be invalid\n\n"
                  " For  Temperature > 85 the model may be invalid\n\n");

    // Refused on the temperature: slot 0 keeps the rate before it (one film
    // resistor; no chip factor).
    const std::string unknown = " For  Temperature = nan the model is invalid\n\n";
    EXPECT_EQ(expect_refused(part(5).u8(kStyle, 12).u8(kFilms, 2).temperature(kNaN), unknown).slot(0), 0.0009f);
    const ItemRecord capacitor_refused = expect_refused(
        part(7).u8(kStyle, 6).u8(kSurface, 1).temperature(kNaN).u8(GJBZ108A_ENVIRONMENT_CODE, 2), unknown);
    EXPECT_EQ(capacitor_refused.slot(0), product({0.0004f, 1.2f, 1, 1}));
    EXPECT_EQ(capacitor_refused.slot(6), 0.0f);
}

TEST(ResistorsCapacitors, StylesRefuseEnvironmentsAndQualityLevelsTheyLack) {
    // The environment is judged before the quality level.
    expect_refused(part(6).u8(kStyle, 4).u8(kQuality, 2).u8(GJBZ108A_ENVIRONMENT_CODE, 8),
                   " Environment is not applicable for this style\n");
    expect_refused(part(6).u8(kStyle, 4).u8(kQuality, 2), " Quality Level is not applicable for this style\n");
    expect_refused(part(6).u8(GJBZ108A_ENVIRONMENT_CODE, 23), " Environment is not applicable for this style\n");
    expect_refused(part(7).u8(kStyle, 12).u8(kQuality, 0).u8(GJBZ108A_ENVIRONMENT_CODE, 23),
                   " For Variable Capacitors Environments SF,ML and MF not supported\n");
    expect_refused(part(7).u8(kStyle, 11).u8(kQuality, 1), " Quality Level not supported\n");
}

}  // namespace
}  // namespace gjbz108a::test
