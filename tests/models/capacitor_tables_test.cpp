// Every documented factor of the capacitors, read back through calc_item:
// each style's environment, quality and temperature tables, base rate and chip
// factor, every curve point.
#include "model_checks.h"

#include <gtest/gtest.h>

#include <array>

namespace gjbz108a::test {
namespace {

enum Slot { kRate, kBase, kPiE, kPiQ, kPiT, kPiCyc, kPiCh };
constexpr unsigned kB2 = 7;
constexpr unsigned kChip = 1, kWithLead = 2;

// Style 151, quality 152, surface 153, sealing 154, user factor 160.
ItemRecord capacitor(unsigned style, unsigned quality, unsigned environment = 1) {
    ItemRecord record(7, environment);
    record.u8(151, style).u8(152, quality).u8(153, kWithLead).u8(154, 1);
    return record.temperature(25).cycling_rate(0);
}

// Style code -> its environment table C-1 .. C-10 (0 .. 9) and quality table
// CQ-1 .. CQ-8 (0 .. 7).
constexpr std::array<unsigned, 13> kEnvironmentTableOf{0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9};
constexpr std::array<unsigned, 13> kQualityTableOf{0, 0, 0, 1, 2, 3, 3, 4, 5, 3, 6, 7, 7};

TEST(CapacitorTables, EnvironmentTableOfEveryStyle) {
    // EnvironmentCode, then C-1 .. C-10; 0 = not applicable.
    struct Row {
        unsigned code;
        std::array<float, 10> c;
    };
    const std::array<Row, 19> rows{{
        {1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {2, {1.1f, 1.1f, 1.2f, 1.2f, 1.1f, 1.1f, 1.2f, 1.2f, 1.2f, 1.6f}},
        {3, {2.4f, 1.8f, 1.8f, 2.4f, 2.8f, 2.6f, 2.4f, 2.7f, 2.4f, 3.8f}},
        {4, {4.8f, 3.5f, 3.2f, 4.6f, 5.1f, 4.8f, 3.6f, 3.8f, 4.2f, 5}},
        {5, {7, 4.9f, 4.2f, 6, 7, 7, 5, 6, 7, 5.5f}},
        {6, {4.5f, 2.8f, 2.8f, 4, 4.9f, 4.4f, 3.8f, 3.7f, 5.1f, 6}},
        {7, {2.8f, 1.9f, 1.9f, 2.3f, 2.9f, 2.6f, 2.3f, 2.5f, 3, 3.5f}},
        {8, {11.5f, 6.5f, 5.7f, 10.2f, 9.1f, 9.6f, 8.5f, 10.3f, 12.7f, 15}},
        {9, {5.7f, 3.7f, 3.7f, 4.7f, 5.7f, 5, 4.5f, 4.9f, 6.1f, 7.2f}},
        {10, {4.6f, 2.7f, 2.5f, 4.1f, 4.6f, 4.3f, 3.5f, 3.6f, 4, 6.6f}},
        {11, {14, 10, 7, 10, 12, 11, 12, 13, 17, 20}},
        {12, {6, 3.2f, 3.2f, 3.4f, 6, 4, 5.2f, 5.6f, 8, 9}},
        {13, {9.6f, 5.3f, 4.6f, 7.6f, 8.1f, 7.85f, 6.5f, 7.1f, 10.4f, 10.5f}},
        {16, {8, 4.7f, 4.1f, 6.1f, 7.7f, 7.2f, 8.3f, 9, 10, 10}},
        {17, {10, 6, 5, 7.3f, 9.2f, 8, 7.5f, 10, 14, 15}},
        {21, {21, 13.2f, 8, 12, 14, 13, 15, 16, 21, 21}},
        {22, {1, 1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {23, {15, 8, 5, 8, 8, 8, 9, 10, 10, 0}},
        {26, {31, 17, 11, 17, 17, 17, 19, 21, 21, 0}},
    }};
    for (unsigned style = 1; style <= 13; ++style) {
        for (const Row& row : rows) {
            ItemRecord part = capacitor(style, kB2, row.code);
            const Calculation calc = calculate(part);
            const float pi_e = row.c[kEnvironmentTableOf[style - 1]];
            if (pi_e == 0) {
                EXPECT_EQ(calc.result, 1) << "style " << style << " env " << row.code;
                EXPECT_EQ(calc.messages, " For Variable Capacitors Environments SF,ML and MF not supported\n");
                continue;
            }
            ASSERT_EQ(calc.result, 3) << "style " << style << " env " << row.code;
            EXPECT_EQ(part.slot(kPiE), pi_e) << "style " << style << " env " << row.code;
        }
    }
}

TEST(CapacitorTables, QualityTableOfEveryStyle) {
    // A1p, A1m, A1l, A1w, A2, B1, B2, C1, C2 of CQ-1 .. CQ-8; 0 = not supported.
    constexpr std::array<std::array<float, 9>, 8> cq{{
        {0.2f, 0.3f, 0, 0, 0.45f, 0.75f, 1, 2, 3.4f},
        {0.45f, 0.45f, 0.45f, 0.45f, 0.45f, 0.75f, 1, 3, 3},
        {0.2f, 0.3f, 0, 0, 0.45f, 0.75f, 1, 3.4f, 3.4f},
        {0.2f, 0.3f, 0, 0, 0.45f, 0.75f, 1, 3, 3},
        {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.75f, 1, 3, 3},
        {0.15f, 0.25f, 0, 0, 0.45f, 0.75f, 1, 3, 3},
        {0, 0, 0.2f, 0.3f, 0.45f, 0.75f, 1, 3.4f, 3.4f},
        {0.3f, 0.3f, 0.3f, 0.3f, 0.45f, 0.75f, 1, 3, 3},
    }};
    for (unsigned style = 1; style <= 13; ++style) {
        for (unsigned level = 1; level <= 9; ++level) {
            ItemRecord part = capacitor(style, level);
            const Calculation calc = calculate(part);
            const float pi_q = cq[kQualityTableOf[style - 1]][level - 1];
            if (pi_q == 0) {
                EXPECT_EQ(calc.result, 1) << "style " << style << " level " << level;
                EXPECT_EQ(calc.messages, " Quality Level not supported\n");
                continue;
            }
            ASSERT_EQ(calc.result, 3) << "style " << style << " level " << level;
            EXPECT_EQ(part.slot(kPiQ), pi_q) << "style " << style << " level " << level;
        }
        ItemRecord user = capacitor(style, 10);
        user.f32(160, 0.55f);
        ASSERT_EQ(calculate(user).result, 3);
        EXPECT_EQ(user.slot(kPiQ), 0.55f);
    }
}

TEST(CapacitorTables, BaseRateTemperatureCurveAndChipFactorOfEveryStyle) {
    // At EnvironmentCode 3, B2, 50 degrees and 10 cycles (1.6); "Variable air"
    // sealed "With".
    struct Style {
        float base_rate;
        float pi_e_at_3;
        float pi_t_at_50;  // 0: no temperature factor
        float chip;        // 0: no chip factor
    };
    constexpr std::array<Style, 13> styles{{
        {0.00062f, 2.4f, 1.35f, 1.5f},  // CT-1
        {0.00045f, 2.4f, 1.35f, 1.5f},  // CT-1
        {0.00062f, 2.4f, 1.35f, 1.5f},  // CT-1
        {0.00036f, 1.8f, 3.06f, 0},     // CT-2
        {0.0003f, 1.8f, 3.06f, 0},      // CT-2
        {0.0004f, 2.4f, 2.66f, 2},      // CT-3
        {0.00045f, 2.8f, 1.2f, 2},      // CT-4
        {0.00047f, 2.6f, 1.93f, 2},     // CT-5
        {0.0005f, 2.4f, 1.73f, 1.5f},   // CT-6
        {0.0011f, 2.7f, 1.73f, 0},      // CT-6
        {0.0023f, 2.4f, 2.32f, 1.5f},   // CT-7
        {0.006f, 3.8f, 0, 0},
        {0.102f, 3.8f, 0, 0},
    }};
    for (unsigned style = 1; style <= 13; ++style) {
        const Style& s = styles[style - 1];
        for (unsigned surface : {kChip, kWithLead}) {
            ItemRecord part = capacitor(style, kB2, 3);
            part.u8(153, surface).temperature(50).cycling_rate(10);
            ASSERT_EQ(calculate(part).result, 3) << "style " << style;
            EXPECT_EQ(part.slot(kBase), s.base_rate) << "style " << style;
            EXPECT_EQ(part.slot(kPiT), s.pi_t_at_50) << "style " << style;
            EXPECT_EQ(part.slot(kPiCyc), 1.6f);
            const float pi_ch = s.chip == 0 ? 0.0f : surface == kChip ? s.chip : 1.0f;
            EXPECT_EQ(part.slot(kPiCh), pi_ch) << "style " << style << " surface " << surface;

            float rate = product({s.base_rate, s.pi_e_at_3, 1, 1.6f});
            if (s.pi_t_at_50 != 0) rate = s.pi_t_at_50 * rate;
            if (s.chip != 0) rate = rate * pi_ch;
            EXPECT_EQ(part.failure_rate(), rate) << "style " << style << " surface " << surface;
        }
    }
    ItemRecord without = capacitor(13, kB2);
    without.u8(154, 2);
    ASSERT_EQ(calculate(without).result, 3);
    EXPECT_EQ(without.slot(kBase), 0.212f);
}

TEST(CapacitorTables, EveryPointOfTheTemperatureCurves) {
    // CT-1 .. CT-7 and the style that reads each.
    constexpr std::array<unsigned, 7> reader{1, 4, 6, 7, 8, 9, 11};
    struct Row {
        float t;
        std::array<float, 7> ct;
    };
    const std::array<Row, 17> rows{{
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
    }};
    for (const Row& row : rows) {
        for (std::size_t c = 0; c < reader.size(); ++c) {
            ItemRecord part = capacitor(reader[c], kB2);
            part.temperature(row.t);
            ASSERT_EQ(calculate(part).result, 3);
            EXPECT_EQ(part.slot(kPiT), row.ct[c]) << "CT-" << c + 1 << " at " << row.t;
        }
    }
    // Between points: flat from 0 to 10, then a midpoint on each curve.
    struct Midpoint {
        unsigned style;
        float t, pi_t;
    };
    constexpr std::array<Midpoint, 8> midpoints{{
        {1, 5, 0.95f},
        {2, 82.5f, 9.73f},    // CT-1 (6.35 + 13.11) / 2
        {5, 12.5f, 0.575f},   // CT-2 (0.51 + 0.64) / 2
        {6, 67.5f, 5.295f},   // CT-3 (4.78 + 5.81) / 2
        {7, 47.5f, 1.18f},    // CT-4 (1.16 + 1.2) / 2
        {8, 22.5f, 0.945f},   // CT-5 (0.89 + 1) / 2
        {10, 77.5f, 4.095f},  // CT-6 (3.72 + 4.47) / 2
        {11, 32.5f, 1.25f},   // CT-7 (1.15 + 1.35) / 2
    }};
    for (const Midpoint& m : midpoints) {
        ItemRecord part = capacitor(m.style, kB2);
        part.temperature(m.t);
        ASSERT_EQ(calculate(part).result, 3);
        EXPECT_FLOAT_EQ(part.slot(kPiT), m.pi_t) << "style " << m.style << " at " << m.t;
    }
}

TEST(CapacitorTables, EveryPointOfTheCyclingCurve) {
    struct Point {
        float rate, pi_cyc;
    };
    constexpr std::array<Point, 10> points{{
        {0, 1}, {0.3f, 1}, {1, 1.06f}, {2, 1.12f}, {3, 1.18f}, {4, 1.24f}, {5, 1.3f},
        {10, 1.6f}, {20, 2.2f}, {50, 4},
    }};
    for (const Point& p : points) {
        ItemRecord part = capacitor(12, kB2);
        part.cycling_rate(p.rate);
        ASSERT_EQ(calculate(part).result, 3);
        EXPECT_EQ(part.slot(kPiCyc), p.pi_cyc) << p.rate;
    }
    ItemRecord flat = capacitor(1, kB2);
    flat.cycling_rate(0.15f);
    ASSERT_EQ(calculate(flat).result, 3);
    EXPECT_EQ(flat.slot(kPiCyc), 1.0f);
    ItemRecord between = capacitor(1, kB2);
    between.cycling_rate(15);
    ASSERT_EQ(calculate(between).result, 3);
    EXPECT_FLOAT_EQ(between.slot(kPiCyc), 1.9f);  // (1.6 + 2.2) / 2
}

}  // namespace
}  // namespace gjbz108a::test
