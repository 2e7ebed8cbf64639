// The command-line host's parts-list readers on arbitrary files. An input
// whose first byte that is not blank is '[' or '{' is read as JSON; any other
// as CSV, and then as its JSON rendering too, which is valid JSON whatever the
// CSV holds. Properties: the CSV reader's records come back the same when
// written out again and re-read; the JSON reader's lines never go back and
// name lines the file has; every part that the part reader accepts has a
// record a host can store (an electronic part of a supported category, a
// valid environment and quantity, a reference that fits its field,
// parameters inside their lists and ranges); and a run ends with a documented
// exit status (for JSON, 2 exactly when the text stopped being JSON), a
// diagnostic per problem in the "file:line: why" form, and CSV output whose
// rows all have the header's cells and end with the total. That a CSV list
// and its JSON rendering give the same report is the unit tests' to check.
//
// The component library is the tests' stand-in (see predict_csv).
#include "support/parts_list_checks.h"

#include "tools/parts_list/columns.h"
#include "tools/parts_list/csv_reader.h"
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

constexpr std::string_view kCsvName = "parts.csv", kJsonName = "parts.json";

// Every cell quoted, quotes doubled.
std::string written(const CsvRecord& record) {
    std::string text;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0) text += ',';
        text += '"';
        for (char c : record[i]) text += c == '"' ? std::string("\"\"") : std::string(1, c);
        text += '"';
    }
    return text + '\n';
}

void check_round_trip(std::string_view text) {
    std::vector<bool> well_formed;
    const std::vector<CsvRecord> records = read_csv_records(text, &well_formed);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!well_formed[i]) continue;
        std::vector<bool> again_well_formed;
        const std::vector<CsvRecord> again = read_csv_records(written(records[i]), &again_well_formed);
        require(again.size() == 1 && again[0] == records[i] && again_well_formed[0],
                "a record written out and read again differs");
    }
}

// Reads every part of `rows` and checks the accepted ones.
class AcceptedParts {
public:
    explicit AcceptedParts(const cli::ColumnLayout& layout) : reader_(layout, diagnostics_, library_) {}

    void check(const cli::Row& row) {
        if (!reader_.read(row, part_)) return;
        if (!part_.refused()) check_part(part_);
        else require(part_.line >= 1, "a refused part without its line");
    }

private:
    std::ostringstream ignored_;
    cli::Diagnostics diagnostics_{kCsvName, ignored_};
    cli::test::FakeLibrary library_;
    cli::PartReader reader_;
    cli::Part part_;
};

void check_csv_parts(const std::string& text) {
    std::istringstream in(text);
    cli::CsvReader csv(in);
    bool found_header = false;
    while (!found_header && csv.next()) found_header = !csv.blank();
    if (!found_header) return;
    std::vector<cli::HeaderProblem> problems;
    const cli::ColumnLayout layout(csv, problems);
    for (const cli::HeaderProblem& problem : problems)
        if (problem.fatal) return;
    AcceptedParts parts(layout);
    while (csv.next()) parts.check(csv);
}

void check_json_parts(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream ignored;
    cli::Diagnostics diagnostics(kJsonName, ignored);
    cli::JsonReader json(in, diagnostics);
    AcceptedParts parts(json.layout());
    const std::size_t lines = line_count(text);
    unsigned long last_line = 1;
    while (json.next()) {
        require(json.line() >= last_line && json.line() <= lines, "a part's line goes back or beyond the file");
        last_line = json.line();
        require(json.size() == json.layout().size(), "a part without a cell for every column");
        for (std::size_t column = 0; column < json.size(); ++column)
            require(json.cell_line(column) >= json.line() && json.cell_line(column) <= lines,
                    "a member's line is before its part or beyond the file");
        parts.check(json);
    }
}

void check_csv_run(const std::string& text) {
    const ListRun run = predict_csv(text, kCsvName);
    if (run.status != cli::kListUnusable) check_csv_output(run.out, run.status);
}

// `rendering`: the text is the JSON rendering of a CSV list.
void check_json_run(const std::string& text, bool rendering) {
    const ListRun json = predict_csv(text, kJsonName);
    std::istringstream in(text);
    std::ostringstream ignored;
    cli::Diagnostics diagnostics(kJsonName, ignored);
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (cli::format_by_content(text) == cli::ListFormat::json) {
        check_json_parts(text);
        check_json_run(text, false);
        return 0;
    }
    check_round_trip(text);
    check_csv_parts(text);
    check_csv_run(text);
    const std::string json = cli::test::json_rendering(text);
    check_json_parts(json);
    check_json_run(json, true);
    return 0;
}
