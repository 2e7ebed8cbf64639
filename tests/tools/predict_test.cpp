// Parts lists through predict: the problems the reader names, the exit status
// and pieces of the report; and the hints for a list written as a spreadsheet
// in another locale writes it, and for names and entries typed a little wrong.
#include "prediction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a::cli::test {
namespace {

// Each list alone: what the reader reports (with the hints for a list that a
// spreadsheet of another locale wrote, and for names and entries typed a
// little wrong), the exit status, and pieces of the JSON report ("" when the
// list is unusable and nothing is reported).
TEST(Predict, EveryProblemIsNamedByFileLineAndColumnAndTheOtherPartsGoOn) {
    const std::string fifty(50, 'r');
    const std::string not_a_list =
        "parts.csv:1: not a parts list: the first row names none of the columns ref, qty, category, "
        "environment, temperature, cycling_rate\n";
    const std::string header = std::string(kHeader) + "\n";
    struct Case {
        const char* what;
        std::string list, diagnostics;
        ExitStatus status;
        std::vector<std::string> in_out;
    };
    const std::vector<Case> cases = {
        {"a bad row among good ones",
         "\xEF\xBB\xBF" "ref,qty,category,environment,temperature,cycling_rate,style,quality,pins,# notes\r\n"
         "C1,1,CAPACITOR,1,0.5,,Mica,B1,,\"decoupling, 100 nF\"\r\n"
         "\r\n"                                                 // blank lines are skipped
         "\"C2\nsecond line\",1,CAPACITOR,1,0.5,,Mica,B1,,\r\n" // a row over two lines
         "C3,1,CAPACITOR,abc,0.5,,Mica,Z9,12,\r\n"              // three problems
         "C4,1,7,1,0.25,,5,2,,,extra\r\n"                       // a value beyond the header
         "C5,1,CAPACITOR,1,0.25,,Mica,B2,,\r\n",
         "parts.csv:6: column 'environment': 'abc' is not an environment code (1 to 27), and no environment list "
         "names one (see gjbz108a environments --help)\n"
         "parts.csv:6: column 'quality': 'Z9' is not an entry of the list "
         "(A1p, A1m, A1l, A1w, A2, B1, B2, C1, C2, User)\n"
         "parts.csv:6: column 'pins': a part of category CAPACITOR has no such field; leave the cell empty\n"
         "parts.csv:7: column 11: a value beyond the last column of the header\n",
         kSomethingRefused,
         {"\"ref\":\"C5\",\"qty\":1,\"category\":\"CAPACITOR\",\"failure_rate\":0.25", "\"ref\":\"C2\\u000asecond line\"",
          counts(5, 3, 0, 2)}},
        {"categories by code or name",
         header + "A,1,printed wirining boards,1,0.5,\nB,1,20,1,0.5,\nC,1,4,1,0.5,\nD,1,Printed boards,1,0.5,\n"
                  "E,1,,1,0.5,\n",
         "parts.csv:4: column 'category': '4' is neither a supported ItemCode nor a category name\n"
         "parts.csv:5: column 'category': 'Printed boards' is neither a supported ItemCode nor a category name\n"
         "parts.csv:6: column 'category': a category is required\n",
         kSomethingRefused,
         {"\"ref\":\"B\",\"qty\":1,\"category\":\"PRINTED WIRINING BOARDS\"",
          "\"ref\":\"D\",\"qty\":1,\"category\":\"Printed boards\",\"failure_rate\":null"}},
        {"general columns and their ranges",
         header + fifty + ",9999,25,27,-273.15,0\n" + fifty + "x,10000,25,0,-274,-1\nE,,25,,,\n",
         "parts.csv:3: column 'ref': the reference designator is longer than 50 characters\n"
         "parts.csv:3: column 'qty': '10000' is out of range (1 to 9999)\n"
         "parts.csv:3: column 'environment': '0' is out of range (1 to 27)\n"
         "parts.csv:3: column 'temperature': '-274' is below the lowest value, -273.15\n"
         "parts.csv:3: column 'cycling_rate': '-1' is below the lowest value, 0\n"
         "parts.csv:4: column 'qty': a quantity is required\n"
         "parts.csv:4: column 'environment': an environment code is required\n",
         kSomethingRefused,
         {"\"ref\":\"" + fifty + "x\",\"qty\":null"}},  // a refused row keeps what could be read
        {"short rows", header + "F1,1,FUSES\nF2\n",
         "parts.csv:2: column 'environment': an environment code is required\n"
         "parts.csv:3: column 'category': a category is required\n"
         "parts.csv:3: column 'qty': a quantity is required\n"
         "parts.csv:3: column 'environment': an environment code is required\n",
         kSomethingRefused, {counts(2, 0, 0, 2)}},
        {"a reference with a NUL is refused, not cut short", header + std::string("F1\0F2", 5) + ",1,FUSES,1,0.5,\n",
         "parts.csv:2: column 'ref': the reference designator holds a NUL character\n", kSomethingRefused, {}},
        {"line breaks and control characters: one problem, one line",
         std::string(kHeader) + ",\"a\nb\"\nF1,\"1\r\n2\",FUSES,1,0.5,,\nF2,1,FUSES,1,\"\x01\x7f\t\",,\n",
         "parts.csv:1: column 'a\\nb': no category has this field; a part with a value in it is refused\n"
         "parts.csv:3: column 'qty': '1\\n2' is not a number\n"
         "parts.csv:5: column 'temperature': '\\x01\\x7f' is not a number\n",
         kSomethingRefused, {}},
        {"a long column name is cut in the header's message as in a row's",
         std::string(kHeader) + "," + std::string(50, 'c') + "\nF1,1,FUSES,1,0.5,,x\n",
         "parts.csv:1: column '" + std::string(40, 'c') + "...': no category has this field; a part with a value in "
         "it is refused\n"
         "parts.csv:2: column '" + std::string(40, 'c') + "...': no category has this field\n",
         kSomethingRefused, {}},
        {"broken quoting", header + "\"F1\"x,1,FUSES,1,0.5,\nF2,1,FUSES,1,0.5,\n",
         "parts.csv:2: column 'ref': text follows the closing quote of a cell\n", kSomethingRefused,
         {counts(2, 1, 0, 1)}},
        {"unknown, unnamed and comment columns",
         std::string(kHeader) + ",Qualty,,# remark\n"
                                "F1,1,25,1,0.5,,,,kept out of the record\n"
                                "F2,1,25,1,0.5,,B1,,\n"
                                "F3,1,25,1,0.5,,,x,\n"
                                ",,,,,,,,\"Power section: a note, not a part\"\n",
         "parts.csv:1: column 'Qualty': no category has this field; a part with a value in it is refused; did you "
         "mean 'quality'?\n"
         "parts.csv:3: column 'Qualty': no category has this field\n"
         "parts.csv:4: column 8: a value in a column without a name\n",
         kSomethingRefused, {"\"ref\":\"F1\",\"qty\":1,\"category\":\"FUSES\",\"failure_rate\":0.5", "\"parts_read\":3,"}},
        // Repeated designators and a range's count are warnings: the parts are
        // computed. (Which designators repeat is ReferenceDesignators'.)
        {"repeated references and ranges",
         "REF,qty,category,environment,temperature,cycling_rate\n"
         "R3,1,FUSES,1,0.5,\n"
         " R3 ,1,FUSES,1,0.5,\n"  // blanks around a cell do not count
         "R5-R8,4,FUSES,1,0.5,\n"
         "R7-R9,2,FUSES,1,0.5,5\n"
         "R3,1,FUSES,1,0.5,\n",  // a third one names the first
         "parts.csv:3: column 'REF': 'R3' is also the reference of line 2\n"
         "parts.csv:5: column 'REF': 'R7-R9' and the range of line 4 both include R7\n"
         "parts.csv:5: column 'REF': 'R7-R9' names 3 designators, and qty is 2\n"
         "parts.csv:6: column 'REF': 'R3' is also the reference of line 2\n",
         kAllComputed, {counts(5, 4, 1, 0)}},
        {"a refused part's designator counts too", header + "R1,0,FUSES,1,0.5,\nR1,1,FUSES,1,0.5,\n",
         "parts.csv:2: column 'qty': '0' is out of range (1 to 9999)\n"
         "parts.csv:3: column 'ref': 'R1' is also the reference of line 2\n",
         kSomethingRefused, {counts(2, 1, 0, 1)}},
        {"header without its columns", "ref,quantity,category,temperature,temperature\nR1,1,25,1,2\n",
         "parts.csv:1: column 'quantity': no category has this field; a part with a value in it is refused\n"
         "parts.csv:1: column 'temperature': the column appears twice (also column 4)\n"
         "parts.csv:1: column 'qty': the column is missing\n"
         "parts.csv:1: column 'environment': the column is missing\n"
         "parts.csv:1: column 'cycling_rate': the column is missing\n",
         kListUnusable, {}},
        {"blank lines only", "\n\n", "parts.csv:3: no header row: the first row names the columns\n", kListUnusable, {}},
        {"unclosed quote in the header", std::string("\n") + kHeader + ",\"unclosed\n",
         "parts.csv:2: a quoted cell is not closed before the end of the file\n", kListUnusable, {}},
        {"empty", "", "parts.csv:1: no header row: the first row names the columns\n", kListUnusable, {}},
        {"binary", std::string("\x7f" "ELF\x02\x01\x01\0\0\0,\x03\0>\0\n\xff\xd8\x22,\x01\n", 21), not_a_list,
         kListUnusable, {}},
        {"another table", "name,price\nwidget,3\n", not_a_list, kListUnusable, {}},
        {"UTF-16", std::string("\xff\xfer\0e\0f\0,\0q\0t\0y\0\r\0\n\0", 20),
         "parts.csv:1: the file is UTF-16 text; save the parts list as UTF-8 (or ASCII) CSV\n", kListUnusable, {}},
        // A list as a spreadsheet of another locale writes it.
        {"semicolons", "ref;qty;category;environment;temperature;cycling_rate\nR1;1;5;1;30,5;0\n",
         "parts.csv:1: the columns are separated by ';': save the list as CSV with ',' between the cells and a "
         "decimal point ('.') in numbers\n",
         kListUnusable, {}},
        {"tabs", "ref\tqty\tcategory\tenvironment\ttemperature\tcycling_rate\n",
         "parts.csv:1: the columns are separated by tabs: save the list as CSV with ',' between the cells\n",
         kListUnusable, {}},
        {"one name with a semicolon is no such list", std::string(kHeader) + ",# a;b\nF1,1,FUSES,1,30,0,\n", "",
         kAllComputed, {}},
        {"a decimal comma in a cell", header + "F1,1,FUSES,1,\"30,5\",0\n",
         "parts.csv:2: column 'temperature': '30,5' is not a number; write a decimal point, not a comma: 30.5\n",
         kSomethingRefused, {}},
        {"a decimal comma between cells", header + "F1,1,FUSES,1,30,5,0\n",
         "parts.csv:2: column 7: a value beyond the last column of the header; a decimal comma makes two cells of "
         "a number (30,5): write a decimal point (30.5)\n",
         kSomethingRefused, {}},
        {"cells of digits side by side that are no real", header + "F1,1,25,1,30.5,0.5,7\n",
         "parts.csv:2: column 7: a value beyond the last column of the header\n", kSomethingRefused, {}},
        // Names and entries typed a little wrong (a column's is above).
        {"did you mean",
         std::string(kHeader) + ",quality,style\n"
                                "L1,1,INDUCTIVE DEVICES,1,30,0,B1,\n"
                                "C1,1,CAPACITORS,1,30,0,,\n"
                                "R1,1,Resistor,1,30,0,,Metalfilm\n",
         "parts.csv:2: column 'quality': a part of category INDUCTIVE DEVICES has no such field; leave the cell "
         "empty; did you mean 'transformer_quality' or 'coil_quality'?\n"
         "parts.csv:3: column 'category': 'CAPACITORS' is neither a supported ItemCode nor a category name; did "
         "you mean 'CAPACITOR'?\n"
         "parts.csv:4: column 'style': 'Metalfilm' is not an entry of the list; gjbz108a --list-fields shows its "
         "entries; did you mean 'Metal Film'?\n",
         kSomethingRefused, {}},
    };
    for (const Case& c : cases) {
        const Prediction run = predict_text(c.list);
        EXPECT_EQ(run.diagnostics, c.diagnostics) << c.what;
        EXPECT_EQ(run.status, c.status) << c.what;
        if (c.status == kListUnusable) {
            EXPECT_EQ(run.out, "") << c.what;
        }
        for (const std::string& piece : c.in_out)
            EXPECT_NE(run.out.find(piece), std::string::npos) << c.what << '\n' << piece;
    }
}

}  // namespace
}  // namespace gjbz108a::cli::test
