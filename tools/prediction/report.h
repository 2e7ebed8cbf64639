// What the tool writes about a parts list: one line per part with its factors
// as it is computed, or the report tables of each category; then the total
// failure rate and the counts. Three formats carry the same content: text for
// people, CSV and JSON for programs.
#pragma once

#include "tools/parts_list/used_values.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <string_view>

namespace gjbz108a::cli {

enum class Status { computed, warnings, not_computed };

std::string_view status_text(Status status) noexcept;

struct PartLine {
    std::string_view ref;
    unsigned quantity;           // 0 when the row held no valid quantity
    std::string_view category;   // the category's name, or the cell as written
    Status status;
    float failure_rate;          // per 10^6 hours; not shown when not computed
    double quantity_rate;        // quantity x failure rate
    std::string_view messages;   // lines separated by '\n' (see for_each_line)
    // The part's EditRecord, results filled when computed. Writable because the
    // report-field exports take it so; the reports only read it.
    std::uint8_t* record;
    // The parameters the part was given, by the effective block; none shown
    // when the row was refused before it had one.
    UsedValues used = {};
    // The name of the part's environment (its code is in the record) from the
    // environment list in use; empty when it names none.
    std::string_view environment_name = {};
    // The line of the list where the part begins.
    unsigned long line = 0;
    // Lines for the error stream told while the part (and any row before it
    // that held none) was read and computed, written before the part is
    // reported, so that they keep their place however late that is.
    std::string_view told_before = {};
};

// The counts are disjoint: read = computed + with_warnings + refused.
struct Summary {
    double total_failure_rate = 0;  // sum of quantity x failure rate of the computed parts
    unsigned long read = 0;
    unsigned long computed = 0;
    unsigned long with_warnings = 0;
    unsigned long refused = 0;
    unsigned long took_defaults = 0;    // parts given a value from the library's defaults
    unsigned long pieces_read = 0;      // sum of the valid quantities
    unsigned long pieces_computed = 0;  // of the parts computed, with warnings or not

    // 10^6 / total failure rate, in hours, of the computed parts; 0 when the
    // total is 0 (nothing computed, or every rate 0), where it has no value.
    double mtbf_hours() const noexcept { return total_failure_rate > 0 ? 1e6 / total_failure_rate : 0; }
};

class Report {
public:
    virtual ~Report() = default;
    virtual void part(const PartLine& line) = 0;
    virtual void finish(const Summary& summary) = 0;
};

enum class Format { text, csv, json };

// One line per part, written as it comes, or the report tables of each
// category, or the categories and parts by their share of the total (the
// Pareto view), both written at the end.
enum class View { parts, tables, pareto };

// With `environments`, an environment list is in use: every part shows its
// environment (text: an Env column, the name or else the code; CSV: the
// columns environment and environment_name; JSON: those members). Without
// one the codes are those of the list as written, and are not repeated.
std::unique_ptr<Report> make_text_report(std::ostream& out, bool environments = false);
std::unique_ptr<Report> make_csv_report(std::ostream& out, bool environments = false);
std::unique_ptr<Report> make_json_report(std::ostream& out, bool environments = false);
std::unique_ptr<Report> make_text_tables(std::ostream& out);
std::unique_ptr<Report> make_csv_tables(std::ostream& out);
std::unique_ptr<Report> make_json_tables(std::ostream& out);
// `top` is the number of parts that the Pareto view shows, 0 for all.
std::unique_ptr<Report> make_pareto(Format format, std::ostream& out, std::size_t top);
std::unique_ptr<Report> make_report(Format format, View view, std::ostream& out, std::size_t top = 0,
                                    bool environments = false);

}  // namespace gjbz108a::cli
