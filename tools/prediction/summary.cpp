#include "tools/prediction/summary.h"

namespace gjbz108a::cli {

void text_summary(Output& out, const Summary& s, int digits) {
    out.text("Total failure rate: ").rounded(s.total_failure_rate, digits)
        .text(" per 10^6 hours (sum of qty x failure rate of the computed parts)\n");
    out.text("Parts read: ").whole(s.read).text(", computed: ").whole(s.computed)
        .text(", computed with warnings: ").whole(s.with_warnings)
        .text(", refused: ").whole(s.refused).ch('\n');
}

void json_summary(Output& out, const Summary& s) {
    out.text("\"total_failure_rate\":").exact(s.total_failure_rate);
    out.text(",\n\"summary\":{\"parts_read\":").whole(s.read);
    out.text(",\"computed\":").whole(s.computed);
    out.text(",\"computed_with_warnings\":").whole(s.with_warnings);
    out.text(",\"refused\":").whole(s.refused).text("}");
}

}  // namespace gjbz108a::cli
