// The report tables for people. For every category of the list, in ItemCode
// order: a heading, the parameter table, the factor table (with each part's
// failure rate and status, and its message lines under it) and the category's
// sum; then the parts whose category is not known, and the total and counts.
// The parameter table shows the values each part was computed with, marking
// those that the library's defaults gave.
// The columns of both tables come from the report-field exports, in their
// display order, with their titles cut into title lines of the column width.
#include "records/item_codes.h"
#include "tools/reports/held_parts.h"
#include "tools/prediction/output.h"
#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"
#include "tools/prediction/summary.h"
#include "tools/reports/text_table.h"

#include <string>

namespace gjbz108a::cli {
namespace {

constexpr int kDigits = 6;
using Align = TextTable::Align;

std::vector<std::string_view> title_lines(const ReportTable& table, const ReportTable::Column& column) {
    std::vector<std::string_view> lines;
    for (unsigned l = 0; l < table.title_lines(); ++l) lines.push_back(ReportTable::title_line(column, l));
    if (!column.unit.empty()) lines.push_back(column.unit);
    return lines;
}

class TextTables final : public HoldingReport {
public:
    explicit TextTables(std::ostream& out) : out_(out) {}

    void finish(const Summary& s) override {
        for (const Category& category : categories())
            if (parts_.count(category.item_code) != 0) write_category(category);
        if (parts_.count(0) != 0) write_unplaced();
        text_summary(out_, s, kDigits);
        out_.flush();
    }

private:
    void heading(std::string_view text) {
        out_.text(text).ch('\n').text(std::string(text.size(), '=')).text("\n\n");
    }

    // A cell that the library's defaults gave, in `text`: the mark follows
    // its text, in the blank after it where there is one.
    static std::string_view marked(std::string_view cell, std::string& text) {
        text.assign(cell);
        const std::size_t end = text.find_last_not_of(' ') + 1;  // 0 for a blank cell
        if (end < text.size()) text[end] = kDefaultedMark;
        else text.push_back(kDefaultedMark);
        return text;
    }

    std::string_view quantity(const HeldPart& part) {
        if (part.quantity == 0) return {};
        return quantity_.assign(out_.format_whole(part.quantity));
    }

    // The first pass over the category's parts: the columns fitted to the cells.
    template <typename Cells>
    void fit(TextTable& table, unsigned item_code, Cells cells_of) {
        for (auto parts = parts_.read(item_code); const HeldPart* part = parts.next();) table.fit(cells_of(*part));
    }

    void write_category(const Category& category) {
        heading(std::string(category.name) + " (ItemCode " + std::to_string(category.item_code) + ")");
        if (!report_table(category.item_code, TableKind::parameters).columns().empty())
            write_parameters(category.item_code);
        const double sum = write_factors(category.item_code);
        const unsigned long count = parts_.count(category.item_code);
        out_.text(category.name).text(": ").whole(count).text(count == 1 ? " part" : " parts")
            .text(", sum of qty x failure rate ").rounded(sum, kDigits).text(" per 10^6 hours\n\n");
    }

    void write_parameters(unsigned item_code) {
        const ReportTable& parameters = report_table(item_code, TableKind::parameters);
        TextTable table;
        table.column({"Ref"});
        table.column({"Qty"}, 0, Align::right);
        for (const auto& column : parameters.columns()) table.column(title_lines(parameters, column), column.width);
        auto cells_of = [&](const HeldPart& part) -> const std::vector<std::string_view>& {
            cells_.assign({part.ref, quantity(part)});
            marked_.resize(part.parameters.size());  // before any view into it is taken
            for (std::size_t i = 0; i < part.parameters.size(); ++i)
                cells_.push_back(part.defaulted_columns >> i & 1 ? marked(part.parameters[i], marked_[i])
                                                                 : std::string_view(part.parameters[i]));
            return cells_;
        };
        fit(table, item_code, cells_of);
        table.write_head(out_);
        for (auto parts = parts_.read(item_code); const HeldPart* part = parts.next();)
            table.write_row(out_, cells_of(*part));
        out_.ch('\n');
    }

    // Gives the sum of qty x failure rate of the computed parts.
    double write_factors(unsigned item_code) {
        const ReportTable& factors = report_table(item_code, TableKind::factors);
        TextTable table;
        table.column({"Ref"});
        table.column({"Qty"}, 0, Align::right);
        table.column({"Failure rate", "(per 10^6 h)"}, 0, Align::right);
        for (const auto& column : factors.columns()) table.column(title_lines(factors, column), column.width);
        table.column({"Status"});
        auto cells_of = [&](const HeldPart& part) -> const std::vector<std::string_view>& {
            const bool computed = part.status != Status::not_computed;
            rate_.assign(computed ? out_.format_rounded(part.failure_rate, kDigits) : std::string_view{});
            cells_.assign({part.ref, quantity(part), rate_});
            cells_.insert(cells_.end(), part.factors.begin(), part.factors.end());
            cells_.resize(3 + factors.columns().size());  // no factors for a part not computed
            cells_.push_back(status_text(part.status));
            return cells_;
        };
        fit(table, item_code, cells_of);
        table.write_head(out_);
        double sum = 0;
        for (auto parts = parts_.read(item_code); const HeldPart* part = parts.next();) {
            table.write_row(out_, cells_of(*part), part->messages);
            if (part->status != Status::not_computed) sum += part->quantity_rate;
        }
        out_.ch('\n');
        return sum;
    }

    void write_unplaced() {
        heading("Parts of no known category");
        TextTable table;
        table.column({"Ref"});
        table.column({"Qty"}, 0, Align::right);
        table.column({"Category"});
        table.column({"Status"});
        auto cells_of = [&](const HeldPart& part) -> const std::vector<std::string_view>& {
            cells_.assign({part.ref, quantity(part), part.category, status_text(part.status)});
            return cells_;
        };
        fit(table, 0, cells_of);
        table.write_head(out_);
        for (auto parts = parts_.read(0); const HeldPart* part = parts.next();)
            table.write_row(out_, cells_of(*part), part->messages);
        out_.ch('\n');
    }

    Output out_;
    // A row's cells and the numbers among them, until the row is fitted or written.
    std::vector<std::string_view> cells_;
    std::vector<std::string> marked_;  // the marked cells of the row being written
    std::string quantity_, rate_;
};

}  // namespace

std::unique_ptr<Report> make_text_tables(std::ostream& out) { return std::make_unique<TextTables>(out); }

}  // namespace gjbz108a::cli
