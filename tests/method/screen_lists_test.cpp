#include "method/category_fields.h"
#include "method/item_codes.h"

#include <gjbz108a/gjbz108a.h>

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <string>

namespace gjbz108a {
namespace {

std::span<const ScreenField> screen_fields(int32_t item_code) {
    const ScreenFieldList* list = nullptr;
    GetScrInfo(item_code, &list);
    if (list == nullptr) return {};
    return {list->fields, static_cast<std::size_t>(list->count)};
}

unsigned width_of(unsigned type_code) {
    switch (type_code) {
    case 2: case 15: return 1;
    case 4: return 2;
    case 5: case 6: case 7: return 4;
    default: return 0;  // no other code belongs in these lists
    }
}

TEST(ScreenLists, EntryCountsOfEveryCategory) {
    const std::map<unsigned, int> counts{
        {1, 10}, {2, 12}, {3, 10}, {5, 6},  {6, 6},  {7, 8},  {8, 6},  {9, 6},  {10, 7}, {11, 6},
        {12, 8}, {13, 6}, {14, 7}, {15, 5}, {16, 4}, {18, 6}, {19, 10}, {20, 6}, {21, 5}, {22, 5},
        {24, 2}, {25, 2}, {27, 5}, {28, 2}, {29, 7}, {30, 5}, {31, 5}, {33, 9}};
    ASSERT_EQ(counts.size(), categories().size());
    for (const auto& [item_code, count] : counts)
        EXPECT_EQ(screen_fields(static_cast<int32_t>(item_code)).size(), static_cast<std::size_t>(count))
            << item_code;

    const auto connections = screen_fields(19);
    EXPECT_EQ(connections.back().offset, 16u);
    EXPECT_EQ(connections.back().type_code, 4);
}

TEST(ScreenLists, EveryListIsOrderedAndInsideTheBlock) {
    for (const Category& category : categories()) {
        const auto fields = screen_fields(category.item_code);
        ASSERT_GE(fields.size(), 2u) << category.name;
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(fields[i].offset, i) << category.name;  // SubType and Type
            EXPECT_EQ(fields[i].type_code, 15) << category.name;
        }
        unsigned end = 0;
        for (const ScreenField& field : fields) {
            const std::string where = std::string{category.name} + " @" + std::to_string(field.offset);
            ASSERT_NE(width_of(field.type_code), 0u) << where;
            EXPECT_GE(field.offset, end) << where;
            end = field.offset + width_of(field.type_code);
            EXPECT_LE(end, unsigned{GJBZ108A_BLOCK_SIZE}) << where;
            EXPECT_EQ(field.length, 0) << where;
            EXPECT_EQ(field.reserved[0] | field.reserved[1], 0) << where;
        }
    }
}

// The parts-list fields were written from the record layout independently of
// these lists: every one of them must lie at an entry of the same storage.
TEST(ScreenLists, AgreeWithTheRecordLayoutOfEveryCategory) {
    for (const Category& category : categories()) {
        const auto fields = screen_fields(category.item_code);
        for (const ParameterField& field : category_fields(category.item_code)) {
            const std::string where = std::string{category.name} + " " + std::string{field.key};
            const ScreenField* entry = nullptr;
            for (const ScreenField& f : fields)
                if (f.offset == field.offset) entry = &f;
            ASSERT_NE(entry, nullptr) << where;
            unsigned expected = 0;
            switch (field.type) {
            case FieldType::u8: expected = 2; break;
            case FieldType::selection:
            case FieldType::code: expected = 15; break;
            case FieldType::u16: expected = 4; break;
            case FieldType::i32: expected = 5; break;
            case FieldType::u32: expected = 6; break;
            case FieldType::f32: expected = 7; break;
            }
            EXPECT_EQ(entry->type_code, expected) << where;
        }
    }
    // Entries that no dialog edits, which the layout above does not name.
    EXPECT_EQ(screen_fields(1)[8].offset, 12u);
    EXPECT_EQ(screen_fields(1)[8].type_code, 7);
    EXPECT_EQ(screen_fields(2)[11].offset, 21u);
    EXPECT_EQ(screen_fields(2)[11].type_code, 2);
    EXPECT_EQ(screen_fields(7)[5].offset, 5u);
    EXPECT_EQ(screen_fields(7)[6].offset, 6u);
    EXPECT_EQ(screen_fields(14)[5].offset, 8u);
    EXPECT_EQ(screen_fields(29)[6].offset, 9u);
    EXPECT_EQ(screen_fields(29)[6].type_code, 2);
}

TEST(ScreenLists, UnsupportedCodesLeaveThePointerAndOnlyTheLowByteCounts) {
    const ScreenFieldList sentinel{};
    for (int32_t item_code : {0, 4, 17, 23, 26, 32, 34, 255, 256 + 4, -1}) {
        const ScreenFieldList* list = &sentinel;
        GetScrInfo(item_code, &list);
        EXPECT_EQ(list, &sentinel) << item_code;
    }
    const ScreenFieldList* connections = nullptr;
    GetScrInfo(19, &connections);
    for (int32_t item_code : {256 + 19, 0x7FFFFF00 + 19, -256 + 19}) {
        const ScreenFieldList* list = nullptr;
        GetScrInfo(item_code, &list);
        EXPECT_EQ(list, connections) << item_code;
    }
}

}  // namespace
}  // namespace gjbz108a
