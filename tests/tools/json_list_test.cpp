// JSON parts lists through the whole prediction: the same list as CSV and as
// JSON gives the same report, and the problems that only JSON has.
#include "json_rendering.h"
#include "prediction.h"

#include "files.h"

#include <gtest/gtest.h>

#include <string>

namespace gjbz108a::cli::test {
namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The shipped examples and a list with problems of every row kind, as CSV and
// as their JSON rendering (each part on its CSV line): the same parts, rates,
// messages and problems, in every format and view.
TEST(JsonList, TheSameListAsCsvAndAsJsonGivesTheSameReport) {
    const std::string with_problems =
        "ref,qty,category,environment,temperature,cycling_rate,style,quality,pins,# notes\n"
        "R1,2,Resistor,1,30,5,RC,B1,,a note\n"
        ",,,,,,,,,section title\n"
        "R2,0,Resistor,99,-300,x,,B9,,\n"
        "U1,1,IC Digital,1,25.5,1e1,,,12345,\n"
        "F1,1,fuses,27,,,,,,\n";
    for (const std::string& list :
         {source_file("examples/board.csv"), source_file("examples/power_rf.csv"), with_problems}) {
        const std::string json = json_rendering(list);
        for (const Format format : {Format::text, Format::csv, Format::json}) {
            for (const View view : {View::parts, View::tables}) {
                const Prediction csv = predict_list(list, "parts.csv", format, view, &calc_item);
                const Prediction from_json = predict_list(json, "parts.json", format, view, &calc_item);
                EXPECT_EQ(from_json.status, csv.status);
                EXPECT_EQ(replaced(from_json.out, "member '", "column '"), csv.out);
                const std::string as_columns = replaced(from_json.diagnostics, "member '", "column '");
                EXPECT_EQ(replaced(as_columns, "parts.json:", "parts.csv:"), csv.diagnostics);
            }
        }
    }
}

// Problems that only JSON has, in the prediction: an unknown member refuses
// nothing until a part gives it a value; a value that no cell takes, and a part
// that is no object, refuse their part. (A member's other problems are those
// of a CSV list's column, above; invalid JSON stops the list as a record beyond
// a bound does, InputLimits' case.)
TEST(JsonList, MembersInThePrediction) {
    const Prediction json = predict_list("[{\"ref\": \"F1\", \"qty\": 1, \"category\": 25, \"environment\": 1, "
                                         "\"colour\": null},\n"
                                         "{\"ref\": \"F2\", \"qty\": [1], \"category\": 25, \"environment\": 1},\n"
                                         "true]",
                                         "list", Format::csv, View::parts, &temperature_as_rate);
    EXPECT_EQ(json.diagnostics,
              "list:1: member 'colour': no category has this field; a part with a value in it is refused\n"
              "list:2: member 'qty': a value is a string, a number or null, not an array\n"
              "list:2: member 'qty': a quantity is required\n"
              "list:3: a part is an object of members, not true\n");
    EXPECT_EQ(json.status, kSomethingRefused);
    EXPECT_NE(json.out.find("parts read 3; computed 1; computed with warnings 0; refused 2"), std::string::npos);
}

}  // namespace
}  // namespace gjbz108a::cli::test
