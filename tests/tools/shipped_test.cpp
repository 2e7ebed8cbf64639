// What ships can be used as it stands. The README's reference and examples,
// and the shipped example lists, are read by the tool without a single
// problem, and they cover every category. Every part of the starter library,
// and a part of every type of every category that gives nothing but its type
// (so the shipped defaults alone), passes the parameter check and is computed.
#include "tools/example_rows.h"
#include "tools/field_listing.h"
#include "tools/prediction/predict.h"

#include "records/category_fields.h"
#include "records/item_codes.h"
#include "records/record.h"

#include "component_library.h"
#include "process_library.h"
#if !defined(_WIN32)
#include "tool_shell.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace gjbz108a::cli::test {
namespace {

std::set<unsigned> seen_codes;

std::int32_t record_category(char*, std::uint8_t* record) {
    seen_codes.insert(record[GJBZ108A_ITEM_CODE]);
    store(record, item_slot(0), 1.0f);
    return GJBZ108A_COMPUTED;
}

// Runs a parts list through the tool, by default with every part accepted by
// the stand-in model; gives the problems the reader (and the model) found.
std::string problems_of(const std::string& list, const std::string& name,
                        CalculateFunction calculate = &record_category) {
    std::istringstream in(list);
    std::ostringstream out, diagnostics;
    const ExitStatus status = predict(in, name, Format::csv, View::parts, out, diagnostics, calculate);
    EXPECT_EQ(status, kAllComputed) << name;
    return diagnostics.str();
}

std::set<unsigned> all_codes() {
    std::set<unsigned> codes;
    for (const Category& category : categories()) codes.insert(category.item_code);
    return codes;
}

TEST(Documentation, ReadmeReferenceIsTheListingOfTheFieldTables) {
    const std::string readme = source_file("README.md");
    const std::string begin = "<!-- fields:begin -->\n", end = "<!-- fields:end -->";
    const auto from = readme.find(begin), to = readme.find(end);
    ASSERT_TRUE(from != std::string::npos && to != std::string::npos) << "the README lost its field markers";
    std::ostringstream listing;
    list_fields(listing);
    EXPECT_EQ(readme.substr(from + begin.size(), to - from - begin.size()), listing.str())
        << "run tools/readme_fields.sh";
}

// The text between each `open` and the next "```" in the README.
std::vector<std::string> readme_blocks(const std::string& open) {
    const std::string readme = source_file("README.md");
    std::vector<std::string> blocks;
    for (auto at = readme.find(open); at != std::string::npos; at = readme.find(open, at)) {
        at += open.size();
        const auto stop = readme.find("```", at);
        if (stop == std::string::npos) break;
        blocks.push_back(readme.substr(at, stop - at));
        at = stop;
    }
    return blocks;
}

// The README's CSV and JSON lists alike, and the shipped example lists: the
// stand-in model computes every part they name.
TEST(Documentation, TheReadmesListsAndTheShippedExamplesReadWithoutProblems) {
    seen_codes.clear();
    int number = 0;
    for (const std::string& block : readme_blocks("```csv\n"))
        EXPECT_EQ(problems_of(block, "README block " + std::to_string(++number)), "");
    EXPECT_EQ(seen_codes, all_codes());
    const auto json = readme_blocks("```json\n");
    EXPECT_FALSE(json.empty());
    for (const std::string& block : json) EXPECT_EQ(problems_of(block, "README.json"), "");

    seen_codes.clear();
    EXPECT_EQ(problems_of(source_file("examples/power_rf.csv"), "power_rf.csv"), "");
    EXPECT_EQ(seen_codes, all_codes()) << "the power and RF assembly uses every category";
    EXPECT_EQ(problems_of(source_file("examples/board.csv"), "board.csv"), "");
}

TEST(Documentation, OneExampleRowPerCategoryOfItsOwnCategory) {
    std::set<unsigned> codes;
    for (const ExampleRow& example : example_rows()) {
        seen_codes.clear();
        std::ostringstream list;
        write_example(list, example);
        EXPECT_EQ(problems_of(list.str(), "example " + std::to_string(example.item_code)), "");
        EXPECT_EQ(seen_codes, std::set<unsigned>{example.item_code});
        EXPECT_TRUE(codes.insert(example.item_code).second) << example.item_code;
    }
    EXPECT_EQ(codes, all_codes());
}

// Every block of output in the README is marked with the command that prints
// it, "<!-- output: gjbz108a ARGUMENTS -->", and must be whole lines of what
// that command prints now.
TEST(Documentation, ReadmeOutputExcerptsAreWhatTheToolPrints) {
#if defined(_WIN32)
    GTEST_SKIP() << "runs the tool through the POSIX shell; the Windows build's output is compared with Linux's";
#else
    const std::string readme = source_file("README.md");
    const std::string marker = "<!-- output: gjbz108a ", open = " -->\n```text\n", close = "```\n";
    int excerpts = 0;
    for (auto at = readme.find(marker); at != std::string::npos; at = readme.find(marker, at)) {
        at += marker.size();
        const auto arguments_end = readme.find(open, at);
        ASSERT_NE(arguments_end, std::string::npos) << "an output marker without its block";
        const std::string arguments = readme.substr(at, arguments_end - at);
        const auto text = arguments_end + open.size();
        const auto text_end = readme.find(close, text);
        ASSERT_NE(text_end, std::string::npos);
        const std::string excerpt = readme.substr(text, text_end - text);
        const std::string output = shell("cd '" + source_folder() + "' && TOOL " + arguments).out;
        const auto found = output.find(excerpt);
        EXPECT_TRUE(found != std::string::npos && (found == 0 || output[found - 1] == '\n'))
            << "gjbz108a " << arguments << " no longer prints:\n" << excerpt;
        ++excerpts;
        at = text_end;
    }
    EXPECT_EQ(excerpts, 10);
#endif
}

constexpr const char* kGeneral = "ref,qty,category,environment,temperature,cycling_rate";

// Every part of the starter library by its generic name, and a part of every
// type of every category that gives nothing but its type, in one list.
TEST(ShippedLibrary, EveryStarterPartAndAPartOfEveryTypeFromTheDefaultsAloneIsComputed) {
    FreshDatabase database;
    talwen::ComponentLibrary library(database.path());
    constexpr std::string_view kTypeKeys[] = {"type", "style", "construction", "configuration"};
    std::ostringstream list;
    list << kGeneral << ",generic_name";
    for (std::string_view key : kTypeKeys) list << ',' << key;
    list << '\n';
    std::size_t parts = 0;
    for (const talwen::Part& part : library.parts()) {
        ASSERT_EQ(part.generic_name.find_first_of(",\""), std::string::npos) << part.generic_name;
        list << 'P' << ++parts << ",1," << unsigned{part.item_code} << ",1,30,0," << part.generic_name << ",,,,\n";
    }
    EXPECT_EQ(parts, 70u);  // the rows of hosts/talwen/data/parts.csv
    for (const Category& category : categories()) {
        const auto fields = category_fields(category.item_code);
        const auto type = std::ranges::find(fields, std::uint8_t{1}, &ParameterField::offset);
        const std::size_t types = type == fields.end() ? 1 : type->entries.size();
        for (std::size_t code = 1; code <= types; ++code) {
            list << 'T' << ++parts << ",1," << unsigned{category.item_code} << ",1,30,0,";
            for (std::string_view key : kTypeKeys) {
                list << ',';
                if (type != fields.end() && key == type->key) list << code;
            }
            list << '\n';
        }
    }
    EXPECT_EQ(problems_of(list.str(), "library.csv", &calc_item), "");
}

}  // namespace
}  // namespace gjbz108a::cli::test
