// Meters (24), fuses (25) and lamps (28): failure rates read straight from a
// table by environment.
#include "models/environments.h"
#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>

namespace gjbz108a {
namespace {

using test::calculate;
using test::ItemRecord;
using test::expect_environment_column;

constexpr unsigned kMeter = 24, kFuse = 25, kLamp = 28;
constexpr std::size_t kLampType = 151;

// A record whose factor slots hold a value that the models must leave alone.
ItemRecord part(unsigned item_code, unsigned environment) {
    ItemRecord r(item_code, environment);
    for (unsigned slot = 1; slot <= 5; ++slot) r.f32(GJBZ108A_ITEM_RESULTS + 4 * slot, 9.0f);
    return r;
}

ItemRecord lamp(unsigned environment, unsigned type) {
    ItemRecord r = part(kLamp, environment);
    r.u8(kLampType, type);
    return r;
}

TEST(Meter, RateOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return part(kMeter, e); }, 0,
                              {0.88f, 1.056f, 1.76f, 3.96f, 5.28f, 4.4f, 2.38f, 11.44f, 5.28f, 3.34f, 19.36f,
                               10.56f, 7.04f, 15.84f, 17.6f, 17.6f, 0.88f, 11.44f, 24.64f});
}

TEST(Fuse, RateOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return part(kFuse, e); }, 0,
                              {0.0017f, 0.0022f, 0.0024f, 0.0065f, 0.0077f, 0.0043f, 0.0034f, 0.0119f, 0.0094f,
                               0.0043f, 0.0221f, 0.0102f, 0.0102f, 0.0136f, 0.0153f, 0.0179f, 0.0015f, 0.017f,
                               0.0306f});
}

TEST(Lamp, NeonAndIncandescentRatesOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return lamp(e, 1); }, 0,
                              {0.07f, 0.077f, 0.091f, 0.154f, 0.224f, 0.168f, 0.091f, 0.28f, 0.196f, 0.14f,
                               0.385f, 0.21f, 0.252f, 0.287f, 0.294f, 0.385f, 0.07f, 0.28f, 0.42f});
    expect_environment_column([](unsigned e) { return lamp(e, 2); }, 0,
                              {0.2f, 0.22f, 0.26f, 0.44f, 0.64f, 0.48f, 0.26f, 0.8f, 0.56f, 0.4f, 1.1f, 0.6f,
                               0.72f, 0.82f, 0.84f, 1.1f, 0.2f, 0.8f, 1.2f});
}

TEST(MetersFusesLamps, OnlySlotZeroAndTheFailureRateAreWritten) {
    for (unsigned item_code : {kMeter, kFuse, kLamp}) {
        ItemRecord r = part(item_code, 26);
        r.u8(kLampType, 1);
        const auto c = calculate(r);
        EXPECT_EQ(c.result, 3) << item_code;
        EXPECT_TRUE(c.buffer_untouched) << item_code;
        EXPECT_EQ(r.failure_rate(), r.slot(0)) << item_code;
        for (unsigned slot = 1; slot <= 5; ++slot) EXPECT_EQ(r.slot(slot), 9.0f) << item_code;
    }
}

TEST(Lamp, AnyTypeButNeonIsIncandescent) {
    // The type is only compared with "Neon", so a code outside the list is
    // not refused.
    for (unsigned code : {0u, 3u, 255u}) {
        ItemRecord r = part(kLamp, 1);
        r.u8(kLampType, code);
        EXPECT_EQ(calculate(r).result, 3) << code;
        EXPECT_EQ(r.failure_rate(), 0.2f) << code;
        EXPECT_EQ(r.u8_at(kLampType), static_cast<std::uint8_t>(code - 1)) << code;
    }
}

TEST(MetersFusesLamps, MarkerTripleAndUnsupportedEnvironment) {
    for (unsigned item_code : {kMeter, kFuse, kLamp}) {
        ItemRecord marked = part(item_code, 26);
        marked.u8(kLampType, 1).marker_triple();
        EXPECT_EQ(calculate(marked).result, 3) << item_code;
        EXPECT_EQ(marked.failure_rate(), 0.0f) << item_code;
        EXPECT_EQ(marked.slot(0), 0.0f) << item_code;
        EXPECT_EQ(marked.slot(1), 9.0f) << item_code;

        ItemRecord unsupported = part(item_code, 19);
        unsupported.u8(kLampType, 1).f32(GJBZ108A_FAILURE_RATE, 4.0f);
        const auto c = calculate(unsupported);
        EXPECT_EQ(c.result, 1) << item_code;
        EXPECT_EQ(c.messages, " Environment not supported\n") << item_code;
        EXPECT_EQ(unsupported.failure_rate(), 4.0f) << item_code;
    }
}

}  // namespace
}  // namespace gjbz108a
