// One record beyond the bounds of a cell or a row stops the reading with its
// line and the bound, after the parts before it; diagnostics quote only the
// start of a long cell; and a file without a line break runs in bounded memory.
#include "tools/parts_list/input_limits.h"

#include "prediction.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include "tool_shell.h"
#endif

#include <string>

namespace gjbz108a::cli {
namespace {

test::Prediction predict_text(const std::string& name, const std::string& text) {
    return test::predict_list(text, name, Format::csv, View::parts, &calc_item);
}

const std::string kHeader = "ref,qty,category,environment,temperature,cycling_rate,# note\n";
const std::string kFuse = "F1,1,FUSES,1,30,5,\n";
const std::string kCellLimit = "a cell is longer than 65536 bytes (64 KiB), the most one may hold; the list is read no "
                               "further\n";

TEST(InputLimits, ARecordBeyondABoundStopsTheReadingAtItsLine) {
    const std::string longest(kLongestCell, 'n'), too_long(kLongestCell + 1, 'n');
    const std::string commas(kLongestRow, ',');
    const std::string json_part = "{\"ref\": \"F1\", \"qty\": 1, \"category\": \"FUSES\", \"environment\": 1, "
                                  "\"temperature\": 30, \"cycling_rate\": 5";
    std::string wide_part = "{";
    for (int i = 0; i < 17; ++i) wide_part += "\"# " + std::to_string(i) + "\": \"" + longest + "\", ";
    struct Case {
        const char* name;
        std::string text;
        std::string diagnostics;  // empty: the list is read whole
    };
    const Case cases[] = {
        {"list.csv", kHeader + kFuse + "F2,1,FUSES,1,30,5," + longest + "\n", ""},
        {"list.csv", kHeader + kFuse + "F2,1,FUSES,1,30,5," + too_long + "\n", "list.csv:3: " + kCellLimit},
        {"list.csv", kHeader + kFuse + "F2,1,FUSES,1,30,5,\"" + too_long + "\"\n", "list.csv:3: " + kCellLimit},
        {"list.csv", kHeader + kFuse + "F2,1,FUSES,1,30,5" + commas + "\n",
         "list.csv:3: a row is longer than 1048576 bytes (1024 KiB), the most one may hold; the list is read no "
         "further\n"},
        {"list.csv", too_long, "list.csv:1: " + kCellLimit},
        {"list.json", "[" + json_part + "},\n" + json_part + ", \"# note\": \"" + too_long + "\"}]",
         "list.json:2: a value is longer than 65536 bytes (64 KiB), the most one may hold; the list is read no "
         "further\n"},
        {"list.json", "[" + json_part + "},\n" + json_part + ", \"# note\": 1" + std::string(kLongestCell, '0') + "}]",
         "list.json:2: a value is longer than 65536 bytes (64 KiB), the most one may hold; the list is read no "
         "further\n"},
        {"list.json", "[" + json_part + "},\n" + wide_part + "\"ref\": \"F2\"}]",
         "list.json:2: a part is longer than 1048576 bytes (1024 KiB), the most one may hold; the list is read no "
         "further\n"},
    };
    for (const auto& [name, text, diagnostics] : cases) {
        const test::Prediction run = predict_text(name, text);
        EXPECT_EQ(run.diagnostics, diagnostics) << name << " " << text.size();
        EXPECT_EQ(run.status, diagnostics.empty() ? kAllComputed : kListUnusable) << name << " " << text.size();
        // The part before the long record is computed and written.
        if (text.size() > kLongestCell + 1) {
            EXPECT_NE(run.out.find("F1,1,FUSES"), std::string::npos) << name;
        }
    }
}

TEST(InputLimits, DiagnosticsQuoteTheStartOfALongCell) {
    const std::string forty = "0123456789abcdefghij0123456789abcdefghij";
    const test::Prediction run = predict_text("list.csv", kHeader + "F1,1," + forty + "\xC3\xA9" + std::string(60000, 'x') +
                                                        ",1,30,5,\nF2,1," + forty.substr(0, 30) + ",1,30,5,\n");
    EXPECT_EQ(run.diagnostics, "list.csv:2: column 'category': '" + forty +
                                   "...' is neither a supported ItemCode nor a category name\n"
                                   "list.csv:3: column 'category': '" + forty.substr(0, 30) +
                                   "' is neither a supported ItemCode nor a category name\n");
    // A character is not cut in two: with one more byte before it, the
    // two-byte é would straddle the cut and is left out whole.
    const test::Prediction cut = predict_text("list.csv", kHeader + "F1,1,_" + forty + "\xC3\xA9" + std::string(60000, 'x') +
                                                        ",1,30,5,\n");
    EXPECT_NE(cut.diagnostics.find("'_" + forty.substr(0, 39) + "...'"), std::string::npos) << cut.diagnostics;
}

// Through the POSIX shell; the address sanitizer reserves more address space
// than the limit.
#if !defined(__SANITIZE_ADDRESS__) && !defined(_WIN32)
TEST(InputLimits, AFileWithoutALineBreakRunsInBoundedMemory) {
    // 512 MB of address space and 20 s: a reader that kept the line would
    // run out of either.
    const test::CommandRun run = test::shell("ulimit -v 524288; timeout 20 TOOL /dev/zero");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "/dev/zero:1: " + kCellLimit);
}
#endif

}  // namespace
}  // namespace gjbz108a::cli
