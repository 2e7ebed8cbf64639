#include "tools/prediction/report.h"

namespace gjbz108a::cli {

std::string_view status_text(Status status) noexcept {
    switch (status) {
    case Status::computed: return "computed";
    case Status::warnings: return "warnings";
    case Status::not_computed: return "not computed";
    }
    return "";
}

std::unique_ptr<Report> make_report(Format format, View view, std::ostream& out, std::size_t top, bool environments) {
    if (view == View::pareto) return make_pareto(format, out, top);
    const bool tables = view == View::tables;
    switch (format) {
    case Format::text: return tables ? make_text_tables(out) : make_text_report(out, environments);
    case Format::csv: return tables ? make_csv_tables(out) : make_csv_report(out, environments);
    case Format::json: return tables ? make_json_tables(out) : make_json_report(out, environments);
    }
    return nullptr;
}

}  // namespace gjbz108a::cli
