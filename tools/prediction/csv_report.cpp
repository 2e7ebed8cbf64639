// Comma-separated output: one row per part with exact numbers, message lines
// joined by line breaks inside one quoted cell, then one column per factor name
// of any category (empty where the part's category has no such factor, the
// model hid it, or the part was not computed), and a closing row whose status
// is "total" with the total failure rate and the counts.
#include "tools/prediction/escaping.h"
#include "tools/prediction/factor_names.h"
#include "tools/prediction/output.h"
#include "tools/prediction/part_fields.h"
#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"

#include <gjbz108a/records.h>

#include <optional>
#include <vector>

namespace gjbz108a::cli {
namespace {

class CsvReport final : public Report {
public:
    explicit CsvReport(std::ostream& out) : out_(out), factors_(factor_names_.names().size()) {
        out_.text(kCsvPartColumns);
        for (const std::string& name : factor_names_.names()) csv_cell(out_.ch(','), name);
        out_.ch('\n');
    }

    void part(const PartLine& line) override {
        csv_part_cells(out_, line, joined_);
        place_factors(line);
        for (const std::optional<float>& factor : factors_) {
            out_.ch(',');
            if (factor) out_.exact(*factor);
        }
        out_.ch('\n');
    }

    void finish(const Summary& s) override {
        out_.text(",,,,").exact(s.total_failure_rate).text(",total,");
        counts_.assign("parts read ").append(std::to_string(s.read))
            .append("; computed ").append(std::to_string(s.computed))
            .append("; computed with warnings ").append(std::to_string(s.with_warnings))
            .append("; refused ").append(std::to_string(s.refused));
        csv_cell(out_, counts_);
        out_.text(std::string(factors_.size(), ',')).ch('\n');
        out_.flush();
    }

private:
    void place_factors(const PartLine& line) {
        std::fill(factors_.begin(), factors_.end(), std::nullopt);
        if (line.status == Status::not_computed) return;
        const unsigned code = line.record[GJBZ108A_ITEM_CODE];
        const ReportTable& table = report_table(code, TableKind::factors);
        const auto columns = table.columns();
        for (std::size_t i = 0; i < columns.size(); ++i)
            factors_[factor_names_.position(code, i)] = table.factor(columns[i], line.record, cell_);
    }

    Output out_;
    FactorNames factor_names_;
    std::vector<std::optional<float>> factors_;  // this part's, by position among the names
    CellBuffer cell_;
    std::string joined_;
    std::string counts_;
};

}  // namespace

std::unique_ptr<Report> make_csv_report(std::ostream& out) { return std::make_unique<CsvReport>(out); }

}  // namespace gjbz108a::cli
