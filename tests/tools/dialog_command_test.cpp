// gjbz108a dialog and edit: the dialog as the user saw it after the actions of
// a file, and a part's row rewritten where its dialog changed it.
#include "tools/dialogs/dialog_command.h"

#include "command_run.h"
#include "process_library.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace gjbz108a::cli::test {
namespace {

CommandRun run(bool dialog, std::vector<std::string> arguments) {
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    return run_command(dialog ? dialog_command : edit_command, views, "", nullptr);
}

// A file of the user's actions, for --actions.
std::string actions(const std::string& text) { return write_in_run_folder("actions.txt", text); }

constexpr const char* kList =
    "ref,qty,category,environment,temperature,cycling_rate,style,quality,# note\n"
    "R1,4,Resistor,1,30,5,Metal Film,B1,\"keep, this\"\n"
    "C1,1,Capacitor,1,30,5,,,\n";

TEST(DialogCommand, PrintsTheDialogAsTheUserSawIt) {
    struct Case {
        std::vector<std::string> arguments;
        std::string actions;
        std::vector<std::string> expected;  // lines of the output, each found in it
    };
    const std::vector<Case> cases{
        {{"5", "--format", "json"},
         "select 1001 2\nhover 1029\nclick 1\n",
         {R"({"title": "Resistor   GJB/Z 108A-2006 Detailed", "template": 139, "end": 1, "focus": 1,)",
          R"({"id": 1001, "class": "ComboBox", "text": "Metal Film", "label": "Style:", "enabled": true, "visible": true, "read_only": false, "items": ["---", "Composition", "Metal Film", )",
          R"({"id": 1029, "class": "Edit", "text": "1", "label": "QTY:", "enabled": true, "visible": true, "read_only": false, "items": null, "selected": -1, "tooltip": "Quantity in current assembly"})",
          R"("style": "Metal Film")"}},
        {{"5", "--format", "json"},
         "type 1029 0\nclick 1\n",
         {R"("message_boxes": [{"caption": "Dialog Validation", "text": "Number entered is invalid.\u000aNumber must be between 1 and 9999."}])",
          R"("end": null, "focus": 1029,)"}},
        {{"5", "--mode", "2", "--variant", "0", "--format", "json"},
         "",
         {R"("title": "Resistor   GJB/Z 108A-2006 Detailed : Conditions")", R"("items": ["***", "---", "A1m",)"}},
        {{"--part", write_in_run_folder("list.csv", kList), "--ref", "R1", "--format", "json"},
         "type 1029 5\nclick 1\n",
         {R"({"id": 1009, "class": "ComboBox", "text": "B1",)", R"("quality": "B1")", R"("end": 1)"}},
        // The text form shows each control's tool tip.
        {{"5"},
         "select 1001 2\n",
         {"\n  1029 Edit QTY: \"1\" tip \"Quantity in current assembly\"\n",
          "\n  1030 Edit Temp: \"0.\" disabled tip \"Case or Ambient Temperature [\u00B0C]\"\n", "\nstill open\n"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"--actions", actions(c.actions)});
        const CommandRun result = run(true, arguments);
        ASSERT_EQ(result.status, 0) << result.err;
        for (const std::string& line : c.expected)
            EXPECT_NE(result.out.find(line), std::string::npos) << line << "\n" << result.out;
    }
}

TEST(DialogCommand, RefusesBadArgumentsAndActions) {
    const std::string list = write_in_run_folder("list.csv", kList);
    const struct {
        bool dialog;
        std::vector<std::string> arguments;
        std::string actions;
        std::string message;
    } cases[]{
        {true, {"5", "--mode", "3"}, "", "--mode takes 0, 1 or 2"},
        {true, {"5", "--part", list}, "", "--part and --ref go together"},
        {true, {"--part", list, "--ref", "R9"}, "", "no part has the reference designator 'R9'"},
        {true, {"5"}, "click 1\nwiggle 3\n", "actions.txt:2: unknown action 'wiggle'"},
        {true, {"5"}, "key F2\n", "actions.txt:1: key takes F1, ENTER or ESCAPE"},
        {false, {list, "--ref", "R1"}, "", "no window system is available"},
        {false, {list}, "", "edit needs a parts list and --ref REF"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        if (!c.actions.empty()) arguments.insert(arguments.end(), {"--actions", actions(c.actions)});
        const CommandRun result = run(c.dialog, arguments);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
}

TEST(EditCommand, RewritesOnlyTheCellsTheDialogChanged) {
    const std::string list = write_in_run_folder("edited.csv", kList);
    const std::string out = (run_folder() / "out.csv").string();
    // Cancel writes nothing.
    EXPECT_EQ(run(false, {list, "--ref", "R1", "--actions", actions("select 1009 5\nclick 2\n")}).status, 0);
    EXPECT_EQ(read_file(list), kList);
    // Quality "C" (entry 5), resistors left as they were; a quantity changed in
    // the dialog goes into the qty cell.
    for (const auto& [steps, row] : {std::pair{"select 1009 5\nclick 1\n", "R1,4,Resistor,1,30,5,Metal Film,C,"},
                                     std::pair{"type 1029 12\nclick 1\n", "R1,12,Resistor,1,30,5,Metal Film,B1,"}}) {
        const CommandRun result = run(false, {list, "--ref", "R1", "-o", out, "--actions", actions(steps)});
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "gjbz108a edit: R1: 1 cell rewritten in " + out + "\n");
        EXPECT_EQ(read_file(out), "ref,qty,category,environment,temperature,cycling_rate,style,quality,# note\n" +
                                      std::string(row) + "\"keep, this\"\nC1,1,Capacitor,1,30,5,,,\n");
        EXPECT_EQ(read_file(list), kList);
    }
    // Environments by name: the list's cell reads, the ENV list shows them.
    const std::string named = write_in_run_folder("named.csv",
                                                  "ref,qty,category,environment,temperature,cycling_rate,style\n"
                                                  "R1,4,Resistor,ground fixed,30,5,Metal Film\n");
    const std::string names = write_in_run_folder("names.lst", "---\nGround Benign\nGround Fixed\n");
    const CommandRun by_name =
        run(false, {named, "--ref", "R1", "--environments", names, "--actions", actions("type 1029 2\nclick 1\n")});
    ASSERT_EQ(by_name.status, 0) << by_name.err;
    EXPECT_EQ(read_file(named), "ref,qty,category,environment,temperature,cycling_rate,style\n"
                                "R1,2,Resistor,ground fixed,30,5,Metal Film\n");
    const CommandRun shown = run(true, {"--part", named, "--ref", "R1", "--environments", names});
    EXPECT_NE(shown.out.find("ENV: \"Ground Fixed\" disabled [--- | Ground Benign | *Ground Fixed | 3 | 4 |"),
              std::string::npos)
        << shown.out;
    // A name the list has no column for is refused, the list untouched.
    const CommandRun refused = run(false, {list, "--ref", "R1", "--actions", actions("type 1026 PN-7\nclick 1\n")});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("the list has no column 'part_name'"), std::string::npos) << refused.err;
    EXPECT_EQ(read_file(list), kList);
}

}  // namespace
}  // namespace gjbz108a::cli::test
