// The miscellaneous group (29).
#include "models/environments.h"
#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>

namespace gjbz108a {
namespace {

using test::calculate;
using test::ItemRecord;
using test::kSupportedEnvironments;

constexpr unsigned kMisc = 29;
constexpr std::size_t kType = 151;
constexpr std::size_t kQuality = 152;
constexpr std::size_t kLearning = 153;
constexpr std::size_t kUserQuality = 154;
constexpr std::size_t kAxis = 158;

constexpr unsigned kGyroscope = 14;

// Quality B2, stabilized, single axis: every factor but the base rate and the
// environment is 1.
ItemRecord misc(unsigned environment, unsigned type) {
    ItemRecord r(kMisc, environment);
    r.u8(kType, type).u8(kQuality, 3).u8(kLearning, 1).u8(kAxis, 1);
    return r;
}

// The stored integers of the documented table, by EnvironmentCode 1, 2, 3, 4,
// 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 21, 22, 23, 26.
using Row = std::array<int, 19>;
constexpr Row kTypes1To9{10, 120, 15, 40, 50, 45, 30, 120, 65, 35, 90, 35, 70, 60, 55, 100, 10, 120, 220};
constexpr Row kTypes10To13{10, 11, 140, 18, 20, 25, 15, 40, 30, 20, 45, 20, 30, 30, 35, 50, 7, 23, 60};
constexpr Row kType14{10, 13, 20, 60, 90, 60, 25, 170, 70, 50, 360, 80, 110, 160, 120, 220, 5, 320, 660};
constexpr Row kTypes15To16{80,   96,   120,  400,  880,  432,  240, 1120, 560, 280,
                           1760, 800,  960,  1200, 1440, 1920, 80,  1200, 2800};
constexpr Row kTypes17To19{10, 12, 15, 50, 110, 54, 30, 140, 70, 35, 220, 100, 120, 150, 180, 240, 10, 150, 350};
constexpr Row kTypes20To21{20, 24, 30, 100, 220, 108, 60, 280, 140, 70, 440, 200, 240, 300, 360, 480, 20, 300, 700};
constexpr Row kType22{180,  216,  270,  900,  1980, 972,  540, 2520, 1260, 630,
                      3960, 1800, 2160, 2700, 3240, 4320, 180, 2700, 6300};
constexpr Row kType23{80, 96, 120, 400, 880, 432, 240, 1120, 560, 280, 1760, 800, 960, 1200, 1440, 1920, 80, 1200, 2800};
constexpr Row kType24{90,   108, 135,  450,  990,  486,  270, 1260, 630, 315,
                      1980, 900, 1080, 1350, 1620, 2160, 90,  1350, 3150};
constexpr Row kType25{120,  180, 288,  756,  816,  804,  516, 1320, 1020, 720,
                      1920, 960, 1080, 1368, 1440, 2040, 144, 1200, 2760};
constexpr Row kType26{10, 15, 24, 63, 68, 67, 43, 110, 85, 60, 160, 80, 90, 114, 120, 170, 12, 100, 230};
constexpr Row kType27{80, 104, 200, 440, 520, 400, 256, 680, 440, 400, 1360, 256, 560, 560, 368, 920, 80, 1200, 2480};
constexpr Row kType28{70, 77, 147, 315, 525, 315, 210, 840, 350, 280, 1029, 392, 560, 420, 735, 910, 70, 1050, 2380};
constexpr Row kTypes29To30{150,  210,  300,  750,  1125, 600,  450, 1650, 1050, 600,
                           1950, 1200, 1350, 1275, 1350, 1800, 150, 2250, 4800};
constexpr Row kType31{26, 34, 36, 99, 117, 65, 52, 182, 143, 65, 338, 156, 156, 208, 234, 273, 23, 260, 468};
constexpr Row kType32{520, 572, 1040, 2340, 3380, 1716, 3640, 7800, 6240, 1560, 520, 0, 4680, 0, 5720, 5200, 0, 0, 0};
constexpr Row kType33{620, 680, 1240, 2790, 4030, 2046, 4340, 9300, 7440, 1860, 620, 0, 5580, 0, 6820, 6200, 0, 0, 0};
constexpr Row kType34{390, 429, 780, 1755, 2535, 1287, 1170, 4680, 2730, 1170, 4290, 3900, 3510, 5850, 0, 0, 390, 0, 0};
constexpr Row kType35{150,  180,  225,  1125, 1350, 1050, 375, 2100, 1125, 825,
                      1550, 1650, 1950, 1950, 1800, 2700, 150, 2250, 4500};
constexpr Row kType36{170,  204,  255,  1275, 1530, 1190, 425, 2380, 1280, 935,
                      2890, 1870, 2210, 2210, 2040, 3060, 170, 2550, 5010};
constexpr Row kTypes37To39{42, 55, 59, 147, 210, 105, 76, 20, 147, 105, 588, 147, 252, 21, 273, 588, 42, 378, 672};
constexpr Row kType40{56, 73, 78, 196, 280, 140, 101, 560, 196, 140, 784, 196, 336, 280, 364, 784, 56, 504, 896};

// Types 1 to 14: base rate and environment row (the row in tenths).
struct ComputedType {
    float base_rate;
    const Row* row;
};
constexpr std::array<ComputedType, 14> kComputed{{
    {0.043f, &kTypes1To9}, {0.043f, &kTypes1To9}, {0.043f, &kTypes1To9}, {0.043f, &kTypes1To9},
    {0.043f, &kTypes1To9}, {0.043f, &kTypes1To9}, {0.043f, &kTypes1To9}, {0.043f, &kTypes1To9},
    {0.0038f, &kTypes1To9}, {0.005f, &kTypes10To13}, {0.19f, &kTypes10To13}, {0.12f, &kTypes10To13},
    {0.11f, &kTypes10To13}, {0.005f, &kType14},
}};

// Types 15 to 40: rate row and divisor.
struct TableReadType {
    const Row* row;
    float divisor;
};
constexpr std::array<TableReadType, 26> kTableRead{{
    {&kTypes15To16, 10000}, {&kTypes15To16, 10000}, {&kTypes17To19, 10000}, {&kTypes17To19, 10000},
    {&kTypes17To19, 10000}, {&kTypes20To21, 1000},  {&kTypes20To21, 1000},  {&kType22, 1000},
    {&kType23, 100},        {&kType24, 1000},       {&kType25, 100},        {&kType26, 100},
    {&kType27, 1000},       {&kType28, 100},        {&kTypes29To30, 3000},  {&kTypes29To30, 1000},
    {&kType31, 1000},       {&kType32, 10000},      {&kType33, 10000},      {&kType34, 10000},
    {&kType35, 1000},       {&kType36, 10000},      {&kTypes37To39, 10000}, {&kTypes37To39, 10000},
    {&kTypes37To39, 10000}, {&kType40, 10000},
}};

TEST(Misc, ComputedTypesInEveryEnvironment) {
    for (unsigned type = 1; type <= kComputed.size(); ++type) {
        const ComputedType& expected = kComputed[type - 1];
        for (std::size_t i = 0; i < kSupportedEnvironments.size(); ++i) {
            const unsigned environment = kSupportedEnvironments[i];
            ItemRecord r = misc(environment, type);
            ASSERT_EQ(calculate(r).result, 3) << type << ' ' << environment;
            const float pi_e = static_cast<float>((*expected.row)[i]) / 10.0f;
            EXPECT_EQ(r.slot(1), expected.base_rate) << type;
            EXPECT_EQ(r.slot(2), pi_e) << type << ' ' << environment;
            EXPECT_EQ(r.failure_rate(), expected.base_rate * pi_e) << type << ' ' << environment;
        }
    }
}

TEST(Misc, TableReadTypesInEveryEnvironment) {
    for (unsigned type = 15; type <= 40; ++type) {
        const TableReadType& expected = kTableRead[type - 15];
        for (std::size_t i = 0; i < kSupportedEnvironments.size(); ++i) {
            const unsigned environment = kSupportedEnvironments[i];
            ItemRecord r = misc(environment, type);
            r.f32(GJBZ108A_FAILURE_RATE, 8.0f);
            const auto c = calculate(r);
            const int stored = (*expected.row)[i];
            if (stored == 0) {
                EXPECT_EQ(c.result, 1) << type << ' ' << environment;
                EXPECT_EQ(c.messages, " Environments not supported\n");
                EXPECT_EQ(r.slot(0), 0.0f);
                EXPECT_EQ(r.failure_rate(), 8.0f);
                continue;
            }
            EXPECT_EQ(c.result, 3) << type << ' ' << environment;
            EXPECT_EQ(r.failure_rate(), static_cast<float>(stored) / expected.divisor) << type << ' ' << environment;
            for (unsigned slot = 1; slot <= 5; ++slot) EXPECT_EQ(r.slot(slot), 0.0f) << type;
        }
    }
}

TEST(Misc, WorkedExamplesOfTableReadTypes) {
    ItemRecord microphone = misc(12, 32);
    EXPECT_EQ(calculate(microphone).messages, " Environments not supported\n");
    microphone = misc(1, 32);
    calculate(microphone);
    EXPECT_EQ(microphone.failure_rate(), 0.052f);

    ItemRecord short_delay = misc(1, 29);
    ItemRecord long_delay = misc(1, 30);
    calculate(short_delay);
    calculate(long_delay);
    EXPECT_EQ(short_delay.failure_rate(), 0.05f);
    EXPECT_EQ(long_delay.failure_rate(), 0.15f);
}

TEST(Misc, QualityTablesOfMagneticElementsAndBatteries) {
    constexpr std::array<float, 4> first{0.45f, 0.75f, 1, 3};
    constexpr std::array<float, 4> second{0.3f, 0.6f, 1, 3};
    for (unsigned code = 1; code <= 4; ++code) {
        ItemRecord magnetic = misc(1, 9);
        ItemRecord battery = misc(1, 10);
        magnetic.u8(kQuality, code);
        battery.u8(kQuality, code);
        calculate(magnetic);
        calculate(battery);
        EXPECT_EQ(magnetic.slot(3), first[code - 1]) << code;
        EXPECT_EQ(battery.slot(3), second[code - 1]) << code;
    }
    ItemRecord user = misc(1, 13);
    user.u8(kQuality, 5).f32(kUserQuality, 0.0f);
    calculate(user);
    EXPECT_EQ(user.failure_rate(), 0.0f);

    // 0.45 x (0.043 x 12) in single precision.
    ItemRecord ordered = misc(2, 1);
    ordered.u8(kQuality, 1);
    calculate(ordered);
    EXPECT_EQ(ordered.failure_rate(), 0.232200012f);
}

TEST(Misc, GyroscopeTakesLearningAndAxisInsteadOfQuality) {
    ItemRecord trinal = misc(1, kGyroscope);
    trinal.u8(kLearning, 3).u8(kAxis, 3).u8(kQuality, 0);  // the quality is not read
    EXPECT_EQ(calculate(trinal).result, 3);
    EXPECT_EQ(trinal.slot(5), 4.5f);
    EXPECT_EQ(trinal.slot(4), 2.2f);
    EXPECT_EQ(trinal.slot(3), 0.0f);
    EXPECT_FLOAT_EQ(trinal.failure_rate(), 0.0495f);

    constexpr std::array<float, 3> learning{1, 2, 4.5f};
    constexpr std::array<float, 3> axis{1, 1.1f, 2.2f};
    for (unsigned code = 1; code <= 3; ++code) {
        ItemRecord r = misc(1, kGyroscope);
        r.u8(kLearning, code).u8(kAxis, code);
        calculate(r);
        EXPECT_EQ(r.slot(5), learning[code - 1]) << code;
        EXPECT_EQ(r.slot(4), axis[code - 1]) << code;
    }

    // (1.1 x 4.5) x (0.005 x 1) in single precision.
    ItemRecord ordered = misc(1, kGyroscope);
    ordered.u8(kLearning, 3).u8(kAxis, 2);
    calculate(ordered);
    EXPECT_EQ(ordered.failure_rate(), 0.0247500017f);
}

TEST(Misc, CodesOutsideTheirListsAreRefusedOnlyWhereRead) {
    ItemRecord type = misc(1, 41);
    EXPECT_EQ(calculate(type).messages, " Type code 41 is not in the list 1..40\n");

    ItemRecord quality = misc(1, 1);
    quality.u8(kQuality, 6).u8(kLearning, 0).u8(kAxis, 0);  // learning and axis not read
    const auto c = calculate(quality);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Quality code 6 is not in the list 1..5\n");
    EXPECT_EQ(quality.slot(2), 1.0f);
    EXPECT_EQ(quality.slot(1), 0.043f);

    ItemRecord learning = misc(1, kGyroscope);
    learning.u8(kLearning, 4);
    EXPECT_EQ(calculate(learning).messages, " Learning factor code 4 is not in the list 1..3\n");
    ItemRecord axis = misc(1, kGyroscope);
    axis.u8(kAxis, 0);
    EXPECT_EQ(calculate(axis).messages, " Axis code 0 is not in the list 1..3\n");

    ItemRecord table_read = misc(1, 40);
    table_read.u8(kQuality, 0).u8(kLearning, 0).u8(kAxis, 0);
    EXPECT_EQ(calculate(table_read).result, 3);
}

TEST(Misc, MarkerTripleAndUnsupportedEnvironment) {
    ItemRecord marked = misc(12, 32);  // even where the type's entry is 0
    marked.marker_triple();
    EXPECT_EQ(calculate(marked).result, 3);
    for (unsigned slot = 0; slot <= 5; ++slot) EXPECT_EQ(marked.slot(slot), 0.0f) << slot;
    EXPECT_EQ(marked.failure_rate(), 0.0f);

    ItemRecord unsupported = misc(24, 1);
    EXPECT_EQ(calculate(unsupported).messages, " Environment not supported\n");
    EXPECT_EQ(unsupported.u8_at(kAxis), 0);
}

}  // namespace
}  // namespace gjbz108a
