#include "tools/prediction/predict.h"

#include "tools/environments/environment_names.h"
#include "tools/parts_list/columns.h"
#include "tools/parts_list/csv_reader.h"
#include "tools/file_streams.h"
#include "tools/prediction/host_part_library.h"
#include "tools/parts_list/input_limits.h"
#include "tools/parts_list/json_reader.h"
#include "tools/parts_list/list_format.h"
#include "tools/parts_list/part_reader.h"
#include "tools/prediction/output.h"
#include "tools/prediction/reference_check.h"
#include "tools/prediction/threaded_report.h"
#include "tools/reports/spool_file.h"

#include <optional>

namespace gjbz108a::cli {
namespace {

Status status_of(int result) {
    switch (result) {
    case GJBZ108A_COMPUTED: return Status::computed;
    case GJBZ108A_WITH_WARNINGS: return Status::warnings;
    default: return Status::not_computed;
    }
}

// "file:line: part 'C3' not computed: why", the message lines joined.
void report_refusal(Diagnostics& report_problem, const Part& part, std::string_view messages) {
    std::string why = "part ";
    append_quoted(why, part.ref);
    why.append(" not computed");
    const char* separator = ": ";
    for_each_line(messages, [&](std::string_view line) {
        why.append(separator).append(line);
        separator = "; ";
    });
    report_problem.report(part.line, "", why);
}

// Where a second processor is free, a long list is formatted and written on a
// thread of its own while the next parts are read and computed.
std::unique_ptr<Report> parallel_report(std::unique_ptr<Report> report) {
    if (usable_processors() < 2) return report;
    return std::make_unique<ThreadedReport>(std::move(report), IdleProcessorRule());
}

// Computes the parts that `rows` gives, each reported before the next is read,
// and ends the report. What the reading and the computing tell of a part is
// held and handed over with it, so that the report's side writes it in its
// place: before the part's own report and the warnings about its reference.
template <typename Rows>
Summary compute_parts(Rows& rows, const ColumnLayout& layout, std::unique_ptr<Report> output,
                      Diagnostics& report_problem, std::string_view file_name, std::ostream& diagnostics,
                      PartLibrary& library, CalculateFunction calculate, std::ostream* progress,
                      const RunOptions& options) {
    PartReader reader(layout, report_problem, library, PartReader::Blocks::entered_and_effective,
                      options.no_defaults ? PartReader::Defaults::refused : PartReader::Defaults::taken,
                      options.environments);
    Calculator calculator(calculate);
    Part part;
    Summary summary;
    // Declared before the report, which writes what is left of `told` when it ends.
    std::string told, told_of_part;
    const auto report = parallel_report(std::make_unique<ReferenceCheck>(
        std::move(output), file_name, diagnostics, layout.label(layout.general(ColumnKind::ref)), told, progress));
    // Held in `told` only while it lives, however the loop ends.
    report_problem.hold(&told);
    const struct Release {
        Diagnostics& diagnostics;
        ~Release() { diagnostics.hold(nullptr); }
    } release{report_problem};
    while (rows.next()) {
        if (!reader.read(rows, part)) continue;
        ++summary.read;
        PartLine line{part.ref,
                      part.quantity,
                      part.category != nullptr ? part.category->name : std::string_view(part.category_text),
                      Status::not_computed,
                      0.0f,
                      0.0,
                      part.problems,
                      part.record.data(),
                      part.used};
        if (options.environments != nullptr)
            line.environment_name = options.environments->name(part.record[GJBZ108A_ENVIRONMENT_CODE]);
        line.line = part.line;
        if (!part.refused()) {
            const Outcome outcome = calculator.calculate(part.record.data());
            line.status = status_of(outcome.result);
            line.failure_rate = outcome.failure_rate;
            line.quantity_rate = static_cast<double>(part.quantity) * outcome.failure_rate;
            line.messages = outcome.messages;
            // The reader has told the problems of a refused row; what the check
            // or the model refuses is told here, so that the error stream holds
            // every refusal even when the output goes to a file.
            if (line.status == Status::not_computed) report_refusal(report_problem, part, line.messages);
        }
        switch (line.status) {
        case Status::computed: ++summary.computed; break;
        case Status::warnings: ++summary.with_warnings; break;
        case Status::not_computed: ++summary.refused; break;
        }
        summary.pieces_read += part.quantity;
        summary.took_defaults += part.used.any_defaulted() ? 1 : 0;
        if (line.status != Status::not_computed) {
            summary.total_failure_rate += line.quantity_rate;
            summary.pieces_computed += part.quantity;
        }
        // Taken from `told` before the report may throw, so that its end does
        // not write them again.
        told_of_part.clear();
        told.swap(told_of_part);
        line.told_before = told_of_part;
        report->part(line);
    }
    report->finish(summary);
    return summary;
}

// A JSON list has no header: its columns grow as the members name them, and a
// part that lacks a required member is refused on its own. A file that holds
// no parts list gets no report, as a CSV header without its columns. Text that
// is not JSON ends the reading; the parts before it are still computed and
// reported, but the list was not read whole, so the exit status is that of an
// unusable list.
ExitStatus predict_list(std::istream& in, std::string_view file_name, Format format, View view,
                        std::ostream& out, std::ostream& diagnostics, CalculateFunction calculate,
                        PartLibrary* library, std::ostream* progress, const RunOptions& options) {
    Diagnostics report_problem(file_name, diagnostics);
    const ListFormatProbe probe(in, file_name);
    const bool named_environments = options.environments != nullptr && !options.environments->empty();
    std::unique_ptr<PartLibrary> host_library;
    if (library == nullptr) library = (host_library = make_host_library()).get();

    if (probe.format() == ListFormat::json) {
        JsonReader json(in, report_problem);
        if (!json.open()) return kListUnusable;
        const Summary summary = compute_parts(json, json.layout(),
                                              make_report(format, view, out, options.top, named_environments),
                                              report_problem, file_name, diagnostics, *library, calculate, progress,
                                              options);
        if (json.stopped()) return kListUnusable;
        return summary.refused > 0 || json.unknown_members() ? kSomethingRefused : kAllComputed;
    }

    CsvReader csv(in);
    bool header_problems = false;
    const std::optional<ColumnLayout> layout = read_header(csv, report_problem, header_problems);
    if (!layout) return kListUnusable;
    const Summary summary =
        compute_parts(csv, *layout, make_report(format, view, out, options.top, named_environments), report_problem,
                      file_name, diagnostics, *library, calculate, progress, options);
    return summary.refused > 0 || header_problems ? kSomethingRefused : kAllComputed;
}

}  // namespace

ExitStatus predict(std::istream& in, std::string_view file_name, Format format, View view, std::ostream& out,
                   std::ostream& diagnostics, CalculateFunction calculate, PartLibrary* library,
                   std::ostream* progress, const RunOptions& options) {
    try {
        return predict_list(in, file_name, format, view, out, diagnostics, calculate, library, progress, options);
    } catch (const ReadError& error) {
        // The parts read before the error are written; the list was not read whole.
        diagnostics << "gjbz108a: " << error.what() << '\n';
        return kListUnusable;
    } catch (const RecordTooLong& error) {
        Diagnostics(file_name, diagnostics).report(error.line(), "", error.what());
        return kListUnusable;
    } catch (const SpoolError& error) {
        // The report tables could not hold the parts; nothing of them is written.
        diagnostics << "gjbz108a: " << error.what() << '\n';
        return kListUnusable;
    }
}

}  // namespace gjbz108a::cli
