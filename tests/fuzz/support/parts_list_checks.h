// The properties that every run of a parts-list reader keeps, whatever the
// list's format: an accepted part has a record that a host can store, a
// diagnostic is one "file:line: why" line naming a line the file has, and the
// CSV output has rows as wide as its header and ends with the total.
#pragma once

#include "fuzz_support.h"

#include "records/category_fields.h"
#include "records/item_codes.h"
#include "records/record.h"
#include "tools/parts_list/csv_reader.h"
#include "tools/parts_list/part.h"
#include "tools/prediction/predict.h"

#include "../../tools/fake_library.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::fuzz {

using CsvRecord = std::vector<std::string>;

inline std::vector<CsvRecord> read_csv_records(std::string_view text, std::vector<bool>* well_formed = nullptr) {
    std::istringstream in{std::string(text)};
    cli::CsvReader reader(in);
    std::vector<CsvRecord> records;
    unsigned long last_line = 0;
    while (reader.next()) {
        require(reader.size() >= 1, "a record without cells");
        require(reader.line() >= 1 && reader.line() >= last_line, "record lines go backwards");
        last_line = reader.line();
        CsvRecord record;
        for (std::size_t i = 0; i < reader.size(); ++i) record.emplace_back(reader.cell(i));
        records.push_back(std::move(record));
        if (well_formed) well_formed->push_back(reader.syntax_error().empty());
    }
    return records;
}

inline void check_part(const cli::Part& part) {
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
inline std::size_t line_count(std::string_view text) {
    std::size_t lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++lines;
    return lines;
}

inline void check_diagnostics(std::string_view diagnostics, std::string_view file_name, std::size_t lines) {
    while (!diagnostics.empty()) {
        const std::size_t end = diagnostics.find('\n');
        require(end != std::string_view::npos, "a diagnostic does not end in a line feed");
        std::string_view line = diagnostics.substr(0, end);
        diagnostics.remove_prefix(end + 1);
        require(line.starts_with(file_name) && line.size() > file_name.size() + 1 && line[file_name.size()] == ':',
                "a diagnostic does not start with the file's name");
        line.remove_prefix(file_name.size() + 1);
        std::size_t number = 0, digits = 0;
        for (; digits < line.size() && line[digits] >= '0' && line[digits] <= '9'; ++digits)
            number = number * 10 + static_cast<std::size_t>(line[digits] - '0');
        require(digits > 0 && digits < 12 && line.substr(digits).starts_with(": "),
                "a diagnostic does not give its line");
        require(number >= 1 && number <= lines, "a diagnostic names a line the file does not have");
    }
}

// The output of --format csv: every row as wide as the header, the total last,
// and the exit status that its count of refused parts calls for. (A run may
// tell notes that refuse nothing, a reference used twice or Latin-1 bytes,
// and still exit with 0.)
inline void check_csv_output(std::string_view out, int status) {
    std::vector<bool> well_formed;
    const std::vector<CsvRecord> rows = read_csv_records(out, &well_formed);
    require(rows.size() >= 2, "CSV output without its header and total");
    const auto status_column = std::find(rows[0].begin(), rows[0].end(), "status") - rows[0].begin();
    for (std::size_t i = 0; i < rows.size(); ++i)
        require(well_formed[i] && rows[i].size() == rows[0].size(), "a CSV output row is not as wide as its header");
    require(static_cast<std::size_t>(status_column) < rows[0].size() && rows.back()[status_column] == "total",
            "the CSV output does not end with the total");
    const std::string& counts = rows.back()[static_cast<std::size_t>(status_column) + 1];
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
    std::string out, diagnostics;
};

inline ListRun predict_csv(const std::string& text, std::string_view file_name) {
    std::istringstream in(text);
    std::ostringstream out, diagnostics;
    cli::test::FakeLibrary library;
    const cli::ExitStatus status =
        cli::predict(in, file_name, cli::Format::csv, cli::View::parts, out, diagnostics, &calc_item, &library);
    require(status == cli::kAllComputed || status == cli::kSomethingRefused || status == cli::kListUnusable,
            "an undocumented exit status");
    check_diagnostics(diagnostics.str(), file_name, line_count(text));
    return {status, out.str(), diagnostics.str()};
}

}  // namespace gjbz108a::fuzz
