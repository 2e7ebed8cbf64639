// The Pareto view, over a list whose shares are worked out by hand: the
// stand-in model rates a part at its temperature and refuses EnvironmentCode
// 14 (fake_model.h).
//   M1  METERS  1 x 2    = 2    50 %
//   F1  FUSES   2 x 0.5  = 1    25 %  (read before F2, so ranked before it)
//   F2  FUSES   4 x 0.25 = 1    25 %
//   X1  FUSES   not computed: no share
// Total 4; METERS 2 and FUSES 2 are 50 % each, METERS first by its ItemCode.
#include "tools/command_line.h"

#include "command_run.h"
#include "files.h"
#include "prediction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

const std::string kList = std::string(test::kHeader) +
                          "\n"
                          "F1,2,FUSES,1,0.5,\n"
                          "X1,3,FUSES,14,1,\n"
                          "M1,1,METERS,1,2,\n"
                          "F2,4,FUSES,1,0.25,\n";

test::Prediction pareto(Format format, std::size_t top) {
    return test::predict_list(kList, "parts.csv", format, View::pareto, &test::temperature_as_rate, {.top = top});
}

TEST(Pareto, CategoriesAndPartsBySharePercentages) {
    const test::Prediction text = pareto(Format::text, 0);
    EXPECT_EQ(text.status, kSomethingRefused);
    EXPECT_EQ(text.diagnostics, "parts.csv:3: part 'X1' not computed: Environment not supported\n");
    EXPECT_EQ(text.out, test::source_file("tests/tools/golden/pareto.txt"));

    const std::string json = pareto(Format::json, 0).out;
    for (const char* piece :
         {R"({"category":"METERS","item_code":24,"parts":1,"pieces":1,"qty_x_failure_rate":2,"share_percent":50,)"
          R"("cumulative_percent":50})",
          R"({"category":"FUSES","item_code":25,"parts":2,"pieces":6,"qty_x_failure_rate":2,"share_percent":50,)"
          R"("cumulative_percent":100})",
          R"({"rank":2,"ref":"F1","qty":2,"category":"FUSES","failure_rate":0.5,"qty_x_failure_rate":1,)"
          R"("share_percent":25,"cumulative_percent":75})",
          R"("parts_shown":3,"parts_computed":3,)", R"("total_failure_rate":4,"mtbf_hours":250000,)"})
        EXPECT_NE(json.find(piece), std::string::npos) << piece << '\n' << json;

    const std::string csv = pareto(Format::csv, 0).out;
    EXPECT_NE(csv.find("\n3,F2,4,FUSES,0.25,1,25,100\n"), std::string::npos) << csv;
}

// A top keeps the largest parts; of two equal shares, the one read first.
TEST(Pareto, ATopKeepsTheLargestPartsAndTheCategoriesWhole) {
    const std::string json = pareto(Format::json, 2).out;
    EXPECT_NE(json.find(R"({"rank":1,"ref":"M1")"), std::string::npos) << json;
    EXPECT_NE(json.find(R"({"rank":2,"ref":"F1")"), std::string::npos) << json;
    EXPECT_EQ(json.find(R"("ref":"F2")"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("parts_shown":2,"parts_computed":3,)"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("item_code":25,"parts":2,"pieces":6,)"), std::string::npos) << json;
    EXPECT_NE(pareto(Format::text, 1).out.find("The 1 largest of the 3 computed parts by share"), std::string::npos);
}

// Options that cannot work are refused before any list is read.
TEST(Pareto, ItsOptionsBelongToTheReport) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
        {{"--top", "5", "list.csv"}, "gjbz108a: --top belongs to 'gjbz108a report'\n"},
        {{"report", "--sort", "size", "list.csv"}, "gjbz108a: unknown sort 'size': use category or rate\n"},
        {{"report", "--top", "0", "list.csv"}, "gjbz108a: --top: '0' is out of range (1 to 1000000000)\n"},
        {{"report", "--top", "x", "list.csv"}, "gjbz108a: --top: 'x' is not a number\n"},
        {{"report", "--sort", "category", "--top", "3", "list.csv"},
         "gjbz108a: --top shows the largest parts: it goes with --sort rate\n"},
        {{"report", "--top"}, "gjbz108a: --top needs a value\n"},
    };
    for (const auto& [arguments, err] : cases) {
        const test::CommandRun run = test::run_command(run_command_line, arguments, "", false);
        EXPECT_EQ(run.status, kListUnusable);
        EXPECT_EQ(run.err, err + "Try 'gjbz108a --help'.\n");
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace gjbz108a::cli
