// Inductive devices (18).
#include "models/environments.h"
#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace gjbz108a {
namespace {

using test::calculate;
using test::ItemRecord;
using test::expect_environment_column;

constexpr unsigned kInductive = 18;
constexpr std::size_t kType = 151;
constexpr std::size_t kTransformerQuality = 152;
constexpr std::size_t kCoilQuality = 153;
constexpr std::size_t kUserQuality = 158;

constexpr unsigned kPowerSupplyTransformer = 4, kCoilFixed = 9, kSheetCoil = 15;

// Quality B2 in both lists, which is 1 for every group.
ItemRecord inductive(unsigned environment, unsigned type, float cycling_rate = 0) {
    ItemRecord r(kInductive, environment);
    r.u8(kType, type).u8(kTransformerQuality, 3).u8(kCoilQuality, 4).cycling_rate(cycling_rate);
    return r;
}

TEST(Inductive, EnvironmentFactorOfEveryEnvironmentInEachGroup) {
    expect_environment_column([](unsigned e) { return inductive(e, kPowerSupplyTransformer); }, 2,
                              {1, 1.4f, 2, 7, 8, 7.5f, 2.8f, 19, 9, 6, 20, 6, 14, 12, 8.5f, 16, 0.5f, 15, 34});
    expect_environment_column([](unsigned e) { return inductive(e, kCoilFixed); }, 2,
                              {1, 1.4f, 2, 7, 7.8f, 7.5f, 2.8f, 15, 8.5f, 6, 19, 6, 14, 12, 5, 16, 0.5f, 15, 34});
    expect_environment_column([](unsigned e) { return inductive(e, kSheetCoil); }, 2,
                              {1, 1.3f, 2, 5.5f, 6.5f, 7, 2.8f, 18, 8, 6, 19, 6, 10, 12, 8, 16, 0.5f, 15, 34});
}

TEST(Inductive, BaseRateAndGroupOfEveryFamilyType) {
    // EnvironmentCode 5 tells the groups apart: transformers 8, coils 7.8, sheet coils 6.5.
    struct Type {
        float base_rate, environment;
    };
    constexpr std::array<Type, 16> types{{
        {0.001f, 8},    {0.0014f, 8},   {0.0014f, 8},   {0.0027f, 8},  {0.0027f, 8},   {0.0027f, 8},
        {0.0041f, 8},   {0.0041f, 8},   {0.0003f, 7.8f}, {0.0003f, 7.8f}, {0.0003f, 7.8f},
        {0.0009f, 7.8f}, {0.0009f, 7.8f}, {0.0033f, 7.8f}, {0.0002f, 6.5f}, {0.0002f, 6.5f},
    }};
    for (unsigned code = 1; code <= types.size(); ++code) {
        ItemRecord r = inductive(5, code);
        ASSERT_EQ(calculate(r).result, 3) << code;
        EXPECT_EQ(r.slot(1), types[code - 1].base_rate) << code;
        EXPECT_EQ(r.slot(2), types[code - 1].environment) << code;
    }
}

TEST(Inductive, EachGroupReadsItsOwnQualityList) {
    constexpr std::array<float, 4> transformer{0.35f, 0.7f, 1, 2.5f};
    constexpr std::array<float, 5> coil{0, 0.35f, 0.7f, 1, 2};
    constexpr std::array<float, 5> sheet{0.5f, 0.7f, 1, 1, 2.5f};
    for (unsigned code = 1; code <= 5; ++code) {
        // The list that the group does not read holds a code outside it.
        ItemRecord t = inductive(1, kPowerSupplyTransformer);
        t.u8(kTransformerQuality, code <= 4 ? code : 5).u8(kCoilQuality, 0).f32(kUserQuality, 1.75f);
        ItemRecord c = inductive(1, kCoilFixed);
        c.u8(kCoilQuality, code).u8(kTransformerQuality, 0);
        ItemRecord s = inductive(1, kSheetCoil);
        s.u8(kCoilQuality, code).u8(kTransformerQuality, 9);
        ASSERT_EQ(calculate(t).result, 3);
        ASSERT_EQ(calculate(c).result, 3);
        ASSERT_EQ(calculate(s).result, 3);
        EXPECT_EQ(t.slot(3), code <= 4 ? transformer[code - 1] : 1.75f) << code;
        EXPECT_EQ(c.slot(3), coil[code - 1]) << code;
        EXPECT_EQ(s.slot(3), sheet[code - 1]) << code;
    }
    ItemRecord user = inductive(1, kSheetCoil);
    user.u8(kCoilQuality, 6).f32(kUserQuality, 0.25f);
    calculate(user);
    EXPECT_EQ(user.slot(3), 0.25f);
}

TEST(Inductive, AnA1CoilHasNoFailureRateAndNoMessage) {
    ItemRecord r = inductive(1, kCoilFixed);
    r.u8(kCoilQuality, 1);
    const auto c = calculate(r);
    EXPECT_EQ(c.result, 3);
    EXPECT_TRUE(c.buffer_untouched);
    EXPECT_EQ(r.failure_rate(), 0.0f);

    r = inductive(1, kCoilFixed, 80);
    r.u8(kCoilQuality, 1);
    EXPECT_EQ(calculate(r).result, 2);
    EXPECT_EQ(r.failure_rate(), 0.0f);
}

using Points = std::vector<std::pair<float, float>>;

void expect_curve(unsigned type, const Points& points) {
    for (auto [rate, factor] : points) {
        ItemRecord r = inductive(1, type, rate);
        const auto c = calculate(r);
        EXPECT_EQ(c.result, 3) << type << ' ' << rate;
        EXPECT_EQ(r.slot(4), factor) << type << ' ' << rate;
    }
}

TEST(Inductive, CyclingCurvesOfTheThreeGroups) {
    expect_curve(kPowerSupplyTransformer, {{0, 1}, {0.05f, 1}, {0.1f, 1.01f}, {0.2f, 1.02f}, {0.5f, 1.05f},
                                           {1, 1.1f}, {2, 1.2f}, {5, 1.5f}, {10, 2}, {20, 3}, {50, 6}});
    expect_curve(kCoilFixed, {{0, 1}, {0.05f, 1}, {0.1f, 1}, {0.2f, 1.02f}, {0.5f, 1.04f}, {1, 1.08f},
                              {2, 1.16f}, {5, 1.4f}, {10, 1.8f}, {20, 2.6f}, {50, 5}});
    expect_curve(kSheetCoil, {{0, 1}, {0.1f, 1}, {0.2f, 1.01f}, {0.5f, 1.03f}, {1, 1.05f}, {2, 1.1f},
                              {5, 1.25f}, {10, 1.5f}, {20, 2}, {50, 3.5f}});

    // Halfway between 20 and 50 cycles.
    const std::array<std::pair<unsigned, float>, 3> halfway{{
        {kPowerSupplyTransformer, 4.5f}, {kCoilFixed, 3.8f}, {kSheetCoil, 2.75f}}};
    for (auto [type, factor] : halfway) {
        ItemRecord r = inductive(1, type, 35);
        calculate(r);
        EXPECT_FLOAT_EQ(r.slot(4), factor) << type;
    }
}

TEST(Inductive, CyclingAboveTheCurveWarnsAndGoesOn) {
    ItemRecord r = inductive(1, kPowerSupplyTransformer, 60);
    const auto c = calculate(r);
    EXPECT_EQ(c.result, 2);
    EXPECT_EQ(c.messages, " For  Circulation rate/1000 hours > 50 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(r.slot(4), 7.0f);  // 6 + (6 - 3) / 30 x 10
    EXPECT_FLOAT_EQ(r.failure_rate(), 0.0027f * 7.0f);
}

TEST(Inductive, ProductInTheDocumentedOrder) {
    // ((0.001 x 1) x 0.35) x 1.01; grouping the last two first gives a different float.
    ItemRecord r = inductive(1, 1, 0.1f);
    r.u8(kTransformerQuality, 1);
    calculate(r);
    EXPECT_EQ(r.failure_rate(), 0.000353500014f);
}

TEST(Inductive, CodesOutsideTheirListsAreRefused) {
    ItemRecord type = inductive(1, 17);
    EXPECT_EQ(calculate(type).messages, " Type code 17 is not in the list 1..16\n");
    ItemRecord transformer = inductive(1, 1);
    transformer.u8(kTransformerQuality, 6);
    EXPECT_EQ(calculate(transformer).messages, " Quality (TRANSFORMERS) code 6 is not in the list 1..5\n");
    ItemRecord coil = inductive(1, 16);
    coil.u8(kCoilQuality, 0);
    const auto c = calculate(coil);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Quality (COILS) code 0 is not in the list 1..6\n");
    EXPECT_EQ(coil.slot(2), 1.0f);
    EXPECT_EQ(coil.u8_at(kType), 15);
    EXPECT_EQ(coil.u8_at(kTransformerQuality), 2);
}

TEST(Inductive, MarkerTripleAndUnsupportedEnvironment) {
    ItemRecord marked = inductive(26, 1, 80);
    marked.marker_triple();
    const auto c = calculate(marked);
    EXPECT_EQ(c.result, 3);
    EXPECT_TRUE(c.buffer_untouched);
    for (unsigned slot = 0; slot <= 4; ++slot) EXPECT_EQ(marked.slot(slot), 0.0f) << slot;

    ItemRecord unsupported = inductive(18, 1);
    EXPECT_EQ(calculate(unsupported).messages, " Environment not supported\n");
}

}  // namespace
}  // namespace gjbz108a
