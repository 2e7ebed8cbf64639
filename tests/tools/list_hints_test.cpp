// What the reader says of a list written as a spreadsheet in another locale
// writes it, and of names and entries typed a little wrong.
#include "prediction.h"

#include <gtest/gtest.h>

#include <string>

namespace gjbz108a::cli {
namespace {

using test::kHeader;
using test::predict_text;

TEST(ListHints, SeparatorsAndDecimalCommas) {
    const struct {
        std::string list, diagnostics;
        ExitStatus status;
    } cases[]{
        {"ref;qty;category;environment;temperature;cycling_rate\nR1;1;5;1;30,5;0\n",
         "parts.csv:1: the columns are separated by ';': save the list as CSV with ',' between the cells and a "
         "decimal point ('.') in numbers\n",
         kListUnusable},
        {"ref\tqty\tcategory\tenvironment\ttemperature\tcycling_rate\n",
         "parts.csv:1: the columns are separated by tabs: save the list as CSV with ',' between the cells\n",
         kListUnusable},
        // One name with a semicolon is no such file.
        {std::string(kHeader) + ",# a;b\nF1,1,FUSES,1,30,0,\n", "", kAllComputed},
        {std::string(kHeader) + "\nF1,1,FUSES,1,\"30,5\",0\n",
         "parts.csv:2: column 'temperature': '30,5' is not a number; write a decimal point, not a comma: 30.5\n",
         kSomethingRefused},
        {std::string(kHeader) + "\nF1,1,FUSES,1,30,5,0\n",
         "parts.csv:2: column 7: a value beyond the last column of the header; a decimal comma makes two cells of "
         "a number (30,5): write a decimal point (30.5)\n",
         kSomethingRefused},
        // Cells of digits side by side that are no real: no such hint.
        {std::string(kHeader) + "\nF1,1,25,1,30.5,0.5,7\n",
         "parts.csv:2: column 7: a value beyond the last column of the header\n", kSomethingRefused},
    };
    for (const auto& c : cases) {
        const test::Prediction run = predict_text(c.list);
        EXPECT_EQ(run.diagnostics, c.diagnostics) << c.list;
        EXPECT_EQ(run.status, c.status) << c.list;
    }
}

TEST(ListHints, DidYouMeanForColumnsCategoriesAndEntries) {
    const test::Prediction run = predict_text(std::string(kHeader) +
                                              ",quality,style,qualty\n"
                                              "L1,1,INDUCTIVE DEVICES,1,30,0,B1,,\n"
                                              "C1,1,CAPACITORS,1,30,0,,,\n"
                                              "R1,1,Resistor,1,30,0,,Metalfilm,\n");
    EXPECT_EQ(run.diagnostics,
              "parts.csv:1: column 'qualty': no category has this field; a part with a value in it is refused; did "
              "you mean 'quality'?\n"
              "parts.csv:2: column 'quality': a part of category INDUCTIVE DEVICES has no such field; leave the cell "
              "empty; did you mean 'transformer_quality' or 'coil_quality'?\n"
              "parts.csv:3: column 'category': 'CAPACITORS' is neither a supported ItemCode nor a category name; did "
              "you mean 'CAPACITOR'?\n"
              "parts.csv:4: column 'style': 'Metalfilm' is not an entry of the list; gjbz108a --list-fields shows its "
              "entries; did you mean 'Metal Film'?\n");
}

}  // namespace
}  // namespace gjbz108a::cli
