// The command-line host's parts-list reader on arbitrary files. Properties:
// the CSV reader's records come back the same when written out again and
// re-read; every part that the part reader accepts has a record a host can
// store (an electronic part of a supported category, a valid environment and
// quantity, a reference that fits its field, parameters inside their lists
// and ranges); and the whole run ends with a documented exit status, a
// diagnostic per problem in the "file:line: why" form, and CSV output whose
// rows all have the header's cells and end with the total.
//
// The component library is the tests' stand-in (see predict_csv).
#include "support/parts_list_checks.h"

#include "tools/parts_list/columns.h"
#include "tools/parts_list/csv_reader.h"
#include "tools/parts_list/part_reader.h"


#include <sstream>
#include <string>
#include <vector>

using namespace gjbz108a;
using namespace gjbz108a::fuzz;

namespace {

constexpr std::string_view kFileName = "parts.csv";

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

void check_run(std::string_view text) {
    const ListRun run = predict_csv(std::string(text), kFileName);
    if (run.status != cli::kListUnusable) check_csv_output(run.out, run.status);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check_round_trip(text);
    check_parts(text);
    check_run(text);
    return 0;
}
