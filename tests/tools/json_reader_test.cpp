#include "tools/parts_list/json_reader.h"
#include "tools/parts_list/input_limits.h"
#include "tools/parts_list/list_format.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

struct ReadPart {
    unsigned long line;
    std::map<std::string, std::string> cells;  // the non-empty ones, by member name
    std::string error;                         // "member: why" or "why"
};

struct ReadList {
    std::vector<ReadPart> parts;
    std::string diagnostics;
    bool stopped;
};

ReadList read_all(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream out;
    Diagnostics diagnostics("parts.json", out);
    JsonReader reader(in, diagnostics);
    ReadList list;
    while (reader.next()) {
        ReadPart part{reader.line(), {}, ""};
        for (std::size_t column = 0; column < reader.size(); ++column) {
            std::string name(reader.layout().name(column));
            // A member keeps its own line; an absent one has its part's.
            const unsigned long line = reader.cell_line(column);
            if (line != reader.line()) name.append("@").append(std::to_string(line));
            if (!reader.cell(column).empty()) part.cells[name] = reader.cell(column);
            else EXPECT_EQ(line, reader.line()) << name;
        }
        if (!reader.syntax_error().empty()) {
            if (reader.syntax_error_cell() != Row::kWholeRow)
                part.error = std::string(reader.layout().name(reader.syntax_error_cell())) + ": ";
            part.error += reader.syntax_error();
        }
        list.parts.push_back(part);
    }
    list.diagnostics = out.str();
    list.stopped = reader.stopped();
    return list;
}

using Cells = std::map<std::string, std::string>;

// The non-empty cells of every part, as "line: name=value, ...", a name with
// "@line" when its member is on a later line than the part's start.
std::string parts_of(const std::string& text) {
    std::string all;
    for (const ReadPart& part : read_all(text).parts) {
        all += std::to_string(part.line) + ":";
        for (const auto& [name, value] : part.cells) all += " " + name + "=" + value;
        all += "\n";
    }
    return all;
}

TEST(JsonReader, PartsTheirCellsAndLines) {
    const std::string part = R"({"ref": "R1", "qty": 2})";
    const std::vector<std::pair<std::string, std::string>> cases = {
        // An array, or the member "parts" of an object, whatever the other members hold.
        {"[" + part + "]", "1: qty=2 ref=R1\n"},
        {"\xEF\xBB\xBF [" + part + "]\n", "1: qty=2 ref=R1\n"},
        {R"({"parts": [)" + part + "]}", "1: qty=2 ref=R1\n"},
        {R"({"title": "board", "rev": [1, {"a": null}], "parts": [)" + part + R"(], "notes": {"x": [true, false]}})",
         "1: qty=2 ref=R1\n"},
        {"[]", ""}, {" [ ] ", ""}, {R"({"parts": []})", ""}, {"[{}]", "1:\n"},
        // Lines after CRLF, a lone CR and LF.
        {"[\r\n{\"ref\": \"A\",\r\n \"qty\": 1},\r{\"ref\": \"B\"},\n\n  {\n\"ref\": \"C\"}]",
         "2: qty@3=1 ref=A\n4: ref=B\n6: ref@7=C\n"},
        // Escapes and surrogate pairs become UTF-8; a NUL stays in the text.
        {R"([{"ref": "\"\\\/\b\f\n\r\t", "# a": "\u0041\u00e9\u20AC\uD834\uDD1E\ud83d\ude00", "# b": "a\u0000b"}])",
         "1: # a=A\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E\xF0\x9F\x98\x80 # b=" + std::string("a\0b", 3) +
             " ref=\"\\/\b\f\n\r\t\n"},
        // Numbers as written.
        {R"([{"# a": 0, "# b": -0.50, "# c": 1E+3, "# d": 2.0e-07, "# e": 12345678901234567890}])",
         "1: # a=0 # b=-0.50 # c=1E+3 # d=2.0e-07 # e=12345678901234567890\n"},
        // null is an empty cell; member names match without regard to letter case.
        {R"([{"ref": "A", "qty": null}, {"Qty": 3, "pins": 8, "# note": "x"}])", "1: ref=A\n1: # note=x pins=8 qty=3\n"},
    };
    for (const auto& [text, parts] : cases) {
        EXPECT_EQ(parts_of(text), parts) << text;
        const ReadList list = read_all(text);
        EXPECT_EQ(list.diagnostics, "") << text;
        EXPECT_FALSE(list.stopped) << text;
    }
}

TEST(JsonReader, ValuesNoCellTakesRefuseTheirPartAndTheNextIsRead) {
    const ReadList list = read_all(
        R"([{"ref": "A", "qty": true}, {"qty": false}, {"pins": [1, [2]]}, {"pins": {"a": {}}}, )"
        R"({"qty": 1, "QTY": 2}, "R9", 5, null, [], {"ref": "B"}])");
    ASSERT_EQ(list.parts.size(), 10u);
    EXPECT_EQ(list.parts[0].error, "qty: a value is a string, a number or null, not true");
    EXPECT_EQ(list.parts[0].cells, (Cells{{"ref", "A"}}));
    EXPECT_EQ(list.parts[1].error, "qty: a value is a string, a number or null, not false");
    EXPECT_EQ(list.parts[2].error, "pins: a value is a string, a number or null, not an array");
    EXPECT_EQ(list.parts[3].error, "pins: a value is a string, a number or null, not an object");
    EXPECT_EQ(list.parts[4].error, "qty: the member appears twice in the part");
    EXPECT_EQ(list.parts[4].cells, (Cells{{"qty", "1"}}));
    EXPECT_EQ(list.parts[5].error, "a part is an object of members, not a string");
    EXPECT_EQ(list.parts[6].error, "a part is an object of members, not a number");
    EXPECT_EQ(list.parts[7].error, "a part is an object of members, not null");
    EXPECT_EQ(list.parts[8].error, "a part is an object of members, not an array");
    EXPECT_EQ(list.parts[9].error, "");
    EXPECT_FALSE(list.stopped);
    EXPECT_EQ(list.diagnostics, "");  // the part reader reports these
}

// Text that is not JSON stops the reading; the parts before it come back.
TEST(JsonReader, InvalidJsonStopsWithItsLineAndWhy) {
    struct Case {
        std::string text, diagnostic;
        std::size_t parts_before;
    };
    const std::vector<Case> cases{
        {"", "parts.json:1: the file is empty: a parts list is an array of part objects or an object with a "
             "\"parts\" array", 0},
        {"\"ref\"", "parts.json:1: a parts list is an array of part objects or an object with a \"parts\" array", 0},
        {"{\"title\": \"x\"}", "parts.json:1: the object has no \"parts\" member: a parts list is an array of part "
                               "objects or an object with a \"parts\" array", 0},
        {"{\"parts\": {}}", "parts.json:1: \"parts\" is an array of part objects, not an object", 0},
        {"{\"parts\": [], \"parts\": []}", "parts.json:1: the member \"parts\" appears twice", 0},
        {"[{\"ref\": \"A\"}\n{\"ref\": \"B\"}]", "parts.json:2: ',' or ']' after a part is expected, not '{'", 1},
        {"[{\"ref\": \"A\"},]", "parts.json:1: a part is expected after ','; a comma does not end the list", 1},
        {"[{\"ref\": \"A\"},\n{\"ref\": \"B\"", "parts.json:2: ',' or '}' after a member is expected, but the file "
                                               "ends", 1},
        {"[{\"ref\": \"A\" \"qty\": 1}]", "parts.json:1: ',' or '}' after a member is expected, not '\"'", 0},
        {"[{ref: 1}]", "parts.json:1: a member name in double quotes is expected, not 'r'", 0},
        {"[{\"ref\", 1}]", "parts.json:1: ':' after the member name is expected, not ','", 0},
        {"[{\"ref\": 1,}]", "parts.json:1: a member name in double quotes is expected, not '}'", 0},
        {"[{\"ref\": R1}]", "parts.json:1: 'R1' is no JSON value: a text is written in double quotes", 0},
        {"[{\"ref\": +1}]", "parts.json:1: a value is expected, not '+'", 0},
        {"[{\"qty\": 05}]", "parts.json:1: a number does not start with 0 unless it is 0 or 0.x: write 5, not 05", 0},
        {"[{\"qty\": 5.}]", "parts.json:1: a decimal point is followed by a digit in JSON: write 5 or 5.0, not 5.", 0},
        {"[{\"qty\": -}]", "parts.json:1: '-' is not followed by a digit", 0},
        {"[{\"qty\": 1e}]", "parts.json:1: an exponent needs a digit", 0},
        {"[{\"ref\": \"a\nb\"}]", "parts.json:1: a string does not end on its line: a line break in it is written \\n", 0},
        {"[{\"ref\": \"a\tb\"}]", "parts.json:1: a control character in a string is written as an escape (\\t, "
                                 "\\u0001, ...)", 0},
        {"[{\"ref\": \"a\\x\"}]", "parts.json:1: '\\x' is no escape of JSON", 0},
        {"[{\"ref\": \"\\u00g0\"}]", "parts.json:1: \\u is followed by four hexadecimal digits", 0},
        {"[{\"ref\": \"\\uDC00\"}]", "parts.json:1: \\uDC00 is the second half of a surrogate pair, without a first "
                                    "half before it", 0},
        {"[{\"ref\": \"\\ud800x\"}]", "parts.json:1: \\uD800 is the first half of a surrogate pair, without a "
                                     "\\uDC00 to \\uDFFF after it", 0},
        {"[{\"ref\": \"\\uD800\\u0041\"}]", "parts.json:1: \\uD800 is the first half of a surrogate pair, but \\u0041 "
                                           "is no second half", 0},
        {"[{\"ref\": \"abc", "parts.json:1: the file ends inside a string", 0},
        {"[{\"ref\": \"A\"}] x", "parts.json:1: text follows the end of the parts list", 1},
        {"[{\"pins\": [[[[\x01]]]]}]", "parts.json:1: a value is expected, not the byte 0x01", 0},
        {"[{\"pins\": " + std::string(600, '[') + "}]", "parts.json:1: arrays and objects are nested more than 512 deep",
         0},
    };
    for (const Case& c : cases) {
        const ReadList list = read_all(c.text);
        EXPECT_TRUE(list.stopped) << c.text;
        EXPECT_EQ(list.diagnostics, c.diagnostic + "\n") << c.text;
        EXPECT_EQ(list.parts.size(), c.parts_before) << c.text;
    }
}

TEST(JsonReader, ListsThatNameEverNewMembersStop) {
    std::string text = "[";
    for (int i = 0; i < 2100; ++i) text += "{\"# " + std::to_string(i) + "\": 1},\n";
    const ReadList list = read_all(text + "{}]");
    EXPECT_TRUE(list.stopped);
    EXPECT_EQ(list.parts.size(), 2038u);  // the general and name columns are the first ten of 2048
    EXPECT_EQ(list.diagnostics, "parts.json:2039: more than 2048 different member names: no parts list has so many "
                                "columns\n");
}

TEST(JsonReader, PartsLongerThanOneReadBlock) {
    const std::string long_ref(kLongestCell, 'r');
    std::string notes;
    for (int i = 0; i < 20; ++i) notes += "\"# " + std::to_string(i) + "\": \"" + std::string(5000, 'n') + "\", ";
    // A surrogate pair and a number straddle the 64 KiB block boundaries of
    // the many parts before the last.
    std::string text = "[";
    for (int i = 0; i < 3000; ++i) text += "{\"ref\": \"\\ud83d\\ude00\", \"qty\": 12345},\n";
    text += "{" + notes + "\"ref\": \"" + long_ref + "\", \"qty\": 7}]";
    const ReadList list = read_all(text);
    ASSERT_EQ(list.parts.size(), 3001u);
    for (int i = 0; i < 3000; ++i) ASSERT_EQ(list.parts[i].cells, (Cells{{"ref", "\xF0\x9F\x98\x80"}, {"qty", "12345"}}));
    EXPECT_EQ(list.parts.back().cells.at("ref"), long_ref);
    EXPECT_EQ(list.parts.back().cells.at("qty"), "7");
    EXPECT_EQ(list.parts.back().line, 3001u);
}

TEST(ListFormat, TheExtensionTellsOrElseTheFirstByteThatIsNotBlank) {
    EXPECT_EQ(format_by_name("a/parts.JSON"), ListFormat::json);
    EXPECT_EQ(format_by_name("parts.csv"), std::nullopt);
    EXPECT_EQ(format_by_name("parts.txt"), std::nullopt);
    EXPECT_EQ(format_by_name(".json"), std::nullopt);
    EXPECT_EQ(format_by_content("\xEF\xBB\xBF \r\n\t[{}]"), ListFormat::json);
    EXPECT_EQ(format_by_content("\n{"), ListFormat::json);
    EXPECT_EQ(format_by_content("ref,qty"), ListFormat::csv);
    EXPECT_EQ(format_by_content(""), ListFormat::csv);
    // That the probe gives the bytes it looked at back to the reader shows in
    // a run (tool_run_test: JSON on standard input after blank lines).
}

}  // namespace
}  // namespace gjbz108a::cli
