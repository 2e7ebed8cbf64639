// Comma-separated output: one row per part with exact numbers, message lines
// joined by line breaks inside one quoted cell, and a closing row whose status
// is "total" with the total failure rate and the counts.
#include "tools/output.h"
#include "tools/report.h"

namespace gjbz108a::cli {
namespace {

class CsvReport final : public Report {
public:
    explicit CsvReport(std::ostream& out) : out_(out) {
        out_.text("ref,qty,category,failure_rate,qty_x_failure_rate,status,messages\n");
    }

    void part(const PartLine& line) override {
        cell(line.ref);
        out_.ch(',');
        if (line.quantity != 0) out_.whole(line.quantity);
        out_.ch(',');
        cell(line.category);
        out_.ch(',');
        if (line.status != Status::not_computed) out_.exact(line.failure_rate).ch(',').exact(line.quantity_rate);
        else out_.ch(',');
        out_.ch(',').text(status_text(line.status)).ch(',');
        joined_.clear();
        for_each_line(line.messages, [&](std::string_view message) {
            if (!joined_.empty()) joined_.push_back('\n');
            joined_.append(message);
        });
        cell(joined_);
        out_.ch('\n');
    }

    void finish(const Summary& s) override {
        out_.text(",,,,").exact(s.total_failure_rate).text(",total,");
        counts_.assign("parts read ").append(std::to_string(s.read))
            .append("; computed ").append(std::to_string(s.computed))
            .append("; computed with warnings ").append(std::to_string(s.with_warnings))
            .append("; refused ").append(std::to_string(s.refused));
        cell(counts_);
        out_.ch('\n');
        out_.flush();
    }

private:
    // Quoted when it holds a comma, a quote, a line break or blanks at its ends.
    void cell(std::string_view s) {
        const bool quote = s.find_first_of(",\"\r\n") != std::string_view::npos ||
                           (!s.empty() && (s.front() == ' ' || s.back() == ' '));
        if (!quote) {
            out_.text(s);
            return;
        }
        out_.ch('"');
        for (char c : s) {
            if (c == '"') out_.ch('"');
            out_.ch(c);
        }
        out_.ch('"');
    }

    Output out_;
    std::string joined_;
    std::string counts_;
};

}  // namespace

std::unique_ptr<Report> make_csv_report(std::ostream& out) { return std::make_unique<CsvReport>(out); }

}  // namespace gjbz108a::cli
