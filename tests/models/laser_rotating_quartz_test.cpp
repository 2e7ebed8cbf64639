// Gas lasers (16), rotating devices (21) and quartz crystals (22).
#include "models/environments.h"
#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>

namespace gjbz108a {
namespace {

using test::calculate;
using test::ItemRecord;
using test::expect_environment_column;

constexpr unsigned kLaser = 16, kRotating = 21, kQuartz = 22;
constexpr std::size_t kType = 151;
constexpr std::size_t kSecondCode = 152;  // learning or quality
constexpr std::size_t kUserQuality = 154;

ItemRecord part(unsigned item_code, unsigned environment, unsigned type, unsigned second) {
    ItemRecord r(item_code, environment);
    r.u8(kType, type).u8(kSecondCode, second);
    return r;
}

// Calculates and checks that the part was computed without a message.
void compute(ItemRecord& r) {
    const auto c = calculate(r);
    ASSERT_EQ(c.result, 3) << c.messages;
    ASSERT_TRUE(c.buffer_untouched);
}

TEST(GasLaser, EnvironmentFactorOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return part(kLaser, e, 1, 1); }, 2,
                              {1, 1.5f, 2, 5.5f, 11, 10, 4, 15, 12, 5, 18, 9, 16, 17, 13, 25, 0.6f, 13, 27});
}

TEST(GasLaser, BaseRatesLearningFactorsAndWorkedExample) {
    constexpr std::array<float, 7> base_rate{0.36f, 2.4f, 2.2f, 1.5f, 5.1f, 7.2f, 0.9f};
    for (unsigned type = 1; type <= base_rate.size(); ++type) {
        ItemRecord r = part(kLaser, 1, type, 1);
        compute(r);
        EXPECT_EQ(r.slot(1), base_rate[type - 1]) << type;
        EXPECT_EQ(r.failure_rate(), base_rate[type - 1]) << type;
    }
    constexpr std::array<float, 3> learning{1, 2.5f, 5};
    for (unsigned code = 1; code <= 3; ++code) {
        ItemRecord r = part(kLaser, 1, 1, code);
        compute(r);
        EXPECT_EQ(r.slot(3), learning[code - 1]) << code;
    }
    ItemRecord new_device = part(kLaser, 1, 1, 3);
    compute(new_device);
    EXPECT_FLOAT_EQ(new_device.failure_rate(), 1.8f);

    // (0.36 x 5.5) x 2.5 in single precision.
    ItemRecord ordered = part(kLaser, 4, 1, 2);
    compute(ordered);
    EXPECT_EQ(ordered.failure_rate(), 4.94999981f);
}

TEST(Rotating, EnvironmentFactorOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return part(kRotating, e, 1, 3); }, 2,
                              {1, 1.2f, 1.5f, 4, 4.5f, 5, 2.3f, 13, 6.8f, 2.5f, 16, 3.3f, 10, 5, 9.6f, 15, 1, 11,
                               21.6f});
}

TEST(Rotating, BaseRatesQualitiesAndOrder) {
    constexpr std::array<float, 6> base_rate{0.12f, 0.23f, 0.19f, 0.46f, 0.46f, 0.46f};
    for (unsigned type = 1; type <= base_rate.size(); ++type) {
        ItemRecord r = part(kRotating, 1, type, 3);
        compute(r);
        EXPECT_EQ(r.slot(1), base_rate[type - 1]) << type;
    }
    constexpr std::array<float, 4> pi_q{0.6f, 0.85f, 1, 2};
    for (unsigned code = 1; code <= pi_q.size(); ++code) {
        ItemRecord r = part(kRotating, 1, 1, code);
        compute(r);
        EXPECT_EQ(r.slot(3), pi_q[code - 1]) << code;
    }
    ItemRecord user = part(kRotating, 1, 1, 5);
    user.f32(kUserQuality, 3.25f);
    compute(user);
    EXPECT_EQ(user.slot(3), 3.25f);

    // (0.12 x 2.3) x 0.85 in single precision.
    ItemRecord ordered = part(kRotating, 7, 1, 2);
    compute(ordered);
    EXPECT_EQ(ordered.failure_rate(), 0.234600008f);
}

TEST(Quartz, EnvironmentFactorsOfResonatorsAndOscillators) {
    expect_environment_column([](unsigned e) { return part(kQuartz, e, 1, 3); }, 2,
                              {1, 1.2f, 1.5f, 4, 8, 5.4f, 3, 14, 7, 3.5f, 22, 10, 12, 15, 18, 24, 1, 15, 32});
    expect_environment_column([](unsigned e) { return part(kQuartz, e, 2, 3); }, 2,
                              {1, 1.2f, 1.5f, 4, 8, 5.5f, 3, 14, 7, 3.5f, 22, 10, 12, 15, 18, 24, 1, 15, 32});
}

TEST(Quartz, BaseRatesQualitiesAndOrder) {
    ItemRecord resonator = part(kQuartz, 1, 1, 3);
    ItemRecord oscillator = part(kQuartz, 1, 2, 3);
    compute(resonator);
    compute(oscillator);
    EXPECT_EQ(resonator.slot(1), 0.022f);
    EXPECT_EQ(oscillator.slot(1), 0.056f);

    constexpr std::array<float, 4> pi_q{0.2f, 0.35f, 1, 3.5f};
    for (unsigned code = 1; code <= pi_q.size(); ++code) {
        ItemRecord r = part(kQuartz, 1, 1, code);
        compute(r);
        EXPECT_EQ(r.slot(3), pi_q[code - 1]) << code;
    }
    ItemRecord user = part(kQuartz, 1, 2, 5);
    user.f32(kUserQuality, 0.0f);
    compute(user);
    EXPECT_EQ(user.failure_rate(), 0.0f);

    // (0.022 x 1.2) x 0.2 in single precision.
    ItemRecord ordered = part(kQuartz, 2, 1, 1);
    compute(ordered);
    EXPECT_EQ(ordered.failure_rate(), 0.00528000062f);
}

TEST(Quartz, ATypeOutsideTheListReadsTheOscillatorTableThenIsRefused) {
    ItemRecord r = part(kQuartz, 6, 3, 3);
    const auto c = calculate(r);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Type code 3 is not in the list 1..2\n");
    EXPECT_EQ(r.slot(2), 5.5f);
    EXPECT_EQ(r.slot(3), 1.0f);
    EXPECT_EQ(r.slot(1), 0.0f);
}

TEST(LaserRotatingQuartz, CodesOutsideTheirListsAreRefused) {
    struct Case {
        unsigned item_code, type, second;
        const char* message;
    };
    const std::array<Case, 5> cases{{
        {kLaser, 8, 1, " Type code 8 is not in the list 1..7\n"},
        {kLaser, 1, 0, " Learning factor code 0 is not in the list 1..3\n"},
        {kRotating, 7, 1, " Type code 7 is not in the list 1..6\n"},
        {kRotating, 1, 6, " Quality code 6 is not in the list 1..5\n"},
        {kQuartz, 1, 6, " Quality code 6 is not in the list 1..5\n"},
    }};
    for (const Case& c : cases) {
        ItemRecord r = part(c.item_code, 1, c.type, c.second);
        r.f32(GJBZ108A_FAILURE_RATE, 9.0f);
        const auto result = calculate(r);
        EXPECT_EQ(result.result, 1) << c.message;
        EXPECT_EQ(result.messages, c.message);
        EXPECT_EQ(r.failure_rate(), 9.0f) << c.message;
    }
}

TEST(LaserRotatingQuartz, MarkerTripleAndUnsupportedEnvironment) {
    for (unsigned item_code : {kLaser, kRotating, kQuartz}) {
        ItemRecord marked = part(item_code, 26, 1, 1);
        marked.marker_triple();
        compute(marked);
        for (unsigned slot = 0; slot <= 3; ++slot) EXPECT_EQ(marked.slot(slot), 0.0f) << item_code;

        ItemRecord unsupported = part(item_code, 25, 1, 1);
        EXPECT_EQ(calculate(unsupported).messages, " Environment not supported\n") << item_code;
        EXPECT_EQ(unsupported.u8_at(kType), 0) << item_code;
    }
}

}  // namespace
}  // namespace gjbz108a
