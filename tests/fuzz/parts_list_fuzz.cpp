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
#include "support/fuzz_support.h"

#include "records/category_fields.h"
#include "records/item_codes.h"
#include "records/record.h"
#include "tools/parts_list/columns.h"
#include "tools/parts_list/csv_reader.h"
#include "tools/parts_list/json_reader.h"
#include "tools/parts_list/list_format.h"
#include "tools/parts_list/part.h"
#include "tools/parts_list/part_reader.h"
#include "tools/prediction/predict.h"

#include "../tools/fake_library.h"
#include "../tools/json_rendering.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace gjbz108a;
using namespace gjbz108a::fuzz;

namespace {

constexpr std::string_view kCsvName = "parts.csv", kJsonName = "parts.json";

// A record's cells, and whether it was written without a syntax error.
struct CsvRecord {
    std::vector<std::string> cells;
    bool well_formed;
};

std::vector<CsvRecord> read_csv_records(std::string_view text) {
    std::istringstream in{std::string(text)};
    cli::CsvReader reader(in);
    std::vector<CsvRecord> records;
    unsigned long last_line = 0;
    while (reader.next()) {
        require(reader.size() >= 1, "a record without cells");
        require(reader.line() >= 1 && reader.line() >= last_line, "record lines go backwards");
        last_line = reader.line();
        CsvRecord& record = records.emplace_back(CsvRecord{{}, reader.syntax_error().empty()});
        for (std::size_t i = 0; i < reader.size(); ++i) record.cells.emplace_back(reader.cell(i));
    }
    return records;
}

void check_part(const cli::Part& part) {
    const std::uint8_t* record = part.record.data();
    const unsigned code = record[GJBZ108A_ITEM_CODE];
    require(record[GJBZ108A_ITEM_CLASS] == 1 && record[GJBZ108A_EDIT_ITEM_CLASS] == 1, "an accepted part is not electronic");
    require(find_category(code) != nullptr && record[GJBZ108A_EDIT_ITEM_CODE] == code,
            "an accepted part has no supported category");
    require(record[GJBZ108A_ENVIRONMENT_CODE] >= 1 && record[GJBZ108A_ENVIRONMENT_CODE] <= kLastEnvironmentCode,
            "an accepted part has an invalid environment");
    const unsigned quantity = load_u16(record, GJBZ108A_EDIT_QUANTITY);
    require(quantity >= 1 && quantity <= 9999 && quantity == part.quantity, "an accepted part has an invalid quantity");
    const std::size_t reference = GJBZ108A_EDIT_PART_NAME - GJBZ108A_EDIT_REFERENCE;
    const auto* ref = reinterpret_cast<const char*>(record + GJBZ108A_EDIT_REFERENCE);
    require(std::memchr(ref, 0, reference) != nullptr && part.ref == ref,
            "an accepted part's reference is not the text of its field");
    require(!std::isnan(load_f32(record, GJBZ108A_TEMPERATURE)) && !std::isnan(load_f32(record, GJBZ108A_CYCLING_RATE)),
            "an accepted part has a temperature or cycling rate that is not a number");

    const std::uint8_t* block = record + GJBZ108A_EDIT_ENTERED_BLOCK;
    for (const ParameterField& field : category_fields(code)) {
        if (field.type == FieldType::selection)
            require(block[field.offset] <= field.entries.size(), "a selection code beyond its list");
        if (field.type == FieldType::f32) {
            const float value = load_f32(block, field.offset);
            require(std::isfinite(value) && value >= 0, "a real parameter that is negative or not finite");
        }
    }
}

// Lines as the readers count them: LF, CRLF and a lone CR each end one.
std::size_t line_count(std::string_view text) {
    std::size_t lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++lines;
    return lines;
}

void check_diagnostics(std::string_view diagnostics, std::string_view file_name, std::size_t lines) {
    while (!diagnostics.empty()) {
        const std::size_t end = diagnostics.find('\n');
        require(end != std::string_view::npos, "a diagnostic does not end in a line feed");
        std::string_view line = diagnostics.substr(0, end);
        diagnostics.remove_prefix(end + 1);
        require(line.starts_with(file_name) && line.substr(file_name.size()).starts_with(':'),
                "a diagnostic does not start with the file's name");
        line.remove_prefix(file_name.size() + 1);
        std::size_t number = 0;  // digits only: no sign, no blank, not beyond the type
        const auto [after, error] = std::from_chars(line.data(), line.data() + line.size(), number);
        require(error == std::errc{} && line.substr(static_cast<std::size_t>(after - line.data())).starts_with(": "),
                "a diagnostic does not give its line");
        require(number >= 1 && number <= lines, "a diagnostic names a line the file does not have");
    }
}

// The output of --format csv: every row as wide as the header, the total last,
// and the exit status that its count of refused parts calls for. (A run may
// tell notes that refuse nothing, a reference used twice or Latin-1 bytes,
// and still exit with 0.)
void check_csv_output(std::string_view out, int status) {
    const std::vector<CsvRecord> rows = read_csv_records(out);
    require(rows.size() >= 2, "CSV output without its header and total");
    const std::vector<std::string>& header = rows[0].cells;
    const auto status_column = static_cast<std::size_t>(std::ranges::find(header, "status") - header.begin());
    for (const CsvRecord& row : rows)
        require(row.well_formed && row.cells.size() == header.size(), "a CSV output row is not as wide as its header");
    require(status_column < header.size() && rows.back().cells[status_column] == "total",
            "the CSV output does not end with the total");
    const std::string& counts = rows.back().cells[status_column + 1];
    const std::size_t refused = counts.find("; refused ");
    require(refused != std::string::npos, "the total does not count the refused parts");
    // The count of refused parts, whatever the total says after it.
    const std::string_view count = std::string_view(counts).substr(refused + std::string_view("; refused ").size());
    require(status != 0 || (count.starts_with('0') && (count.size() == 1 || count[1] == ';')),
            "exit status 0 with a refused part");
}

// A prediction with --format csv against the tests' stand-in library, which
// gives every part type a complete set of defaults and knows no named part:
// the host library has a target of its own, and the stand-in keeps each
// input's run the same. Its exit status is a documented one, and every
// diagnostic a "file:line: why" line that names a line the text has.
struct ListRun {
    cli::ExitStatus status;
    std::string out;
};

ListRun predict_csv(const std::string& text, std::string_view file_name) {
    std::istringstream in(text);
    std::ostringstream out, diagnostics;
    cli::test::FakeLibrary library;
    const cli::ExitStatus status =
        cli::predict(in, file_name, cli::Format::csv, cli::View::parts, out, diagnostics, &calc_item, &library);
    require(status == cli::kAllComputed || status == cli::kSomethingRefused || status == cli::kListUnusable,
            "an undocumented exit status");
    check_diagnostics(diagnostics.str(), file_name, line_count(text));
    return {status, out.str()};
}

// Every cell quoted, quotes doubled.
std::string written(const std::vector<std::string>& record) {
    std::ostringstream text;
    for (std::size_t i = 0; i < record.size(); ++i) text << (i == 0 ? "" : ",") << std::quoted(record[i], '"', '"');
    return text.str() + '\n';
}

void check_round_trip(std::string_view text) {
    for (const CsvRecord& record : read_csv_records(text)) {
        if (!record.well_formed) continue;
        const std::vector<CsvRecord> again = read_csv_records(written(record.cells));
        require(again.size() == 1 && again[0].cells == record.cells && again[0].well_formed,
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
    std::ostringstream ignored;
    cli::Diagnostics diagnostics(kCsvName, ignored);
    cli::CsvReader csv(in);
    bool problems = false;
    const auto layout = cli::read_header(csv, diagnostics, problems);
    if (!layout) return;
    AcceptedParts parts(*layout);
    while (csv.next()) parts.check(csv);
}

// What reading a JSON text to its end found: a parts list, and text that is not JSON.
struct JsonRead {
    bool opened, stopped;
};

JsonRead check_json_parts(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream ignored;
    cli::Diagnostics diagnostics(kJsonName, ignored);
    cli::JsonReader json(in, diagnostics);
    const bool opened = json.open();
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
    return {opened, json.stopped()};
}

// The JSON text's parts, then its run. `rendering`: the text is the JSON
// rendering of a CSV list.
void check_json(const std::string& text, bool rendering) {
    const JsonRead read = check_json_parts(text);
    const ListRun json = predict_csv(text, kJsonName);
    require(read.opened == !json.out.empty(), "a report without a parts list, or a parts list without a report");
    if (read.opened) check_csv_output(json.out, json.status);
    require(read.stopped == (json.status == cli::kListUnusable),
            "exit status 2 is not exactly the list that stops being JSON");
    require(!rendering || !read.stopped, "the JSON rendering of a CSV list is not read as JSON");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (cli::format_by_content(text) == cli::ListFormat::json) {
        check_json(text, false);
        return 0;
    }
    check_round_trip(text);
    check_csv_parts(text);
    const ListRun csv = predict_csv(text, kCsvName);
    if (csv.status != cli::kListUnusable) check_csv_output(csv.out, csv.status);
    check_json(cli::test::json_rendering(text), true);
    return 0;
}
