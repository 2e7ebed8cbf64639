// The table for people: fixed columns, message lines indented under their part,
// numbers to six significant digits.
#include "tools/output.h"
#include "tools/report.h"

namespace gjbz108a::cli {
namespace {

constexpr int kDigits = 6;
// Wide enough for the usual designators and for every category name; a longer
// value shifts the rest of its row.
constexpr std::size_t kRef = 10, kQty = 5, kCategory = 27, kRate = 14;

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
        for_each_line(line.messages, [&](std::string_view message) {
            out_.left("", kRef).text("  ").text(message).ch('\n');
        });
    }

    void finish(const Summary& s) override {
        out_.ch('\n').text("Total failure rate: ").rounded(s.total_failure_rate, kDigits)
            .text(" per 10^6 hours (sum of qty x failure rate of the computed parts)\n");
        out_.text("Parts read: ").whole(s.read).text(", computed: ").whole(s.computed)
            .text(", computed with warnings: ").whole(s.with_warnings)
            .text(", refused: ").whole(s.refused).ch('\n');
        out_.flush();
    }

private:
    Output out_;
};

}  // namespace

std::unique_ptr<Report> make_text_report(std::ostream& out) { return std::make_unique<TextReport>(out); }

}  // namespace gjbz108a::cli
