#include "tools/prediction/summary.h"

#include <charconv>

namespace gjbz108a::cli {
namespace {

// Hours are written without an exponent (400000, not 4e+05): the shortest
// fixed digits that read back as the same number.
struct FixedHours {
    char text[400];  // the fixed digits of any double
    std::string_view view;
    FixedHours(double hours, std::chars_format format = std::chars_format::fixed, int decimals = -1) {
        const auto end = decimals < 0 ? std::to_chars(text, text + sizeof text, hours, format).ptr
                                      : std::to_chars(text, text + sizeof text, hours, format, decimals).ptr;
        view = {text, static_cast<std::size_t>(end - text)};
    }
};

// Six significant digits, as the rates, but never an exponent: whole hours
// from a million on.
void text_hours(Output& out, double hours) {
    int decimals = 5;
    for (double step = 10; step <= hours && decimals > 0; step *= 10) --decimals;
    out.text(FixedHours(hours, std::chars_format::fixed, decimals).view);
}

// The MTBF counts only the computed parts: a refused part has no rate, and
// taking it as 0 would make the list look more reliable than it is.
void text_mtbf(Output& out, const Summary& s) {
    out.text("MTBF: ");
    if (s.mtbf_hours() > 0) {
        text_hours(out, s.mtbf_hours());
        out.text(" hours (10^6 / total failure rate)");
    } else {
        out.text("none (the total failure rate is 0)");
    }
    const unsigned long computed = s.computed + s.with_warnings;
    if (s.refused == 0) {
        out.text(", over all ").whole(computed).text(computed == 1 ? " part (" : " parts (");
        out.whole(s.pieces_computed).text(s.pieces_computed == 1 ? " piece)\n" : " pieces)\n");
        return;
    }
    out.text(", over the ").whole(computed).text(" computed ").text(computed == 1 ? "part (" : "parts (");
    out.whole(s.pieces_computed).text(s.pieces_computed == 1 ? " piece)" : " pieces)");
    const unsigned long pieces = s.pieces_read - s.pieces_computed;
    out.text("; it leaves out the ").whole(s.refused).text(s.refused == 1 ? " part" : " parts");
    out.text(" not computed (").whole(pieces).text(pieces == 1 ? " piece)\n" : " pieces)\n");
}

}  // namespace

void text_summary(Output& out, const Summary& s, int digits) {
    out.text("Total failure rate: ").rounded(s.total_failure_rate, digits)
        .text(" per 10^6 hours (sum of qty x failure rate of the computed parts)\n");
    text_mtbf(out, s);
    out.text("Parts read: ").whole(s.read).text(" (").whole(s.pieces_read).text(" pieces), computed: ")
        .whole(s.computed).text(", computed with warnings: ").whole(s.with_warnings)
        .text(", refused: ").whole(s.refused).ch('\n');
    out.text("Parts that took a value from the component library's defaults: ").whole(s.took_defaults);
    if (s.took_defaults > 0) out.text(" (such values are marked ").ch(kDefaultedMark).ch(')');
    out.ch('\n');
}

void json_summary(Output& out, const Summary& s) {
    out.text("\"total_failure_rate\":").exact(s.total_failure_rate).text(",\"mtbf_hours\":");
    if (s.mtbf_hours() > 0) out.text(FixedHours(s.mtbf_hours()).view);
    else out.text("null");
    out.text(",\n\"summary\":{\"parts_read\":").whole(s.read);
    out.text(",\"computed\":").whole(s.computed);
    out.text(",\"computed_with_warnings\":").whole(s.with_warnings);
    out.text(",\"refused\":").whole(s.refused);
    out.text(",\"pieces_read\":").whole(s.pieces_read);
    out.text(",\"pieces_computed\":").whole(s.pieces_computed);
    out.text(",\"took_defaults\":").whole(s.took_defaults).text("}");
}

void summary_cell(const Summary& s, std::string& cell) {
    cell.assign("parts read ").append(std::to_string(s.read))
        .append("; computed ").append(std::to_string(s.computed))
        .append("; computed with warnings ").append(std::to_string(s.with_warnings))
        .append("; refused ").append(std::to_string(s.refused))
        .append("; pieces read ").append(std::to_string(s.pieces_read))
        .append("; pieces computed ").append(std::to_string(s.pieces_computed))
        .append("; took defaults ").append(std::to_string(s.took_defaults));
    if (s.mtbf_hours() > 0)
        cell.append("; MTBF of the computed parts ").append(FixedHours(s.mtbf_hours()).view).append(" hours");
}

void csv_summary_cells(Output& out, const Summary& s) {
    out.exact(s.total_failure_rate).ch(',').whole(s.read).ch(',').whole(s.computed).ch(',')
        .whole(s.with_warnings).ch(',').whole(s.refused).ch(',').whole(s.pieces_read).ch(',')
        .whole(s.pieces_computed).ch(',').whole(s.took_defaults).ch(',');
    if (s.mtbf_hours() > 0) out.text(FixedHours(s.mtbf_hours()).view);
    out.ch('\n');
}

}  // namespace gjbz108a::cli
