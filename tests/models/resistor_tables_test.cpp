// Every documented factor of the fixed and variable resistors, read back
// through calc_item: each style's environment and quality table and base rate,
// every curve point.
#include "model_checks.h"

#include <gtest/gtest.h>

#include <array>

namespace gjbz108a::test {
namespace {

// Fixed resistors: style 151, film resistors 152, quality 153, user factor 158.
enum FixedSlot { kRate, kBase, kPiE, kPiQ, kPiT, kPiCyc };
constexpr unsigned kFixedB2 = 4;

ItemRecord fixed_resistor(unsigned style, unsigned quality, unsigned environment = 1) {
    ItemRecord record(5, environment);
    record.u8(151, style).u8(152, 1).u8(153, quality).temperature(25).cycling_rate(0);
    return record;
}

// Variable resistors: style 151, quality 152, user factor 158.
enum VariableSlot { kVarRate, kVarBase, kVarPiE, kVarPiQ, kVarPiCyc };
constexpr unsigned kVariableB2 = 4;

ItemRecord variable_resistor(unsigned style, unsigned quality, unsigned environment = 1) {
    ItemRecord record(6, environment);
    record.u8(151, style).u8(152, quality).cycling_rate(0);
    return record;
}

TEST(ResistorTables, EnvironmentTableOfEveryFixedStyle) {
    // EnvironmentCode, then R-1 .. R-9.
    struct Row {
        unsigned code;
        std::array<float, 9> r;
    };
    const std::array<Row, 19> rows{{
        {1, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {2, {1.1f, 1.1f, 1.1f, 1.1f, 1.1f, 1.1f, 1.3f, 1.1f, 1.1f}},
        {3, {2.1f, 1.8f, 1.8f, 1.8f, 2.1f, 1.5f, 2.5f, 2, 1.8f}},
        {4, {5, 4, 4, 4, 4.5f, 4, 5.5f, 5.2f, 4}},
        {5, {5.8f, 5.6f, 5.6f, 6, 7.5f, 6, 6.5f, 6.1f, 5.6f}},
        {6, {4, 3.8f, 3.8f, 4, 4.5f, 4.2f, 5, 4.5f, 3.8f}},
        {7, {3, 2.5f, 2.5f, 2.5f, 3, 2.5f, 3.2f, 2.8f, 2.5f}},
        {8, {10, 10, 10, 10, 12, 10, 8.5f, 10, 10}},
        {9, {5, 4.5f, 4.5f, 4.5f, 5, 4.5f, 5.5f, 5, 4.5f}},
        {10, {4, 3.5f, 3.5f, 3.5f, 4, 3.5f, 5, 3.9f, 3.5f}},
        {11, {11.9f, 12.5f, 12.5f, 14, 14.7f, 13.6f, 17, 13, 12.5f}},
        {12, {3.8f, 2.5f, 2.5f, 4, 5.6f, 2.7f, 3.2f, 3.4f, 2.5f}},
        {13, {6.5f, 6, 6, 6.5f, 8, 5.5f, 7, 6.7f, 6}},
        {16, {5, 5, 5, 5, 6, 5, 7, 6.6f, 5}},
        {17, {6.7f, 6.1f, 6.1f, 9.4f, 10.5f, 6, 4.6f, 6.4f, 6.1f}},
        {21, {10.5f, 11, 11, 12, 13, 12, 11.5f, 11.5f, 11}},
        {22, {1, 0.5f, 0.5f, 1, 1, 1, 1, 0.5f, 1}},
        {23, {15, 15, 15, 15, 15, 15, 15, 15, 15}},
        {26, {25, 26, 26, 30, 34, 30, 31, 29, 26}},
    }};
    // Style code -> its table R-1 .. R-9 (index 0 .. 8).
    constexpr std::array<unsigned, 12> table_of_style{0, 1, 2, 3, 4, 4, 5, 6, 6, 6, 7, 8};
    for (unsigned style = 1; style <= 12; ++style) {
        for (const Row& row : rows) {
            ItemRecord part = fixed_resistor(style, kFixedB2, row.code);
            ASSERT_EQ(calculate(part).result, 3) << "style " << style << " env " << row.code;
            EXPECT_EQ(part.slot(kPiE), row.r[table_of_style[style - 1]])
                << "style " << style << " env " << row.code;
        }
    }
}

TEST(ResistorTables, QualityTableAndBaseRateOfEveryFixedStyle) {
    // A1m, A2, B1, B2, C of RQ-1 .. RQ-4.
    constexpr std::array<std::array<float, 5>, 4> rq{{
        {0.2f, 0.5f, 0.8f, 1, 2.5f},
        {0.2f, 0.5f, 0.8f, 1, 30},
        {0.2f, 0.5f, 0.8f, 1, 3},
        {0.2f, 0.1f, 0.8f, 1, 3},
    }};
    struct Style {
        float base_rate;
        unsigned quality_table;  // RQ-1 .. RQ-4 as 0 .. 3
        float pi_e_at_3;         // its environment table at EnvironmentCode 3
    };
    constexpr std::array<Style, 12> styles{{
        {0.00033f, 0, 2.1f}, {0.00021f, 0, 1.8f}, {0.00068f, 1, 1.8f}, {0.0081f, 0, 1.8f},
        {0.0034f, 0, 2.1f},  {0.0034f, 0, 2.1f},  {0.006f, 2, 1.5f},   {0.003f, 2, 2.5f},
        {0.0092f, 3, 2.5f},  {0.0045f, 2, 2.5f},  {0.0005f, 0, 2},     {0.0009f, 2, 1.8f},
    }};
    for (unsigned style = 1; style <= 12; ++style) {
        const Style& s = styles[style - 1];
        for (unsigned level = 1; level <= 5; ++level) {
            ItemRecord part = fixed_resistor(style, level, 3);
            ASSERT_EQ(calculate(part).result, 3);
            const float pi_q = rq[s.quality_table][level - 1];
            EXPECT_EQ(part.slot(kPiQ), pi_q) << "style " << style << " level " << level;
            EXPECT_EQ(part.slot(kBase), s.base_rate) << "style " << style;
            // One film resistor at 25 degrees: the network's extra factors are 1.
            EXPECT_EQ(part.failure_rate(), product({pi_q, s.base_rate, s.pi_e_at_3, 1}));
        }
        ItemRecord user = fixed_resistor(style, 6, 3);
        user.f32(158, 0.77f);
        ASSERT_EQ(calculate(user).result, 3);
        EXPECT_EQ(user.slot(kPiQ), 0.77f);
    }
}

TEST(ResistorTables, EveryPointOfTheResistorCurves) {
    // RCYC and VCYC hold the same points.
    struct Cycling {
        float rate, pi_cyc;
    };
    constexpr std::array<Cycling, 10> cycling{{
        {0, 1}, {0.8f, 1}, {1, 1.06f}, {2, 1.13f}, {3, 1.19f}, {4, 1.25f}, {5, 1.32f},
        {10, 1.63f}, {20, 2.26f}, {50, 4.15f},
    }};
    for (const Cycling& c : cycling) {
        ItemRecord fixed = fixed_resistor(1, kFixedB2);
        fixed.cycling_rate(c.rate);
        ASSERT_EQ(calculate(fixed).result, 3);
        EXPECT_EQ(fixed.slot(kPiCyc), c.pi_cyc) << c.rate;
        ItemRecord variable = variable_resistor(1, kVariableB2);
        variable.cycling_rate(c.rate);
        ASSERT_EQ(calculate(variable).result, 3);
        EXPECT_EQ(variable.slot(kVarPiCyc), c.pi_cyc) << c.rate;
    }

    // RNT, read by the networks only.
    struct Temperature {
        float t, pi_t;
    };
    constexpr std::array<Temperature, 17> network{{
        {0, 1}, {25, 1}, {30, 1.25f}, {35, 1.56f}, {40, 1.92f}, {45, 2.4f}, {50, 2.9f},
        {55, 3.5f}, {60, 4.2f}, {65, 5}, {70, 5.9f}, {75, 7.1f}, {80, 8.3f}, {85, 9.8f},
        {90, 11.4f}, {95, 13.3f}, {100, 15.4f},
    }};
    for (const Temperature& p : network) {
        ItemRecord part = fixed_resistor(12, kFixedB2);
        part.temperature(p.t);
        ASSERT_EQ(calculate(part).result, 3);
        EXPECT_EQ(part.slot(kPiT), p.pi_t) << p.t;
    }

    // Between points.
    ItemRecord flat = fixed_resistor(12, kFixedB2);
    flat.temperature(12.5f).cycling_rate(0.4f);
    ASSERT_EQ(calculate(flat).result, 3);
    EXPECT_EQ(flat.slot(kPiT), 1.0f);    // flat from 0 to 25
    EXPECT_EQ(flat.slot(kPiCyc), 1.0f);  // flat from 0 to 0.8
    ItemRecord between = fixed_resistor(12, kFixedB2);
    between.temperature(97.5f).cycling_rate(35);
    ASSERT_EQ(calculate(between).result, 3);
    EXPECT_FLOAT_EQ(between.slot(kPiT), 14.35f);   // (13.3 + 15.4) / 2
    EXPECT_FLOAT_EQ(between.slot(kPiCyc), 3.205f);  // (2.26 + 4.15) / 2
    ItemRecord variable = variable_resistor(1, kVariableB2);
    variable.cycling_rate(1.5f);
    ASSERT_EQ(calculate(variable).result, 3);
    EXPECT_FLOAT_EQ(variable.slot(kVarPiCyc), 1.095f);  // (1.06 + 1.13) / 2
}

TEST(ResistorTables, EnvironmentTableOfEveryVariableStyle) {
    // EnvironmentCode, then styles 1 .. 7; 0 = not applicable.
    struct Row {
        unsigned code;
        std::array<float, 7> style;
    };
    const std::array<Row, 19> rows{{
        {1, {1, 1, 1, 1, 1, 1, 1}},
        {2, {1.2f, 1.2f, 1.2f, 1.3f, 1.1f, 1.1f, 1.2f}},
        {3, {2, 2, 1.8f, 2, 1.5f, 1.5f, 2}},
        {4, {5.3f, 5, 4, 5.3f, 5.6f, 5.6f, 4.5f}},
        {5, {8, 6, 5.5f, 8, 8.5f, 8.5f, 6}},
        {6, {4.2f, 4.8f, 3.5f, 4.2f, 4.5f, 5.5f, 3.5f}},
        {7, {3, 3, 2.5f, 3, 2.5f, 3, 2}},
        {8, {9.4f, 11.2f, 7.6f, 0, 10.6f, 13.4f, 7.6f}},
        {9, {4.7f, 5, 3.8f, 4.7f, 5.3f, 6.7f, 3.8f}},
        {10, {4, 4, 3.5f, 4, 3.5f, 3.5f, 4}},
        {11, {16.4f, 26, 16.4f, 18.9f, 13, 20, 19}},
        {12, {4.4f, 5.9f, 4.3f, 6.2f, 7.5f, 8.5f, 3.4f}},
        {13, {10.6f, 7.3f, 6.5f, 10.6f, 11.3f, 11.3f, 7.3f}},
        {16, {9.3f, 9.3f, 6.7f, 9.3f, 11, 12.4f, 6.7f}},
        {17, {8, 9.6f, 7.8f, 0, 9, 10.2f, 11}},
        {21, {13.3f, 13.3f, 13.3f, 0, 14.7f, 16.5f, 16.7f}},
        {22, {1, 0, 0, 0, 0, 0, 0}},
        {23, {0, 0, 0, 0, 0, 0, 0}},
        {26, {0, 0, 0, 0, 0, 0, 0}},
    }};
    for (unsigned style = 1; style <= 7; ++style) {
        for (const Row& row : rows) {
            ItemRecord part = variable_resistor(style, kVariableB2, row.code);
            const Calculation calc = calculate(part);
            const float pi_e = row.style[style - 1];
            if (pi_e == 0) {
                EXPECT_EQ(calc.result, 1) << "style " << style << " env " << row.code;
                EXPECT_EQ(calc.messages, " Environment is not applicable for this style\n");
                continue;
            }
            ASSERT_EQ(calc.result, 3) << "style " << style << " env " << row.code;
            EXPECT_EQ(part.slot(kVarPiE), pi_e) << "style " << style << " env " << row.code;
        }
    }
}

TEST(ResistorTables, QualityTableAndBaseRateOfEveryVariableStyle) {
    // A1m, A2, B1, B2, C of VQ-1 .. VQ-3; 0 = not applicable.
    constexpr std::array<std::array<float, 5>, 3> vq{{
        {0.2f, 0.5f, 0.7f, 1, 3},
        {0.2f, 0, 0.7f, 1, 3},
        {0.2f, 0.3f, 0.5f, 1, 4},
    }};
    struct Style {
        float base_rate;
        unsigned quality_table;  // VQ-1 .. VQ-3 as 0 .. 2
        float pi_e_at_2;
    };
    constexpr std::array<Style, 7> styles{{
        {0.031f, 0, 1.2f}, {0.04f, 1, 1.2f}, {0.027f, 0, 1.2f}, {0.045f, 1, 1.3f},
        {0.01f, 0, 1.1f},  {0.019f, 2, 1.1f}, {0.009f, 0, 1.2f},
    }};
    for (unsigned style = 1; style <= 7; ++style) {
        const Style& s = styles[style - 1];
        for (unsigned level = 1; level <= 5; ++level) {
            ItemRecord part = variable_resistor(style, level, 2);
            const Calculation calc = calculate(part);
            const float pi_q = vq[s.quality_table][level - 1];
            if (pi_q == 0) {
                EXPECT_EQ(calc.result, 1) << "style " << style << " level " << level;
                EXPECT_EQ(calc.messages, " Quality Level is not applicable for this style\n");
                continue;
            }
            ASSERT_EQ(calc.result, 3);
            EXPECT_EQ(part.slot(kVarPiQ), pi_q) << "style " << style << " level " << level;
            EXPECT_EQ(part.slot(kVarBase), s.base_rate) << "style " << style;
            EXPECT_EQ(part.failure_rate(), product({pi_q, s.base_rate, s.pi_e_at_2, 1}));
        }
        ItemRecord user = variable_resistor(style, 6, 2);
        user.f32(158, 0.66f);
        ASSERT_EQ(calculate(user).result, 3);
        EXPECT_EQ(user.slot(kVarPiQ), 0.66f);
    }
}

}  // namespace
}  // namespace gjbz108a::test
