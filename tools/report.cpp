#include "tools/report.h"

namespace gjbz108a::cli {

std::string_view status_text(Status status) noexcept {
    switch (status) {
    case Status::computed: return "computed";
    case Status::warnings: return "warnings";
    case Status::not_computed: return "not computed";
    }
    return "";
}

std::unique_ptr<Report> make_report(Format format, std::ostream& out) {
    switch (format) {
    case Format::text: return make_text_report(out);
    case Format::csv: return make_csv_report(out);
    case Format::json: return make_json_report(out);
    }
    return nullptr;
}

}  // namespace gjbz108a::cli
