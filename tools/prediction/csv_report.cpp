// Comma-separated output: one row per part with exact numbers, message lines
// joined by line breaks inside one quoted cell, the keys of the values that the
// library's defaults gave, then one column per parameter key of any category
// with the value the part was computed with (named as in a parts list), then
// one column per factor name
// of any category (empty where the part's category has no such factor, the
// model hid it, or the part was not computed), and a closing row whose status
// is "total" with the total failure rate and the counts.
#include "tools/prediction/escaping.h"
#include "tools/prediction/factor_names.h"
#include "tools/prediction/output.h"
#include "tools/prediction/part_fields.h"
#include "tools/prediction/report.h"
#include "tools/prediction/summary.h"
#include "tools/prediction/used_value_fields.h"
#include "tools/reports/report_table.h"
#include "records/field_values.h"

#include <gjbz108a/records.h>

#include <optional>
#include <utility>
#include <vector>

namespace gjbz108a::cli {
namespace {

class CsvReport final : public Report {
public:
    CsvReport(std::ostream& out, bool environments)
        : out_(out), environments_(environments), values_(parameter_keys_.keys().size()),
          factors_(factor_names_.names().size()) {
        out_.text(kCsvPartColumns);
        if (environments_) out_.text(",environment,environment_name");
        out_.text(",defaulted");
        for (const std::string_view key : parameter_keys_.keys()) out_.ch(',').text(key);
        for (const std::string& name : factor_names_.names()) csv_cell(out_.ch(','), name);
        out_.ch('\n');
    }

    void part(const PartLine& line) override {
        csv_part_cells(out_, line, joined_);
        if (environments_) {
            out_.ch(',');
            if (const unsigned environment = line.record[GJBZ108A_ENVIRONMENT_CODE]) out_.whole(environment);
            csv_cell(out_.ch(','), line.environment_name);
        }
        out_.ch(',').text(defaulted_keys(line.used, keys_).value_or(""));
        // Most of a part's cells are empty: the commas before each value are
        // written in one go.
        std::size_t commas = 0;
        place_values(line);
        for (const ParameterField* field : values_) {
            ++commas;
            if (field == nullptr) continue;
            out_.repeat(',', std::exchange(commas, 0));
            csv_cell(out_, field_value_text(*field, line.record + GJBZ108A_EDIT_EFFECTIVE_BLOCK, value_text_));
        }
        place_factors(line);
        for (const std::optional<float>& factor : factors_) {
            ++commas;
            if (!factor) continue;
            out_.repeat(',', std::exchange(commas, 0));
            out_.exact(*factor);
        }
        out_.repeat(',', commas).ch('\n');
    }

    void finish(const Summary& s) override {
        out_.text(",,,,").exact(s.total_failure_rate).text(",total,");
        summary_cell(s, counts_);
        csv_cell(out_, counts_);
        out_.text(environments_ ? ",," : "").text(std::string(1 + values_.size() + factors_.size(), ',')).ch('\n');
        out_.flush();
    }

private:
    void place_values(const PartLine& line) {
        std::fill(values_.begin(), values_.end(), nullptr);
        const auto fields = line.used.fields();
        const unsigned code = line.record[GJBZ108A_ITEM_CODE];
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (line.used.shown(i)) values_[parameter_keys_.position(code, i)] = &fields[i];
    }

    void place_factors(const PartLine& line) {
        std::fill(factors_.begin(), factors_.end(), std::nullopt);
        if (line.status == Status::not_computed) return;
        const unsigned code = line.record[GJBZ108A_ITEM_CODE];
        const ReportTable& table = report_table(code, TableKind::factors);
        const auto columns = table.columns();
        for (std::size_t i = 0; i < columns.size(); ++i)
            factors_[factor_names_.position(code, i)] = table.factor(columns[i], line.record);
    }

    Output out_;
    bool environments_;
    ParameterKeys parameter_keys_;
    std::vector<const ParameterField*> values_;  // this part's shown fields, by position among the keys
    FactorNames factor_names_;
    std::vector<std::optional<float>> factors_;  // this part's, by position among the names
    std::string joined_;
    std::string counts_;
    std::string keys_;
    FieldValueText value_text_;
};

}  // namespace

std::unique_ptr<Report> make_csv_report(std::ostream& out, bool environments) {
    return std::make_unique<CsvReport>(out, environments);
}

}  // namespace gjbz108a::cli
