// The report tables as CSV: one section per category of the list, in ItemCode
// order, sections apart by an empty row. A section's first row names its
// columns: the part's general columns, the keys of the values that the
// library's defaults gave, then the category's parameter columns (the values
// the part was computed with) and factor columns in display order, named by their titles (title lines
// joined); its cells are the report cells without their blanks. Parts whose
// category is not known have a section of the general columns only; the last
// section holds the total and the counts.
#include "records/item_codes.h"
#include "tools/prediction/escaping.h"
#include "tools/reports/held_parts.h"
#include "tools/prediction/output.h"
#include "tools/prediction/part_fields.h"
#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"
#include "tools/prediction/summary.h"

namespace gjbz108a::cli {
namespace {

class CsvTables final : public HoldingReport {
public:
    explicit CsvTables(std::ostream& out) : out_(out) {}

    void finish(const Summary& s) override {
        for (const Category& category : categories())
            if (parts_.count(category.item_code) != 0) section(category.item_code);
        if (parts_.count(0) != 0) section(0);
        out_.text(kCsvSummaryColumns).ch('\n');
        csv_summary_cells(out_, s);
        out_.flush();
    }

private:
    void section(unsigned item_code) {
        const ReportTable& parameters = report_table(item_code, TableKind::parameters);
        const ReportTable& factors = report_table(item_code, TableKind::factors);
        out_.text(kCsvPartColumns).text(",defaulted");
        for (const ReportTable* table : {&parameters, &factors})
            for (const auto& column : table->columns()) csv_cell(out_.ch(','), column.name);
        out_.ch('\n');
        for (auto parts = parts_.read(item_code); const HeldPart* part = parts.next();) {
            csv_part_cells(out_, *part, joined_);
            out_.ch(',').text(part->defaulted.value_or(""));
            for (const std::string& cell : part->parameters) csv_cell(out_.ch(','), trim_blanks(cell));
            for (std::size_t i = 0; i < factors.columns().size(); ++i)
                csv_cell(out_.ch(','), i < part->factors.size() ? trim_blanks(part->factors[i]) : "");
            out_.ch('\n');
        }
        out_.ch('\n');
    }

    Output out_;
    std::string joined_;
};

}  // namespace

std::unique_ptr<Report> make_csv_tables(std::ostream& out) { return std::make_unique<CsvTables>(out); }

}  // namespace gjbz108a::cli
