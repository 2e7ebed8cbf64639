// The table for people: fixed columns, numbers to six significant digits; under
// a computed part its factors as the host's factor table shows them (title
// lines over the cells), then its message lines.
#include "tools/prediction/output.h"
#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"
#include "tools/prediction/summary.h"
#include "tools/prediction/text_line.h"

#include <gjbz108a/records.h>

namespace gjbz108a::cli {
namespace {

constexpr int kDigits = 6;
// Wide enough for the usual designators and for every category name; a longer
// value shifts the rest of its row.
constexpr std::size_t kRef = 10, kQty = 5, kCategory = 27, kRate = 14;
// The factors start under the category.
constexpr std::size_t kFactorIndent = kRef + kQty + 2;

class TextReport final : public Report {
public:
    explicit TextReport(std::ostream& out) : out_(out) {
        out_.left("Ref", kRef).right("Qty", kQty).text("  ").left("Category", kCategory)
            .right("Failure rate", kRate).right("Qty x rate", kRate).text("  Status\n");
        out_.left("", kRef).right("", kQty).text("  ").left("", kCategory)
            .right("(per 10^6 h)", kRate).right("(per 10^6 h)", kRate).ch('\n');
    }

    void part(const PartLine& line) override {
        out_.left(line.ref, kRef);
        out_.right(line.quantity == 0 ? std::string_view{} : out_.format_whole(line.quantity), kQty);
        out_.text("  ").left(line.category, kCategory);
        if (line.status == Status::not_computed) {
            out_.right("", kRate).right("", kRate);
        } else {
            out_.right(out_.format_rounded(line.failure_rate, kDigits), kRate);
            out_.right(out_.format_rounded(line.quantity_rate, kDigits), kRate);
        }
        out_.text("  ").text(status_text(line.status)).ch('\n');
        if (line.status != Status::not_computed) factors(line.record);
        for_each_line(line.messages, [&](std::string_view message) {
            out_.left("", kRef).text("  ").text(message).ch('\n');
        });
    }

    void finish(const Summary& s) override {
        out_.ch('\n');
        text_summary(out_, s, kDigits);
        out_.flush();
    }

private:
    // Nothing when the model hid every factor of the part (a miscellaneous part
    // of a type without a model has none to show).
    void factors(std::uint8_t* record) {
        const ReportTable& table = report_table(record[GJBZ108A_ITEM_CODE], TableKind::factors);
        bool shown = false;
        for (const auto& column : table.columns()) {
            const std::string_view cell = table.cell(column, record, cell_);
            shown = shown || !blank(cell);
            cells_.left(cell, column.width);
        }
        if (!shown) {
            cells_.discard();
            return;
        }
        for (unsigned l = 0; l < table.title_lines(); ++l) {
            if (!table.titled(l)) continue;
            for (const auto& column : table.columns()) titles_.left(ReportTable::title_line(column, l), column.width);
            titles_.write(out_);
        }
        cells_.write(out_);
    }

    Output out_;
    TextLine titles_{kFactorIndent};
    TextLine cells_{kFactorIndent};
    CellBuffer cell_;
};

}  // namespace

std::unique_ptr<Report> make_text_report(std::ostream& out) { return std::make_unique<TextReport>(out); }

}  // namespace gjbz108a::cli
