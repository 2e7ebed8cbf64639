// The integrated-circuit models (1, 2, 3) through calc_item.
#include "model_checks.h"

namespace gjbz108a::test {
namespace {

constexpr std::size_t kType = 151, kTech = 152, kPackage = 153, kQual = 154, kLearning = 155, kPins = 156,
                      kSize = 158, kSeal = 170;
enum Slot : unsigned { kRate, kLbase, kPiE, kPiQ, kPiT, kPiF, kPiCyc, kPiL };

const Field kIcSize = [](ItemRecord& r, float n) { r.ic_size(n); };

// Inputs: Type, Tech, Package, Qual, Learn fact., Active pins, size, temperature,
// cycling rate, user quality factor, Seal. Lbase x PI e x PI q x (PI t + PI f)
// x PI cyc x PI l, left to right.
Model ic_model(unsigned item_code) {
    return {item_code,
            {u8_field(kType), u8_field(kTech), u8_field(kPackage), u8_field(kQual), u8_field(kLearning),
             u16_field(kPins), kIcSize, kTemperature, kCycling, f32_field(166), u8_field(kSeal)},
            [](const Slots& s) { return product({s[1], s[2], s[3], s[4] + s[5], s[6], s[7]}); }};
}

TEST(IntegratedCircuits, CoveringRowsAndWorkedExamples) {
    // Lbase, PI e, PI q, PI t, PI f, PI cyc, PI l. Every quality level and
    // learning factor, each temperature curve, each package group, every point
    // of the cycling curve.
    expect_rows(ic_model(1), {
        {1, {1, 1, 1, 1, 1, 4, 16, 0, 0}, {0.002401f, 1, 0.15f, 0.93f, 0.0167f, 1, 1}},
        {2, {1, 2, 2, 2, 2, 3, 32, 5, 1}, {0.002855f, 1.5f, 0.25f, 0.98f, 0.0059f, 1.02f, 2}},
        {3, {1, 1, 3, 3, 3, 6, 64, 10, 2}, {0.003395f, 2.4f, 0.4f, 0.95f, 0.0521f, 1.04f, 5}},
        {4, {1, 2, 6, 4, 1, 8, 128, 15, 3}, {0.004037f, 6.3f, 0.7f, 1.08f, 0.1528f, 1.06f, 1}},
        {5, {1, 1, 7, 5, 2, 2, 256, 20, 4}, {0.004801f, 6.8f, 1, 0.98f, 0.0031f, 1.08f, 2}},
        {6, {1, 2, 8, 6, 3, 10, 320, 25, 5}, {0.005077f, 12, 2, 1.26f, 0.0635f, 1.1f, 5}},
        {7, {1, 1, 9, 7, 1, 3, 512, 30, 10}, {0.00571f, 7.8f, 6, 1.04f, 0.0088f, 1.2f, 1}},
        {8, {1, 2, 13, 8, 2, 12, 1024, 35, 20, 0.37f}, {0.00679f, 23, 0.37f, 1.6f, 0.3097f, 1.4f, 2}},
        // The worked example, and in EnvironmentCode 5 at 20 cycles, where any
        // other order of the products rounds differently.
        {2, {1, 2, 8, 1, 3, 16, 4096, 50, 5}, {0.009602f, 2, 0.15f, 2.64f, 0.11f, 1.1f, 5}},
        {5, {1, 2, 8, 1, 3, 16, 4096, 50, 20}, {0.009602f, 14, 0.15f, 2.64f, 0.11f, 1.4f, 5}},
    });
    // Qual 8 "User" of an analog circuit; a GaAs MMIC has no pin term: 2 pins give no warning.
    expect_rows(ic_model(2), {
        {9, {1, 1, 4, 8, 3, 14, 50, 40, 50, 0.15f}, {0.0061f, 8.5f, 0.15f, 2.2f, 0.1323f, 2, 5}},
        {10, {2, 3, 1, 2, 1, 2, 0, 45, 0, 0, 3}, {0.0118f, 6, 0.25f, 1.65f, 0, 1, 1}},
        {17, {1, 2, 5, 7, 2, 500, 5000, 100, 0}, {0.0337f, 12, 6, 28.32f, 6.7578f, 1, 2}},
    });
    expect_rows(ic_model(3), {
        {1, {1, 2, 1, 5, 1, 16, 1000, 25, 0}, {0.0054f, 1, 1, 0.87f, 0.0846f, 1, 1}},  // worked example
        {11, {3, 1, 5, 6, 2, 16, 5000, 55, 1}, {0.0077f, 16, 2, 1.3f, 0.1533f, 1.02f, 2}},
        {12, {6, 1, 10, 7, 3, 20, 1000000, 60, 2}, {0.0136f, 15, 6, 3.86f, 0.2583f, 1.04f, 5}},
        {13, {8, 2, 11, 8, 1, 500, 220000000, 100, 3, 2.5f}, {0.0367f, 17, 2.5f, 28, 8.908f, 1.06f, 1}},
        {16, {5, 2, 12, 1, 2, 4, 5000000, 65, 4}, {0.0353f, 20, 0.15f, 1.48f, 0.044f, 1.08f, 2}},
        {21, {2, 1, 3, 3, 1, 24, 50, 70, 5}, {0.0028f, 17, 0.4f, 1.66f, 0.2394f, 1.1f, 1}},
        {22, {7, 2, 6, 4, 3, 320, 50, 75, 10}, {0.0022f, 1.2f, 0.7f, 9.55f, 8.8364f, 1.2f, 5}},
    });
    // The worked examples to their documented digits (the memory's exact bits
    // are those of its covering row).
    EXPECT_NEAR(rate_of(part(1).u8(kPackage, 8).u8(kQual, 1).u8(kLearning, 3).temperature(50).cycling_rate(5)
                    .u8(GJBZ108A_ENVIRONMENT_CODE, 2)), 0.0435691, 5e-8);
    EXPECT_EQ(rate_of(part(3).u8(kType, 1)), 0.00515484f);  // 0.0054 x (0.87 + 0.0846)
}

TEST(IntegratedCircuits, TemperatureAndPinCountCurves) {
    // M-Bip, M-MOS, A-Lin, A-GaAs, D-Bip, D-MOS, P-Bip, P-MOS
    expect_table(kTemperature,
                 {{{part(1).u8(kTech, 1)}, kPiT}, {{part(1)}, kPiT}, {{part(2)}, kPiT}, {{part(2).u8(kType, 2)}, kPiT},
                  {{part(3).u8(kTech, 1).u8(kType, 4)}, kPiT}, {{part(3)}, kPiT},
                  {{part(3).u8(kTech, 1).u8(kType, 6)}, kPiT}, {{part(3).u8(kType, 8)}, kPiT}},
                 {
            {0, {0.93f, 0.96f, 0.98f, 0.92f, 0.93f, 0.81f, 1.38f, 1.27f}},
            {5, {0.94f, 0.98f, 1.02f, 0.93f, 0.94f, 0.82f, 1.41f, 1.3f}},
            {10, {0.95f, 1.02f, 1.07f, 0.94f, 0.95f, 0.83f, 1.46f, 1.35f}},
            {15, {0.96f, 1.08f, 1.15f, 0.97f, 0.96f, 0.84f, 1.52f, 1.42f}},
            {20, {0.98f, 1.15f, 1.26f, 1.01f, 0.98f, 0.85f, 1.6f, 1.52f}},
            {25, {1.01f, 1.26f, 1.4f, 1.06f, 1, 0.87f, 1.7f, 1.65f}},
            {30, {1.04f, 1.4f, 1.59f, 1.14f, 1.03f, 0.9f, 1.84f, 1.83f}},
            {35, {1.09f, 1.6f, 1.85f, 1.25f, 1.06f, 0.93f, 2.01f, 2.07f}},
            {40, {1.14f, 1.85f, 2.2f, 1.42f, 1.11f, 0.98f, 2.23f, 2.39f}},
            {45, {1.21f, 2.19f, 2.65f, 1.65f, 1.16f, 1.03f, 2.51f, 2.82f}},
            {50, {1.3f, 2.64f, 3.24f, 1.97f, 1.22f, 1.11f, 2.87f, 3.37f}},
            {55, {1.41f, 3.21f, 3.99f, 2.4f, 1.3f, 1.2f, 3.31f, 4.09f}},
            {60, {1.55f, 3.95f, 4.96f, 3, 1.4f, 1.32f, 3.86f, 5.01f}},
            {65, {1.72f, 4.89f, 6.18f, 3.8f, 1.52f, 1.48f, 4.53f, 6.19f}},
            {70, {1.92f, 6.08f, 7.72f, 4.88f, 1.66f, 1.67f, 5.35f, 7.05f}},
            {75, {2.17f, 7.58f, 9.64f, 6.3f, 1.83f, 1.9f, 6.35f, 9.55f}},
            {80, {2.48f, 9.44f, 12.03f, 8.17f, 2.02f, 2.19f, 7.56f, 11.88f}},
            {85, {2.84f, 11.76f, 14.98f, 10.61f, 2.26f, 2.54f, 9.01f, 14.77f}},
            {90, {3.27f, 14.61f, 18.59f, 13.76f, 2.53f, 2.96f, 10.74f, 18.33f}},
            {95, {3.78f, 18.09f, 22.99f, 17.8f, 2.85f, 3.48f, 12.79f, 22.6f}},
            {100, {4.39f, 22.34f, 28.32f, 22.94f, 3.23f, 4.1f, 15.22f, 28}},
                 });
    // By package: P1, P2, P3 (3, 4, 5), P4, P5, U1, U2, U3 (10, 11, 12), U4.
    const auto packages = [](std::initializer_list<unsigned> codes) { return column_of(3, kPackage, codes, kPiF); };
    expect_table(u16_field(kPins),
                 {packages({1}), packages({2}), packages({3, 4, 5}), packages({6}), packages({7}), packages({8}),
                  packages({9}), packages({10, 11, 12}), packages({13})},
                 {
            {2, {kBlank, kBlank, kBlank, kBlank, 0.0031f, kBlank, kBlank, kBlank, kBlank}},
            {3, {kBlank, 0.0059f, kBlank, kBlank, 0.0057f, kBlank, 0.0088f, kBlank, kBlank}},
            {4, {0.0167f, 0.0092f, 0.0334f, 0.0713f, 0.0088f, 0.0217f, 0.0137f, 0.044f, 0.0925f}},
            {6, {0.0269f, 0.017f, 0.0521f, 0.1113f, 0.0162f, 0.0349f, 0.0255f, 0.0687f, 0.1445f}},
            {8, {0.0376f, 0.0264f, 0.0715f, 0.1528f, 0.0249f, 0.0489f, 0.0396f, 0.0943f, 0.1983f}},
            {10, {0.0488f, 0.0372f, 0.0914f, 0.1953f, 0.0348f, 0.0635f, 0.0557f, 0.1205f, 0.2534f}},
            {12, {0.0604f, 0.0491f, 0.1117f, 0.2386f, 0.0457f, 0.0785f, 0.0736f, 0.1472f, 0.3097f}},
            {14, {0.0724f, 0.0621f, 0.1323f, 0.2827f, 0.0576f, 0.0941f, 0.0932f, 0.1744f, 0.3669f}},
            {16, {0.0846f, 0.0762f, 0.1533f, 0.3274f, 0.0704f, 0.11f, 0.1143f, 0.202f, 0.425f}},
            {18, {0.0971f, 0.0912f, 0.1745f, 0.3727f, 0.084f, 0.1262f, 0.1369f, 0.23f, 0.4838f}},
            {20, {0.1098f, 0.1072f, 0.1959f, 0.4185f, 0.0954f, 0.1428f, 0.1608f, 0.2583f, 0.5432f}},
            {22, {0.1228f, 0.124f, 0.2176f, 0.4645f, 0.1135f, 0.1596f, 0.186f, 0.2868f, 0.6033f}},
            {24, {0.1359f, 0.1416f, 0.2394f, 0.5115f, 0.1293f, 0.1767f, 0.2125f, 0.3156f, 0.6639f}},
            {28, {0.1628f, 0.1793f, 0.2837f, 0.606f, kBlank, 0.2117f, 0.2689f, 0.3759f, 0.7865f}},
            {36, {0.2185f, 0.2632f, 0.374f, 0.799f, kBlank, 0.284f, 0.3949f, 0.493f, 1.037f}},
            {40, {0.2471f, 0.3092f, 0.42f, 0.8972f, kBlank, 0.3213f, 0.4639f, 0.5536f, 1.1644f}},
            {48, {0.3059f, 0.4086f, 0.5132f, 1.0964f, kBlank, 0.3977f, 0.613f, 0.6765f, 1.423f}},
            {64, {0.4283f, 0.6343f, 0.7043f, 1.5046f, kBlank, 0.5568f, 0.9515f, 0.9283f, 1.9527f}},
            {80, {0.5561f, 0.8922f, 0.9002f, 1.9231f, kBlank, 0.7229f, 1.3383f, 1.1866f, 2.496f}},
            {100, {0.722f, 1.2549f, 1.1506f, 2.4582f, kBlank, 0.9385f, 1.8823f, 1.5167f, 3.1904f}},
            {120, {kBlank, 1.6582f, 1.4062f, 3.0041f, kBlank, kBlank, 2.4573f, 1.8536f, 3.8989f}},
            {140, {kBlank, 2.0988f, 1.666f, 3.5592f, kBlank, kBlank, 3.1451f, 2.1961f, 4.6194f}},
            {280, {kBlank, 6.0551f, 3.5712f, 7.6293f, kBlank, kBlank, 9.0826f, 4.7075f, 9.9019f}},
            {320, {kBlank, kBlank, 4.1362f, 8.8364f, kBlank, kBlank, kBlank, 5.4523f, 11.4686f}},
            {400, {kBlank, kBlank, 5.2869f, kBlank, kBlank, kBlank, kBlank, 6.9691f, kBlank}},
            {500, {kBlank, kBlank, 6.7578f, kBlank, kBlank, kBlank, kBlank, 8.908f, kBlank}},
                 });
}

TEST(IntegratedCircuits, SizeCurvesAndGaAsBaseRates) {
    // Memory bits; analog transistors; digital gates (types 1, 5) and
    // transistors (types 6, 8). The memory curve has its point at 1045576.
    expect_values({{part(1)}, kLbase}, kIcSize,
                  {16, 32, 64, 128, 256, 320, 512, 1024, 2048, 2560, 4096, 8192, 9216, 16384, 32768, 65536, 131072,
                   262144, 524288, 1045576, 2097152, 4194304, 8388608, 16777216, 33554432, 67108864},
                  {0.002401f, 0.002855f, 0.003395f, 0.004037f, 0.004801f, 0.005077f, 0.00571f, 0.00679f, 0.008075f,
                   0.008538f, 0.009602f, 0.011419f, 0.01176f, 0.01358f, 0.016149f, 0.019205f, 0.022838f, 0.027159f,
                   0.032298f, 0.038409f, 0.045677f, 0.054319f, 0.064597f, 0.076819f, 0.091353f, 0.108638f});
    expect_values({{part(2)}, kLbase}, kIcSize,
                  {50, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 3000, 5000},
                  {0.0061f, 0.0079f, 0.0102f, 0.0119f, 0.0132f, 0.0144f, 0.0154f, 0.0163f, 0.0171f, 0.0178f, 0.0186f,
                   0.0279f, 0.0337f});
    expect_values({{part(3).u8(kType, 1), part(3).u8(kType, 5)}, kLbase}, kIcSize,
                  {50, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 3000, 5000, 7000, 9000, 10000, 20000, 30000,
                   40000, 50000, 60000, 80000, 100000, 300000, 500000, 700000, 900000, 1000000, 2000000, 3000000,
                   4000000, 5000000},
                  {0.0028f, 0.0032f, 0.0038f, 0.0041f, 0.0044f, 0.0046f, 0.0048f, 0.005f, 0.0051f, 0.0052f, 0.0054f,
                   0.0068f, 0.0077f, 0.0083f, 0.0087f, 0.0089f, 0.0104f, 0.0114f, 0.0121f, 0.0127f, 0.0133f, 0.0141f,
                   0.0149f, 0.019f, 0.0212f, 0.0229f, 0.0242f, 0.0247f, 0.0289f, 0.0316f, 0.0336f, 0.0353f});
    expect_values({{part(3).u8(kType, 6), part(3).u8(kType, 8)}, kLbase}, kIcSize,
                  {50, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 3000, 5000, 7000, 9000, 10000, 20000, 30000,
                   40000, 50000, 60000, 70000, 80000, 100000, 300000, 500000, 700000, 900000, 1e6f, 2e6f, 3e6f, 4e6f,
                   5e6f, 6e6f, 7e6f, 8e6f, 9e6f, 1e7f, 2e7f, 3e7f, 4e7f, 5e7f, 6e7f, 7e7f, 8e7f, 9e7f, 1e8f, 1.2e8f,
                   1.4e8f, 1.6e8f, 1.8e8f, 2e8f, 2.2e8f},
                  {0.0022f, 0.0025f, 0.0028f, 0.003f, 0.0032f, 0.0033f, 0.0035f, 0.0036f, 0.0036f, 0.0037f, 0.0038f,
                   0.0046f, 0.0051f, 0.0054f, 0.0057f, 0.0058f, 0.0066f, 0.0071f, 0.0075f, 0.0078f, 0.0081f, 0.0083f,
                   0.0085f, 0.0089f, 0.0109f, 0.0119f, 0.0127f, 0.0133f, 0.0136f, 0.0154f, 0.0166f, 0.0175f, 0.0183f,
                   0.0189f, 0.0194f, 0.0199f, 0.0204f, 0.0208f, 0.0236f, 0.0254f, 0.0268f, 0.0279f, 0.0289f, 0.0297f,
                   0.0305f, 0.0311f, 0.0317f, 0.0328f, 0.0338f, 0.0346f, 0.0354f, 0.0361f, 0.0367f});
    EXPECT_NEAR(computed(part(1).f32(kSize, 1048576)).slot(kLbase), 0.03843, 5e-6);  // between 0.038409 and 0.045677

    // GaAs MESFET, HBT, HEMT by package, with glass sealing; then Package
    // Dual In-Line by seal. Packages 3..6 have no base rate.
    std::vector<Column> by_tech;
    for (unsigned tech = 1; tech <= 3; ++tech)
        by_tech.push_back({{part(2).u8(kType, 2).u8(kTech, tech).u8(kSeal, 3)}, kLbase});
    expect_table(u8_field(kPackage), by_tech,
                 {{1, {0.0028f, 0.0039f, 0.0118f}}, {2, {0.0028f, 0.0038f, 0.0117f}}, {3, {0, 0, 0}}, {6, {0, 0, 0}},
                  {7, {0.0028f, 0.0039f, 0.0118f}}, {8, {0.003f, 0.0041f, 0.012f}}, {13, {0.003f, 0.0041f, 0.012f}}});
    expect_table(u8_field(kSeal), by_tech, {{1, {0.0029f, 0.0039f, 0.0118f}}, {2, {0.0029f, 0.0039f, 0.0118f}}});
}

TEST(IntegratedCircuits, MarkerTripleComputesAt35DegreesWithoutEnvironmentOrLearning) {
    ItemRecord memory = part(1).u8(kTech, 1).u8(kLearning, 9).temperature(80).marker_triple();
    const Calculation calc = calculate(memory.u8(GJBZ108A_ENVIRONMENT_CODE, 26));  // Learn fact. 9 is never read
    EXPECT_EQ(calc.result, 3);
    EXPECT_TRUE(calc.buffer_untouched);
    EXPECT_EQ(memory.slot(kPiT), 1.09f);
    EXPECT_EQ(memory.slot(kPiE), 1.0f);
    EXPECT_EQ(memory.slot(kPiL), 1.0f);
    EXPECT_EQ(memory.failure_rate(), product({0.009602f, 1, 1, 1.09f + 0.0846f, 1, 1}));
}

TEST(IntegratedCircuits, WarningsInvalidSizeAndCodesNeverRead) {
    // The values beyond a curve's ends are the curve lookup's to check; here,
    // that each curve warns under its own name and limit.
    expect_warned(part(1).u16(kPins, 2).cycling_rate(60),
                  " For Number of leading-out terminals < 4 the model may be invalid\n\n"
                  " For Circulation Rate > 50 the model may be invalid\n\n");
    expect_warned(part(3).u8(kType, 6).u32(kSize, 250000000).temperature(101),
                  " For Temperature > 100 the model may be invalid\n\n"
                  " For Number of transistors > 2.2e+08 the model may be invalid\n\n");
    expect_warned(part(3).u32(kSize, 10), " For Number of gates < 50 the model may be invalid\n\n");
    expect_warned(part(2).i32(kSize, 6000), " For Number of transistors > 5000 the model may be invalid\n\n");

    // A negative size stops after the earlier lines; the host's rate stays.
    const ItemRecord stopped = expect_refused(part(1).u16(kPins, 2).f32(kSize, -1),
                                              " For Number of leading-out terminals < 4 the model may be invalid\n\n"
                                              " For Number of bytes = -1 the model is invalid\n\n");
    EXPECT_EQ(stopped.slot(kPiT), 1.26f);  // written before the failing lookup
    EXPECT_EQ(stopped.slot(kLbase), 0.0f);
    EXPECT_EQ(stopped.slot(kRate), 0.0f);

    // Codes that the path never reads change nothing.
    EXPECT_EQ(computed(part(1).u8(kType, 0)).slot(kLbase), 0.009602f);
    EXPECT_EQ(computed(part(2).u8(kTech, 9).u8(kSeal, 0)).slot(kLbase), 0.0079f);
    EXPECT_EQ(rate_of(part(2).u8(kType, 2).u8(kPackage, 4).u8(kTech, 0)), 0.0f);
}

}  // namespace
}  // namespace gjbz108a::test
