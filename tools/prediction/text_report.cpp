// The table for people: fixed columns, numbers to six significant digits; under
// a part the values it was computed with under their keys, with their units
// (those that the library's defaults gave marked), under a computed part its factors as the
// host's factor table shows them (title lines over the cells), then its
// message lines.
#include "tools/prediction/output.h"
#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"
#include "tools/prediction/summary.h"
#include "tools/prediction/text_line.h"
#include "records/field_values.h"

#include "tools/parts_list/utf8.h"

#include <gjbz108a/records.h>

#include <algorithm>

namespace gjbz108a::cli {
namespace {

constexpr int kDigits = 6;
// Wide enough for the usual designators and for every category name; a longer
// value shifts the rest of its row.
constexpr std::size_t kRef = 10, kQty = 5, kCategory = 27, kEnvironment = 5, kRate = 14;
// The factors start under the category.
constexpr std::size_t kFactorIndent = kRef + kQty + 2;
// The values start where the factors' first title does.
constexpr std::size_t kValueIndent = kFactorIndent + 3;

class TextReport final : public Report {
public:
    TextReport(std::ostream& out, bool environments) : out_(out), environment_width_(environments ? kEnvironment : 0) {
        out_.left("Ref", kRef).right("Qty", kQty).text("  ").left("Category", kCategory)
            .left(environments ? "Env" : "", environment_width_)
            .right("Failure rate", kRate).right("Qty x rate", kRate).text("  Status\n");
        out_.left("", kRef).right("", kQty).text("  ").left("", kCategory).left("", environment_width_)
            .right("(per 10^6 h)", kRate).right("(per 10^6 h)", kRate).ch('\n');
    }

    void part(const PartLine& line) override {
        out_.left(line.ref, kRef);
        out_.right(line.quantity == 0 ? std::string_view{} : out_.format_whole(line.quantity), kQty);
        out_.text("  ").left(line.category, kCategory);
        // The environment by its name where the list names it, else by its code.
        if (environment_width_ > 0) {
            const unsigned environment = line.record[GJBZ108A_ENVIRONMENT_CODE];
            if (!line.environment_name.empty()) out_.left(line.environment_name, environment_width_);
            else out_.left(environment == 0 ? std::string_view{} : out_.format_whole(environment), environment_width_);
        }
        if (line.status == Status::not_computed) {
            out_.right("", kRate).right("", kRate);
        } else {
            out_.right(out_.format_rounded(line.failure_rate, kDigits), kRate);
            out_.right(out_.format_rounded(line.quantity_rate, kDigits), kRate);
        }
        out_.text("  ").text(status_text(line.status)).ch('\n');
        values(line.used, line.record);
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
    void values(const UsedValues& used, const std::uint8_t* record) {
        bool shown = false;
        for (std::size_t i = 0; i < used.fields().size(); ++i) {
            if (!used.shown(i)) continue;
            const ParameterField& field = used.fields()[i];
            value_ = field_value_text(field, record + GJBZ108A_EDIT_EFFECTIVE_BLOCK);
            if (field.unit != nullptr) value_.append(" ").append(field.unit->symbol);  // "28000 mV" reads back
            if (used.defaulted(i)) value_.push_back(kDefaultedMark);
            const std::size_t width = std::max(field.key.size(), display_width(value_));
            keys_.left(field.key, width);
            values_.left(value_, width);
            shown = true;
        }
        if (!shown) return;
        keys_.write(out_);
        values_.write(out_);
    }

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
    std::size_t environment_width_;  // 0: no Env column
    TextLine titles_{kFactorIndent};
    TextLine cells_{kFactorIndent};
    TextLine keys_{kValueIndent};
    TextLine values_{kValueIndent};
    CellBuffer cell_;
    std::string value_;
};

}  // namespace

std::unique_ptr<Report> make_text_report(std::ostream& out, bool environments) {
    return std::make_unique<TextReport>(out, environments);
}

}  // namespace gjbz108a::cli
