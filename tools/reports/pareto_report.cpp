// The Pareto view in the three formats: the categories, then the parts, each
// with its quantity x failure rate, its share of the total and the running
// sum of the shares (percent), then the total, the MTBF and the counts.
//   text: two tables for people, shares to one decimal;
//   csv:  a section per table and one for the summary, apart by empty rows;
//   json: {"categories":[..],"parts":[..],"parts_shown":n,"parts_computed":n,
//          "total_failure_rate":x,"mtbf_hours":y,"summary":{..}}
#include "records/item_codes.h"
#include "tools/prediction/escaping.h"
#include "tools/prediction/output.h"
#include "tools/prediction/summary.h"
#include "tools/reports/pareto.h"
#include "tools/reports/text_table.h"

#include <charconv>

namespace gjbz108a::cli {
namespace {

constexpr int kDigits = 6;
using Align = TextTable::Align;

std::string_view category_name(unsigned item_code) { return find_category(item_code)->name; }

class ParetoReport final : public Report {
public:
    ParetoReport(Format format, std::ostream& out, std::size_t top) : format_(format), out_(out), shares_(top) {}

    void part(const PartLine& line) override { shares_.add(line); }

    void finish(const Summary& s) override {
        const std::vector<CategoryShare> categories = shares_.categories();
        const std::vector<PartShare> parts = shares_.take_parts();
        const unsigned long computed = s.computed + s.with_warnings;
        switch (format_) {
        case Format::text: text(categories, parts, computed, s); break;
        case Format::csv: csv(categories, parts, s); break;
        case Format::json: json(categories, parts, computed, s); break;
        }
        out_.flush();
    }

private:
    std::string_view percent(double part, double total) {
        char* const end = std::to_chars(number_, number_ + sizeof number_, percent_of(part, total),
                                        std::chars_format::fixed, 1).ptr;
        return {number_, static_cast<std::size_t>(end - number_)};
    }

    void heading(std::string_view text) {
        out_.text(text).ch('\n').text(std::string(text.size(), '=')).text("\n\n");
    }

    void text(const std::vector<CategoryShare>& categories, const std::vector<PartShare>& parts,
              unsigned long computed, const Summary& s) {
        const double total = s.total_failure_rate;
        heading("Categories by share of the total failure rate");
        TextTable by_category;
        by_category.column({"Category"});
        by_category.column({"Parts"}, 0, Align::right);
        by_category.column({"Pieces"}, 0, Align::right);
        by_category.column({"Qty x rate", "(per 10^6 h)"}, 0, Align::right);
        by_category.column({"Share", "(%)"}, 0, Align::right);
        by_category.column({"Cumulative", "(%)"}, 0, Align::right);
        for (const bool writing : {false, true}) {
            if (writing) by_category.write_head(out_);
            double running = 0;
            for (const CategoryShare& category : categories) {
                running += category.rate;
                cells_ = {category_name(category.item_code), keep(0, out_.format_whole(category.parts)),
                          keep(1, out_.format_whole(category.pieces)),
                          keep(2, out_.format_rounded(category.rate, kDigits)), keep(3, percent(category.rate, total)),
                          keep(4, percent(running, total))};
                if (writing) by_category.write_row(out_, cells_);
                else by_category.fit(cells_);
            }
        }
        out_.ch('\n');

        if (parts.size() < computed)
            heading("The " + std::to_string(parts.size()) + " largest of the " + std::to_string(computed) +
                    " computed parts by share of the total failure rate");
        else
            heading("Parts by share of the total failure rate");
        TextTable by_part;
        by_part.column({"Rank"}, 0, Align::right);
        by_part.column({"Ref"});
        by_part.column({"Qty"}, 0, Align::right);
        by_part.column({"Category"});
        by_part.column({"Failure rate", "(per 10^6 h)"}, 0, Align::right);
        by_part.column({"Qty x rate", "(per 10^6 h)"}, 0, Align::right);
        by_part.column({"Share", "(%)"}, 0, Align::right);
        by_part.column({"Cumulative", "(%)"}, 0, Align::right);
        for (const bool writing : {false, true}) {
            if (writing) by_part.write_head(out_);
            double running = 0;
            unsigned long rank = 0;
            for (const PartShare& part : parts) {
                running += part.quantity_rate;
                cells_ = {keep(0, out_.format_whole(++rank)), part.ref, keep(1, out_.format_whole(part.quantity)),
                          category_name(part.item_code), keep(2, out_.format_rounded(part.failure_rate, kDigits)),
                          keep(3, out_.format_rounded(part.quantity_rate, kDigits)),
                          keep(4, percent(part.quantity_rate, total)), keep(5, percent(running, total))};
                if (writing) by_part.write_row(out_, cells_);
                else by_part.fit(cells_);
            }
        }
        out_.ch('\n');
        text_summary(out_, s, kDigits);
    }

    void csv(const std::vector<CategoryShare>& categories, const std::vector<PartShare>& parts, const Summary& s) {
        const double total = s.total_failure_rate;
        out_.text("category,item_code,parts,pieces,qty_x_failure_rate,share_percent,cumulative_percent\n");
        double running = 0;
        for (const CategoryShare& category : categories) {
            running += category.rate;
            csv_cell(out_, category_name(category.item_code));
            out_.ch(',').whole(category.item_code).ch(',').whole(category.parts).ch(',').whole(category.pieces);
            out_.ch(',').exact(category.rate).ch(',').exact(percent_of(category.rate, total));
            out_.ch(',').exact(percent_of(running, total)).ch('\n');
        }
        out_.text("\nrank,ref,qty,category,failure_rate,qty_x_failure_rate,share_percent,cumulative_percent\n");
        running = 0;
        unsigned long rank = 0;
        for (const PartShare& part : parts) {
            running += part.quantity_rate;
            out_.whole(++rank).ch(',');
            csv_cell(out_, part.ref);
            out_.ch(',').whole(part.quantity).ch(',');
            csv_cell(out_, category_name(part.item_code));
            out_.ch(',').exact(part.failure_rate).ch(',').exact(part.quantity_rate);
            out_.ch(',').exact(percent_of(part.quantity_rate, total)).ch(',').exact(percent_of(running, total));
            out_.ch('\n');
        }
        out_.ch('\n').text(kCsvSummaryColumns).ch('\n');
        csv_summary_cells(out_, s);
    }

    void json(const std::vector<CategoryShare>& categories, const std::vector<PartShare>& parts,
              unsigned long computed, const Summary& s) {
        const double total = s.total_failure_rate;
        out_.text("{\"categories\":[");
        double running = 0;
        for (const CategoryShare& category : categories) {
            running += category.rate;
            out_.text(&category == &categories.front() ? "\n{\"category\":" : ",\n{\"category\":");
            json_string(out_, category_name(category.item_code));
            out_.text(",\"item_code\":").whole(category.item_code).text(",\"parts\":").whole(category.parts);
            out_.text(",\"pieces\":").whole(category.pieces).text(",\"qty_x_failure_rate\":").exact(category.rate);
            out_.text(",\"share_percent\":").exact(percent_of(category.rate, total));
            out_.text(",\"cumulative_percent\":").exact(percent_of(running, total)).ch('}');
        }
        out_.text(categories.empty() ? "],\n\"parts\":[" : "\n],\n\"parts\":[");
        running = 0;
        unsigned long rank = 0;
        for (const PartShare& part : parts) {
            running += part.quantity_rate;
            out_.text(rank == 0 ? "\n{\"rank\":" : ",\n{\"rank\":");
            out_.whole(++rank).text(",\"ref\":");
            json_string(out_, part.ref);
            out_.text(",\"qty\":").whole(part.quantity).text(",\"category\":");
            json_string(out_, category_name(part.item_code));
            out_.text(",\"failure_rate\":").exact(part.failure_rate);
            out_.text(",\"qty_x_failure_rate\":").exact(part.quantity_rate);
            out_.text(",\"share_percent\":").exact(percent_of(part.quantity_rate, total));
            out_.text(",\"cumulative_percent\":").exact(percent_of(running, total)).ch('}');
        }
        out_.text(parts.empty() ? "],\n" : "\n],\n");
        out_.text("\"parts_shown\":").whole(parts.size()).text(",\"parts_computed\":").whole(computed).text(",\n");
        json_summary(out_, s);
        out_.text("}\n");
    }

    // A number of the row being fitted or written, in the slot of its column.
    std::string_view keep(std::size_t slot, std::string_view text) { return numbers_[slot].assign(text); }

    Format format_;
    Output out_;
    ParetoShares shares_;
    std::vector<std::string_view> cells_;
    std::array<std::string, 6> numbers_;
    char number_[400];  // a percent's fixed digits
};

}  // namespace

std::unique_ptr<Report> make_pareto(Format format, std::ostream& out, std::size_t top) {
    return std::make_unique<ParetoReport>(format, out, top);
}

}  // namespace gjbz108a::cli
