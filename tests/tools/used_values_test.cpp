// The values a part is computed with, the defaults among them, --no-defaults,
// the user quality factor's warnings, and the MTBF of a total of 0.
// The fake library's defaults are 1 in every field (fake_library.h); the
// stand-in model rates a part at its temperature (fake_model.h).
#include "prediction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a::cli::test {
namespace {

Prediction run(const std::string& rows, const RunOptions& options, Format format = Format::json) {
    return predict_list(std::string(kHeader) + ",type,tech,package,quality,learning,pins,bits,user_pi_q\n" + rows,
                              "list.csv", format, View::parts, &temperature_as_rate, options);
}

TEST(UsedValues, EveryValueIsShownWithTheDefaultsNamed) {
    const std::string full = "IC Memory,1,0.5,0,SRAM,MOS,Package FLAT,";
    struct Case {
        std::string row;
        bool no_defaults;
        std::string diagnostics;
        std::vector<std::string> in_out;
    };
    const std::vector<Case> cases = {
        {"U1,1," + full + "B1,Stabilized,20,1024,\n", false, "",
         {R"("parameters":{"type":"SRAM","tech":"MOS","package":"Package FLAT","quality":"B1",)"
          R"("learning":"Stabilized","pins":20,"bits":1024},"defaulted":[])"}},
        // The fake default of every field is 1: entry 1 of a list. The check
        // refuses the one pin, and the values show why.
        {"U2,1,IC Memory,1,0.5,0,DRAM,,,A3,,,1024.5,\n", false,
         "list.csv:2: part 'U2' not computed: Number of pins for this package must be between  4 to 100\n",
         {R"("tech":"Bipolar","package":"Package Dual In-Line","quality":"A3","learning":"Stabilized","pins":1,)"
          R"("bits":1024.5},"defaulted":["tech","package","learning","pins"])"}},
        {"U3,1," + full + "User,Stabilized,20,1024,2.5\n", false, "",
         {R"("user_pi_q":2.5},"defaulted":[])"}},
        {"U4,1," + full + "User,Stabilized,20,1024,\n", false,
         "list.csv:2: column 'user_pi_q': part 'U4': the quality is User, but no user_pi_q is given: the "
         "component library's default is used\n",
         {R"("user_pi_q":1},"defaulted":["user_pi_q"])"}},
        {"U5,1," + full + "B1,Stabilized,20,1024,2.5\n", false,
         "list.csv:2: column 'user_pi_q': part 'U5': a user_pi_q is given, but the quality is not User: it is "
         "not used\n",
         {R"("bits":1024},"defaulted":[])"}},
        {"U6,1,IC Memory,1,0.5,0,SRAM,MOS,,B1,Stabilized,,1024,\n", true,
         "list.csv:2: part 'U6': no value for package, pins; --no-defaults refuses the component library's "
         "defaults\n",
         {R"("parameters":null,"defaulted":null)", counts(1, 0, 0, 1)}},
        // A user quality factor that no model reads is no default to refuse.
        {"U7,1," + full + "B1,Stabilized,20,1024,\n", true, "", {counts(1, 1, 0, 0)}},
    };
    for (const Case& c : cases) {
        const Prediction p = run(c.row, {.no_defaults = c.no_defaults});
        EXPECT_EQ(p.diagnostics, c.diagnostics) << c.row;
        for (const std::string& piece : c.in_out) EXPECT_NE(p.out.find(piece), std::string::npos) << piece << '\n' << p.out;
    }
}

// The MTBF of a total of 0 is none. (The MTBF over the computed parts, and the
// pieces counted, are in the goldens of outputs_test.)
TEST(UsedValues, TheMtbfOfATotalOfZeroIsNone) {
    const std::string rows = "A,2,IC Memory,1,0,0,SRAM,MOS,Package FLAT,B1,Stabilized,20,1024,\n";
    EXPECT_NE(run(rows, {}, Format::text).out.find("MTBF: none (the total failure rate is 0), over all 1 part (2 "
                                                   "pieces)\n"),
              std::string::npos);
    EXPECT_NE(run(rows, {}).out.find(R"("mtbf_hours":null,)"), std::string::npos);
}

}  // namespace
}  // namespace gjbz108a::cli::test
