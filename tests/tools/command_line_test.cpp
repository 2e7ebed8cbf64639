// The conventions of the command line: every command's help in both forms,
// the version, the fields of one category, and the words and options it
// refuses, with "did you mean" for a name typed a little wrong.
#include "tools/command_line.h"

#include "tools/help/help_texts.h"

#include "command_run.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace gjbz108a::cli::test {
namespace {

CommandRun run(const std::vector<std::string>& words) {
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    return run_command(run_command_line, arguments, "", false);
}

std::vector<std::string> words_of(std::string_view command) {
    std::istringstream in{std::string(command)};
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

TEST(CommandLine, EveryCommandHasItsHelpInBothForms) {
    std::string listed;
    for (const HelpTopic& topic : help_topics()) {
        if (!topic.command.empty()) listed.append(topic.command).append("\n");
        EXPECT_TRUE(topic.text.starts_with("Usage: gjbz108a" + std::string(topic.command.empty() ? "" : " ") +
                                           std::string(topic.command)))
            << topic.command;
        // COMMAND --help, also where --help could be taken for an argument.
        std::vector<std::string> words = words_of(topic.command);
        words.push_back("--help");
        const CommandRun asked = run(words);
        EXPECT_EQ(asked.status, 0) << topic.command;
        EXPECT_TRUE(asked.out.starts_with(topic.text)) << topic.command << "\n" << asked.out;
        EXPECT_EQ(asked.err, "");
        // gjbz108a help COMMAND.
        words = words_of(topic.command);
        words.insert(words.begin(), "help");
        EXPECT_EQ(run(words).out, topic.text) << topic.command;
    }
    EXPECT_EQ(run({"help"}).out, help_topic("")->text);
    EXPECT_EQ(run({"help", "--list"}).out, listed);
    EXPECT_EQ(run({"lib", "defaults", "CAPACITOR", "-h"}).out, help_topic("lib defaults")->text);
    const std::string all = run({"help", "--all"}).out;
    EXPECT_NE(all.find("\ngjbz108a lib xref\n\nUsage: gjbz108a lib xref KIND NAME GENERIC_NAME\n"), std::string::npos);
}

TEST(CommandLine, VersionAndTheFieldsOfOneCategory) {
    const CommandRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("gjbz108a ") && version.out.ends_with("\n") &&
                version.out.find_first_of("0123456789", 9) == 9)
        << version.out;

    // One category by name or code: its part of the listing that the README holds.
    const CommandRun fuses = run({"--list-fields", "fuses"});
    EXPECT_EQ(fuses.status, 0);
    EXPECT_TRUE(fuses.out.starts_with("#### 25 FUSES\n\n| Key |")) << fuses.out;
    EXPECT_EQ(run({"--list-fields", "25"}).out, fuses.out);
    EXPECT_NE(run({"--list-fields"}).out.find(fuses.out), std::string::npos);
}

// Each command's own words and options, refused before any list is read, with
// a hint for a name typed a little wrong; the hints for the names and entries
// of a list's cells, which every command takes from the same place, are
// Predict's.
TEST(CommandLine, BadWordsAndOptionsAreRefusedBeforeAnyListIsRead) {
    const struct {
        std::vector<std::string> words;
        std::string err;
    } cases[]{
        {{"reprot", "list.csv"},
         "gjbz108a: one parts file at a time; 'reprot' is no command; did you mean 'report'?\n"
         "Try 'gjbz108a --help'.\n"},
        {{"help", "lib", "shwo"},
         "gjbz108a help: no command 'lib shwo'; did you mean 'lib show'?\nTry 'gjbz108a help --list'.\n"},
        {{"lib", "deafults", "5"},
         "gjbz108a lib: unknown command 'deafults'; did you mean 'defaults'?\nTry 'gjbz108a lib --help'.\n"},
        {{"lib", "add", "Resistor", "R", "qualty=B1"},
         "gjbz108a lib: 'qualty=B1': Resistor has no such parameter (gjbz108a --list-fields lists them); did you "
         "mean 'quality'?\nTry 'gjbz108a lib --help'.\n"},
        {{"--formt", "csv", "list.csv"},
         "gjbz108a: unknown option '--formt'; did you mean '--format'?\nTry 'gjbz108a --help'.\n"},
        {{"change", "list.csv", "--categroy", "5"},
         "gjbz108a change: unknown option '--categroy'; did you mean '--category'?\n"
         "Try 'gjbz108a change --help'.\n"},
        // The Pareto view's options belong to the report.
        {{"--top", "5", "list.csv"}, "gjbz108a: --top belongs to 'gjbz108a report'\nTry 'gjbz108a --help'.\n"},
        {{"report", "--sort", "size", "list.csv"},
         "gjbz108a: unknown sort 'size': use category or rate\nTry 'gjbz108a --help'.\n"},
        {{"report", "--top", "0", "list.csv"},
         "gjbz108a: --top: '0' is out of range (1 to 1000000000)\nTry 'gjbz108a --help'.\n"},
        {{"report", "--top", "x", "list.csv"}, "gjbz108a: --top: 'x' is not a number\nTry 'gjbz108a --help'.\n"},
        {{"report", "--sort", "category", "--top", "3", "list.csv"},
         "gjbz108a: --top shows the largest parts: it goes with --sort rate\nTry 'gjbz108a --help'.\n"},
        {{"report", "--top"}, "gjbz108a: --top needs a value\nTry 'gjbz108a --help'.\n"},
    };
    for (const auto& c : cases) {
        const CommandRun refused = run(c.words);
        EXPECT_EQ(refused.status, 2) << c.err;
        EXPECT_EQ(refused.out, "") << c.err;
        EXPECT_EQ(refused.err, c.err);
    }
}

}  // namespace
}  // namespace gjbz108a::cli::test
