// Connections (19) and printed wiring boards (20).
#include "models/environments.h"
#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>

namespace gjbz108a {
namespace {

using test::calculate;
using test::ItemRecord;
using test::expect_environment_column;

constexpr unsigned kConnection = 19, kBoard = 20;
constexpr std::size_t kFirstCount = 152;  // eight u16 counts, two bytes apart
constexpr std::size_t kBoardQuality = 152;
constexpr std::size_t kHoles = 154;
constexpr std::size_t kBoardUserQuality = 156;

ItemRecord connections(unsigned environment, const std::array<std::uint16_t, 8>& counts) {
    ItemRecord r(kConnection, environment);
    for (std::size_t i = 0; i < counts.size(); ++i) r.u16(kFirstCount + 2 * i, counts[i]);
    return r;
}

TEST(Connection, EnvironmentFactorOfEveryEnvironmentInSlotOne) {
    expect_environment_column([](unsigned e) { return connections(e, {1000, 0, 0, 0, 0, 0, 0, 0}); }, 1,
                              {1, 1.1f, 1.7f, 4, 5.5f, 3.8f, 3, 10, 5, 3.5f, 12, 4, 7, 6, 6, 8, 1, 12, 25});
}

TEST(Connection, EachTechniqueHasItsOwnRate) {
    constexpr std::array<float, 8> rate{0.000009f,  0.000027f,  0.00001f,  0.000065f,
                                        0.0000085f, 0.0000012f, 0.000035f, 0.000017f};
    for (std::size_t i = 0; i < rate.size(); ++i) {
        std::array<std::uint16_t, 8> counts{};
        counts[i] = 1;
        ItemRecord r = connections(1, counts);
        calculate(r);
        EXPECT_EQ(r.failure_rate(), rate[i]) << i;
    }
    ItemRecord reflow = connections(1, {1000, 0, 0, 0, 0, 0, 0, 0});
    calculate(reflow);
    EXPECT_FLOAT_EQ(reflow.failure_rate(), 0.009f);
}

TEST(Connection, SumsInTableOrderInSinglePrecision) {
    // Summed first to last, then times 1.7; summing last to first, or exactly,
    // ends one unit lower in the last place.
    ItemRecord r = connections(3, {51109, 1985, 8392, 20892, 5608, 39487, 4064, 35314});
    calculate(r);
    EXPECT_EQ(r.failure_rate(), 4.74828148f);
    EXPECT_EQ(r.slot(0), 4.74828148f);
}

TEST(Connection, NoJointsGiveZeroWithTheFactorStored) {
    ItemRecord r = connections(26, {});
    const auto c = calculate(r);
    EXPECT_EQ(c.result, 3);
    EXPECT_TRUE(c.buffer_untouched);
    EXPECT_EQ(r.failure_rate(), 0.0f);
    EXPECT_EQ(r.slot(1), 25.0f);
}

TEST(Connection, MarkerTripleAndUnsupportedEnvironmentClearOnlyTwoSlots) {
    ItemRecord marked = connections(26, {1000, 0, 0, 0, 0, 0, 0, 0});
    marked.marker_triple().f32(GJBZ108A_ITEM_RESULTS + 4, 3.0f).f32(GJBZ108A_ITEM_RESULTS + 8, 3.0f);
    EXPECT_EQ(calculate(marked).result, 3);
    EXPECT_EQ(marked.failure_rate(), 0.0f);
    EXPECT_EQ(marked.slot(1), 0.0f);
    EXPECT_EQ(marked.slot(2), 3.0f);  // not owned

    ItemRecord unsupported = connections(15, {1000, 0, 0, 0, 0, 0, 0, 0});
    const auto c = calculate(unsupported);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Environment not supported\n");
}

ItemRecord board(unsigned environment, unsigned quality, std::uint16_t holes) {
    ItemRecord r(kBoard, environment);
    r.u8(kBoardQuality, quality).u16(kHoles, holes);
    return r;
}

TEST(PrintedBoard, EnvironmentFactorOfEveryEnvironment) {
    expect_environment_column([](unsigned e) { return board(e, 2, 0); }, 3,
                              {1, 1.3f, 2, 4, 7, 4.5f, 3.5f, 13, 6, 4, 22, 5, 8, 9, 10, 20, 1, 15, 30});
}

TEST(PrintedBoard, WorkedExamplesAndQualities) {
    ItemRecord bare = board(1, 2, 0);
    calculate(bare);
    EXPECT_EQ(bare.failure_rate(), 0.00011f);
    EXPECT_EQ(bare.slot(1), 0.000012f);
    EXPECT_EQ(bare.slot(2), 0.00011f);

    ItemRecord holes = board(1, 2, 1000);
    calculate(holes);
    EXPECT_EQ(holes.failure_rate(), 0.0121100005f);  // 1000 x 0.000012 + 0.00011 in f32

    constexpr std::array<float, 3> pi_q{0.3f, 1, 3};
    for (unsigned code = 1; code <= 3; ++code) {
        ItemRecord r = board(1, code, 10);
        calculate(r);
        EXPECT_EQ(r.slot(4), pi_q[code - 1]) << code;
    }
    ItemRecord user = board(1, 4, 1000);
    user.f32(kBoardUserQuality, 2.5f);
    calculate(user);
    EXPECT_EQ(user.slot(4), 2.5f);
    EXPECT_FLOAT_EQ(user.failure_rate(), 0.030275f);
}

TEST(PrintedBoard, ProductInTheDocumentedOrder) {
    // ((1000 x 0.000012 + 0.00011) x 7) x 0.3; x (7 x 0.3) instead gives ...34.
    ItemRecord r = board(5, 1, 1000);
    calculate(r);
    EXPECT_EQ(r.failure_rate(), 0.0254310016f);
}

TEST(PrintedBoard, QualityOutsideTheListIsRefused) {
    ItemRecord r = board(1, 5, 10);
    const auto c = calculate(r);
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.messages, " Quality code 5 is not in the list 1..4\n");
    EXPECT_EQ(r.slot(3), 1.0f);
    EXPECT_EQ(r.u8_at(kBoardQuality), 4);
}

}  // namespace
}  // namespace gjbz108a
