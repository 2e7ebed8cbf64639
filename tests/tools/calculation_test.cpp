#include "tools/prediction/calculation.h"

#include "records/record.h"
#include "support/edit_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace gjbz108a::cli {
namespace {

using test::EditRecord;
using test::kEffective;
using test::kEntered;

std::array<std::uint8_t, GJBZ108A_ITEM_RECORD_SIZE> seen;

// Keeps what it was given, then acts as a model does: decrements the selection
// code at block byte 1 in place and writes the rate into slot 0 and the header.
std::int32_t capturing_model(char*, std::uint8_t* record) {
    std::memcpy(seen.data(), record, seen.size());
    record[GJBZ108A_ITEM_BLOCK + 1] -= 1;
    store(record, item_slot(0), 0.75f);
    store(record, item_slot(3), 2.5f);
    store(record, GJBZ108A_FAILURE_RATE, 0.75f);
    return GJBZ108A_COMPUTED;
}

TEST(Calculation, DerivesTheItemRecordAndCopiesResultsBack) {
    EditRecord edit(7);
    edit.u8(GJBZ108A_ENVIRONMENT_CODE, 3)
        .u8(kEffective + 1, 9)       // Style
        .u8(kEffective + 101, 42)    // last byte of the block
        .u8(kEntered + 1, 0)         // the entered block is the report's
        .u8(GJBZ108A_EDIT_RESULTS + 101, 17)  // last byte of the result block
        .u16(GJBZ108A_EDIT_QUANTITY, 6);

    Calculator calculator(&capturing_model);
    const Outcome outcome = calculator.calculate(edit.data());

    // The model saw the effective block as its parameter block, and the results.
    // (The header it sees shows in every run of the models, ShippedLibrary's.)
    EXPECT_EQ(seen[GJBZ108A_ITEM_BLOCK + 1], 9);
    EXPECT_EQ(seen[GJBZ108A_ITEM_BLOCK + 101], 42);
    EXPECT_EQ(seen[GJBZ108A_ITEM_RESULTS + 101], 17);

    EXPECT_EQ(outcome.result, GJBZ108A_COMPUTED);
    EXPECT_EQ(outcome.failure_rate, 0.75f);
    EXPECT_EQ(outcome.messages, "");
    EXPECT_EQ(edit.f32_at(GJBZ108A_FAILURE_RATE), 0.75f);
    EXPECT_EQ(edit.f32_at(GJBZ108A_EDIT_RESULTS + 12), 2.5f);
    // Both stored blocks are as they were: the model decremented the code in its copy.
    EXPECT_EQ(edit.u8_at(kEffective + 1), 9);
    EXPECT_EQ(edit.u8_at(kEntered + 1), 0);
    EXPECT_EQ(load_u16(edit.data(), GJBZ108A_EDIT_QUANTITY), 6);
}

TEST(Calculation, GoesThroughTheLibrarysCalcItem) {
    EditRecord edit(25);  // fuses: the check has no rule for them
    edit.u8(GJBZ108A_ENVIRONMENT_CODE, 14)  // an environment the models do not support
        .f32(GJBZ108A_RESET_REAL, 7.5f)
        .u32(GJBZ108A_RESET_WORD, 0xDEADBEEF);

    Calculator calculator;  // the messages are its buffer's
    const Outcome outcome = calculator.calculate(edit.data());
    EXPECT_EQ(outcome.result, GJBZ108A_NOT_COMPUTED);
    EXPECT_EQ(outcome.messages, " Environment not supported\n");
    // calc_item's reset of the header reaches the stored record.
    EXPECT_EQ(edit.f32_at(GJBZ108A_RESET_REAL), 1.0f);
    EXPECT_EQ(edit.u32_at(GJBZ108A_RESET_WORD), 0u);
}

int calls = 0;
std::int32_t counting_model(char*, std::uint8_t* record) {
    ++calls;
    store(record, item_slot(0), 0.5f);
    return GJBZ108A_COMPUTED;
}

// That the check reads the effective block, and a part it passes is
// calculated, is DefaultsMerge's case.
TEST(Calculation, APartThatTheCheckRejectsIsNotCalculated) {
    EditRecord edit(1);  // IC memory: 16 to 67108864 bits
    edit.u8(GJBZ108A_ENVIRONMENT_CODE, 1).f32(kEffective + 8, 15.9f).f32(GJBZ108A_RESET_REAL, 7.5f);

    Calculator calculator(&counting_model);  // the messages are its buffer's
    const Outcome outcome = calculator.calculate(edit.data());
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(outcome.result, GJBZ108A_NOT_COMPUTED);
    EXPECT_EQ(outcome.messages, " Number of bits must be between  16 to 67108864\n");
    EXPECT_EQ(edit.f32_at(GJBZ108A_RESET_REAL), 7.5f);
}

// Like calc_item, writes nothing at all when it has nothing to say.
std::int32_t speaks_only_of_code_4(char* messages, std::uint8_t* record) {
    if (record[GJBZ108A_ITEM_CODE] != 4) return GJBZ108A_COMPUTED;
    std::strcpy(messages, " Illegal item code 4\n");
    return GJBZ108A_NOT_COMPUTED;
}

TEST(Calculation, APartWithoutMessagesDoesNotShowThePreviousOnes) {
    Calculator calculator(&speaks_only_of_code_4);
    EXPECT_EQ(calculator.calculate(EditRecord(4).data()).messages, " Illegal item code 4\n");
    EXPECT_EQ(calculator.calculate(EditRecord(5).data()).messages, "");
}

}  // namespace
}  // namespace gjbz108a::cli
