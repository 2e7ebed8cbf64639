#include "tools/csv_reader.h"
#include "tools/input_limits.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

struct Record {
    unsigned long line;
    std::vector<std::string> cells;
    std::string error;
    std::size_t error_cell;
};

std::vector<Record> read_all(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<Record> records;
    while (reader.next()) {
        Record r{reader.line(), {}, std::string(reader.syntax_error()), reader.syntax_error_cell()};
        for (std::size_t i = 0; i < reader.size(); ++i) r.cells.emplace_back(reader.cell(i));
        records.push_back(r);
    }
    return records;
}

using Cells = std::vector<std::string>;

TEST(CsvReader, SplitsCellsAndKeepsEmptyOnes) {
    const auto records = read_all("a,b,c\n1,,3\n,,\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].cells, (Cells{"a", "b", "c"}));
    EXPECT_EQ(records[1].cells, (Cells{"1", "", "3"}));
    EXPECT_EQ(records[2].cells, (Cells{"", "", ""}));
}

TEST(CsvReader, QuotedCellsHoldCommasDoubledQuotesAndLineBreaks) {
    const auto records = read_all("\"Si, NPN\",\"say \"\"hi\"\"\",\"two\nlines\"\nnext,\"\"\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].cells, (Cells{"Si, NPN", "say \"hi\"", "two\nlines"}));
    EXPECT_EQ(records[1].cells, (Cells{"next", ""}));
    // The second record starts on line 3: the quoted line break counts.
    EXPECT_EQ(records[1].line, 3u);
    EXPECT_TRUE(records[0].error.empty());
}

TEST(CsvReader, AcceptsCrLfLoneCrAndAMissingFinalLineBreak) {
    const auto records = read_all("a,b\r\n1,2\r3,\"x\r\ny\"\r\nlast,row");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].cells, (Cells{"a", "b"}));
    EXPECT_EQ(records[1].cells, (Cells{"1", "2"}));
    EXPECT_EQ(records[2].cells, (Cells{"3", "x\ny"}));  // a quoted CRLF reads as one line break
    EXPECT_EQ(records[3].cells, (Cells{"last", "row"}));
    EXPECT_EQ(records[3].line, 5u);
}

TEST(CsvReader, SkipsAByteOrderMarkOnlyAtTheStart) {
    const auto records = read_all("\xEF\xBB\xBFref,qty\n\xEF\xBB\xBFx,1\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].cells[0], "ref");
    EXPECT_EQ(records[1].cells[0], "\xEF\xBB\xBFx");
}

TEST(CsvReader, EmptyInputAndBlankLines) {
    EXPECT_TRUE(read_all("").empty());
    EXPECT_TRUE(read_all("\xEF\xBB\xBF").empty());
    const auto records = read_all("a\n\n  \nb\n");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].cells, (Cells{""}));
    EXPECT_EQ(records[3].line, 4u);

    std::istringstream in("x\n , \t,\"\"\n");
    CsvReader reader(in);
    ASSERT_TRUE(reader.next());
    EXPECT_FALSE(reader.blank());
    ASSERT_TRUE(reader.next());
    EXPECT_TRUE(reader.blank());
}

TEST(CsvReader, ReportsBrokenQuotingAndStillGivesTheCells) {
    auto records = read_all("x\na,\"open\nnever closed");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].cells, (Cells{"a", "open\nnever closed"}));
    EXPECT_EQ(records[1].error, "a quoted cell is not closed before the end of the file");
    EXPECT_EQ(records[1].error_cell, 1u);
    EXPECT_EQ(records[1].line, 2u);

    records = read_all("\"ab\"cd,e\nok\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].cells, (Cells{"abcd", "e"}));
    EXPECT_EQ(records[0].error, "text follows the closing quote of a cell");
    EXPECT_EQ(records[0].error_cell, 0u);
    EXPECT_TRUE(records[1].error.empty());  // the next record starts clean

    // A quote inside an unquoted cell is an ordinary character.
    records = read_all("5\" disk,x\n");
    EXPECT_EQ(records[0].cells, (Cells{"5\" disk", "x"}));
    EXPECT_TRUE(records[0].error.empty());
}

TEST(CsvReader, RecordsLongerThanOneReadBlock) {
    const std::string long_cell(kLongestCell, 'x');  // as long as a cell may be, a read block
    const auto records = read_all("a," + long_cell + "\n\"" + long_cell + "\",b\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].cells[1], long_cell);
    EXPECT_EQ(records[1].cells[0], long_cell);
    EXPECT_EQ(records[1].cells[1], "b");
}

// Each cell's span cut out of the input, for every record.
std::vector<Cells> raw_cells(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<Cells> records;
    while (reader.next()) {
        Cells cells;
        for (std::size_t i = 0; i < reader.size(); ++i)
            cells.push_back(text.substr(reader.span(i).begin, reader.span(i).end - reader.span(i).begin));
        records.push_back(cells);
    }
    return records;
}

TEST(CsvReader, SpansCoverEachCellAsWrittenWithoutItsSeparator) {
    const std::string text = "\xEF\xBB\xBF" "a,\"b,\"\"c\"\"\"\r\n"
                             " x ,,\"two\nlines\"\r"
                             "last,\"open";
    EXPECT_EQ(raw_cells(text), (std::vector<Cells>{{"a", "\"b,\"\"c\"\"\""},
                                                   {" x ", "", "\"two\nlines\""},
                                                   {"last", "\"open"}}));
    // Offsets count the byte-order mark; a record beyond the first read block
    // has its offsets in the whole input.
    const std::string long_cell(kLongestCell, 'z');
    std::istringstream in("\xEF\xBB\xBF" "q\n" + long_cell + ",end\n");
    CsvReader reader(in);
    ASSERT_TRUE(reader.next());
    EXPECT_EQ(reader.span(0).begin, 3u);
    ASSERT_TRUE(reader.next());
    EXPECT_EQ(reader.span(1).begin, 3u + 2u + kLongestCell + 1u);
    EXPECT_EQ(reader.span(1).end, reader.span(1).begin + 3u);
}

}  // namespace
}  // namespace gjbz108a::cli
