// The report tables as JSON:
// {"categories":[{"item_code":n,"category":..,"parameter_columns":[..],
//   "factor_columns":[..],"parts":[{...},..],"total_failure_rate":x},..],
//  "unplaced_parts":[..],"total_failure_rate":x,"summary":{..}}
// in ItemCode order. The column lists give the names (title lines joined) in
// display order; a part's "parameters" and "factors" map those names to its
// cells without their blanks ("" for a hidden factor); "factors" is null for a
// part not computed. The parameters are the values the part was computed
// with; "defaulted" lists the keys of those that the library's defaults gave.
// "unplaced_parts" are the parts whose category is not known.
#include "records/item_codes.h"
#include "tools/prediction/escaping.h"
#include "tools/reports/held_parts.h"
#include "tools/prediction/output.h"
#include "tools/prediction/part_fields.h"
#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"
#include "tools/prediction/summary.h"
#include "tools/prediction/used_value_fields.h"

namespace gjbz108a::cli {
namespace {

class JsonTables final : public HoldingReport {
public:
    explicit JsonTables(std::ostream& out) : out_(out) {}

    void finish(const Summary& s) override {
        out_.text("{\"categories\":[");
        bool first = true;
        for (const Category& category : categories()) {
            if (parts_.count(category.item_code) == 0) continue;
            out_.text(first ? "\n" : ",\n");
            first = false;
            write_category(category);
        }
        out_.text(first ? "],\n\"unplaced_parts\":[" : "\n],\n\"unplaced_parts\":[");
        first = true;
        for (auto parts = parts_.read(0); const HeldPart* part = parts.next();) {
            out_.text(first ? "\n" : ",\n");
            first = false;
            json_part_members(out_, *part);
            out_.ch('}');
        }
        out_.text(first ? "],\n" : "\n],\n");
        json_summary(out_, s);
        out_.text("}\n");
        out_.flush();
    }

private:
    void names(const ReportTable& table) {
        out_.ch('[');
        for (std::size_t i = 0; i < table.columns().size(); ++i) {
            if (i != 0) out_.ch(',');
            json_string(out_, table.columns()[i].name);
        }
        out_.ch(']');
    }

    void cells(const ReportTable& table, const std::vector<std::string>& texts) {
        out_.ch('{');
        for (std::size_t i = 0; i < table.columns().size() && i < texts.size(); ++i) {
            if (i != 0) out_.ch(',');
            json_string(out_, table.columns()[i].name);
            json_string(out_.ch(':'), trim_blanks(texts[i]));
        }
        out_.ch('}');
    }

    void write_category(const Category& category) {
        const ReportTable& parameters = report_table(category.item_code, TableKind::parameters);
        const ReportTable& factors = report_table(category.item_code, TableKind::factors);
        out_.text("{\"item_code\":").whole(category.item_code).text(",\"category\":");
        json_string(out_, category.name);
        out_.text(",\"parameter_columns\":");
        names(parameters);
        out_.text(",\"factor_columns\":");
        names(factors);
        out_.text(",\"parts\":[");
        double sum = 0;
        bool first = true;
        for (auto parts = parts_.read(category.item_code); const HeldPart* part = parts.next();) {
            out_.text(first ? "\n" : ",\n");
            first = false;
            json_part_members(out_, *part);
            out_.text(",\"parameters\":");
            cells(parameters, part->parameters);
            json_defaulted(out_.ch(','), part->defaulted);
            out_.text(",\"factors\":");
            if (part->status != Status::not_computed) {
                cells(factors, part->factors);
                sum += part->quantity_rate;
            } else {
                out_.text("null");
            }
            out_.ch('}');
        }
        out_.text("],\"total_failure_rate\":").exact(sum).ch('}');
    }

    Output out_;
};

}  // namespace

std::unique_ptr<Report> make_json_tables(std::ostream& out) { return std::make_unique<JsonTables>(out); }

}  // namespace gjbz108a::cli
