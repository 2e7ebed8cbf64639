// JSON output, written as the parts are computed:
// {"parts":[{...},...],"total_failure_rate":x,"summary":{...}}
// A part that was not computed has null rates and factors; a quantity that
// could not be read is null. The factors of a computed part are named by their
// columns, null where the model hid the factor. "parameters" are the values
// the part was computed with, "defaulted" the keys of those that the library's
// defaults gave; both null for a part refused before it had them.
#include "tools/prediction/escaping.h"
#include "tools/prediction/output.h"
#include "tools/prediction/part_fields.h"
#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"
#include "tools/prediction/summary.h"
#include "tools/prediction/used_value_fields.h"

#include <gjbz108a/records.h>

namespace gjbz108a::cli {
namespace {

class JsonReport final : public Report {
public:
    JsonReport(std::ostream& out, bool environments) : out_(out), environments_(environments) {
        out_.text("{\"parts\":[");
    }

    void part(const PartLine& line) override {
        out_.text(first_ ? "\n" : ",\n");
        first_ = false;
        json_part_members(out_, line);
        if (environments_) environment(line);
        json_parameters(out_.ch(','), line.used, line.record);
        json_defaulted(out_.ch(','), defaulted_keys(line.used, keys_));
        out_.text(",\"factors\":");
        if (line.status != Status::not_computed) factors(line.record);
        else out_.text("null");
        out_.ch('}');
    }

    void finish(const Summary& s) override {
        out_.text("\n],\n");
        json_summary(out_, s);
        out_.text("}\n");
        out_.flush();
    }

private:
    void environment(const PartLine& line) {
        out_.text(",\"environment\":");
        if (const unsigned environment = line.record[GJBZ108A_ENVIRONMENT_CODE]) out_.whole(environment);
        else out_.text("null");
        out_.text(",\"environment_name\":");
        if (!line.environment_name.empty()) json_string(out_, line.environment_name);
        else out_.text("null");
    }

    void factors(std::uint8_t* record) {
        const ReportTable& table = report_table(record[GJBZ108A_ITEM_CODE], TableKind::factors);
        out_.ch('{');
        bool first = true;
        for (const ReportTable::Column& column : table.columns()) {
            if (!first) out_.ch(',');
            first = false;
            json_string(out_, column.name);
            out_.ch(':');
            if (const auto value = table.factor(column, record)) out_.exact(*value);
            else out_.text("null");
        }
        out_.ch('}');
    }

    Output out_;
    bool environments_;
    std::string keys_;
    bool first_ = true;
};

}  // namespace

std::unique_ptr<Report> make_json_report(std::ostream& out, bool environments) {
    return std::make_unique<JsonReport>(out, environments);
}

}  // namespace gjbz108a::cli
