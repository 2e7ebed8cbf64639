// Electron tubes (30).
#include "models/environments.h"
#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>

namespace gjbz108a {
namespace {

using test::calculate;
using test::ItemRecord;
using test::expect_environment_column;

constexpr unsigned kTube = 30;
constexpr std::size_t kType = 151;
constexpr std::size_t kQuality = 152;
constexpr std::size_t kUserQuality = 154;

ItemRecord tube(unsigned environment, unsigned type, unsigned quality) {
    ItemRecord r(kTube, environment);
    r.u8(kType, type).u8(kQuality, quality);
    return r;
}

TEST(Tube, BaseRateOfEveryType) {
    constexpr std::array<float, 34> base_rate{
        0.086f, 0.13f, 0.15f, 0.17f, 0.099f, 0.12f, 0.01f, 0.007f, 0.068f, 0.068f, 0.22f, 0.63f,
        0.02f,  0.75f, 0.16f, 0.07f, 0.21f,  0.99f, 2.03f, 2.48f,  0.83f,  0.29f,  0.05f, 0.45f,
        1.45f,  0.34f, 1.02f, 1.23f, 0.84f,  1.65f, 1.02f, 1.38f,  0.4f,   0.23f};
    for (unsigned type = 1; type <= base_rate.size(); ++type) {
        ItemRecord r = tube(1, type, 3);
        ASSERT_EQ(calculate(r).result, 3) << type;
        EXPECT_EQ(r.slot(1), base_rate[type - 1]) << type;
        EXPECT_EQ(r.failure_rate(), base_rate[type - 1]) << type;  // x 1 x 1
    }
}

TEST(Tube, EnvironmentFactorOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return tube(e, 13, 3); }, 2,
                              {1, 1.3f, 2, 6, 9, 7, 2.5f, 17, 8, 5, 36, 8, 12, 16, 12, 22, 1, 25, 60});
}

TEST(Tube, QualityFactorsWorkedExampleAndOrder) {
    constexpr std::array<float, 4> pi_q{0.3f, 0.7f, 1, 2.5f};
    for (unsigned code = 1; code <= pi_q.size(); ++code) {
        ItemRecord r = tube(1, 1, code);
        calculate(r);
        EXPECT_EQ(r.slot(3), pi_q[code - 1]) << code;
    }
    ItemRecord user = tube(1, 1, 5);
    user.f32(kUserQuality, 4.5f);
    calculate(user);
    EXPECT_EQ(user.slot(3), 4.5f);

    ItemRecord magnetron = tube(26, 30, 4);
    calculate(magnetron);
    EXPECT_EQ(magnetron.failure_rate(), 247.5f);

    // (0.086 x 9) x 2.5 in single precision; 0.086 x (9 x 2.5) differs.
    ItemRecord ordered = tube(5, 1, 4);
    calculate(ordered);
    EXPECT_EQ(ordered.failure_rate(), 1.93500018f);
}

TEST(Tube, CodesOutsideTheirListsMarkerTripleAndEnvironment) {
    ItemRecord type = tube(1, 35, 1);
    const auto c = calculate(type);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Type code 35 is not in the list 1..34\n");
    EXPECT_EQ(type.slot(3), 0.3f);  // quality was read first

    ItemRecord quality = tube(1, 1, 0);
    EXPECT_EQ(calculate(quality).messages, " Quality code 0 is not in the list 1..5\n");

    ItemRecord marked = tube(26, 30, 4);
    marked.marker_triple();
    EXPECT_EQ(calculate(marked).result, 3);
    EXPECT_EQ(marked.failure_rate(), 0.0f);
    EXPECT_EQ(marked.slot(1), 0.0f);

    ItemRecord unsupported = tube(27, 1, 1);
    EXPECT_EQ(calculate(unsupported).messages, " Environment not supported\n");
}

}  // namespace
}  // namespace gjbz108a
