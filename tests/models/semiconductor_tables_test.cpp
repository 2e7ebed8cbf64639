// Every documented factor of the discrete semiconductors, read back through
// calc_item: environment and quality tables, base rates, every curve point.
#include "model_checks.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace gjbz108a::test {
namespace {

enum Slot { kRate, kBase, kPiE, kPiQ, kPiT, kPiCyc, kPiR };
constexpr unsigned kB2 = 6;  // quality factor 1

// EnvironmentCode, then PI e of the diodes (11, 13), the transistors (12, 14)
// and the optoelectronic devices (15).
struct EnvironmentRow {
    unsigned code;
    float diodes, transistors, opto;
};
constexpr std::array<EnvironmentRow, 19> kEnvironment{{
    {1, 1, 1, 1},
    {2, 1.2f, 1.2f, 1.1f},
    {3, 1.7f, 1.8f, 1.8f},
    {4, 5.5f, 5.5f, 2.6f},
    {5, 7.5f, 7.5f, 4},
    {6, 4.5f, 4.5f, 3.7f},
    {7, 3, 3, 2.2f},
    {8, 14, 14, 8.2f},
    {9, 6, 7, 5.1f},
    {10, 5, 5.9f, 3},
    {11, 15, 17, 12},
    {12, 7, 7.5f, 4},
    {13, 11, 12, 7},
    {16, 13, 13, 5.6f},
    {17, 11, 12, 6},
    {21, 20, 20, 8},
    {22, 1.2f, 1.2f, 1},
    {23, 15, 15, 9},
    {26, 28, 32, 16},
}};

TEST(SemiconductorTables, EnvironmentFactorsOfEveryCategoryInEverySupportedEnvironment) {
    struct Category {
        unsigned item_code;
        float EnvironmentRow::*factor;
        float base_rate;  // of style 1
    };
    const std::array<Category, 5> categories{{
        {11, &EnvironmentRow::diodes, 0.00109f},
        {12, &EnvironmentRow::transistors, 0.0015f},
        {13, &EnvironmentRow::diodes, 0.02f},
        {14, &EnvironmentRow::transistors, 0.0021f},
        {15, &EnvironmentRow::opto, 0.00041f},
    }};
    for (const Category& c : categories) {
        for (const EnvironmentRow& row : kEnvironment) {
            ItemRecord part = styled_part(c.item_code, 1, kB2, row.code);
            ASSERT_EQ(calculate(part).result, 3) << c.item_code << " env " << row.code;
            const float pi_e = row.*c.factor;
            EXPECT_EQ(part.slot(kPiE), pi_e) << c.item_code << " env " << row.code;
            EXPECT_EQ(part.failure_rate(), product({pi_e, c.base_rate, 1, 1})) << c.item_code;
        }
    }
}

TEST(SemiconductorTables, QualityFactorsOfEveryLevelAndTheUserFactorOfEachCategory) {
    // A2, A3, A4, A5, B1, B2, C
    constexpr std::array<float, 7> diodes_transistors{0.07f, 0.12f, 0.2f, 0.35f, 0.6f, 1, 4};
    constexpr std::array<float, 7> opto{0.07f, 0.15f, 0.25f, 0.45f, 0.7f, 1, 3.5f};
    struct Category {
        unsigned item_code;
        const std::array<float, 7>* levels;
        std::size_t user_factor;
    };
    const std::array<Category, 5> categories{{
        {11, &diodes_transistors, 158},
        {12, &diodes_transistors, 166},
        {13, &diodes_transistors, 158},
        {14, &diodes_transistors, 162},
        {15, &opto, 154},
    }};
    for (const Category& c : categories) {
        for (unsigned code = 1; code <= 7; ++code) {
            ItemRecord part = styled_part(c.item_code, 1, code);
            ASSERT_EQ(calculate(part).result, 3);
            EXPECT_EQ(part.slot(kPiQ), (*c.levels)[code - 1]) << c.item_code << " quality " << code;
        }
        ItemRecord user = styled_part(c.item_code, 1, 8);
        user.f32(c.user_factor, 0.123f);
        ASSERT_EQ(calculate(user).result, 3);
        EXPECT_EQ(user.slot(kPiQ), 0.123f) << c.item_code;
    }
}

// Each style's base rate and temperature curve, read at 50 degrees where the
// curves differ, and the failure rate in the documented order at EnvironmentCode
// 3 and quality C. The cycling rate of 10 gives 1.83 on the diodes' curve and
// 1.5 on the transistors'.
struct StyleRow {
    unsigned item_code;
    unsigned style;
    float base_rate;
    float pi_t_at_50;
};

TEST(SemiconductorTables, BaseRateAndTemperatureCurveOfEveryStyle) {
    const std::vector<StyleRow> styles{
        // Low-frequency diodes: LD-A, LD-B, LD-C
        {11, 1, 0.00109f, 3.14f}, {11, 2, 0.0019f, 4.73f}, {11, 3, 0.00325f, 2.24f},
        {11, 4, 0.00325f, 2.24f}, {11, 5, 0.00325f, 2.24f},
        // High-frequency diodes: HD-A for the microwave styles, HD-B for the rest
        {13, 1, 0.02f, 2.06f}, {13, 2, 0.02f, 2.06f}, {13, 3, 0.02f, 2.06f}, {13, 4, 0.02f, 2.06f},
        {13, 5, 0.0084f, 2.46f}, {13, 6, 0.0084f, 2.46f}, {13, 7, 0.0084f, 2.46f},
        {13, 8, 0.0084f, 2.46f}, {13, 9, 0.0084f, 2.46f}, {13, 10, 0.0084f, 2.46f},
    };
    for (const StyleRow& s : styles) {
        ItemRecord part = styled_part(s.item_code, s.style, 7, 3);
        part.temperature(50).cycling_rate(10);
        ASSERT_EQ(calculate(part).result, 3) << s.item_code << " style " << s.style;
        EXPECT_EQ(part.slot(kBase), s.base_rate) << s.item_code << " style " << s.style;
        EXPECT_EQ(part.slot(kPiT), s.pi_t_at_50) << s.item_code << " style " << s.style;
        EXPECT_EQ(part.slot(kPiCyc), 1.83f);
        EXPECT_EQ(part.failure_rate(), product({1.7f, s.base_rate, 4, s.pi_t_at_50, 1.83f}))
            << s.item_code << " style " << s.style;
    }

    const std::vector<StyleRow> transistors{
        // Low-frequency: LT-1 .. LT-7, the two FETs share LT-5
        {12, 1, 0.0015f, 2.47f}, {12, 2, 0.00226f, 2.53f}, {12, 3, 0.00785f, 3.42f},
        {12, 4, 0.00478f, 3.3f}, {12, 5, 0.00855f, 2.46f}, {12, 6, 0.00855f, 2.46f},
        {12, 7, 0.0078f, 2.89f}, {12, 8, 0.0144f, 3.2f},
        // High-frequency: one rate and curve HT for every style
        {14, 1, 0.0021f, 3.41f}, {14, 2, 0.0021f, 3.41f}, {14, 3, 0.0021f, 3.41f},
    };
    for (const StyleRow& s : transistors) {
        ItemRecord part = styled_part(s.item_code, s.style, 7, 3);
        part.temperature(50).cycling_rate(10);
        ASSERT_EQ(calculate(part).result, 3) << s.item_code << " style " << s.style;
        EXPECT_EQ(part.slot(kBase), s.base_rate) << s.item_code << " style " << s.style;
        EXPECT_EQ(part.slot(kPiT), s.pi_t_at_50) << s.item_code << " style " << s.style;
        EXPECT_EQ(part.slot(kPiR), 1.0f);
        EXPECT_EQ(part.failure_rate(), product({1.8f, s.base_rate, 4, s.pi_t_at_50, 1.5f, 1}))
            << s.item_code << " style " << s.style;
    }

    // Optoelectronic devices: one curve, a base rate per style; the multiple-bit
    // Nixie tube's rate comes from its bits (2 bits: 2 x 0.0011 + 0.004 = 0.0062).
    const std::vector<StyleRow> opto{
        {15, 1, 0.00041f, 3.25f}, {15, 2, 0.003f, 3.25f}, {15, 3, 0.002f, 3.25f},
        {15, 4, 0.00775f, 3.25f}, {15, 5, 0.0052f, 3.25f}, {15, 6, 0.0145f, 3.25f},
        {15, 7, 0.0051f, 3.25f}, {15, 8, 0.0062f, 3.25f},
    };
    for (const StyleRow& s : opto) {
        ItemRecord part = styled_part(15, s.style, 7, 3);
        part.u8(153, 2).temperature(50);
        ASSERT_EQ(calculate(part).result, 3) << "style " << s.style;
        EXPECT_EQ(part.slot(kBase), s.base_rate) << "style " << s.style;
        EXPECT_EQ(part.slot(kPiT), 3.25f);
        EXPECT_EQ(part.failure_rate(), product({1.8f, s.base_rate, 3.5f, 3.25f})) << "style " << s.style;
    }
}

// A curve column: the part that reads it.
struct CurveReader {
    unsigned item_code;
    unsigned style;
};

// Every point of a family of curves, read exactly at its x. `kNone` marks a
// point the curve does not have: the germanium parts are refused there.
constexpr float kNone = -1;
template <std::size_t Columns>
struct CurveRow {
    float x;
    std::array<float, Columns> y;
};

template <std::size_t Columns, std::size_t Rows>
void expect_every_point(const std::array<CurveReader, Columns>& readers,
                        const std::array<CurveRow<Columns>, Rows>& rows) {
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < Columns; ++c) {
            ItemRecord part = styled_part(readers[c].item_code, readers[c].style, kB2);
            part.temperature(row.x);
            const Calculation calc = calculate(part);
            if (row.y[c] == kNone) {
                EXPECT_EQ(calc.result, 1) << "column " << c << " at " << row.x;
                continue;
            }
            ASSERT_EQ(calc.result, 3) << "column " << c << " at " << row.x;
            EXPECT_EQ(part.slot(kPiT), row.y[c]) << "column " << c << " at " << row.x;
        }
    }
}

TEST(SemiconductorTables, EveryPointOfTheDiodeTemperatureCurves) {
    // LD-A, LD-B, LD-C, HD-A, HD-B
    const std::array<CurveReader, 5> readers{{{11, 1}, {11, 2}, {11, 3}, {13, 1}, {13, 5}}};
    const std::array<CurveRow<5>, 17> rows{{
        {0, {0.26f, 0.17f, 0.39f, 0.43f, 0.35f}},
        {10, {0.46f, 0.36f, 0.58f, 0.62f, 0.54f}},
        {20, {0.78f, 0.72f, 0.84f, 0.86f, 0.82f}},
        {25, {1, 1, 1, 1, 1}},
        {30, {1.28f, 1.39f, 1.19f, 1.17f, 1.21f}},
        {40, {2.03f, 2.6f, 1.65f, 1.56f, 1.75f}},
        {50, {3.14f, 4.73f, 2.24f, 2.06f, 2.46f}},
        {55, {3.87f, 6.32f, 2.59f, 2.35f, 2.9f}},
        {60, {4.74f, 8.45f, 2.99f, 2.68f, 3.4f}},
        {65, {5.78f, 11.3f, 3.44f, 3.04f, 3.97f}},
        {70, {7, 15.2f, 3.94f, 3.44f, 4.63f}},
        {75, {8.43f, 20.5f, 4.5f, 3.89f, 5.37f}},
        {80, {10.1f, 28.1f, 5.13f, 4.4f, 6.22f}},
        {85, {12.1f, 39.5f, 5.84f, 4.97f, 7.17f}},
        {90, {14.4f, 57.1f, 6.63f, 5.61f, 8.26f}},
        {95, {17.1f, kNone, 7.52f, 6.34f, 9.5f}},
        {100, {20.2f, kNone, 8.52f, 7.18f, 10.9f}},
    }};
    expect_every_point(readers, rows);
}

TEST(SemiconductorTables, EveryPointOfTheTransistorTemperatureCurves) {
    // LT-1 .. LT-7, HT
    const std::array<CurveReader, 8> readers{
        {{12, 1}, {12, 2}, {12, 3}, {12, 4}, {12, 5}, {12, 7}, {12, 8}, {14, 1}}};
    const std::array<CurveRow<8>, 17> rows{{
        {0, {0.36f, 0.34f, 0.25f, 0.26f, 0.35f, 0.29f, 0.27f, 0.24f}},
        {10, {0.55f, 0.53f, 0.45f, 0.46f, 0.54f, 0.49f, 0.47f, 0.43f}},
        {20, {0.83f, 0.83f, 0.78f, 0.78f, 0.82f, 0.8f, 0.79f, 0.76f}},
        {25, {1, 1, 1, 1, 1, 1, 1, 1}},
        {30, {1.22f, 1.22f, 1.31f, 1.29f, 1.21f, 1.26f, 1.3f, 1.3f}},
        {40, {1.76f, 1.78f, 2.13f, 2.08f, 1.75f, 1.93f, 2.07f, 2.13f}},
        {50, {2.47f, 2.53f, 3.42f, 3.3f, 2.46f, 2.89f, 3.2f, 3.41f}},
        {55, {2.91f, 3, 4.32f, 4.14f, 2.9f, 3.5f, 3.95f, 4.26f}},
        {60, {3.41f, 3.54f, 5.47f, 5.19f, 3.4f, 4.23f, 4.85f, 5.29f}},
        {65, {3.99f, 4.16f, 6.93f, 6.54f, 3.97f, 5.08f, 5.92f, 6.54f}},
        {70, {4.66f, 4.86f, 8.83f, 8.28f, 4.63f, 6.07f, 7.21f, 8.04f}},
        {75, {5.41f, 5.67f, 11.4f, 10.6f, 5.37f, 7.23f, 8.73f, 9.84f}},
        {80, {6.27f, 6.59f, 14.8f, 13.7f, 6.22f, 8.55f, 10.5f, 12}},
        {85, {7.26f, 7.64f, 19.7f, 18.2f, 7.17f, 10.2f, 12.7f, 14.6f}},
        {90, {8.38f, 8.83f, 26.9f, 24.9f, 8.26f, 12, 15.2f, 17.6f}},
        {95, {9.67f, 10.2f, kNone, kNone, 9.5f, 14.1f, 18.2f, 21.4f}},
        {100, {11.1f, 11.7f, kNone, kNone, 10.9f, 16.5f, 21.8f, 25.8f}},
    }};
    expect_every_point(readers, rows);
}

TEST(SemiconductorTables, EveryPointOfTheOptoelectronicTemperatureCurve) {
    const std::array<CurveReader, 1> readers{{{15, 1}}};
    const std::array<CurveRow<1>, 21> rows{{
        {0, {0.25f}}, {5, {0.33f}}, {10, {0.45f}}, {15, {0.59f}}, {20, {0.77f}}, {25, {1}},
        {30, {1.29f}}, {35, {1.64f}}, {40, {2.07f}}, {45, {2.6f}}, {50, {3.25f}},
        {55, {4.02f}}, {60, {4.95f}}, {65, {6.05f}}, {70, {7.36f}}, {75, {8.9f}},
        {80, {10.7f}}, {85, {12.83f}}, {90, {15.25f}}, {95, {18.07f}}, {100, {21.31f}},
    }};
    expect_every_point(readers, rows);
}

TEST(SemiconductorTables, EveryPointOfTheCyclingCurves) {
    struct Point {
        float rate, cyc_d, cyc_t;
    };
    constexpr std::array<Point, 10> points{{
        {0, 1, 1}, {0.6f, 1, kNone}, {1, 1.08f, 1.05f}, {2, 1.17f, 1.1f}, {3, 1.25f, 1.15f},
        {4, 1.33f, 1.2f}, {5, 1.42f, 1.25f}, {10, 1.83f, 1.5f}, {20, 2.66f, 2.0f},
        {50, 5.15f, 3.5f},
    }};
    for (const Point& p : points) {
        for (unsigned item_code : {11u, 13u}) {
            ItemRecord diode = styled_part(item_code, 1, kB2);
            diode.cycling_rate(p.rate);
            ASSERT_EQ(calculate(diode).result, 3);
            EXPECT_EQ(diode.slot(kPiCyc), p.cyc_d) << item_code << " at " << p.rate;
        }
        if (p.cyc_t == kNone) continue;
        for (unsigned item_code : {12u, 14u}) {
            ItemRecord transistor = styled_part(item_code, 1, kB2);
            transistor.cycling_rate(p.rate);
            ASSERT_EQ(calculate(transistor).result, 3);
            EXPECT_EQ(transistor.slot(kPiCyc), p.cyc_t) << item_code << " at " << p.rate;
        }
    }
}

TEST(SemiconductorTables, InterpolatedValueOnEveryCurve) {
    struct Midpoint {
        unsigned item_code, style;
        float temperature, cycling_rate;
        Slot slot;
        float expected;  // the mean of the two neighbouring points
    };
    const std::vector<Midpoint> midpoints{
        {11, 1, 97.5f, 0, kPiT, 18.65f},    // LD-A (17.1 + 20.2) / 2
        {11, 2, 87.5f, 0, kPiT, 48.3f},     // LD-B (39.5 + 57.1) / 2
        {11, 3, 5, 0, kPiT, 0.485f},        // LD-C (0.39 + 0.58) / 2
        {13, 1, 62.5f, 0, kPiT, 2.86f},     // HD-A (2.68 + 3.04) / 2
        {13, 5, 35, 0, kPiT, 1.48f},        // HD-B (1.21 + 1.75) / 2
        {12, 1, 22.5f, 0, kPiT, 0.915f},    // LT-1 (0.83 + 1) / 2
        {12, 2, 45, 0, kPiT, 2.155f},       // LT-2 (1.78 + 2.53) / 2
        {12, 3, 72.5f, 0, kPiT, 10.115f},   // LT-3 (8.83 + 11.4) / 2
        {12, 4, 15, 0, kPiT, 0.62f},        // LT-4 (0.46 + 0.78) / 2
        {12, 5, 82.5f, 0, kPiT, 6.695f},    // LT-5 (6.22 + 7.17) / 2
        {12, 7, 57.5f, 0, kPiT, 3.865f},    // LT-6 (3.5 + 4.23) / 2
        {12, 8, 67.5f, 0, kPiT, 6.565f},    // LT-7 (5.92 + 7.21) / 2
        {14, 1, 27.5f, 0, kPiT, 1.15f},     // HT (1 + 1.3) / 2
        {15, 1, 2.5f, 0, kPiT, 0.29f},      // OPTO (0.25 + 0.33) / 2
        {11, 1, 25, 0.3f, kPiCyc, 1},       // CYC-D flat between 0 and 0.6
        {13, 1, 25, 7.5f, kPiCyc, 1.625f},  // CYC-D (1.42 + 1.83) / 2
        {12, 1, 25, 35, kPiCyc, 2.75f},     // CYC-T (2 + 3.5) / 2
    };
    for (const Midpoint& m : midpoints) {
        ItemRecord part = styled_part(m.item_code, m.style, kB2);
        part.temperature(m.temperature).cycling_rate(m.cycling_rate);
        ASSERT_EQ(calculate(part).result, 3) << m.item_code << " style " << m.style;
        EXPECT_FLOAT_EQ(part.slot(m.slot), m.expected) << m.item_code << " style " << m.style;
    }
}

}  // namespace
}  // namespace gjbz108a::test
