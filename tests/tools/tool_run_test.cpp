// Runs the built command-line host as a user does: its arguments, its files,
// its standard streams and its exit status. What it prints is checked in
// detail by the in-process tests and the models by their own, whole runs with
// the models and the shipped library by the README's excerpts
// (shipped_test); here what only a run shows.
#include "tool_shell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a::cli::test {
namespace {

const std::string kHeader = "ref,qty,category,environment,temperature,cycling_rate";

// The names of the environments come from a list given to the run or kept in
// the library: a library of this test's own, so that no other test sees them.
TEST(ToolRun, EnvironmentNamesFromAListOrTheLibrary) {
    write_in_run_folder("env.lst", "---\nGround benign\nGF\n");
    write_in_run_folder("bad.lst", "GB\nGF\n");
    write_in_run_folder("named.csv", kHeader + "\nF1,1,FUSES,ground BENIGN,25,0\nF2,1,FUSES,2,25,0\n");
    const std::string tool = "TALWEN_DB='" + (run_folder() / "names.db").string() + "' TOOL ";
    const auto shows_names = [](const CommandRun& run) {
        return run.out.find(",computed,,1,Ground benign,") != std::string::npos &&
               run.out.find(",computed,,2,GF,") != std::string::npos;
    };
    CommandRun run = shell(tool + "--format csv --environments env.lst named.csv");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(shows_names(run)) << run.out;

    // change reads and compares names as well; a changed cell gets the code.
    run = shell(tool + "change named.csv --environments env.lst --where 'environment=Ground Benign' "
                       "--set environment=gf");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, kHeader + "\nF1,1,FUSES,2,25,0\nF2,1,FUSES,2,25,0\n");

    run = shell(tool + "lib environments import env.lst");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "gjbz108a lib: environment names stored: 2\n");
    EXPECT_EQ(shell(tool + "lib environments").out, "---\nGround benign\nGF\n");
    EXPECT_TRUE(shows_names(shell(tool + "--format csv named.csv")));
    // PI e is 1 at code 1 in the three documented tables.
    run = shell(tool + "environments --format csv");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\n1,Ground benign,yes,0,1,1,1\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n14,,no,,,,\n"), std::string::npos) << run.out;

    const std::string refusal = "gjbz108a: bad.lst:1: the first line is 'GB', but an environment list starts with ---, "
                                "the entry of no environment; the names of codes 1 to 27 follow it, one a line\n";
    EXPECT_EQ(shell(tool + "--environments bad.lst named.csv").err, refusal);
    run = shell(tool + "lib environments import bad.lst");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, refusal + "gjbz108a lib: nothing imported\n");
    EXPECT_EQ(shell(tool + "lib environments").out, "---\nGround benign\nGF\n");
}

// Each run: its arguments, its exit status, and the start of what it prints
// on each stream ("" for nothing).
TEST(ToolRun, ArgumentsStreamsAndExitStatus) {
    write_in_run_folder("refused.csv", kHeader + ",type\r\n"
                                                 "F1,3,FUSES,14,25,\r\n"
                                                 "DS1,1,LAMPS INCANDESCENT,1,25,,Halogen\r\n");
    write_in_run_folder("stdin.csv", kHeader + "\nX,0,FUSES,1,,\n");
    // JSON by its first byte, with lines before it: neither bytes nor lines are lost.
    write_in_run_folder("parts.txt",
                        "\n\n  [{\"ref\": \"X\", \"qty\": 0, \"category\": \"FUSES\", \"environment\": 1}]\n");
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
        {"--format xml refused.csv", 2, "", "gjbz108a: unknown format 'xml': use text, csv or json\nTry "},
        {"", 2, "", "gjbz108a: no parts file given\n"},
        {"a.csv b.csv", 2, "", "gjbz108a: one parts file at a time\n"},
        {"- <stdin.csv", 1, "Ref ", "<stdin>:2: column 'qty': '0' is out of range (1 to 9999)\n"},
        {"- <parts.txt", 1, "Ref ", "<stdin>:3: member 'qty': '0' is out of range (1 to 9999)\n"},
        {"parts.txt", 1, "Ref ", "parts.txt:3: member 'qty': '0' is out of range (1 to 9999)\n"},
        {"change parts.txt --where category=FUSES --set subtype=1", 2, "",
         "gjbz108a change: parts.txt is a JSON parts list; change rewrites CSV lists only\n"},
        {"report refused.csv", 1, "FUSES (ItemCode 25)\n", "refused.csv:2: part 'F1' "},
        {"report --format json refused.csv", 1, "{\"categories\":[\n{\"item_code\":25,", "refused.csv:2: "},
    };
    for (const Case& c : cases) {
        const CommandRun run = shell("TOOL " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << c.arguments;
        EXPECT_EQ(run.out.empty(), c.out.empty()) << c.arguments;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << c.arguments;
        EXPECT_EQ(run.err.empty(), c.err.empty()) << c.arguments;
    }
    EXPECT_NE(shell("TOOL refused.csv").out.find("Parts read: 2 (4 pieces), computed: 0, computed with warnings: 0, "
                                                 "refused: 2\n"),
              std::string::npos);
}

}  // namespace
}  // namespace gjbz108a::cli::test
