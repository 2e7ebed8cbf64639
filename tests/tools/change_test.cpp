// gjbz108a change: which parts each form of condition selects, what the new
// values write, that everything else of the list stays byte for byte, and
// that nothing is written when an argument is wrong. (A list with problems is
// IoFaults' case, where the file that is not written can be seen.)
#include "tools/change/change_command.h"

#include "command_run.h"
#include "fake_library.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a::cli::test {
namespace {

// CRLF line ends, a quoted note, a row shorter than the header, a row of notes
// and a capacitor whose quality is given by its code (6 is B1).
const std::string kList =
    "ref,qty,category,environment,temperature,cycling_rate,type,style,quality,pins,bits,# note\r\n"
    "C1,1,CAPACITOR,1,30,5,,Mica,B1,,,\"decoupling, 100 nF\"\r\n"
    "C2,2,capacitor,1,30,5,,Mica,6,,,\r\n"
    "C10,1,7,1,30,5,,Plastic,B2,,,\r\n"
    "C11,1,CAPACITOR,1,30,5,,Plastic\r\n"
    ",,,,,,,,,,,\"Logic, a note row\"\r\n"
    "U1,1,IC Digital,1,30,5,Logic,,B1,14,,\r\n"
    "U2,1,IC Memory,1,30,5,SRAM,,B1,28,262144,\r\n";

CommandRun change(const std::vector<std::string_view>& arguments, const std::string& list = kList,
                 FakeLibrary library = {}) {
    std::vector<std::string_view> all{"-"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return run_command(change_command, all, list, &library);
}

// The list with some of its part lines replaced, each the line of its
// reference designator.
std::string list_with(const std::vector<std::string>& lines) {
    std::string list = kList;
    for (const std::string& line : lines) {
        const auto at = list.find(line.substr(0, line.find(',') + 1).insert(0, 1, '\n')) + 1;
        list.replace(at, list.find('\r', at) - at, line);
    }
    return list;
}

std::string counts(std::string_view category, int matched, int changed) {
    return "gjbz108a change: " + std::string(category) + " parts matched: " + std::to_string(matched) +
           ", changed: " + std::to_string(changed) + "\n";
}

TEST(Change, ASelectionConditionByEntryOrCode) {
    const CommandRun run = change({"--where", "category=CAPACITOR", "quality=B1", "--set", "quality=B2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, counts("CAPACITOR", 2, 2));
    EXPECT_EQ(run.out, list_with({"C1,1,CAPACITOR,1,30,5,,Mica,B2,,,\"decoupling, 100 nF\"",
                                  "C2,2,capacitor,1,30,5,,Mica,B2,,,"}));
    // The code of the list, the entry's text or its code in any case.
    EXPECT_EQ(change({"--category", "7", "--where", "quality=6", "--set", "quality=b2"}).out, run.out);
}

TEST(Change, NumberConditionsOfEveryStorage) {
    CommandRun run = change({"--category=IC Digital", "--where", "pins=14", "--set", "pins=16"});
    EXPECT_EQ(run.err, counts("IC Digital", 1, 1));
    EXPECT_EQ(run.out, list_with({"U1,1,IC Digital,1,30,5,Logic,,B1,16,,"}));
    EXPECT_EQ(change({"--category=IC Digital", "--where", "pins=15", "--set", "pins=16"}).err,
              counts("IC Digital", 0, 0));

    // A real compares exactly, and is written in its shortest plain form.
    run = change({"--category", "IC Memory", "--where", "bits=262144", "--set", "bits=1.048576e6"});
    EXPECT_EQ(run.out, list_with({"U2,1,IC Memory,1,30,5,SRAM,,B1,28,1048576,"}));
    EXPECT_EQ(change({"--category", "IC Memory", "--where", "bits=262144.02", "--set", "bits=1"}).err,
              counts("IC Memory", 0, 0));
}

TEST(Change, TextPatternsOnTheReferenceDesignator) {
    const auto matched = [](std::string_view pattern) {
        const std::string condition = "ref=" + std::string(pattern);
        return change({"--category", "CAPACITOR", "--where", condition, "--set", "quality=***"}).err;
    };
    EXPECT_EQ(matched("C1"), counts("CAPACITOR", 1, 0));    // the text itself
    EXPECT_EQ(matched("C1*"), counts("CAPACITOR", 3, 0));   // C1, C10, C11
    EXPECT_EQ(matched("c1*"), counts("CAPACITOR", 0, 0));   // letter case counts
    // The patterns themselves are the global change's (method suite).

    // Texts are written too: "-rb1" drops the first character.
    const CommandRun run = change({"--category", "CAPACITOR", "--where", "ref=C1?", "--set", "ref=-rb1"});
    std::string expected = kList;
    for (const std::string ref : {"\nC10,", "\nC11,"}) expected.erase(expected.find(ref) + 1, 1);
    EXPECT_EQ(run.out, expected);
}

TEST(Change, AnyValueAndNotDefined) {
    // "***" and an absent key select every part of the category.
    const CommandRun all = change({"--category", "CAPACITOR", "--where", "quality=***", "--set", "style=Glass Glaze"});
    EXPECT_EQ(all.err, counts("CAPACITOR", 4, 4));
    EXPECT_EQ(change({"--category", "CAPACITOR", "--set", "style=Glass Glaze"}).out, all.out);

    // "---" (or nothing) is a field left empty; as a new value it empties the cell.
    CommandRun run = change({"--category", "CAPACITOR", "--where", "quality=---", "--set", "quality=C1"});
    EXPECT_EQ(run.err, counts("CAPACITOR", 1, 1));
    EXPECT_EQ(run.out, list_with({"C11,1,CAPACITOR,1,30,5,,Plastic,C1"}));  // cells added to a short row
    EXPECT_EQ(change({"--category", "CAPACITOR", "--where", "quality=", "--set", "quality=C1"}).out, run.out);
    run = change({"--category", "IC Memory", "--set", "bits=---", "pins="});
    EXPECT_EQ(run.out, list_with({"U2,1,IC Memory,1,30,5,SRAM,,B1,,,"}));

    // A part that already holds the new value matches and is not changed: the
    // code 6 of C2 stays as it was written.
    run = change({"--category", "CAPACITOR", "--where", "style=Mica", "--set", "quality=B1"});
    EXPECT_EQ(run.err, counts("CAPACITOR", 2, 0));
    EXPECT_EQ(run.out, kList);
}

TEST(Change, NothingIsWrittenForABadArgument) {
    const auto refused = [](const std::vector<std::string_view>& arguments) {
        const CommandRun run = change(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        const auto end = run.err.find('\n');
        EXPECT_EQ(run.err.substr(end + 1), "Try 'gjbz108a change --help'.\n");
        return run.err.substr(0, end);
    };
    const std::string prefix = "gjbz108a change: ";
    EXPECT_EQ(refused({"--set", "quality=B2"}),
              prefix + "--set quality=B2: a change of parts of every category sets and compares only qty, "
                       "environment, temperature, cycling_rate, ref, generic_name, catalog_number, military_number "
                       "and part_name; name the category (--category) for its parameters");
    EXPECT_EQ(refused({"--category", "7"}), prefix + "no new value given: --set KEY=VALUE...");
    EXPECT_EQ(refused({"--category", "7", "--where", "category=5", "--set", "quality=B2"}),
              prefix + "two categories: '7' and '5'; a change is of one category");
    EXPECT_EQ(refused({"--category", "7", "--where", "pins=4", "--set", "quality=B2"}),
              prefix + "--where pins=4: CAPACITOR has no such parameter (gjbz108a --list-fields lists them), and it "
                       "is not qty, environment, temperature, cycling_rate, ref, generic_name, catalog_number, "
                       "military_number or part_name");
    EXPECT_EQ(refused({"--category", "7", "--set", "quality=B3"}),
              prefix + "--set quality=B3: 'B3' is not an entry of the list (A1p, A1m, A1l, A1w, A2, B1, B2, C1, C2, "
                       "User)");
    EXPECT_EQ(refused({"--category", "7", "--set", "quality=B2", "Quality=B1"}),
              prefix + "--set Quality=B1: the key is given twice");
    EXPECT_EQ(refused({"--category", "7", "--set", "category=5"}),
              prefix + "--set category=5: a change keeps the category of every part");
    EXPECT_EQ(refused({"--category", "7", "--set", "ref=" + std::string(51, 'r')}),
              prefix + "--set ref=" + std::string(51, 'r') + ": the text is longer than 50 characters");
    EXPECT_EQ(refused({"--category", "7", "--set", "quality=B2", "stray"}),
              prefix + "'stray' is not KEY=VALUE, and the parts list is '-'");
    EXPECT_EQ(refused({"--set", "quality=B2", "--category"}), prefix + "--category needs a value");
    // Values go through the converter, the general fields' too (its messages
    // are its own tests').
    EXPECT_EQ(refused({"--set", "temperature=-273.2"}),
              prefix + "--set temperature=-273.2: '-273.2' is below the lowest value, -273.15");
    EXPECT_EQ(refused({"--category", "3", "--where", "pins=65525", "--set", "pins=1"}),
              prefix + "--where pins=65525: '65525' means any value (***) in this field; write *** for that");

    // A new value needs a column to go into.
    const CommandRun run = change({"--category", "7", "--set", "generic_name=X", "surface=Chip"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "<stdin>:1: the list has no column 'surface' for the new value; add the column to the header first\n"
              "<stdin>:1: the list has no column 'generic_name' for the new value; add the column to the header "
              "first\n"
              "gjbz108a change: nothing written\n");
}

TEST(Change, GeneralFieldsOfPartsOfEveryCategoryOrOfOne) {
    // Without a category every part is selected; the cells are written as the
    // numbers they read as.
    CommandRun run = change({"--where", "environment=1", "--set", "temperature=+45.50", "cycling_rate=0.5e1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "gjbz108a change: parts matched: 6, changed: 6\n");
    std::string expected = kList;
    for (std::size_t at = 0; (at = expected.find(",1,30,5,", at)) != std::string::npos;)
        expected.replace(at, 8, ",1,45.5,5,");
    EXPECT_EQ(run.out, expected);

    // Conditions on general fields and texts, across categories or in one.
    run = change({"--where", "qty=2", "--set", "environment=04", "qty=***"});
    EXPECT_EQ(run.err, "gjbz108a change: parts matched: 1, changed: 1\n");
    EXPECT_EQ(run.out, list_with({"C2,2,capacitor,4,30,5,,Mica,6,,,"}));
    run = change({"--where", "ref=*1", "temperature=30.0", "--set", "qty=12"});
    EXPECT_EQ(run.err, "gjbz108a change: parts matched: 3, changed: 3\n");  // C1, C11, U1
    EXPECT_EQ(run.out, list_with({"C1,12,CAPACITOR,1,30,5,,Mica,B1,,,\"decoupling, 100 nF\"",
                                  "C11,12,CAPACITOR,1,30,5,,Plastic", "U1,12,IC Digital,1,30,5,Logic,,B1,14,,"}));
    run = change({"--category", "IC Digital", "--set", "qty=3", "pins=16"});
    EXPECT_EQ(run.err, counts("IC Digital", 1, 1));
    EXPECT_EQ(run.out, list_with({"U1,3,IC Digital,1,30,5,Logic,,B1,16,,"}));

    // The same value is no change: the cells stay as written.
    run = change({"--set", "temperature=30.000", "environment=1"});
    EXPECT_EQ(run.err, "gjbz108a change: parts matched: 6, changed: 0\n");
    EXPECT_EQ(run.out, kList);
    EXPECT_EQ(change({"--where", "cycling_rate=5.01", "--set", "qty=2"}).err,
              "gjbz108a change: parts matched: 0, changed: 0\n");

}

// The library's SRAM 32K is B2 with 32 pins.
TEST(Change, ConditionsSeeTheLibraryPartThatARowNames) {
    const std::string list = "ref,qty,category,environment,temperature,cycling_rate,generic_name,quality,pins\n"
                             "U1,1,IC Memory,1,30,5,SRAM 32K,,\n"
                             "U2,1,IC Memory,1,30,5,SRAM 32K,B1,\n";
    CommandRun run = change({"--category", "1", "--where", "quality=B2", "generic_name=SRAM*", "--set", "quality=C1"}, list,
                     FakeLibrary::with_memories());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, counts("IC Memory", 1, 1));
    EXPECT_EQ(run.out, "ref,qty,category,environment,temperature,cycling_rate,generic_name,quality,pins\n"
                       "U1,1,IC Memory,1,30,5,SRAM 32K,C1,\n"
                       "U2,1,IC Memory,1,30,5,SRAM 32K,B1,\n");

    // An empty cell would bring the library's 32 pins back: refused.
    run = change({"--category", "1", "--set", "pins=---"}, list, FakeLibrary::with_memories());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "<stdin>:2: column 'pins': the new value cannot be written: an empty cell takes the value of "
                       "the library part that the row names\n"
                       "gjbz108a change: nothing written\n");
}

}  // namespace
}  // namespace gjbz108a::cli::test
