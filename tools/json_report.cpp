// JSON output, written as the parts are computed:
// {"parts":[{...},...],"total_failure_rate":x,"summary":{...}}
// A part that was not computed has null rates; a quantity that could not be
// read is null.
#include "tools/output.h"
#include "tools/report.h"

namespace gjbz108a::cli {
namespace {

class JsonReport final : public Report {
public:
    explicit JsonReport(std::ostream& out) : out_(out) { out_.text("{\"parts\":["); }

    void part(const PartLine& line) override {
        out_.text(first_ ? "\n" : ",\n");
        first_ = false;
        out_.text("{\"ref\":");
        string(line.ref);
        out_.text(",\"qty\":");
        if (line.quantity != 0) out_.whole(line.quantity);
        else out_.text("null");
        out_.text(",\"category\":");
        string(line.category);
        if (line.status != Status::not_computed) {
            out_.text(",\"failure_rate\":").exact(line.failure_rate);
            out_.text(",\"qty_x_failure_rate\":").exact(line.quantity_rate);
        } else {
            out_.text(",\"failure_rate\":null,\"qty_x_failure_rate\":null");
        }
        out_.text(",\"status\":");
        string(status_text(line.status));
        out_.text(",\"messages\":[");
        bool first_message = true;
        for_each_line(line.messages, [&](std::string_view message) {
            if (!first_message) out_.ch(',');
            first_message = false;
            string(message);
        });
        out_.text("]}");
    }

    void finish(const Summary& s) override {
        out_.text("\n],\n\"total_failure_rate\":").exact(s.total_failure_rate);
        out_.text(",\n\"summary\":{\"parts_read\":").whole(s.read);
        out_.text(",\"computed\":").whole(s.computed);
        out_.text(",\"computed_with_warnings\":").whole(s.with_warnings);
        out_.text(",\"refused\":").whole(s.refused).text("}}\n");
        out_.flush();
    }

private:
    void string(std::string_view s) {
        static constexpr char kHex[] = "0123456789abcdef";
        out_.ch('"');
        for (char c : s) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out_.ch('\\').ch(c);
            } else if (byte < 0x20) {
                out_.text("\\u00").ch(kHex[byte >> 4]).ch(kHex[byte & 15]);
            } else {
                out_.ch(c);
            }
        }
        out_.ch('"');
    }

    Output out_;
    bool first_ = true;
};

}  // namespace

std::unique_ptr<Report> make_json_report(std::ostream& out) { return std::make_unique<JsonReport>(out); }

}  // namespace gjbz108a::cli
