// The hybrid (33) and the models of contacts, connections, inductive,
// electromechanical, crystal, tube and miscellaneous parts through calc_item.
#include "model_checks.h"

namespace gjbz108a::test {
namespace {

// Lb, PI e, PI q multiplied as Lb x PI e x PI q, or as PI e x Lb x PI q.
const auto kBaseFirst = in_order({1, 2, 3}), kEnvironmentFirst = in_order({2, 1, 3});

// Selection codes at `offsets`, then the user quality factor at `user_quality`.
std::vector<Field> coded(std::initializer_list<std::size_t> offsets, std::size_t user_quality) {
    std::vector<Field> fields;
    for (std::size_t offset : offsets) fields.push_back(u8_field(offset));
    fields.push_back(f32_field(user_quality));
    return fields;
}

TEST(OtherModels, Hybrid) {
    // Qual, ICs, transistors, diodes, passives, cycling rate, user factor; Lb,
    // PI e, PI q, PI cyc, A and the four element rates. A is 1.15 up to a
    // weighted count of 31.
    expect_rows({33, {u8_field(152), u16_field(154), u16_field(156), u16_field(158), u16_field(160), kCycling,
                      f32_field(162)},
                 in_order({1, 2, 3, 4})},
                {
                    {1, {7, 2, 4, 0, 10, 0}, {0.09292f, 1, 1, 1, 1.15f, 0.0216f, 0.0054f, 0.0032f, 0.0016f}},
                    // (0.0216 + 0.0054 + 0.0064 + 0.0032) x 1.15, summed in single precision
                    {2, {1, 1, 1, 2, 2, 1}, {0.042089995f, 1.5f, 0.15f, 1.03f, 1.15f, 0.0216f, 0.0054f, 0.0032f, 0.0016f}},
                    {3, {2, 4, 2, 0, 0, 2}, {0.11178f, 2.5f, 0.2f, 1.06f, 1.15f, 0.0216f, 0.0054f, 0.0032f, 0.0016f}},
                    {4, {3, 4, 2, 1, 0, 3}, {0.13052f, 7, 0.25f, 1.09f, 1.3f, 0.0216f, 0.0054f, 0.0032f, 0.0016f}},
                    {5, {4, 3, 4, 0, 10, 4}, {0.13312f, 8, 0.3f, 1.12f, 1.3f, 0.0216f, 0.0054f, 0.0032f, 0.0016f}},
                    {6, {5, 0, 0, 0, 0, 5}, {0, 7.5f, 0.4f, 1.16f, 1.15f, 0.0216f, 0.0054f, 0.0032f, 0.0016f}},
                    {7, {6, 1, 0, 0, 0, 10}, {0.024840001f, 5, 0.7f, 1.31f, 1.15f, 0.0216f, 0.0054f, 0.0032f, 0.0016f}},
                    {8, {8, 0, 1, 0, 0, 20}, {0.00621000025f, 14, 4, 1.62f, 1.15f, 0.0216f, 0.0054f, 0.0032f, 0.0016f}},
                    {9, {9, 0, 0, 1, 1, 50, 0.83f}, {0.00551999966f, 10, 0.83f, 2.55f, 1.15f, 0.0216f, 0.0054f, 0.0032f, 0.0016f}},
                });
    expect_warned(part(33).cycling_rate(60).u8(152, 7),
                  " For  Circulation rate/1000 hours > 50 the model may be invalid\n\n");
}

TEST(OtherModels, SwitchesRelaysConnectorsConnectionsAndBoards) {
    // Switch: type (never read), quality, contact voltage, user factor; Lb, PI e, PI q.
    expect_rows({8, {u8_field(151), u8_field(152), f32_field(154), f32_field(158)}, kEnvironmentFirst},
                {{1, {1, 1, 50}, {0.069f, 1, 0.35f}}, {2, {2, 2, 50.1f}, {0.033f, 1.3f, 0.7f}},
                 {3, {3, 3, kNaN}, {0.033f, 2, 1}}, {4, {4, 4, 10}, {0.069f, 6.4f, 4}},
                 {5, {9, 5, 100, 2.75f}, {0.033f, 7, 2.75f}}});
    // Relay: construction, quality, seal, contact voltage, user factor. Only an
    // unsealed electromechanical relay at 50 mV or less is dry-circuit.
    expect_rows({9, {u8_field(151), u8_field(152), u8_field(153), f32_field(154), f32_field(158)}, kEnvironmentFirst},
                {{1, {1, 1, 1, 100}, {0.002f, 1, 0.2f}}, {2, {2, 1, 3, 10}, {0.021f, 1.1f, 0.3f}},
                 {3, {1, 2, 3, 50}, {0.029f, 1.5f, 0.35f}}, {4, {1, 3, 3, 60}, {0.014f, 4, 0.45f}},
                 {5, {1, 4, 2, 50}, {0.0061f, 6, 0.7f}}, {6, {2, 2, 9, 100}, {0.021f, 5, 0.3f}},
                 {7, {2, 3, 1, 100}, {0.021f, 3, 0.4f}}, {8, {2, 4, 1, 100}, {0.021f, 14, 0.6f}},
                 {9, {2, 5, 1, 100}, {0.021f, 6.5f, 1}}, {10, {2, 6, 1, 100}, {0.021f, 4.5f, 4}},
                 {11, {1, 5, 1, 100}, {0.002f, 22, 1}}, {12, {1, 6, 1, 100}, {0.002f, 4.5f, 4}},
                 {13, {3, 7, 1, 100, 1.5f}, {0.002f, 8.5f, 1.5f}}});  // any other construction counts as not fixed
    // Connector: configuration, quality, linkage, cores, user factor; Lb, PI e,
    // PI q, PI l. A fibre connector takes PI l x Lb x PI e and no quality.
    expect_rows({10, coded({151, 152, 158, 159}, 154),
                 [](const Slots& s) { return s[4] != 0 ? product({s[4], s[1], s[2]}) : product({s[1], s[2], s[3]}); }},
                {{1, {1, 1, 1, 1}, {0.001f, 1, 0.3f}}, {2, {2, 2, 1, 1}, {0.001f, 1.4f, 0.45f}},
                 {3, {3, 3, 1, 1}, {0.006f, 1.5f, 0.75f}}, {4, {4, 4, 1, 1}, {0.006f, 3.8f, 1}},
                 {5, {1, 5, 1, 1}, {0.001f, 5.2f, 3.5f}}, {6, {2, 6, 1, 1, 0.9f}, {0.001f, 2.5f, 0.9f}},
                 {7, {5, 1, 1, 1}, {0.011f, 2, 0, 1}}, {8, {5, 9, 2, 2}, {0.0117f, 8, 0, 2.4f}},
                 {9, {5, 1, 3, 4}, {0.0132f, 3, 0, 1.1f}}});
    expect_values({{part(10).u8(151, 5)}, 1}, u8_field(159), {6, 8, 10, 50, 255, 3},
                  {0.0149f, 0.0163f, 0.019f, 0.019f, 0.019f, 0.01245f});  // 3: halfway between 2 and 4 cores
    EXPECT_FLOAT_EQ(rate_of(part(10).u8(151, 5).u8(158, 2).u8(159, 3)), 0.02988f);
    const ItemRecord no_cores = expect_warned(part(10).u8(151, 5).u8(159, 0),
                                              " For Number of core N < 1 the model may be invalid\n\n");
    EXPECT_EQ(no_cores.failure_rate(), 0.0f);
    const ItemRecord socket = computed(part(10).u8(151, 6).u8(152, 0).u8(GJBZ108A_ENVIRONMENT_CODE, 26));  // no quality
    EXPECT_EQ(socket.failure_rate(), 0.0042f);
    for (unsigned slot = 1; slot <= 4; ++slot) EXPECT_EQ(socket.slot(slot), 0.0f);

    // Connections: 1000 joints of one technique alone, in the order of the counts.
    const float per_thousand[] = {0.009f, 0.027f, 0.01f, 0.065f, 0.0085f, 0.0012f, 0.035f, 0.017f};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_FLOAT_EQ(rate_of(part(19).u16(152, 0).u16(152 + 2 * i, 1000)), per_thousand[i]) << "technique " << i + 1;
    // Summed in the order of the counts in single precision: 2.0321169, not
    // the 2.0321167 of the reverse order. No joints: 0.
    ItemRecord all = part(19).u8(GJBZ108A_ENVIRONMENT_CODE, 6);
    const std::uint16_t counts[] = {65535, 1234, 777, 4321, 100, 9999, 2500, 60000};
    for (std::size_t i = 0; i < 8; ++i) all.u16(152 + 2 * i, counts[i]);
    EXPECT_EQ(rate_of(all), product({3.8f, 2.03211689f}));
    EXPECT_EQ(rate_of(part(19).u16(152, 0)), 0.0f);

    // Boards of 1000 holes: quality, user factor; Lb1, Lb2, PI e, PI q. In
    // EnvironmentCodes 5 and 8 any other order of the products rounds differently.
    expect_rows({20, {u8_field(152), f32_field(156)}, [](const Slots& s) { return (1000.0f * s[1] + s[2]) * s[3] * s[4]; }},
                {{1, {2}, {0.000012f, 0.00011f, 1, 1}}, {5, {1}, {0.000012f, 0.00011f, 7, 0.3f}},
                 {8, {3}, {0.000012f, 0.00011f, 13, 3}}, {4, {4, 2.5f}, {0.000012f, 0.00011f, 4, 2.5f}}});
    EXPECT_FLOAT_EQ(rate_of(part(20)), 0.01211f);
    EXPECT_EQ(rate_of(part(20).u16(154, 0)), 0.00011f);
}

TEST(OtherModels, InductiveLaserRotatingQuartzAndTubes) {
    // Laser: type, learning; Lb, PI e, PI l.
    expect_rows({16, {u8_field(151), u8_field(152)}, kBaseFirst},
                {{1, {1, 3}, {0.36f, 1, 5}}, {2, {2, 1}, {2.4f, 1.5f, 1}}, {3, {3, 2}, {2.2f, 2, 2.5f}},
                 {4, {4, 3}, {1.5f, 5.5f, 5}}, {5, {5, 1}, {5.1f, 11, 1}}, {6, {6, 2}, {7.2f, 10, 2.5f}},
                 {7, {7, 3}, {0.9f, 4, 5}}});
    // Inductive: type, transformer quality, coil quality, cycling rate, user
    // factor; Lb, PI e, PI q, PI cyc. Each group reads its own quality.
    expect_rows({18, {u8_field(151), u8_field(152), u8_field(153), kCycling, f32_field(158)}, in_order({1, 2, 3, 4})},
                {
                    {1, {1, 1, 9, 0}, {0.001f, 1, 0.35f, 1}},        {2, {2, 2, 1, 0.05f}, {0.0014f, 1.4f, 0.7f, 1}},
                    {3, {3, 3, 1, 0.1f}, {0.0014f, 2, 1, 1.01f}},     {4, {4, 4, 1, 0.2f}, {0.0027f, 7, 2.5f, 1.02f}},
                    {5, {5, 5, 1, 0.5f, 1.7f}, {0.0027f, 8, 1.7f, 1.05f}}, {6, {6, 3, 1, 1}, {0.0027f, 7.5f, 1, 1.1f}},
                    {7, {7, 3, 1, 2}, {0.0041f, 2.8f, 1, 1.2f}},      {8, {8, 3, 1, 5}, {0.0041f, 19, 1, 1.5f}},
                    {9, {9, 9, 2, 10}, {0.0003f, 8.5f, 0.35f, 1.8f}}, {10, {10, 1, 3, 20}, {0.0003f, 6, 0.7f, 2.6f}},
                    {11, {11, 1, 4, 50}, {0.0003f, 19, 1, 5}},        {12, {12, 1, 5, 0.2f}, {0.0009f, 6, 2, 1.02f}},
                    {13, {13, 1, 6, 0.5f, 3}, {0.0009f, 14, 3, 1.04f}}, {16, {14, 1, 1, 1}, {0.0033f, 12, 0, 1.08f}},
                    {17, {15, 1, 1, 2}, {0.0002f, 8, 0.5f, 1.1f}},    {21, {16, 1, 2, 5}, {0.0002f, 16, 0.7f, 1.25f}},
                });
    expect_values({{part(18).u8(151, 15)}, 3}, u8_field(153), codes(5), {0.5f, 0.7f, 1, 1, 2.5f});
    expect_values({{part(18)}, 4}, kCycling, {10, 20, 50}, {2, 3, 6});
    expect_values({{part(18).u8(151, 9)}, 4}, kCycling, {0, 0.1f, 0.05f}, {1, 1, 1});
    expect_values({{part(18).u8(151, 16)}, 4}, kCycling, {0, 0.1f, 10, 20, 50}, {1, 1, 1.5f, 2, 3.5f});
    // Rotating, quartz, tubes: type, quality, user factor; Lb, PI e, PI q.
    expect_rows({21, coded({151, 152}, 154), kBaseFirst},
                {{8, {1, 1}, {0.12f, 13, 0.6f}}, {9, {2, 2}, {0.23f, 6.8f, 0.85f}}, {10, {3, 3}, {0.19f, 2.5f, 1}},
                 {11, {4, 4}, {0.46f, 16, 2}}, {12, {5, 5, 1.3f}, {0.46f, 3.3f, 1.3f}}, {13, {6, 3}, {0.46f, 10, 1}}});
    expect_rows({22, coded({151, 152}, 154), kBaseFirst},
                {{16, {1, 1}, {0.022f, 15, 0.2f}}, {17, {2, 2}, {0.056f, 18, 0.35f}}, {21, {1, 3}, {0.022f, 24, 1}},
                 {22, {2, 4}, {0.056f, 1, 3.5f}}, {23, {1, 5, 0.5f}, {0.022f, 15, 0.5f}}});
    // EnvironmentCode 2, quality A1: any other order of the products rounds differently.
    expect_rows({30, coded({151, 152}, 154), kBaseFirst},
                {{26, {30, 4}, {1.65f, 60, 2.5f}}, {1, {1, 3}, {0.086f, 1, 1}}, {2, {2, 1}, {0.13f, 1.3f, 0.3f}},
                 {3, {3, 2}, {0.15f, 2, 0.7f}}, {4, {4, 5, 1.1f}, {0.17f, 6, 1.1f}}});
    const ItemRecord magnetron = part(30).u8(151, 30).u8(152, 4).u8(GJBZ108A_ENVIRONMENT_CODE, 26);
    EXPECT_FLOAT_EQ(rate_of(magnetron), 247.5f);  // 1.65 x 60 x 2.5
    expect_values({{part(30)}, 1}, u8_field(151), codes(34),
                  {0.086f, 0.13f, 0.15f, 0.17f, 0.099f, 0.12f, 0.01f, 0.007f, 0.068f, 0.068f, 0.22f, 0.63f,
                   0.02f, 0.75f, 0.16f, 0.07f, 0.21f, 0.99f, 2.03f, 2.48f, 0.83f, 0.29f, 0.05f, 0.45f,
                   1.45f, 0.34f, 1.02f, 1.23f, 0.84f, 1.65f, 1.02f, 1.38f, 0.4f, 0.23f});
}

TEST(OtherModels, SawFiltersLampsAndMiscellaneousParts) {
    // SAW: quality, user factor; filters: construction, quality, user factor.
    // Lb, PI e, PI q.
    expect_rows({27, coded({152}, 154), kEnvironmentFirst},
                {{1, {4}, {0.013f, 1, 1}}, {2, {1}, {0.013f, 1.5f, 0.2f}}, {3, {2}, {0.013f, 2, 0.4f}},
                 {4, {3}, {0.013f, 6, 0.7f}}, {5, {5}, {0.013f, 8, 3}}, {6, {6, 0.9f}, {0.013f, 5, 0.9f}}});
    expect_rows({31, coded({151, 152}, 154), kBaseFirst},
                {{1, {5, 1}, {0.055f, 1, 0.45f}}, {2, {1, 1}, {0.026f, 1.2f, 0.5f}}, {3, {2, 2}, {0.051f, 1.5f, 1}},
                 {4, {3, 3}, {0.0086f, 4, 3.5f}}, {5, {4, 2}, {0.0066f, 8, 1}}, {6, {5, 3}, {0.055f, 5, 3.5f}},
                 {7, {1, 3}, {0.026f, 3, 3.5f}}, {8, {2, 4, 0.7f}, {0.051f, 10, 0.7f}}});
    EXPECT_FLOAT_EQ(rate_of(part(31).u8(151, 5).u8(152, 1)), 0.02475f);
    // Miscellaneous types 1 to 14: type, quality, learning, axis, user factor;
    // Lb, PI e, PI q, PI c, PI l. PI q x (Lb x PI e); the gyroscope takes
    // (PI c x PI l) x (Lb x PI e) and no quality.
    expect_rows({29, coded({151, 152, 153, 158}, 154),
                 [](const Slots& s) {
                     const float rate = s[1] * s[2];
                     return s[4] != 0 ? s[4] * s[5] * rate : s[3] * rate;
                 }},
                {
                    {1, {1, 1, 1, 1}, {0.043f, 1, 0.45f}},    {2, {2, 2, 1, 1}, {0.043f, 12, 0.75f}},
                    {3, {3, 3, 1, 1}, {0.043f, 1.5f, 1}},     {4, {4, 4, 1, 1}, {0.043f, 4, 3}},
                    {5, {5, 5, 1, 1, 0.6f}, {0.043f, 5, 0.6f}}, {6, {6, 1, 1, 1}, {0.043f, 4.5f, 0.45f}},
                    {7, {7, 2, 1, 1}, {0.043f, 3, 0.75f}},    {8, {8, 3, 1, 1}, {0.043f, 12, 1}},
                    {9, {9, 4, 1, 1}, {0.0038f, 6.5f, 3}},    {10, {10, 1, 1, 1}, {0.005f, 2, 0.3f}},
                    {11, {11, 2, 1, 1}, {0.19f, 4.5f, 0.6f}}, {12, {12, 3, 1, 1}, {0.12f, 2, 1}},
                    {13, {13, 4, 1, 1}, {0.11f, 3, 3}},       {1, {14, 9, 3, 3}, {0.005f, 1, 0, 2.2f, 4.5f}},
                    {2, {14, 1, 1, 1}, {0.005f, 1.3f, 0, 1, 1}}, {3, {14, 1, 2, 2}, {0.005f, 2, 0, 1.1f, 2}},
                });
    EXPECT_FLOAT_EQ(rate_of(part(29).u8(151, 14).u8(153, 3).u8(158, 3)), 0.0495f);  // (2.2 x 4.5) x 0.005 x 1

    // Any lamp type but "Neon" is incandescent.
    EXPECT_EQ(rate_of(part(28).u8(151, 3)), 0.2f);
    expect_refused(part(29).u8(151, 32).u8(GJBZ108A_ENVIRONMENT_CODE, 12), " Environments not supported\n");
}

}  // namespace
}  // namespace gjbz108a::test
