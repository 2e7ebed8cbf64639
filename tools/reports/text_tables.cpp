// The report tables for people. For every category of the list, in ItemCode
// order: a heading, the parameter table, the factor table (with each part's
// failure rate and status, and its message lines under it) and the category's
// sum; then the parts whose category is not known, and the total and counts.
// The columns of both tables come from the report-field exports, in their
// display order, with their titles cut into title lines of the column width.
#include "records/item_codes.h"
#include "tools/reports/held_parts.h"
#include "tools/prediction/output.h"
#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"
#include "tools/prediction/summary.h"
#include "tools/reports/text_table.h"

#include <deque>
#include <string>

namespace gjbz108a::cli {
namespace {

constexpr int kDigits = 6;
using Align = TextTable::Align;

std::vector<std::string_view> title_lines(const ReportTable& table, const ReportTable::Column& column) {
    std::vector<std::string_view> lines;
    for (unsigned l = 0; l < table.title_lines(); ++l) lines.push_back(ReportTable::title_line(column, l));
    return lines;
}

class TextTables final : public HoldingReport {
public:
    explicit TextTables(std::ostream& out) : out_(out) {}

    void finish(const Summary& s) override {
        for (const Category& category : categories()) {
            const auto parts = parts_.of(category.item_code);
            if (!parts.empty()) write_category(category, parts);
        }
        if (!parts_.of(0).empty()) write_unplaced(parts_.of(0));
        text_summary(out_, s, kDigits);
        out_.flush();
    }

private:
    void heading(std::string_view text) {
        out_.text(text).ch('\n').text(std::string(text.size(), '=')).text("\n\n");
    }

    // Text that the table shows until it is written.
    std::string_view keep(std::string_view text) { return texts_.emplace_back(text); }

    std::string_view quantity(const HeldPart& part) {
        return part.quantity == 0 ? std::string_view{} : keep(out_.format_whole(part.quantity));
    }

    void write_category(const Category& category, std::span<const HeldPart> parts) {
        heading(std::string(category.name) + " (ItemCode " + std::to_string(category.item_code) + ")");
        if (!report_table(category.item_code, TableKind::parameters).columns().empty())
            write_parameters(category.item_code, parts);
        const double sum = write_factors(category.item_code, parts);
        out_.text(category.name).text(": ").whole(parts.size()).text(parts.size() == 1 ? " part" : " parts")
            .text(", sum of qty x failure rate ").rounded(sum, kDigits).text(" per 10^6 hours\n\n");
        texts_.clear();
    }

    void write_parameters(unsigned item_code, std::span<const HeldPart> parts) {
        const ReportTable& parameters = report_table(item_code, TableKind::parameters);
        TextTable table;
        table.column({"Ref"});
        table.column({"Qty"}, 0, Align::right);
        for (const auto& column : parameters.columns()) table.column(title_lines(parameters, column), column.width);
        for (const HeldPart& part : parts) {
            std::vector<std::string_view> cells{part.ref, quantity(part)};
            cells.insert(cells.end(), part.parameters.begin(), part.parameters.end());
            table.row(std::move(cells));
        }
        table.write(out_);
        out_.ch('\n');
    }

    // Gives the sum of qty x failure rate of the computed parts.
    double write_factors(unsigned item_code, std::span<const HeldPart> parts) {
        const ReportTable& factors = report_table(item_code, TableKind::factors);
        TextTable table;
        table.column({"Ref"});
        table.column({"Qty"}, 0, Align::right);
        table.column({"Failure rate", "(per 10^6 h)"}, 0, Align::right);
        for (const auto& column : factors.columns()) table.column(title_lines(factors, column), column.width);
        table.column({"Status"});
        double sum = 0;
        for (const HeldPart& part : parts) {
            const bool computed = part.status != Status::not_computed;
            std::vector<std::string_view> cells{part.ref, quantity(part),
                                                computed ? keep(out_.format_rounded(part.failure_rate, kDigits))
                                                         : std::string_view{}};
            cells.insert(cells.end(), part.factors.begin(), part.factors.end());
            cells.resize(3 + factors.columns().size());  // no factors for a part not computed
            cells.push_back(status_text(part.status));
            table.row(std::move(cells), part.messages);
            if (computed) sum += part.quantity_rate;
        }
        table.write(out_);
        out_.ch('\n');
        return sum;
    }

    void write_unplaced(std::span<const HeldPart> parts) {
        heading("Parts of no known category");
        TextTable table;
        table.column({"Ref"});
        table.column({"Qty"}, 0, Align::right);
        table.column({"Category"});
        table.column({"Status"});
        for (const HeldPart& part : parts)
            table.row({part.ref, quantity(part), part.category, status_text(part.status)}, part.messages);
        table.write(out_);
        out_.ch('\n');
        texts_.clear();
    }

    Output out_;
    std::deque<std::string> texts_;  // a deque keeps them in place as it grows
};

}  // namespace

std::unique_ptr<Report> make_text_tables(std::ostream& out) { return std::make_unique<TextTables>(out); }

}  // namespace gjbz108a::cli
