// Runs the built command-line host as a user does: its arguments, its files,
// its standard streams and its exit status. What it prints is checked in
// detail by the in-process tests and the models by their own; here one whole
// run with the models and the shipped library, and what only a run shows.
#include "tool_shell.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

using test::read_file;
using test::shell;
using test::CommandRun;

std::string write_list(const std::string& name, const std::string& text) {
    test::write_in_run_folder(name, text);
    return name;
}

// `environment` goes before the command: "TALWEN_DB=... ".
CommandRun run_tool(const std::string& arguments, const std::string& environment = "") {
    return shell(environment + "TOOL " + arguments);
}

const std::string kHeader = "ref,qty,category,environment,temperature,cycling_rate";

TEST(ToolRun, EmptyCellsAndNamedPartsComeFromTheShippedLibrary) {
    // The test process's own library (TALWEN_DB) starts as the shipped one. At
    // EnvironmentCode 1: the fuse of the starter library 0.0017, two of them
    // 0.0034; a SAW device with its quality left empty takes the default B2:
    // 1 x 0.013 x 1 = 0.013; the starter library's SAW filter is B2, but the
    // row's B1 overrides it: 1 x 0.013 x 0.7 = 0.0091; the incandescent lamp
    // of the starter library 0.2. Total 0.0034 + 0.013 + 0.0091 + 0.2 = 0.2255.
    const std::string list = write_list("library.csv", kHeader + ",generic_name,quality\n"
                                                                 "F1-F2,2,FUSES,1,25,0,FUSE 1A FAST-ACTING,\n"
                                                                 "FL1,1,SURFACE ACCOUSTIC WAVE,1,25,0,,\n"
                                                                 "FL2,1,SURFACE ACCOUSTIC WAVE,1,25,0,saw filter 433mhz,B1\n"
                                                                 "DS1,1,LAMPS INCANDESCENT,1,25,0,LAMP INCANDESCENT 28V,\n"
                                                                 "F3,1,FUSES,1,25,0,NO SUCH FUSE,\n");
    const CommandRun run = run_tool(list);
    EXPECT_EQ(run.status, 1);
    const std::string why = "column 'generic_name': the component library has no part of category FUSES under the "
                            "generic name 'NO SUCH FUSE'\n";
    EXPECT_EQ(run.err, list + ":6: " + why);
    EXPECT_EQ(run.out,
              "Ref         Qty  Category                     Failure rate    Qty x rate  Status\n"
              "                                              (per 10^6 h)  (per 10^6 h)\n"
              "F1-F2         2  FUSES                              0.0017        0.0034  computed\n"
              "FL1           1  SURFACE ACCOUSTIC WAVE              0.013         0.013  computed\n"
              "                    quality\n"
              "                    B2*\n"
              "                  Lbase   PI  e   PI  q\n"
              "                  0.013    1.00    1.00\n"
              "FL2           1  SURFACE ACCOUSTIC WAVE             0.0091        0.0091  computed\n"
              "                    quality\n"
              "                    B1\n"
              "                  Lbase   PI  e   PI  q\n"
              "                  0.013    1.00    0.70\n"
              "DS1           1  LAMPS INCANDESCENT                    0.2           0.2  computed\n"
              "                    type\n"
              "                    Incandescent\n"
              "F3            1  FUSES                                                    not computed\n"
              "            " + why +
              "\n"
              "Total failure rate: 0.2255 per 10^6 hours (sum of qty x failure rate of the computed parts)\n"
              "MTBF: 4434590 hours (10^6 / total failure rate), over the 4 computed parts (5 pieces); it leaves out "
              "the 1 part not computed (1 piece)\n"
              "Parts read: 5 (6 pieces), computed: 4, computed with warnings: 0, refused: 1\n"
              "Parts that took a value from the component library's defaults: 1 (such values are marked *)\n");
}

TEST(ToolRun, ChangeWritesTheChangedListOrNothing) {
    const std::string original = kHeader + ",style,quality,# note\n"
                                           "C1,1,CAPACITOR,1,30,5,Mica,B1,\"a note, kept\"\n"
                                           "R1,1,Resistor,1,30,5,Chip Film,B1,\n";
    const std::string list = write_list("change.csv", original);
    CommandRun run = run_tool("change change.csv --where category=7 quality=B1 --set quality=B2 -o changed.csv");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "gjbz108a change: CAPACITOR parts matched: 1, changed: 1\n");
    EXPECT_EQ(read_file((test::run_folder() / "changed.csv").string()), kHeader + ",style,quality,# note\n"
                                            "C1,1,CAPACITOR,1,30,5,Mica,B2,\"a note, kept\"\n"
                                            "R1,1,Resistor,1,30,5,Chip Film,B1,\n");

    // To standard output, and over the list itself.
    const std::string resistor_c = original.substr(0, original.find("R1")) + "R1,1,Resistor,1,30,5,Chip Film,C,\n";
    EXPECT_EQ(run_tool("change change.csv --category Resistor --set quality=C").out, resistor_c);
    EXPECT_EQ(run_tool("change change.csv --category Resistor --set quality=C -o change.csv").status, 0);
    EXPECT_EQ(read_file((test::run_folder() / list).string()), resistor_c);

    // Nothing is written for a bad argument or a list with a problem.
    EXPECT_EQ(run_tool("change change.csv --category 7 --set quality=B9 -o never.csv").status, 2);
    const std::string broken = write_list("broken.csv", original + "C2,1,CAPACITOR,1,30,5,Mica,B9,\n");
    run = run_tool("change broken.csv --category 7 --set quality=B2 -o never.csv");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, broken + ":4: column 'quality': 'B9' is not an entry of the list (A1p, A1m, A1l, A1w, A2, "
                                "B1, B2, C1, C2, User)\ngjbz108a change: nothing written\n");
    EXPECT_FALSE(std::filesystem::exists(test::run_folder() / "never.csv"));
}

TEST(ToolRun, APartAddedToTheLibraryIsNamedInAList) {
    // A fuse and a neon lamp kept under names of our own. At EnvironmentCode 1 a
    // fuse is 0.0017 and a neon lamp 0.07; the catalog number finds the lamp.
    EXPECT_EQ(run_tool("lib add FUSES 'FUSE OF OUR OWN'").status, 0);
    EXPECT_EQ(run_tool("lib add 'LAMPS INCANDESCENT' 'NEON OF OUR OWN' type=Neon").status, 0);
    EXPECT_EQ(run_tool("lib xref catalog_number OWN-1 'NEON OF OUR OWN'").status, 0);
    EXPECT_EQ(run_tool("lib show own-1").out.substr(0, 43), "generic_name         NEON OF OUR OWN\ncatego");

    const std::string list = write_list("own.csv", kHeader + ",generic_name,catalog_number\n"
                                                             "F1,1,25,1,25,0,fuse of our own,\n"
                                                             "DS1,1,28,1,25,0,,OWN-1\n");
    const CommandRun run = run_tool("--format csv " + list);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("\nF1,1,FUSES,0.0017,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nDS1,1,LAMPS INCANDESCENT,0.07,"), std::string::npos) << run.out;
}

// A switch's contact voltage is in mV: 28 V is 28000 mV, above the 50 mV
// under which the base rate is 0.069 instead of 0.033; 0.05 V is 50 mV.
TEST(ToolRun, UnitsInTheCellsAndInTheOutput) {
    const std::string list = write_list("units.csv", kHeader + ",type,quality,contact_voltage\n"
                                                               "S1,1,SWITCHES,1,25 °C,0,Toggle,B1,28 V\n"
                                                               "S2,1,SWITCHES,1,25C,0,Toggle,B1,0.05 V\n"
                                                               "S3,1,SWITCHES,1,25,0,Toggle,B1,28 kg\n");
    const CommandRun run = run_tool(list);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, list + ":4: column 'contact_voltage': '28 kg': kg is not a unit of this field, which is in "
                              "mV (millivolts); write the number alone, or followed by V or a decimal multiple of "
                              "it (mV, kV, µV)\n");
    const std::size_t s1 = run.out.find("\nS1 "), s2 = run.out.find("\nS2 ");
    ASSERT_TRUE(s1 != std::string::npos && s2 != std::string::npos) << run.out;
    const std::string first = run.out.substr(s1, s2 - s1), second = run.out.substr(s2);
    EXPECT_NE(first.find(" 28000 mV"), std::string::npos) << first;
    EXPECT_NE(first.find(" 0.033 "), std::string::npos) << first;
    EXPECT_NE(second.find(" 50 mV"), std::string::npos) << second;
    EXPECT_NE(second.find(" 0.069 "), std::string::npos) << second;
}

// The names of the environments come from a list given to the run or kept in
// the library: a library of this test's own, so that no other test sees them.
TEST(ToolRun, EnvironmentNamesFromAListOrTheLibrary) {
    const std::string names = write_list("env.lst", "---\nGround benign\nGF\n");
    const std::string bad = write_list("bad.lst", "GB\nGF\n");
    const std::string parts = write_list("named.csv", kHeader + "\nF1,1,FUSES,ground BENIGN,25,0\nF2,1,FUSES,2,25,0\n");
    const std::string library = "TALWEN_DB='" + (test::run_folder() / "names.db").string() + "' ";
    const auto shows_names = [](const CommandRun& run) {
        return run.out.find(",computed,,1,Ground benign,") != std::string::npos &&
               run.out.find(",computed,,2,GF,") != std::string::npos;
    };
    CommandRun run = run_tool("--format csv --environments " + names + " " + parts, library);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(shows_names(run)) << run.out;

    // change reads and compares names as well; a changed cell gets the code.
    run = run_tool("change " + parts + " --environments " + names +
                       " --where 'environment=Ground Benign' --set environment=gf",
                   library);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, kHeader + "\nF1,1,FUSES,2,25,0\nF2,1,FUSES,2,25,0\n");

    run = run_tool(parts, library);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, parts + ":2: column 'environment': 'ground BENIGN' is not an environment code (1 to 27), "
                               "and no environment list names one (see gjbz108a environments --help)\n");
    EXPECT_EQ(run_tool("lib environments", library).status, 1);

    run = run_tool("lib environments import " + names, library);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "gjbz108a lib: environment names stored: 2\n");
    EXPECT_EQ(run_tool("lib environments", library).out, "---\nGround benign\nGF\n");
    EXPECT_TRUE(shows_names(run_tool("--format csv " + parts, library)));
    // PI e is 1 at code 1 in the three documented tables.
    run = run_tool("environments --format csv", library);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\n1,Ground benign,yes,0,1,1,1\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n14,,no,,,,\n"), std::string::npos) << run.out;

    const std::string refusal = "gjbz108a: " + bad + ":1: the first line is 'GB', but an environment list starts "
                                "with ---, the entry of no environment; the names of codes 1 to 27 follow it, one a line\n";
    run = run_tool("--environments " + bad + " " + parts, library);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, refusal);
    run = run_tool("lib environments import " + bad, library);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, refusal + "gjbz108a lib: nothing imported\n");
    EXPECT_EQ(run_tool("lib environments", library).out, "---\nGround benign\nGF\n");
    run = run_tool("environments --environments none.lst", library);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "gjbz108a: cannot open none.lst: No such file or directory\n");
}

// Each run: its arguments, its exit status, and the start of what it prints
// on each stream ("" for nothing).
TEST(ToolRun, ArgumentsStreamsAndExitStatus) {
    const std::string refused = write_list("refused.csv", kHeader + ",type\r\n"
                                                                    "F1,3,FUSES,14,25,\r\n"
                                                                    "DS1,1,LAMPS INCANDESCENT,1,25,,Halogen\r\n");
    write_list("header.csv", "ref,qty,category\nR1,1,5\n");
    write_list("stdin.csv", kHeader + "\nX,0,FUSES,1,,\n");
    // JSON by its first byte, with lines before it: neither bytes nor lines are lost.
    write_list("parts.txt", "\n\n  [{\"ref\": \"X\", \"qty\": 0, \"category\": \"FUSES\", \"environment\": 1}]\n");
    struct Case {
        std::string arguments;
        int status;
        std::string out, err;
    };
    const std::vector<Case> cases = {
        // What the model refuses is told on the error stream too.
        {"refused.csv", 1, "Ref ",
         "refused.csv:2: part 'F1' not computed: Environment not supported\n"
         "refused.csv:3: column 'type': 'Halogen' is not an entry of the list (Neon, Incandescent)\n"},
        {"--format=json refused.csv", 1, "{\"parts\":[\n{\"ref\":\"F1\",\"qty\":3,", "refused.csv:2: part 'F1' "},
        {"'no such file.csv'", 2, "", "gjbz108a: cannot open no such file.csv: No such file or directory\n"},
        {"header.csv", 2, "", "header.csv:1: column 'environment': the column is missing\n"},
        {"--format xml header.csv", 2, "", "gjbz108a: unknown format 'xml': use text, csv or json\nTry "},
        {"", 2, "", "gjbz108a: no parts file given\n"},
        {"a.csv b.csv", 2, "", "gjbz108a: one parts file at a time\n"},
        {"--frobnicate", 2, "", "gjbz108a: unknown option '--frobnicate'\n"},
        {"- <stdin.csv", 1, "Ref ", "<stdin>:2: column 'qty': '0' is out of range (1 to 9999)\n"},
        {"- <parts.txt", 1, "Ref ", "<stdin>:3: member 'qty': '0' is out of range (1 to 9999)\n"},
        {"parts.txt", 1, "Ref ", "parts.txt:3: member 'qty': '0' is out of range (1 to 9999)\n"},
        {"change parts.txt --where category=FUSES --set subtype=1", 2, "",
         "gjbz108a change: parts.txt is a JSON parts list; change rewrites CSV lists only\n"},
        {"change missing.csv --category 7 --set quality=B2", 2, "", "gjbz108a: cannot open missing.csv: No such file or directory\n"},
        {"report refused.csv", 1, "FUSES (ItemCode 25)\n", "refused.csv:2: part 'F1' "},
        {"report --format json refused.csv", 1, "{\"categories\":[\n{\"item_code\":25,", "refused.csv:2: "},
        {"report --format csv missing.csv", 2, "", "gjbz108a: cannot open missing.csv: No such file or directory\n"},
        {"report", 2, "", "gjbz108a: no parts file given\n"},
        {"lib show OWN-2", 1, "", "gjbz108a lib: the library has no part with the generic name, "},
        {"lib frobnicate", 2, "", "gjbz108a lib: unknown command 'frobnicate'\n"},
        {"--help", 0, "Usage: gjbz108a [--format text|csv|json] [--no-defaults] [--environments FILE] PARTS_FILE\n", ""},
        {"--list-fields", 0, "#### ", ""},
    };
    for (const Case& c : cases) {
        const CommandRun run = run_tool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << c.arguments;
        EXPECT_EQ(run.out.empty(), c.out.empty()) << c.arguments;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << c.arguments;
        EXPECT_EQ(run.err.empty(), c.err.empty()) << c.arguments;
    }
    EXPECT_NE(run_tool(refused).out.find("Parts read: 2 (4 pieces), computed: 0, computed with warnings: 0, refused: 2\n"),
              std::string::npos);
}

}  // namespace
}  // namespace gjbz108a::cli
