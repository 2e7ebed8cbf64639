// The command-line host's JSON parts-list reader on arbitrary files. An input
// whose first byte that is not blank is '[' or '{' is read as JSON; any other
// is taken for a CSV list and read as its JSON rendering, which must then give
// what the CSV gives. Properties: every part that the part reader accepts has
// a record a host can store; the reader's lines never go back and name lines
// the file has; a run ends with a documented exit status (2 exactly when the
// text stopped being JSON), a diagnostic per problem in the "file:line: why"
// form, and CSV output whose rows all have the header's cells and end with
// the total, even after invalid JSON (no output when the text holds no list
// at all); and a CSV list and its JSON rendering
// give the same exit status, output and problems, where the CSV is one that
// JSON can say (a header whose names are distinct and not empty, no broken
// quoting, no value beyond the header).
//
// The component library is the tests' stand-in (see predict_csv).
#include "support/parts_list_checks.h"

#include "records/field_values.h"
#include "tools/parts_list/columns.h"
#include "tools/parts_list/json_reader.h"
#include "tools/parts_list/list_format.h"
#include "tools/parts_list/part_reader.h"

#include "../tools/json_rendering.h"

#include <sstream>
#include <string>
#include <vector>

using namespace gjbz108a;
using namespace gjbz108a::fuzz;

namespace {

constexpr std::string_view kFileName = "parts.json";

void check_parts(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream diagnostics_out;
    cli::Diagnostics diagnostics(kFileName, diagnostics_out);
    cli::JsonReader json(in, diagnostics);
    cli::test::FakeLibrary library;
    cli::PartReader reader(json.layout(), diagnostics, library);
    cli::Part part;
    const std::size_t lines = line_count(text);
    unsigned long last_line = 1;
    while (json.next()) {
        require(json.line() >= last_line && json.line() <= lines, "a part's line goes back or beyond the file");
        last_line = json.line();
        require(json.size() == json.layout().size(), "a part without a cell for every column");
        for (std::size_t column = 0; column < json.size(); ++column)
            require(json.cell_line(column) >= json.line() && json.cell_line(column) <= lines,
                    "a member's line is before its part or beyond the file");
        if (!reader.read(json, part)) continue;
        if (!part.refused()) check_part(part);
    }
}

// `rendering`: the text is the JSON rendering of a CSV list, which is valid
// JSON whatever the CSV holds.
void check_run(const std::string& text, bool rendering) {
    const ListRun json = predict_csv(text, kFileName);

    std::istringstream in(text);
    std::ostringstream ignored;
    cli::Diagnostics diagnostics(kFileName, ignored);
    cli::JsonReader reader(in, diagnostics);
    const bool opened = reader.open();
    while (reader.next()) {
    }
    require(opened == !json.out.empty(), "a report without a parts list, or a parts list without a report");
    if (opened) check_csv_output(json.out, json.status);
    require(reader.stopped() == (json.status == cli::kListUnusable),
            "exit status 2 is not exactly the list that stops being JSON");
    require(!rendering || !reader.stopped(), "the JSON rendering of a CSV list is not read as JSON");
}

// A CSV list that JSON can say as it stands.
bool sayable_in_json(const std::string& csv_text) {
    std::istringstream in(csv_text);
    cli::CsvReader csv(in);
    if (!csv.next() || csv.blank()) return false;
    std::vector<cli::HeaderProblem> problems;
    const cli::ColumnLayout layout(csv, problems);
    for (const cli::HeaderProblem& problem : problems)
        if (problem.fatal) return false;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (layout.name(i).empty() || layout.name(i) != csv.cell(i)) return false;  // blanks around a name
        for (std::size_t j = 0; j < i; ++j)
            if (same_text(layout.name(i), layout.name(j))) return false;
    }
    while (csv.next()) {
        if (!csv.syntax_error().empty()) return false;
        for (std::size_t i = layout.size(); i < csv.size(); ++i)
            if (!trimmed(csv.cell(i)).empty()) return false;
    }
    return true;
}

// Each diagnostic without its "file:line: " and with the line numbers in its
// text (a repeated reference names its first line) as "line #": a JSON
// rendering keeps the records but not always their lines.
std::string problems_only(std::string_view diagnostics) {
    std::string problems;
    while (!diagnostics.empty()) {
        const std::size_t end = diagnostics.find('\n');
        std::string_view line = diagnostics.substr(0, end);
        diagnostics.remove_prefix(end + 1);
        line.remove_prefix(line.find(": ") + 2);
        for (std::size_t at = line.find("line "); at != std::string_view::npos; at = line.find("line ")) {
            std::size_t digits = at + 5;
            while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
            problems.append(line.substr(0, at + 5)).append(digits > at + 5 ? "#" : "");
            line.remove_prefix(digits);
        }
        problems.append(line).push_back('\n');
    }
    return problems;
}

std::string columns_for_members(std::string text) {
    const std::string member = "member '", column = "column '";
    for (auto at = text.find(member); at != std::string::npos; at = text.find(member, at + column.size()))
        text.replace(at, member.size(), column);
    return text;
}

void check_same_as_csv(const std::string& csv_text, const std::string& json_text) {
    const ListRun csv = predict_csv(csv_text, "parts.csv");
    const ListRun json = predict_csv(json_text, kFileName);
    require(json.status == csv.status, "a CSV list and its JSON rendering end with different exit statuses");
    // Both sides, as a cell may hold "member '" of its own.
    require(columns_for_members(json.out) == columns_for_members(csv.out),
            "a CSV list and its JSON rendering give different output");
    require(columns_for_members(problems_only(json.diagnostics)) == columns_for_members(problems_only(csv.diagnostics)),
            "a CSV list and its JSON rendering give different problems");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (cli::format_by_content(text) == cli::ListFormat::json) {
        check_parts(text);
        check_run(text, false);
        return 0;
    }
    const std::string json = cli::test::json_rendering(text);
    check_parts(json);
    check_run(json, true);
    if (sayable_in_json(text)) check_same_as_csv(text, json);
    return 0;
}
