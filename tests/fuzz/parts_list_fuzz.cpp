// The command-line host's parts-list reader on arbitrary files. Properties:
// the CSV reader's records come back the same when written out again and
// re-read; every part that the part reader accepts has a record a host can
// store (an electronic part of a supported category, a valid environment and
// quantity, a reference that fits its field, parameters inside their lists
// and ranges); and the whole run ends with a documented exit status, a
// diagnostic per problem in the "file:line: why" form, and CSV output whose
// rows all have the header's cells and end with the total.
//
// The component library is the tests' stand-in, which gives every part type
// a complete set of defaults and knows no named part: the host library has a
// target of its own, and the stand-in keeps each input's run the same.
#include "support/fuzz_support.h"

#include "method/category_fields.h"
#include "method/item_codes.h"
#include "method/record.h"
#include "tools/columns.h"
#include "tools/csv_reader.h"
#include "tools/part_reader.h"
#include "tools/predict.h"

#include "../tools/fake_library.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using namespace gjbz108a;
using namespace gjbz108a::fuzz;

namespace {

constexpr std::string_view kFileName = "parts.csv";

using Record = std::vector<std::string>;

std::vector<Record> read_records(std::string_view text, std::vector<bool>* well_formed = nullptr) {
    std::istringstream in{std::string(text)};
    cli::CsvReader reader(in);
    std::vector<Record> records;
    unsigned long last_line = 0;
    while (reader.next()) {
        require(reader.size() >= 1, "a record without cells");
        require(reader.line() >= 1 && reader.line() >= last_line, "record lines go backwards");
        last_line = reader.line();
        Record record;
        for (std::size_t i = 0; i < reader.size(); ++i) record.emplace_back(reader.cell(i));
        records.push_back(std::move(record));
        if (well_formed) well_formed->push_back(reader.syntax_error().empty());
    }
    return records;
}

// Every cell quoted, quotes doubled.
std::string written(const Record& record) {
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
    const std::vector<Record> records = read_records(text, &well_formed);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!well_formed[i]) continue;
        std::vector<bool> again_well_formed;
        const std::vector<Record> again = read_records(written(records[i]), &again_well_formed);
        require(again.size() == 1 && again[0] == records[i] && again_well_formed[0],
                "a record written out and read again differs");
    }
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

void check_parts(std::string_view text) {
    std::istringstream in{std::string(text)};
    cli::CsvReader csv(in);
    bool found_header = false;
    while (!found_header && csv.next()) found_header = !csv.blank();
    if (!found_header) return;
    std::vector<cli::HeaderProblem> problems;
    const cli::ColumnLayout layout(csv, problems);
    for (const cli::HeaderProblem& problem : problems)
        if (problem.fatal) return;
    std::ostringstream diagnostics_out;
    cli::Diagnostics diagnostics(kFileName, diagnostics_out);
    cli::test::FakeLibrary library;
    cli::PartReader reader(layout, diagnostics, library);
    cli::Part part;
    while (csv.next()) {
        if (!reader.read(csv, part)) continue;
        if (!part.refused()) check_part(part);
        else require(part.line >= 1, "a refused part without its line");
    }
}

std::size_t line_count(std::string_view text) {
    std::size_t lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++lines;
    return lines;
}

void check_diagnostics(std::string_view diagnostics, std::size_t lines) {
    while (!diagnostics.empty()) {
        const std::size_t end = diagnostics.find('\n');
        require(end != std::string_view::npos, "a diagnostic does not end in a line feed");
        std::string_view line = diagnostics.substr(0, end);
        diagnostics.remove_prefix(end + 1);
        require(line.starts_with(kFileName) && line.size() > kFileName.size() + 1 && line[kFileName.size()] == ':',
                "a diagnostic does not start with the file's name");
        line.remove_prefix(kFileName.size() + 1);
        std::size_t number = 0, digits = 0;
        for (; digits < line.size() && line[digits] >= '0' && line[digits] <= '9'; ++digits)
            number = number * 10 + static_cast<std::size_t>(line[digits] - '0');
        require(digits > 0 && digits < 12 && line.substr(digits).starts_with(": "),
                "a diagnostic does not give its line");
        require(number >= 1 && number <= lines, "a diagnostic names a line the file does not have");
    }
}

void check_run(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::ostringstream out, diagnostics;
    cli::test::FakeLibrary library;
    const cli::ExitStatus status =
        cli::predict(in, kFileName, cli::Format::csv, cli::View::parts, out, diagnostics, &calc_item, &library);
    require(status == cli::kAllComputed || status == cli::kSomethingRefused || status == cli::kListUnusable,
            "an undocumented exit status");
    if (status == cli::kAllComputed) require(diagnostics.str().empty(), "exit status 0 with a diagnostic");
    check_diagnostics(diagnostics.str(), line_count(text));
    if (status == cli::kListUnusable) return;

    std::vector<bool> well_formed;
    const std::vector<Record> rows = read_records(out.str(), &well_formed);
    require(rows.size() >= 2, "CSV output without its header and total");
    const auto status_column = std::find(rows[0].begin(), rows[0].end(), "status") - rows[0].begin();
    for (std::size_t i = 0; i < rows.size(); ++i)
        require(well_formed[i] && rows[i].size() == rows[0].size(), "a CSV output row is not as wide as its header");
    require(static_cast<std::size_t>(status_column) < rows[0].size() && rows.back()[status_column] == "total",
            "the CSV output does not end with the total");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check_round_trip(text);
    check_parts(text);
    check_run(text);
    return 0;
}
