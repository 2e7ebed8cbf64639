// Surface-acoustic-wave devices (27) and filters (31).
#include "models/environments.h"
#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>

namespace gjbz108a {
namespace {

using test::calculate;
using test::ItemRecord;
using test::expect_environment_column;

constexpr unsigned kSaw = 27, kFilter = 31;
constexpr std::size_t kConstruction = 151;
constexpr std::size_t kQuality = 152;
constexpr std::size_t kUserQuality = 154;

ItemRecord saw(unsigned environment, unsigned quality) {
    ItemRecord r(kSaw, environment);
    r.u8(kQuality, quality);
    return r;
}

TEST(Saw, EnvironmentFactorOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return saw(e, 4); }, 2,
                              {1, 1.5f, 2, 6, 8, 5, 1.5f, 16, 9, 5, 18, 10, 12, 15, 13, 20, 1.2f, 14, 32});
}

TEST(Saw, QualitiesWorkedExampleAndOrder) {
    constexpr std::array<float, 5> pi_q{0.2f, 0.4f, 0.7f, 1, 3};
    for (unsigned code = 1; code <= pi_q.size(); ++code) {
        ItemRecord r = saw(1, code);
        calculate(r);
        EXPECT_EQ(r.slot(3), pi_q[code - 1]) << code;
    }
    ItemRecord user = saw(1, 6);
    user.f32(kUserQuality, 0.5f);
    calculate(user);
    EXPECT_EQ(user.slot(3), 0.5f);

    ItemRecord b2 = saw(1, 4);
    const auto c = calculate(b2);
    EXPECT_EQ(c.result, 3);
    EXPECT_TRUE(c.buffer_untouched);
    EXPECT_EQ(b2.slot(1), 0.013f);
    EXPECT_EQ(b2.failure_rate(), 0.013f);

    // (5 x 0.013) x 0.2 in single precision; 5 x (0.013 x 0.2) is 0.013 exactly.
    ItemRecord ordered = saw(6, 1);
    calculate(ordered);
    EXPECT_EQ(ordered.failure_rate(), 0.0129999993f);
}

TEST(Saw, RefusalsAndMarkerTriple) {
    ItemRecord quality = saw(1, 7);
    const auto c = calculate(quality);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Quality code 7 is not in the list 1..6\n");

    ItemRecord unsupported = saw(20, 1);
    EXPECT_EQ(calculate(unsupported).messages, " Environment not supported\n");

    ItemRecord marked = saw(26, 5);
    marked.marker_triple();
    EXPECT_EQ(calculate(marked).result, 3);
    for (unsigned slot = 0; slot <= 3; ++slot) EXPECT_EQ(marked.slot(slot), 0.0f) << slot;
}

ItemRecord filter(unsigned environment, unsigned construction, unsigned quality) {
    ItemRecord r(kFilter, environment);
    r.u8(kConstruction, construction).u8(kQuality, quality);
    return r;
}

TEST(Filter, EnvironmentTablesOfDiscreteAndOtherConstructions) {
    constexpr std::array<float, 19> discrete{1, 1.2f, 1.5f, 4, 6, 4, 3, 10, 6, 3.5f,
                                             13, 5.5f, 8, 9, 8.5f, 14, 0.8f, 12, 25};
    constexpr std::array<float, 19> other{1, 1.2f, 1.5f, 4, 8, 5, 3, 14, 7, 3.5f,
                                          17, 7, 11, 12, 11, 20, 0.8f, 15, 32};
    for (unsigned construction = 1; construction <= 5; ++construction) {
        SCOPED_TRACE(construction);
        expect_environment_column([=](unsigned e) { return filter(e, construction, 2); }, 2,
                                  construction <= 2 ? discrete : other);
    }
}

TEST(Filter, BaseRatesAndQualityTables) {
    constexpr std::array<float, 5> base_rate{0.026f, 0.051f, 0.0086f, 0.0066f, 0.055f};
    for (unsigned construction = 1; construction <= 5; ++construction) {
        ItemRecord r = filter(1, construction, 2);
        calculate(r);
        EXPECT_EQ(r.slot(1), base_rate[construction - 1]) << construction;
        EXPECT_EQ(r.failure_rate(), base_rate[construction - 1]) << construction;
    }
    constexpr std::array<float, 3> discrete{0.5f, 1, 3.5f};
    constexpr std::array<float, 3> other{0.45f, 1, 3.5f};
    for (unsigned code = 1; code <= 3; ++code) {
        ItemRecord d = filter(1, 2, code);
        ItemRecord o = filter(1, 4, code);
        calculate(d);
        calculate(o);
        EXPECT_EQ(d.slot(3), discrete[code - 1]) << code;
        EXPECT_EQ(o.slot(3), other[code - 1]) << code;
    }
    ItemRecord user = filter(1, 3, 4);
    user.f32(kUserQuality, 1.25f);
    calculate(user);
    EXPECT_EQ(user.slot(3), 1.25f);
}

TEST(Filter, WorkedExampleAndOrder) {
    ItemRecord mechanical = filter(1, 5, 1);
    calculate(mechanical);
    EXPECT_FLOAT_EQ(mechanical.failure_rate(), 0.02475f);

    // (0.026 x 1.2) x 3.5 in single precision.
    ItemRecord ordered = filter(2, 1, 3);
    calculate(ordered);
    EXPECT_EQ(ordered.failure_rate(), 0.109200001f);
}

TEST(Filter, BaseRateStaysOnTheRefusalAndMarkerTriplePaths) {
    ItemRecord unsupported = filter(14, 2, 1);
    unsupported.f32(GJBZ108A_FAILURE_RATE, 6.0f);
    const auto c = calculate(unsupported);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Environment not supported\n");
    EXPECT_EQ(unsupported.slot(1), 0.051f);
    EXPECT_EQ(unsupported.failure_rate(), 6.0f);

    ItemRecord marked = filter(26, 5, 1);
    marked.marker_triple();
    EXPECT_EQ(calculate(marked).result, 3);
    EXPECT_EQ(marked.failure_rate(), 0.0f);
    EXPECT_EQ(marked.slot(1), 0.055f);
    EXPECT_EQ(marked.slot(2), 0.0f);
    EXPECT_EQ(marked.slot(3), 0.0f);
}

TEST(Filter, CodesOutsideTheirLists) {
    // The construction is read before the environment, so it is refused first.
    ItemRecord construction = filter(14, 6, 1);
    const auto c = calculate(construction);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Construction code 6 is not in the list 1..5\n");
    EXPECT_EQ(construction.u8_at(kQuality), 0);

    ItemRecord quality = filter(1, 1, 0);
    EXPECT_EQ(calculate(quality).messages, " Quality code 0 is not in the list 1..4\n");
    EXPECT_EQ(quality.slot(1), 0.026f);
}

}  // namespace
}  // namespace gjbz108a
