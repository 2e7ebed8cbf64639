#include "method/item_codes.h"
#include "support/item_record.h"

#include <gtest/gtest.h>

#include <string>

namespace gjbz108a {
namespace {

using test::calculate;
using test::ItemRecord;

// Fills header bytes 125..132 with a pattern that calc_item's reset replaces.
void mark_reset_values(ItemRecord& record) {
    record.f32(GJBZ108A_RESET_REAL, 7.5f).u32(GJBZ108A_RESET_WORD, 0xDEADBEEF);
}

TEST(CalcItem, RefusesANonElectronicPartBeforeLookingAtTheEnvironment) {
    ItemRecord record(3, 0);
    record.u8(GJBZ108A_ITEM_CLASS, 0).u8(GJBZ108A_METHOD_NUMBER, 200);
    mark_reset_values(record);
    const auto c = calculate(record);
    EXPECT_EQ(c.result, GJBZ108A_NOT_COMPUTED);
    EXPECT_EQ(c.messages, " Attempt to calculate non electronic item by method 200\n");
    EXPECT_EQ(record.f32_at(GJBZ108A_RESET_REAL), 7.5f);
}

TEST(CalcItem, RefusesEnvironmentsOutsideOneToTwentySevenWithoutResetting) {
    for (unsigned environment : {0u, 28u, 255u}) {
        ItemRecord record(3, environment);
        mark_reset_values(record);
        const auto c = calculate(record);
        EXPECT_EQ(c.result, GJBZ108A_NOT_COMPUTED);
        EXPECT_EQ(c.messages, " Not valid environment\n");
        EXPECT_EQ(record.f32_at(GJBZ108A_RESET_REAL), 7.5f);
        EXPECT_EQ(record.u32_at(GJBZ108A_RESET_WORD), 0xDEADBEEFu);
    }
}

TEST(CalcItem, RefusesUnsupportedItemCodesAfterTheReset) {
    ItemRecord record(17, 5);
    mark_reset_values(record);
    const auto c = calculate(record);
    EXPECT_EQ(c.result, GJBZ108A_NOT_COMPUTED);
    EXPECT_EQ(c.messages, " Illegal item code 17\n");
    EXPECT_EQ(record.f32_at(GJBZ108A_RESET_REAL), 1.0f);
    EXPECT_EQ(record.u32_at(GJBZ108A_RESET_WORD), 0u);
    EXPECT_EQ(record.failure_rate(), 0.0f);
}

TEST(CalcItem, DispatchesExactlyTheTwentyEightSupportedCodes) {
    int supported = 0;
    for (unsigned code = 0; code < 256; ++code) {
        ItemRecord record(code, 1);
        const auto c = calculate(record);
        const std::string illegal = " Illegal item code " + std::to_string(code) + "\n";
        if (find_category(code) != nullptr) {
            ++supported;
            EXPECT_NE(c.messages, illegal) << code;
        } else {
            EXPECT_EQ(c.messages, illegal) << code;
            EXPECT_EQ(c.result, GJBZ108A_NOT_COMPUTED);
        }
    }
    EXPECT_EQ(supported, 28);
}

}  // namespace
}  // namespace gjbz108a
