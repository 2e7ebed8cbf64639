#include "models/model_run.h"

#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <string>

namespace gjbz108a {
namespace {

using test::ItemRecord;

constexpr std::size_t kStyle = 151;
constexpr std::size_t kQuality = 152;
constexpr std::array<CurvePoint, 2> kCurve{{{0, 1}, {50, 2}}};

struct Harness {
    explicit Harness(ItemRecord& r) : cursor(buffer.data()), run(r.data(), &cursor) {}
    std::string text() const { return std::string(buffer.data(), static_cast<const char*>(cursor)); }
    std::array<char, 1024> buffer{};
    char* cursor;
    ModelRun run;
};

TEST(ModelRun, OpeningClearsOwnedSlotsAndDecrementsCodesEvenWhenRefused) {
    ItemRecord record(11, 14);  // EnvironmentCode 14 passes calc_item but no model supports it
    record.u8(kStyle, 1).u8(kQuality, 0);
    for (unsigned slot = 0; slot < 8; ++slot) record.f32(GJBZ108A_ITEM_RESULTS + 4 * slot, 9.0f);

    Harness r(record);
    EXPECT_FALSE(r.run.open(6, {kStyle, kQuality}));
    EXPECT_EQ(r.text(), " Environment not supported\n");
    EXPECT_EQ(record.u8_at(kStyle), 0);
    EXPECT_EQ(record.u8_at(kQuality), 255);  // 0 wraps
    for (unsigned slot = 0; slot < 6; ++slot) EXPECT_EQ(record.slot(slot), 0.0f) << slot;
    EXPECT_EQ(record.slot(6), 9.0f);  // not owned
}

TEST(ModelRun, EnvironmentColumnsFollowTheSharedMap) {
    // EnvironmentCode -> column, as every environment table is indexed.
    const std::array<std::pair<unsigned, unsigned>, 19> map{{
        {1, 0}, {2, 1}, {3, 2}, {4, 4}, {5, 6}, {6, 7}, {7, 8}, {8, 10}, {9, 9}, {10, 3},
        {11, 15}, {12, 13}, {13, 5}, {16, 11}, {17, 14}, {21, 12}, {22, 16}, {23, 18}, {26, 17},
    }};
    for (auto [code, column] : map) {
        ItemRecord record(11, code);
        Harness r(record);
        ASSERT_TRUE(r.run.open(0, {})) << code;
        EXPECT_EQ(r.run.environment_column(), column) << code;
    }
    for (unsigned code : {14u, 15u, 18u, 19u, 20u, 24u, 25u, 27u}) {
        ItemRecord record(11, code);
        Harness r(record);
        EXPECT_FALSE(r.run.open(0, {})) << code;
    }
}

TEST(ModelRun, ChooseRefusesCodesBeyondTheList) {
    ItemRecord record(11);
    record.u8(kStyle, 6).u8(kQuality, 0);
    Harness r(record);
    ASSERT_TRUE(r.run.open(6, {kStyle, kQuality}));
    unsigned index = 0;
    EXPECT_FALSE(r.run.choose(kStyle, 5, "Style", index));
    EXPECT_FALSE(r.run.choose(kQuality, 8, "Quality", index));
    EXPECT_EQ(r.text(),
              " Style code 6 is not in the list 1..5\n"
              " Quality code 0 is not in the list 1..8\n");
    record.u8(kStyle, 4);
    EXPECT_TRUE(r.run.choose(kStyle, 5, "Style", index));
    EXPECT_EQ(index, 4u);
}

TEST(ModelRun, QualityFactorTakesTheUserValueAfterTheTable) {
    ItemRecord record(11);
    record.f32(158, 0.33f);
    Harness r(record);
    constexpr std::array<std::int32_t, 2> table{7, 12};
    EXPECT_EQ(r.run.quality_factor(1, table, 100.0f, 158), 0.12f);
    EXPECT_EQ(r.run.quality_factor(2, table, 100.0f, 158), 0.33f);
}

TEST(ModelRun, OpeningStepsAnswerTheMarkerTripleAfterTheEnvironment) {
    ItemRecord marked(11, 26);  // column 17, large factors everywhere
    marked.marker_triple().u8(kStyle, 0).f32(GJBZ108A_FAILURE_RATE, 5.0f);
    for (unsigned slot = 0; slot < 6; ++slot) marked.f32(GJBZ108A_ITEM_RESULTS + 4 * slot, 9.0f);
    Harness r(marked);
    EXPECT_EQ(r.run.opening_steps(6, {kStyle}), std::optional<int>{kComputed});
    EXPECT_EQ(marked.failure_rate(), 0.0f);
    for (unsigned slot = 0; slot < 6; ++slot) EXPECT_EQ(marked.slot(slot), 0.0f) << slot;
    EXPECT_EQ(marked.u8_at(kStyle), 255);
    EXPECT_EQ(r.text(), "");

    ItemRecord unsupported(11, 14);
    unsupported.marker_triple();
    Harness u(unsupported);
    EXPECT_EQ(u.run.opening_steps(6, {}), std::optional<int>{kNotComputed});
    EXPECT_EQ(u.text(), " Environment not supported\n");

    ItemRecord plain(11, 2);
    Harness p(plain);
    EXPECT_EQ(p.run.opening_steps(6, {}), std::nullopt);
    EXPECT_EQ(p.run.environment_column(), 1u);
}

TEST(ModelRun, StepsStoreTheirFactors) {
    ItemRecord record(11, 26);  // column 17
    record.u8(kQuality, 3).f32(158, 0.33f);
    Harness r(record);
    ASSERT_EQ(r.run.opening_steps(7, {kQuality}), std::nullopt);

    EnvironmentTable environment{};
    environment[17] = 785;
    EXPECT_EQ(r.run.environment_step(2, environment, 100.0f), 7.85f);
    EXPECT_EQ(record.slot(2), 7.85f);

    constexpr std::array<std::int32_t, 2> levels{7, 12};
    const QualityField quality{kQuality, 158};
    float factor = 0;
    EXPECT_TRUE(r.run.quality_step(quality, levels, 100.0f, 3, factor));  // code 3: "User"
    EXPECT_EQ(factor, 0.33f);
    EXPECT_EQ(record.slot(3), 0.33f);
    record.u8(kQuality, 1);
    EXPECT_TRUE(r.run.quality_step(quality, levels, 100.0f, 3, factor));
    EXPECT_EQ(record.slot(3), 0.12f);

    EXPECT_TRUE(r.run.curve_step(4, kCurve, 25, "Temperature", factor));
    EXPECT_EQ(record.slot(4), 1.5f);
    EXPECT_EQ(r.text(), "");
}

TEST(ModelRun, CyclingStepReadsTheRecordsRateUnderItsName) {
    ItemRecord record(11);
    record.cycling_rate(55).temperature(-3);
    Harness r(record);
    ASSERT_EQ(r.run.opening_steps(6, {}), std::nullopt);
    EXPECT_EQ(r.run.temperature(), -3.0f);
    float factor = 0;
    EXPECT_TRUE(r.run.cycling_step(5, kCurve, factor));
    EXPECT_EQ(record.slot(5), 2.1f);  // 2 + (2 - 1) * 5 / 50
    EXPECT_EQ(r.text(), " For  Circulation rate/1000 hours > 50 the model may be invalid\n\n");
}

TEST(ModelRun, FailedStepsStoreNothing) {
    ItemRecord record(11);
    record.u8(kQuality, 4).f32(GJBZ108A_ITEM_RESULTS + 12, 9.0f);
    Harness r(record);
    ASSERT_EQ(r.run.opening_steps(3, {kQuality}), std::nullopt);
    float factor = 0;
    constexpr std::array<std::int32_t, 2> levels{7, 12};
    EXPECT_FALSE(r.run.quality_step({kQuality, 158, "Qual"}, levels, 100.0f, 3, factor));
    EXPECT_FALSE(r.run.curve_step(1, kCurve, -std::numeric_limits<float>::infinity(), "Temperature", factor));
    EXPECT_EQ(r.text(),
              " Qual code 4 is not in the list 1..3\n"
              " For Temperature = -inf the model is invalid\n\n");
    EXPECT_EQ(record.slot(1), 0.0f);
    EXPECT_EQ(record.slot(3), 9.0f);  // beyond the owned slots, untouched
}

TEST(ModelRun, AWarningThenAFailureAppendsBothLines) {
    ItemRecord record(11);
    record.f32(GJBZ108A_FAILURE_RATE, 5.0f);
    Harness r(record);
    ASSERT_TRUE(r.run.open(6, {}));
    float factor = 0;
    EXPECT_TRUE(r.run.lookup(kCurve, 60, "Temperature", factor));
    EXPECT_FLOAT_EQ(factor, 2.2f);
    EXPECT_FALSE(r.run.lookup(kCurve, std::numeric_limits<float>::quiet_NaN(), "Cycles", factor));
    EXPECT_EQ(r.text(),
              " For Temperature > 50 the model may be invalid\n\n"
              " For Cycles = nan the model is invalid\n\n");
    EXPECT_EQ(record.failure_rate(), 5.0f);  // the host's value stays
}

TEST(ModelRun, ClosingWritesSlotZeroAndTheHeaderAndReportsWarnings) {
    ItemRecord record(11);
    Harness r(record);
    ASSERT_TRUE(r.run.open(6, {}));
    EXPECT_EQ(r.run.close(0.25f), kComputed);
    EXPECT_EQ(record.slot(0), 0.25f);
    EXPECT_EQ(record.failure_rate(), 0.25f);
    EXPECT_EQ(r.text(), "");

    float factor = 0;
    r.run.lookup(kCurve, 70, "Temperature", factor);
    EXPECT_EQ(r.run.close(1.0f), kComputedWithWarnings);
}

}  // namespace
}  // namespace gjbz108a
