// What predict writes, one golden file per view and format in golden/, over
// lists whose every number is worked out by hand: the stand-in model rates a
// part at its temperature, warns when it cycles and refuses EnvironmentCode 14
// (fake_model.h); capacitors show the factors 0.5, 2, 0.75, 1.5, 1.25 and 3.
//
// Parts: 3 x 0.125 + 1 x 0.25 (warns) + 2 x 0.5 + 2 x 0.5 + 1 x 0.25 = 2.875;
// "say "x"" and C3 are not computed, R5 is refused. The variable capacitor C2
// has no PI t and no PI ch.
// Tables: 2 x 0.5 + 1 x 0.25 + 3 x 0.5 = 2.75; Surface and Sealed show "--"
// when nothing is chosen; the Gizmo has no category.
#include "files.h"
#include "prediction.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace gjbz108a::cli::test {
namespace {

const std::string kParts = std::string(kHeader) +
                           ",style,quality\n"
                           "F1,3,FUSES,1,0.125,,,\n"
                           "LONG-DESIGNATOR,1,24,1,0.25,5,,\n"
                           "\"J1, J2\",2,fuses,1,0.5,,,\n"
                           "\"say \"\"x\"\"\",1,25,14,0.5,,,\n"
                           "R5,0,25,1,1000,,,\n"
                           "C1,2,CAPACITOR,1,0.5,,Paper,B1\n"
                           "C2,1,CAPACITOR,1,0.25,,Fine Tuning variable,B2\n"
                           "C3,1,CAPACITOR,14,1,,Paper,B1\n";

const std::string kTables = std::string(kHeader) +
                            ",style,quality,surface,sealed\n"
                            "C1,2,CAPACITOR,1,0.5,,Paper,B1,Chip,With\n"
                            "X1,1,Gizmo,1,1,,,,,\n"
                            "C2,1,CAPACITOR,1,0.25,,Fine Tuning variable,B2,,\n"
                            "C3,1,CAPACITOR,14,1,,Paper,B1,,\n"
                            "F1,3,FUSES,1,0.5,,,,,\n";

TEST(Outputs, EveryViewInEveryFormat) {
    const std::pair<Format, const char*> formats[] = {{Format::text, "txt"}, {Format::csv, "csv"}, {Format::json, "json"}};
    for (const auto& [format, extension] : formats) {
        for (const View view : {View::parts, View::tables}) {
            const std::string name = std::string(view == View::parts ? "parts." : "tables.") + extension;
            const Prediction run =
                predict_list(view == View::parts ? kParts : kTables, "parts.csv", format, view,
                                   &with_capacitor_factors);
            EXPECT_EQ(run.status, kSomethingRefused) << name;
            // Every refusal, the model's too, on the error stream.
            EXPECT_EQ(run.diagnostics, view == View::parts
                                           ? "parts.csv:5: part 'say \"x\"' not computed: Environment not supported\n"
                                             "parts.csv:6: column 'qty': '0' is out of range (1 to 9999)\n"
                                             "parts.csv:9: part 'C3' not computed: Environment not supported\n"
                                           : "parts.csv:3: column 'category': 'Gizmo' is neither a "
                                             "supported ItemCode nor a category name\n"
                                             "parts.csv:5: part 'C3' not computed: Environment not supported\n")
                << name;
            EXPECT_EQ(run.out, source_file("tests/tools/golden/" + name)) << name;
        }
    }
}

// The Pareto view's shares, worked out by hand:
//   M1  METERS  1 x 2    = 2    50 %
//   F1  FUSES   2 x 0.5  = 1    25 %  (read before F2, so ranked before it)
//   F2  FUSES   4 x 0.25 = 1    25 %
//   X1  FUSES   not computed: no share
// Total 4; METERS 2 and FUSES 2 are 50 % each, METERS first by its ItemCode.
const std::string kPareto = std::string(kHeader) +
                            "\n"
                            "F1,2,FUSES,1,0.5,\n"
                            "X1,3,FUSES,14,1,\n"
                            "M1,1,METERS,1,2,\n"
                            "F2,4,FUSES,1,0.25,\n";

Prediction pareto(Format format, std::size_t top) {
    return predict_list(kPareto, "parts.csv", format, View::pareto, &temperature_as_rate, {.top = top});
}

// A top keeps the largest parts, of two equal shares the one read first, and
// the categories whole: with a top of 2, M1 and F1, and FUSES with both its parts.
TEST(Pareto, CategoriesAndPartsBySharePercentages) {
    const std::tuple<Format, std::size_t, const char*> runs[] = {{Format::text, 0, "pareto.txt"},
                                                                 {Format::csv, 0, "pareto.csv"},
                                                                 {Format::json, 0, "pareto.json"},
                                                                 {Format::json, 2, "pareto-top2.json"}};
    for (const auto& [format, top, name] : runs) {
        const Prediction run = pareto(format, top);
        EXPECT_EQ(run.status, kSomethingRefused) << name;
        EXPECT_EQ(run.diagnostics, "parts.csv:3: part 'X1' not computed: Environment not supported\n") << name;
        EXPECT_EQ(run.out, source_file(std::string("tests/tools/golden/") + name)) << name;
    }
    EXPECT_NE(pareto(Format::text, 1).out.find("The 1 largest of the 3 computed parts by share"), std::string::npos);
}

}  // namespace
}  // namespace gjbz108a::cli::test
