// The integrated-circuit models through calc_item: worked examples, warnings,
// refusals and the codes each path reads.
#include "models/ic_part.h"

#include <gtest/gtest.h>

namespace gjbz108a::test {
namespace {

namespace f = ic_field;

TEST(IcModels, WorkedExampleDigitalLogic) {
    ItemRecord part = ic_part(kIcDigital);  // Logic, MOS, Dual In-Line, B2, 16 pins, 1000 gates, 25 C
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 3);
    EXPECT_TRUE(calc.buffer_untouched);
    expect_factors(part, {0.0054f, 1, 1, 0.87f, 0.0846f, 1, 1});
    // 0.0054 x (0.87 + 0.0846)
    EXPECT_EQ(part.slot(kRate), 0.00515484f);
    EXPECT_EQ(part.failure_rate(), 0.00515484f);
}

TEST(IcModels, WorkedExampleMemoryMultipliesLeftToRightInSinglePrecision) {
    ItemRecord part = ic_part(kIcMemory, 2);
    part.u8(f::package, 8).u8(f::quality, 1).u8(f::learning, 3).temperature(50).cycling_rate(5);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 3);
    EXPECT_TRUE(calc.buffer_untouched);
    expect_factors(part, {0.009602f, 2, 0.15f, 2.64f, 0.11f, 1.1f, 5});
    EXPECT_NEAR(part.slot(kRate), 0.0435691, 5e-8);
    // The single-precision product in the documented order; multiplying the
    // other way round gives 0.04356908.
    EXPECT_EQ(part.slot(kRate), 0.043569077f);
    EXPECT_EQ(part.failure_rate(), part.slot(kRate));
}

TEST(IcModels, FactorsAreMultipliedLeftToRight) {
    // The memory example in EnvironmentCode 5 (unpacked PI e 14) at 20 cycles
    // per 1000 hours (PI cyc 1.4): 0.009602 x 14 x 0.15 x 2.75 x 1.4 x 5. In
    // single precision left to right this is 0.38816082; reversed, or with
    // PI cyc x PI l taken first, or in double precision, it is not.
    ItemRecord part = ic_part(kIcMemory, 5);
    part.u8(f::package, 8).u8(f::quality, 1).u8(f::learning, 3).temperature(50).cycling_rate(20);
    EXPECT_EQ(calculate(part).result, 3);
    EXPECT_EQ(part.slot(kPiE), 14.0f);
    EXPECT_EQ(part.slot(kPiCyc), 1.4f);
    EXPECT_EQ(part.slot(kRate), 0.38816082f);
}

TEST(IcModels, MemoryCurveUsesItsPointAt1045576) {
    ItemRecord part = ic_part(kIcMemory);
    part.f32(f::size, 1048576);
    EXPECT_EQ(calculate(part).result, 3);
    EXPECT_NEAR(part.slot(kLbase), 0.03843, 5e-6);  // between 0.038409 and 0.045677
}

TEST(IcModels, MarkerTripleComputesAt35DegreesWithoutEnvironmentOrLearning) {
    ItemRecord part = ic_part(kIcMemory, 26);
    part.u8(f::tech, 1).temperature(80).marker_triple();
    part.u8(f::learning, 9);  // never read with the marker triple: no refusal
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 3);
    EXPECT_TRUE(calc.buffer_untouched);
    EXPECT_EQ(part.slot(kPiT), 1.09f);  // bipolar memory at 35 degrees
    EXPECT_EQ(part.slot(kPiE), 1.0f);
    EXPECT_EQ(part.slot(kPiL), 1.0f);
    EXPECT_FLOAT_EQ(part.slot(kRate), 0.01127851f);  // 0.009602 x (1.09 + 0.0846)
}

TEST(IcModels, UserQualityIsUsedUnchangedAndTheCodesStayDecremented) {
    ItemRecord part = ic_part(kIcMemory);
    part.u8(f::quality, 8).f32(f::user_quality, 0.37f);
    EXPECT_EQ(calculate(part).result, 3);
    EXPECT_EQ(part.slot(kPiQ), 0.37f);
    EXPECT_EQ(part.u8_at(f::quality), 7);
    EXPECT_EQ(part.u8_at(f::type), 0);
    EXPECT_EQ(part.u8_at(f::tech), 1);
    EXPECT_EQ(part.u8_at(f::package), 0);
    EXPECT_EQ(part.u8_at(f::learning), 0);
}

TEST(IcModels, TwoWarningsGiveTwoLinesEachFollowedByAnEmptyLine) {
    ItemRecord part = ic_part(kIcMemory);
    part.u16(f::pins, 2).cycling_rate(60);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 2);
    EXPECT_EQ(calc.messages,
              " For Number of leading-out terminals < 4 the model may be invalid\n\n"
              " For Circulation Rate > 50 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(part.slot(kPiF), 0.0167f * 2 / 4);
    EXPECT_FLOAT_EQ(part.slot(kPiCyc), 2.2f);  // on from 1.4 at 20 and 2 at 50
    EXPECT_NE(part.slot(kRate), 0.0f);
}

TEST(IcModels, ProcessorBeyondTheTransistorCurveExtrapolatesItsLastSegment) {
    ItemRecord part = ic_part(kIcDigital);
    part.u8(f::type, 6).u32(f::size, 250000000);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 2);
    EXPECT_EQ(calc.messages, " For Number of transistors > 2.2e+08 the model may be invalid\n\n");
    EXPECT_FLOAT_EQ(part.slot(kLbase), 0.0376f);  // 0.0367 + (0.0367 - 0.0361) x 1.5
}

TEST(IcModels, NegativeSizeStopsAfterTheEarlierLinesAndKeepsTheHostsRate) {
    ItemRecord part = ic_part(kIcMemory);
    part.u16(f::pins, 2).f32(f::size, -1).f32(GJBZ108A_FAILURE_RATE, 7.0f);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 1);
    EXPECT_EQ(calc.messages,
              " For Number of leading-out terminals < 4 the model may be invalid\n\n"
              " For Number of bytes = -1 the model is invalid\n\n");
    EXPECT_EQ(part.slot(kPiT), 1.26f);  // written before the failing lookup
    EXPECT_EQ(part.slot(kLbase), 0.0f);
    EXPECT_EQ(part.slot(kPiCyc), 0.0f);
    EXPECT_EQ(part.slot(kRate), 0.0f);
    EXPECT_EQ(part.failure_rate(), 7.0f);
}

TEST(IcModels, UnsupportedEnvironmentIsRefusedAfterTheCodesWereDecremented) {
    for (unsigned item_code : {kIcMemory, kIcAnalog, kIcDigital}) {
        SCOPED_TRACE(item_code);
        ItemRecord part = ic_part(item_code, 14);
        for (unsigned slot = 0; slot < 8; ++slot) part.f32(GJBZ108A_ITEM_RESULTS + 4 * slot, 9.0f);
        const Calculation calc = calculate(part);
        EXPECT_EQ(calc.result, 1);
        EXPECT_EQ(calc.messages, " Environment not supported\n");
        EXPECT_EQ(part.u8_at(f::type), 0);
        EXPECT_EQ(part.u8_at(f::quality), 4);
        for (unsigned slot = 0; slot < 8; ++slot) EXPECT_EQ(part.slot(slot), 0.0f) << slot;
    }
    ItemRecord analog = ic_part(kIcAnalog, 14);
    calculate(analog);
    EXPECT_EQ(analog.u8_at(f::seal), 0);
}

TEST(IcModels, CodesOutsideTheirListsAreRefusedWhereTheyWouldIndexATable) {
    struct Case {
        unsigned item_code;
        std::size_t field;
        unsigned code;
        const char* line;
    };
    const Case cases[] = {
        {kIcMemory, f::quality, 9, " Qual code 9 is not in the list 1..8\n"},
        {kIcMemory, f::quality, 0, " Qual code 0 is not in the list 1..8\n"},
        {kIcMemory, f::package, 14, " Package code 14 is not in the list 1..13\n"},
        {kIcMemory, f::tech, 3, " Tech code 3 is not in the list 1..2\n"},
        {kIcMemory, f::learning, 4, " Learn fact. code 4 is not in the list 1..3\n"},
        {kIcAnalog, f::type, 3, " Type code 3 is not in the list 1..2\n"},
        {kIcDigital, f::type, 9, " Type code 9 is not in the list 1..8\n"},
        {kIcDigital, f::tech, 0, " Tech code 0 is not in the list 1..2\n"},
    };
    for (const Case& c : cases) {
        ItemRecord part = ic_part(c.item_code);
        part.u8(c.field, c.code);
        const Calculation calc = calculate(part);
        EXPECT_EQ(calc.result, 1) << c.line;
        EXPECT_EQ(calc.messages, c.line);
        EXPECT_EQ(part.slot(kRate), 0.0f) << c.line;
    }
}

TEST(IcModels, CodesThatThePathNeverReadsChangeNothing) {
    ItemRecord reference = ic_part(kIcMemory);
    calculate(reference);
    ItemRecord memory = ic_part(kIcMemory);
    memory.u8(f::type, 0);  // a memory's Type is decremented but never read
    EXPECT_EQ(calculate(memory).result, 3);
    EXPECT_EQ(memory.failure_rate(), reference.failure_rate());

    ItemRecord analog = ic_part(kIcAnalog);  // Type Analog: Tech and Seal are GaAs fields
    analog.u8(f::tech, 9).u8(f::seal, 0);
    EXPECT_EQ(calculate(analog).result, 3);
    EXPECT_FLOAT_EQ(analog.slot(kLbase), 0.0079f);
}

TEST(IcModels, GaAsHasNoPinTermAndItsTableIsReadOnlyWhereItHasEntries) {
    ItemRecord part = ic_part(kIcAnalog);
    part.u8(f::type, 2).u8(f::tech, 1).u8(f::seal, 3).u16(f::pins, 2);
    const Calculation calc = calculate(part);
    EXPECT_EQ(calc.result, 3);  // no pin-count warning
    EXPECT_TRUE(calc.buffer_untouched);
    EXPECT_EQ(part.slot(kPiF), 0.0f);
    EXPECT_EQ(part.slot(kPiT), 1.06f);
    // 0.0028 x 1 x 1 x 1.06
    EXPECT_FLOAT_EQ(part.slot(kRate), 0.002968f);

    ItemRecord bad_seal = ic_part(kIcAnalog);
    bad_seal.u8(f::type, 2).u8(f::seal, 4);
    Calculation refused = calculate(bad_seal);
    EXPECT_EQ(refused.result, 1);
    EXPECT_EQ(refused.messages, " Seal code 4 is not in the list 1..3\n");

    ItemRecord bad_tech = ic_part(kIcAnalog);
    bad_tech.u8(f::type, 2).u8(f::package, 2).u8(f::tech, 4).u8(f::seal, 9);  // no seal on a FLAT
    refused = calculate(bad_tech);
    EXPECT_EQ(refused.result, 1);
    EXPECT_EQ(refused.messages, " Tech code 4 is not in the list 1..3\n");

    // Packages 3..6 have no base rate: Lbase stays 0 and Tech is not read.
    ItemRecord pga = ic_part(kIcAnalog);
    pga.u8(f::type, 2).u8(f::package, 4).u8(f::tech, 0);
    EXPECT_EQ(calculate(pga).result, 3);
    EXPECT_EQ(pga.slot(kLbase), 0.0f);
    EXPECT_EQ(pga.failure_rate(), 0.0f);
}

}  // namespace
}  // namespace gjbz108a::test
