// The report tables of `gjbz108a report`: the text laid out from the report
// columns, and the same columns as CSV and JSON.
#include "tools/predict.h"

#include "fake_model.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace gjbz108a::cli {
namespace {

struct Written {
    ExitStatus status;
    std::string out;
};

Written report(const std::string& list, Format format, CalculateFunction calculate = &calc_item) {
    std::istringstream in(list);
    std::ostringstream out, diagnostics;
    const ExitStatus status = predict(in, "parts.csv", format, View::tables, out, diagnostics, calculate);
    return {status, out.str()};
}

const std::string kCapacitors =
    "ref,qty,category,environment,temperature,cycling_rate,style,quality,surface,sealed\n"
    "C1,2,CAPACITOR,1,0.5,,Paper,B1,Chip,With\n"
    "X1,1,Gizmo,1,1,,,,,\n"
    "C2,1,CAPACITOR,1,0.25,,Fine Tuning variable,B2,,\n"  // no PI t and no PI ch
    "C3,1,CAPACITOR,14,1,,Paper,B1,,\n";                  // not computed

TEST(Tables, OneCategoryAsTextByTheCalculation) {
    // The worked example of the digital ICs: Lbase 0.0054, PI t 0.87, PI f
    // 0.0846, the other factors 1; rate 0.0054 x (0.87 + 0.0846) = 0.00515484.
    // At 101 degrees the curve (95, 3.48), (100, 4.1) is extended: PI t = 4.224,
    // rate 0.0054 x (4.224 + 0.0846) = 0.02326644. Sum 2 x 0.00515484 + 0.02326644.
    const Written run = report(
        "ref,qty,category,environment,temperature,cycling_rate,type,tech,package,quality,learning,pins,elements\n"
        "U1,2,IC Digital,1,25,0,Logic,MOS,Package Dual In-Line,B2,Stabilized,16,1000\n"
        "U2,1,IC Digital,1,101,0,Logic,MOS,Package Dual In-Line,B2,Stabilized,16,1000\n",
        Format::text);
    EXPECT_EQ(run.status, kAllComputed);
    EXPECT_EQ(run.out,
              "IC Digital (ItemCode 3)\n"
              "=======================\n"
              "\n"
              "Ref Qty   Tech          Type          # of elements   Active           Package            "
              "Learn fact.  Qual\n"
              "                                                       pins\n"
              "--- --- --------- ----------------- ----------------- ------ --------------------------- "
              "------------ ------\n"
              "U1    2  MOS       Logic             1000              16     Package Dual In-Line        "
              "Stabilized   B2\n"
              "U2    1  MOS       Logic             1000              16     Package Dual In-Line        "
              "Stabilized   B2\n"
              "\n"
              "Ref Qty Failure rate    Lbase      PI  e   PI  q    PI  t      PI  f     PI cyc   PI l  Status\n"
              "        (per 10^6 h)\n"
              "--- --- ------------ ------------ ------- ------- ---------- ---------- -------- ------ --------\n"
              "U1    2   0.00515484      0.0054    1.00    1.00      0.870     0.0846     1.00    1.0  computed\n"
              "U2    1    0.0232664      0.0054    1.00    1.00      4.224     0.0846     1.00    1.0  warnings\n"
              "     For Temperature > 100 the model may be invalid\n"
              "\n"
              "IC Digital: 2 parts, sum of qty x failure rate 0.0335761 per 10^6 hours\n"
              "\n"
              "Total failure rate: 0.0335761 per 10^6 hours (sum of qty x failure rate of the computed parts)\n"
              "Parts read: 2, computed: 1, computed with warnings: 1, refused: 0\n");
}

TEST(Tables, CategoryWithoutParameterColumnsAndPartsOfNoKnownCategory) {
    const Written run = report("ref,qty,category,environment,temperature,cycling_rate\n"
                           "X1,1,Gizmo,1,1,\n"
                           "F1,3,FUSES,1,0.5,\n",
                           Format::text, &test::temperature_as_rate);
    EXPECT_EQ(run.status, kSomethingRefused);
    EXPECT_EQ(run.out,
              "FUSES (ItemCode 25)\n"
              "===================\n"
              "\n"
              "Ref Qty Failure rate Status\n"
              "        (per 10^6 h)\n"
              "--- --- ------------ --------\n"
              "F1    3          0.5 computed\n"
              "\n"
              "FUSES: 1 part, sum of qty x failure rate 1.5 per 10^6 hours\n"
              "\n"
              "Parts of no known category\n"
              "==========================\n"
              "\n"
              "Ref Qty Category Status\n"
              "--- --- -------- ------------\n"
              "X1    1 Gizmo    not computed\n"
              "     column 'category': 'Gizmo' is neither a supported ItemCode nor a category name\n"
              "\n"
              "Total failure rate: 1.5 per 10^6 hours (sum of qty x failure rate of the computed parts)\n"
              "Parts read: 2, computed: 1, computed with warnings: 0, refused: 1\n");
}

TEST(Tables, CsvHasOneSectionPerCategoryWithTheCellsTrimmed) {
    // Lbase 0.5 in 9 characters with 5 decimals, PI e 2 and PI q 0.75 with 2,
    // PI t 1.5 with 3, PI cyc 1.25 with 2, PI ch 3 with 1. Surface and Sealed
    // show "--" when nothing is chosen. Total 2 x 0.5 + 0.25.
    const Written run = report(kCapacitors, Format::csv, &test::with_capacitor_factors);
    EXPECT_EQ(run.status, kSomethingRefused);
    EXPECT_EQ(run.out,
              "ref,qty,category,failure_rate,qty_x_failure_rate,status,messages,"
              "Style,Surface,Sealed,Qual,Lbase,PI e,PI q,PI t,PI cyc,PI ch\n"
              "C1,2,CAPACITOR,0.5,1,computed,,Paper,Chip,With,B1,0.50000,2.00,0.75,1.500,1.25,3.0\n"
              "C2,1,CAPACITOR,0.25,0.25,computed,,Fine Tuning variable,--,--,B2,0.50000,2.00,0.75,,1.25,\n"
              "C3,1,CAPACITOR,,,not computed,Environment not supported,Paper,--,--,B1,,,,,,\n"
              "\n"
              "ref,qty,category,failure_rate,qty_x_failure_rate,status,messages\n"
              "X1,1,Gizmo,,,not computed,column 'category': 'Gizmo' is neither a supported ItemCode nor a "
              "category name\n"
              "\n"
              "total_failure_rate,parts_read,computed,computed_with_warnings,refused\n"
              "1.25,4,2,0,2\n");
}

TEST(Tables, JsonNamesTheColumnsOfEachCategory) {
    const Written run = report(kCapacitors, Format::json, &test::with_capacitor_factors);
    EXPECT_EQ(run.out,
              "{\"categories\":[\n"
              "{\"item_code\":7,\"category\":\"CAPACITOR\","
              "\"parameter_columns\":[\"Style\",\"Surface\",\"Sealed\",\"Qual\"],"
              "\"factor_columns\":[\"Lbase\",\"PI e\",\"PI q\",\"PI t\",\"PI cyc\",\"PI ch\"],\"parts\":[\n"
              "{\"ref\":\"C1\",\"qty\":2,\"category\":\"CAPACITOR\",\"failure_rate\":0.5,\"qty_x_failure_rate\":1,"
              "\"status\":\"computed\",\"messages\":[],"
              "\"parameters\":{\"Style\":\"Paper\",\"Surface\":\"Chip\",\"Sealed\":\"With\",\"Qual\":\"B1\"},"
              "\"factors\":{\"Lbase\":\"0.50000\",\"PI e\":\"2.00\",\"PI q\":\"0.75\",\"PI t\":\"1.500\","
              "\"PI cyc\":\"1.25\",\"PI ch\":\"3.0\"}},\n"
              "{\"ref\":\"C2\",\"qty\":1,\"category\":\"CAPACITOR\",\"failure_rate\":0.25,\"qty_x_failure_rate\":0.25,"
              "\"status\":\"computed\",\"messages\":[],"
              "\"parameters\":{\"Style\":\"Fine Tuning variable\",\"Surface\":\"--\",\"Sealed\":\"--\",\"Qual\":\"B2\"},"
              "\"factors\":{\"Lbase\":\"0.50000\",\"PI e\":\"2.00\",\"PI q\":\"0.75\",\"PI t\":\"\","
              "\"PI cyc\":\"1.25\",\"PI ch\":\"\"}},\n"
              "{\"ref\":\"C3\",\"qty\":1,\"category\":\"CAPACITOR\",\"failure_rate\":null,\"qty_x_failure_rate\":null,"
              "\"status\":\"not computed\",\"messages\":[\"Environment not supported\"],"
              "\"parameters\":{\"Style\":\"Paper\",\"Surface\":\"--\",\"Sealed\":\"--\",\"Qual\":\"B1\"},"
              "\"factors\":null}],\"total_failure_rate\":1.25}\n"
              "],\n"
              "\"unplaced_parts\":[\n"
              "{\"ref\":\"X1\",\"qty\":1,\"category\":\"Gizmo\",\"failure_rate\":null,\"qty_x_failure_rate\":null,"
              "\"status\":\"not computed\",\"messages\":[\"column 'category': 'Gizmo' is neither a supported "
              "ItemCode nor a category name\"]}\n"
              "],\n"
              "\"total_failure_rate\":1.25,\n"
              "\"summary\":{\"parts_read\":4,\"computed\":2,\"computed_with_warnings\":0,\"refused\":2}}\n");

    // Nothing to report still makes whole documents.
    const std::string header = "ref,qty,category,environment,temperature,cycling_rate\n";
    EXPECT_EQ(report(header, Format::json).out,
              "{\"categories\":[],\n\"unplaced_parts\":[],\n\"total_failure_rate\":0,\n"
              "\"summary\":{\"parts_read\":0,\"computed\":0,\"computed_with_warnings\":0,\"refused\":0}}\n");
    EXPECT_EQ(report(header, Format::csv).out,
              "total_failure_rate,parts_read,computed,computed_with_warnings,refused\n0,0,0,0,0\n");
}

}  // namespace
}  // namespace gjbz108a::cli
