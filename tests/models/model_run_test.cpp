// The frame that every category model runs in, through calc_item.
#include "model_checks.h"

#include <algorithm>

namespace gjbz108a::test {
namespace {

// Every category model: the selection codes it decrements in place (kept on
// every path) and the result slots it owns (cleared first). The marker triple
// gives failure rate 0 with every owned factor 0, once the environment is
// supported; an unsupported one is refused first.
TEST(EveryModel, DecrementsItsCodesClearsItsSlotsAndAnswersTheMarkerTriple) {
    // ItemCode, the offsets of its codes, the count of the slots it owns.
    const std::tuple<unsigned, std::vector<std::size_t>, unsigned> categories[] = {
        {1, {151, 152, 153, 154, 155}, 8}, {2, {151, 152, 153, 154, 155, 170}, 8}, {3, {151, 152, 153, 154, 155}, 8},
        {33, {152}, 10}, {11, {151, 152}, 6}, {12, {151, 152}, 7}, {13, {151, 152}, 6}, {14, {151, 152}, 7},
        {15, {151, 152}, 5}, {5, {151, 153}, 6}, {6, {151, 152}, 5}, {7, {151, 152, 153, 154}, 7},
        {8, {151, 152}, 4}, {9, {151, 152, 153}, 4}, {10, {151, 152, 158}, 5}, {19, {}, 2}, {20, {152}, 5},
        {16, {151, 152}, 4}, {18, {151, 152, 153}, 5}, {21, {151, 152}, 4}, {22, {151, 152}, 4}, {30, {151, 152}, 4},
        {24, {}, 1}, {25, {}, 1}, {28, {151}, 1}, {27, {152}, 4}, {29, {151, 152, 153, 158}, 6}, {31, {151, 152}, 4},
    };
    for (const auto& [item_code, codes, owned_slots] : categories) {
        for (unsigned environment : {26u, 14u}) {
            SCOPED_TRACE(testing::Message() << "ItemCode " << item_code << ", EnvironmentCode " << environment);
            ItemRecord r(item_code, environment);
            r.marker_triple().f32(GJBZ108A_FAILURE_RATE, 7.0f);
            for (std::size_t offset = 151; offset <= 171; ++offset) r.u8(offset, 3);
            for (unsigned slot = 0; slot < 12; ++slot) r.f32(GJBZ108A_ITEM_RESULTS + 4 * slot, 9.0f);
            const Calculation calc = calculate(r);
            for (std::size_t offset = 151; offset <= 171; ++offset)
                EXPECT_EQ(r.u8_at(offset), std::ranges::count(codes, offset) ? 2 : 3) << "byte " << offset;
            for (unsigned slot = owned_slots; slot < 12; ++slot) EXPECT_EQ(r.slot(slot), 9.0f) << "slot " << slot;
            if (environment == 14) {
                EXPECT_EQ(calc.result, 1);
                EXPECT_EQ(calc.messages, " Environment not supported\n");
                EXPECT_EQ(r.failure_rate(), 7.0f);
            } else if (item_code > 3) {  // the integrated circuits compute at 35 degrees instead
                EXPECT_EQ(calc.result, 3);
                EXPECT_TRUE(calc.buffer_untouched);
                EXPECT_EQ(r.failure_rate(), 0.0f);
            }
            // A filter stores its base rate before it looks at the environment.
            const unsigned first_cleared = item_code == 31 ? 2 : 1;
            if (item_code > 3 || environment == 14) {
                for (unsigned slot = first_cleared; slot < owned_slots; ++slot) EXPECT_EQ(r.slot(slot), 0.0f) << slot;
            }
            if (item_code == 31) { EXPECT_EQ(r.slot(1), 0.0086f); }  // construction 3
        }
    }
}

TEST(EveryModel, RefusesACodeOutsideItsListWhereItReadsIt) {
    // A part, the offset of one of its codes, the code's name and the length
    // of its list: codes 0 and length + 1 are refused.
    const std::tuple<ItemRecord, std::size_t, std::string, unsigned> lists[] = {
        {part(1), 154, "Qual", 8}, {part(1), 153, "Package", 13}, {part(1), 152, "Tech", 2},
        {part(1), 155, "Learn fact.", 3}, {part(2), 151, "Type", 2}, {part(3), 151, "Type", 8},
        {part(2).u8(151, 2), 170, "Seal", 3}, {part(2).u8(151, 2).u8(153, 2).u8(170, 9), 152, "Tech", 3},  // FLAT: no seal
        {part(33), 152, "Qual", 9}, {part(11), 151, "Style", 5}, {part(12), 151, "Style", 8},
        {part(13), 151, "Style", 10}, {part(15), 151, "Style", 8}, {part(11), 152, "Quality", 8},
        {part(14), 152, "Quality", 8}, {part(5), 151, "Style", 12}, {part(5), 153, "Quality", 6},
        {part(6), 151, "Style", 7}, {part(6), 152, "Quality", 6}, {part(7), 151, "Style", 13},
        {part(7), 152, "Quality", 10}, {part(7).u8(151, 13), 154, "Sealed", 2}, {part(8), 152, "Quality", 5},
        {part(9), 152, "Quality", 7}, {part(9), 153, "Seal", 3}, {part(10), 151, "Configuration", 6},
        {part(10), 152, "Quality", 6}, {part(10).u8(151, 5), 158, "Linkage", 3}, {part(20), 152, "Quality", 4},
        {part(16), 151, "Type", 7}, {part(16), 152, "Learning factor", 3}, {part(18), 151, "Type", 16},
        {part(18), 152, "Quality (TRANSFORMERS)", 5}, {part(18).u8(151, 9), 153, "Quality (COILS)", 6},
        {part(21), 151, "Type", 6}, {part(22), 151, "Type", 2}, {part(22), 152, "Quality", 5},
        {part(30), 151, "Type", 34}, {part(27), 152, "Quality", 6}, {part(31), 151, "Construction", 5},
        {part(31), 152, "Quality", 4}, {part(29), 151, "Type", 40}, {part(29), 152, "Quality", 5},
        {part(29).u8(151, 14), 153, "Learning factor", 3}, {part(29).u8(151, 14), 158, "Axis", 3},
    };
    for (const auto& [record, offset, name, length] : lists) {
        for (unsigned code : {0u, length + 1}) {
            const std::string line = " " + name + " code " + std::to_string(code) + " is not in the list 1.." +
                                     std::to_string(length) + "\n";
            expect_refused(ItemRecord(record).u8(offset, code), line);
        }
    }
    // Resistors judge the style first, optoelectronic devices the quality.
    expect_refused(part(5).u8(151, 0).u8(153, 0), " Style code 0 is not in the list 1..12\n");
    expect_refused(part(15).u8(151, 0).u8(152, 0), " Quality code 0 is not in the list 1..8\n");
    // Codes that a part's path never reads are not judged.
    for (ItemRecord r : {part(14).u8(151, 0), part(29).u8(151, 20).u8(152, 0).u8(153, 0), part(8).u8(151, 0)})
        EXPECT_EQ(calculate(r).result, 3);
}

}  // namespace
}  // namespace gjbz108a::test
