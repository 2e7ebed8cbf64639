#include "tools/parts_list/csv_reader.h"
#include "tools/parts_list/input_limits.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

// Every record as "line: cell|cell|...", with " !cell why" after a syntax
// error, and each cell's span cut out of the input as "[text]".
struct Read {
    std::string records, spans;
};

Read read_all(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    Read read;
    while (reader.next()) {
        read.records.append(std::to_string(reader.line())).append(":");
        for (std::size_t i = 0; i < reader.size(); ++i) {
            read.records.append(i ? "|" : " ").append(reader.cell(i));
            read.spans.append("[").append(text, reader.span(i).begin, reader.span(i).end - reader.span(i).begin);
            read.spans.append("]");
        }
        if (!reader.syntax_error().empty())
            read.records.append(" !").append(std::to_string(reader.syntax_error_cell())).append(" ").append(
                reader.syntax_error());
        read.records.append(reader.blank() ? " (blank)\n" : "\n");
        read.spans.append("\n");
    }
    return read;
}

TEST(CsvReader, RecordsCellsLinesAndErrors) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a,b,c\n1,,3\n,,\n", "1: a|b|c\n2: 1||3\n3: || (blank)\n"},
        // Quoted cells hold commas, doubled quotes and line breaks, which count as lines.
        {"\"Si, NPN\",\"say \"\"hi\"\"\",\"two\nlines\"\nnext,\"\"\n", "1: Si, NPN|say \"hi\"|two\nlines\n3: next|\n"},
        // CRLF, a lone CR, a quoted CRLF read as one line break, no final line break.
        {"a,b\r\n1,2\r3,\"x\r\ny\"\r\nlast,row", "1: a|b\n2: 1|2\n3: 3|x\ny\n5: last|row\n"},
        // A byte-order mark is skipped only at the start.
        {"\xEF\xBB\xBFref,qty\n\xEF\xBB\xBFx,1\n", "1: ref|qty\n2: \xEF\xBB\xBFx|1\n"},
        {"", ""},
        {"\xEF\xBB\xBF", ""},
        {"a\n\n  \nb\n , \t,\"\"\n", "1: a\n2:  (blank)\n3:    (blank)\n4: b\n5:  | \t| (blank)\n"},
        // Broken quoting is told and the cells still come back; the next record starts clean.
        {"x\na,\"open\nnever closed",
         "1: x\n2: a|open\nnever closed !1 a quoted cell is not closed before the end of the file\n"},
        {"\"ab\"cd,e\nok\n", "1: abcd|e !0 text follows the closing quote of a cell\n2: ok\n"},
        {"5\" disk,x\n", "1: 5\" disk|x\n"},  // a quote inside an unquoted cell is a character
    };
    for (const auto& [input, records] : cases) EXPECT_EQ(read_all(input).records, records) << input;

    // Spans cover each cell as written, without its separator.
    EXPECT_EQ(read_all("\xEF\xBB\xBF" "a,\"b,\"\"c\"\"\"\r\n x ,,\"two\nlines\"\rlast,\"open").spans,
              "[a][\"b,\"\"c\"\"\"]\n[ x ][][\"two\nlines\"]\n[last][\"open]\n");
}

TEST(CsvReader, RecordsLongerThanOneReadBlock) {
    const std::string long_cell(kLongestCell, 'x');  // as long as a cell may be, a read block
    const Read read = read_all("\xEF\xBB\xBF" "a," + long_cell + "\n\"" + long_cell + "\",b\n");
    EXPECT_EQ(read.records, "1: a|" + long_cell + "\n2: " + long_cell + "|b\n");
    // Offsets count the byte-order mark and lie in the whole input.
    EXPECT_EQ(read.spans, "[a][" + long_cell + "]\n[\"" + long_cell + "\"][b]\n");
}

// Plain lines are read where they lie in the read block; a line across the
// block's edge is read the general way. Both give the same cells and spans.
TEST(CsvReader, PlainLinesAnywhereAroundTheReadBlocksEdges) {
    std::string text, records, spans;
    for (int line = 1; line <= 3000; ++line) {  // about 300 KB: lines end on and across every edge
        records.append(std::to_string(line)).append(":");
        for (int cell = 0; cell <= line % 60; ++cell) {
            const std::string value = cell % 7 == 3 ? "" : std::to_string(line * cell % 1000);
            text.append(cell == 0 ? "" : ",").append(value);
            records.append(cell == 0 ? " " : "|").append(value);
            spans.append("[").append(value).append("]");
        }
        text.append("\n");
        records.append("\n");
        spans.append("\n");
    }
    const Read read = read_all(text);
    EXPECT_EQ(read.records, records);
    EXPECT_EQ(read.spans, spans);
}

// Only a line seen whole in the read block is known to be plain ASCII.
TEST(CsvReader, PlainAsciiOnlyOfLinesSeenWhole) {
    std::istringstream in("a,b\nx,\xC3\xA9\n\"q\",r\nlast");
    CsvReader reader(in);
    std::vector<bool> ascii;
    while (reader.next()) ascii.push_back(reader.plain_ascii());
    EXPECT_EQ(ascii, (std::vector<bool>{true, false, false, false}));
}

}  // namespace
}  // namespace gjbz108a::cli
