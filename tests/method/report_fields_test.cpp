// The report-field exports answering for every ItemCode, column and mode:
// return codes, counts, titles, cell lengths and the refresh of mode 1.
#include "support/edit_record.h"

#include <gjbz108a/report.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace gjbz108a {
namespace {

using test::EditRecord;
using test::kEffective;
using test::kEntered;

constexpr int32_t kParameters = 0;
constexpr int32_t kRefresh = 1;
constexpr int32_t kFactors = 4;

const std::set<unsigned> kUnsupported{0, 4, 17, 23, 26, 32};

uint32_t count_of(unsigned item_code, int32_t mode) {
    uint32_t count = 99;
    EXPECT_EQ(GetFieldsCount(7, item_code, mode, &count), 0);
    return count;
}

uint32_t title_lines(unsigned item_code) {
    uint32_t lines = 99;
    EXPECT_EQ(GetTitleLinesCount(7, item_code, &lines), 0);
    return lines;
}

// Cells that are documented as shorter than their column: (item, mode, column) -> length.
std::size_t expected_cell_length(unsigned item_code, int32_t mode, int32_t column, uint32_t width) {
    const bool factors = mode == kFactors;
    const std::tuple key{item_code, factors, column};
    if (key == std::tuple{5u, true, 1} || key == std::tuple{6u, true, 1} || key == std::tuple{18u, true, 1})
        return 10;
    if (key == std::tuple{7u, true, 1}) return 11;
    if (key == std::tuple{30u, true, 3}) return 6;
    if (key == std::tuple{16u, false, 2}) return 14;
    if (key == std::tuple{33u, false, 1}) return 6;
    return width;
}

// A record whose bytes run through every value, so that list codes, counts,
// reals and the marker triple take many shapes.
EditRecord scrambled_record(unsigned item_code, unsigned seed) {
    EditRecord record(item_code);
    for (std::size_t i = 0; i < GJBZ108A_EDIT_RECORD_SIZE; ++i)
        record.u8(i, static_cast<unsigned>((i * 37 + seed * 101) % 256));
    return record;
}

TEST(ReportFields, CountsOfTheCategoriesWithoutColumnTables) {
    EXPECT_EQ(count_of(0, kParameters), 0u);
    EXPECT_EQ(title_lines(0), 0u);
    EXPECT_EQ(count_of(23, kParameters), 1u);
    EXPECT_EQ(count_of(23, kFactors), 0u);
    for (unsigned code : {4u, 17u, 24u, 25u, 26u, 32u}) {
        EXPECT_EQ(count_of(code, kParameters), 0u) << code;
        EXPECT_EQ(count_of(code, kFactors), 0u) << code;
    }
    EXPECT_EQ(title_lines(17), 3u);
    EXPECT_EQ(title_lines(26), 3u);
    EXPECT_EQ(title_lines(4), 2u);
    EXPECT_EQ(count_of(28, kFactors), 0u);
    EXPECT_EQ(count_of(28, kParameters), 1u);
}

TEST(ReportFields, OnlyTheLowBytesOfItemCodeAndModeCount) {
    EXPECT_EQ(count_of(0x102, kParameters), 8u);
    EXPECT_EQ(count_of(2, 0x104), 7u);
    EXPECT_EQ(count_of(2, 0x400), 8u);
    uint32_t width = 0;
    ASSERT_EQ(GetFieldLength(0, 0x31d, 2, 0x204, &width), 0);  // 0x1d = 29, factors
    EXPECT_EQ(width, 7u);
    uint32_t count = 99;
    EXPECT_EQ(GetFieldsCount(0, 34, kParameters, &count), 12);  // beyond the table
    EXPECT_EQ(GetTitleLinesCount(0, 255, &count), 12);
    EXPECT_EQ(count, 99u);
}

// Every ItemCode 0..33, every column, three modes: the properties every answer keeps.
TEST(ReportFields, EveryCategoryColumnAndModeAnswersConsistently) {
    for (unsigned item = 0; item <= 33; ++item) {
        const bool supported = kUnsupported.count(item) == 0;
        const uint32_t lines = title_lines(item);
        EXPECT_EQ(lines, item == 16 || item == 17 || item == 26 ? 3u : item == 0 ? 0u : 2u) << item;
        for (int32_t mode : {kParameters, kRefresh, kFactors}) {
            SCOPED_TRACE("item " + std::to_string(item) + " mode " + std::to_string(mode));
            const uint32_t count = count_of(item, mode);
            for (int32_t column = 0; column <= static_cast<int32_t>(count) + 1; ++column) {
                SCOPED_TRACE("column " + std::to_string(column));
                const bool inside = column >= 1 && column <= static_cast<int32_t>(count);
                uint32_t width = 999;
                char title[128];
                std::memset(title, '#', sizeof title);
                if (!inside || !supported) {
                    EXPECT_EQ(GetFieldLength(1, item, column, mode, &width), 12);
                    EXPECT_EQ(GetFieldTitle(1, item, column, mode, title, 1), 12);
                    EXPECT_EQ(width, 999u);
                    EXPECT_EQ(title[0], '#');
                    if (inside) continue;  // ItemCode 23's cell-less column: tested on its own
                    for (unsigned seed : {0u, 1u}) {
                        EditRecord record = scrambled_record(item, seed);
                        char cell[128];
                        std::memset(cell, '#', sizeof cell);
                        EXPECT_EQ(GetField(1, item, column, mode, cell, record.data()), 12);
                        EXPECT_EQ(cell[0], '#');
                    }
                    continue;
                }
                ASSERT_EQ(GetFieldLength(1, item, column, mode, &width), 0);
                ASSERT_GT(width, 2u);
                ASSERT_EQ(GetFieldTitle(1, item, column, mode, title, 1), 0);
                const std::size_t title_length = std::strlen(title);
                EXPECT_TRUE(title_length <= width || (title_length % width == 0 && title_length <= lines * width))
                    << '"' << title << "\" in width " << width;
                EXPECT_EQ(GetFieldTitle(1, item, column, mode, title, static_cast<int32_t>(lines)), 0);
                EXPECT_EQ(GetFieldTitle(1, item, column, mode, title, static_cast<int32_t>(lines) + 1), 12);
                EXPECT_EQ(GetFieldTitle(1, item, column, mode, title, 0), 12);

                for (unsigned seed = 0; seed < 8; ++seed) {
                    EditRecord record = scrambled_record(item, seed);
                    if (seed % 2 == 0) record.marker_triple();
                    char cell[128];
                    std::memset(cell, '#', sizeof cell);
                    ASSERT_EQ(GetField(1, item, column, mode, cell, record.data()), 0);
                    ASSERT_NE(std::memchr(cell, '\0', sizeof cell), nullptr);
                    EXPECT_EQ(std::strlen(cell), expected_cell_length(item, mode, column, width))
                        << '"' << cell << '"';
                }
            }
        }
    }
}

TEST(ReportFields, DisplayOrdersAndQualityColumnsStayInsideTheColumnSets) {
    for (unsigned item = 0; item <= 33; ++item) {
        SCOPED_TRACE("item " + std::to_string(item));
        const bool supported = kUnsupported.count(item) == 0;
        uint32_t pair[2] = {99, 99};
        EXPECT_EQ(GetQualityFields(1, item, pair), supported ? 0 : 12);
        for (int32_t mode : {kParameters, kFactors}) {
            uint32_t shown = 99;
            std::array<uint32_t, 16> order;
            order.fill(0);
            ASSERT_EQ(GetViewFields(1, item, mode, &shown, order.data()), supported ? 0 : 12);
            if (!supported) continue;
            const uint32_t count = count_of(item, mode);
            ASSERT_EQ(shown, count);
            std::sort(order.begin(), order.begin() + count);
            for (uint32_t i = 0; i < count; ++i) EXPECT_EQ(order[i], i + 1);  // a permutation
            EXPECT_LE(pair[mode == kFactors ? 1 : 0], count);
        }
    }
}

TEST(ReportFields, SelectorsOtherThanOneAreRefusedWhereOneIsRequired) {
    uint32_t pair[2] = {99, 99};
    uint32_t count = 99;
    uint32_t order[8] = {};
    for (int32_t selector : {0, 2, -1, 0x101}) {
        EXPECT_EQ(GetQualityFields(selector, 5, pair), 12);
        EXPECT_EQ(GetViewFields(selector, 5, kParameters, &count, order), 12);
    }
    EXPECT_EQ(pair[0], 99u);
    EXPECT_EQ(count, 99u);
    // The other exports do not look at it.
    uint32_t width = 0;
    EXPECT_EQ(GetFieldLength(-5, 5, 1, kParameters, &width), 0);
    EXPECT_EQ(width, 22u);
}

TEST(ReportFields, QualityPairsAndDisplayOrders) {
    const auto quality = [](unsigned item) {
        uint32_t pair[2] = {99, 99};
        EXPECT_EQ(GetQualityFields(1, item, pair), 0);
        return std::array<uint32_t, 2>{pair[0], pair[1]};
    };
    EXPECT_EQ(quality(1), (std::array<uint32_t, 2>{4, 3}));
    EXPECT_EQ(quality(20), (std::array<uint32_t, 2>{1, 4}));
    EXPECT_EQ(quality(33), (std::array<uint32_t, 2>{1, 3}));
    EXPECT_EQ(quality(16), (std::array<uint32_t, 2>{0, 0}));
    EXPECT_EQ(quality(19), (std::array<uint32_t, 2>{0, 0}));
    EXPECT_EQ(quality(24), (std::array<uint32_t, 2>{0, 0}));
    EXPECT_EQ(quality(28), (std::array<uint32_t, 2>{0, 0}));

    const auto order = [](unsigned item, int32_t mode) {
        uint32_t count = 0;
        std::array<uint32_t, 8> columns{};
        EXPECT_EQ(GetViewFields(1, item, mode, &count, columns.data()), 0);
        return std::vector<uint32_t>(columns.begin(), columns.begin() + count);
    };
    EXPECT_EQ(order(1, kParameters), (std::vector<uint32_t>{2, 1, 7, 6, 3, 5, 4}));
    EXPECT_EQ(order(2, kParameters), (std::vector<uint32_t>{2, 1, 7, 6, 3, 8, 5, 4}));
    EXPECT_EQ(order(7, kParameters), (std::vector<uint32_t>{1, 3, 4, 2}));
    EXPECT_EQ(order(10, kParameters), (std::vector<uint32_t>{1, 2, 4, 3}));
    EXPECT_EQ(order(20, kParameters), (std::vector<uint32_t>{2, 1}));
    EXPECT_EQ(order(29, kParameters), (std::vector<uint32_t>{1, 2, 4, 3}));
    EXPECT_EQ(order(33, kParameters), (std::vector<uint32_t>{2, 3, 4, 5, 1}));
    EXPECT_EQ(order(33, kFactors), (std::vector<uint32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(order(28, kFactors), (std::vector<uint32_t>{}));
    EXPECT_EQ(order(25, kParameters), (std::vector<uint32_t>{}));
}

TEST(ReportFields, TitlesKeepTheirBlanks) {
    char title[64];
    ASSERT_EQ(GetFieldTitle(0, 8, 3, kParameters, title, 2), 0);
    EXPECT_STREQ(title, " Contact   Voltage  ");
    ASSERT_EQ(GetFieldTitle(0, 1, 7, kParameters, title, 1), 0);
    EXPECT_STREQ(title, "     # of bits    ");
    ASSERT_EQ(GetFieldTitle(0, 10, 4, kFactors, title, 1), 0);
    EXPECT_STREQ(title, " PI l");
    ASSERT_EQ(GetFieldTitle(0, 16, 2, kParameters, title, 3), 0);
    EXPECT_STREQ(title, "  Learn factor  ");
    EXPECT_EQ(GetFieldTitle(0, 5, 1, kFactors, title, 3), 12);  // two title lines only
}

TEST(ReportFields, ColumnZeroAndOnePastTheCountWriteNothing) {
    EditRecord record(12);
    record.u8(kEffective + 1, 3).u8(kEntered + 1, 1);
    const EditRecord before = record;
    char cell[32] = "untouched";
    EXPECT_EQ(GetField(1, 12, 0, kRefresh, cell, record.data()), 12);
    EXPECT_EQ(GetField(1, 12, 5, kRefresh, cell, record.data()), 12);
    EXPECT_EQ(GetField(1, 12, 7, kFactors, cell, record.data()), 12);
    EXPECT_EQ(GetField(1, 24, 1, kParameters, cell, record.data()), 12);
    EXPECT_STREQ(cell, "untouched");
    // A refused request does not refresh the record either.
    EXPECT_EQ(std::memcmp(record.data(), before.data(), GJBZ108A_EDIT_RECORD_SIZE), 0);
}

TEST(ReportFields, ModeOneCopiesTheEffectiveBlockOverTheEnteredOne) {
    EditRecord record(7);
    record.u8(kEffective + 1, 2).u8(kEffective + 2, 6).f32(kEffective + 10, 0.5f);
    record.u8(kEntered + 1, 12).u8(kEntered + 2, 0);
    char cell[64];

    ASSERT_EQ(GetField(1, 7, 1, kParameters, cell, record.data()), 0);
    EXPECT_STREQ(cell, " Fine Tuning variable         ");  // the entered Style 12
    ASSERT_EQ(GetField(1, 7, 1, kFactors, cell, record.data()), 0);
    EXPECT_NE(std::memcmp(record.data() + kEntered, record.data() + kEffective, GJBZ108A_BLOCK_SIZE), 0);

    ASSERT_EQ(GetField(1, 7, 2, kRefresh, cell, record.data()), 0);
    EXPECT_STREQ(cell, " B1   ");
    EXPECT_EQ(std::memcmp(record.data() + kEntered, record.data() + kEffective, GJBZ108A_BLOCK_SIZE), 0);
    ASSERT_EQ(GetField(1, 7, 1, kParameters, cell, record.data()), 0);
    EXPECT_STREQ(cell, " Plastic                      ");

    // The low byte decides, and the refresh happens even where no cell is made.
    EditRecord other(23);
    other.u8(kEffective + 1, 5).u8(kEffective + 101, 9);
    std::strcpy(cell, "untouched");
    EXPECT_EQ(GetField(1, 23, 1, 0x301, cell, other.data()), 0);
    EXPECT_STREQ(cell, "untouched");
    EXPECT_EQ(other.data()[kEntered + 1], 5);
    EXPECT_EQ(other.data()[kEntered + 101], 9);
    EXPECT_EQ(GetField(1, 23, 1, kFactors, cell, other.data()), 12);
}

}  // namespace
}  // namespace gjbz108a
