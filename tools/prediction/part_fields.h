// What every data report writes of a part before its category's own columns:
// reference designator, quantity, category, failure rate, quantity x failure
// rate, status and messages. The same for a part as it is computed (PartLine)
// and for a part held for the tables (HeldPart).
#pragma once

#include "tools/prediction/escaping.h"
#include "tools/prediction/output.h"
#include "tools/prediction/report.h"

#include <string>

namespace gjbz108a::cli {

inline constexpr std::string_view kCsvPartColumns = "ref,qty,category,failure_rate,qty_x_failure_rate,status,messages";

// The cells of kCsvPartColumns; `joined` is scratch for the message lines.
template <typename Part>
void csv_part_cells(Output& out, const Part& part, std::string& joined) {
    csv_cell(out, part.ref);
    out.ch(',');
    if (part.quantity != 0) out.whole(part.quantity);
    csv_cell(out.ch(','), part.category);
    out.ch(',');
    if (part.status != Status::not_computed) out.exact(part.failure_rate).ch(',').exact(part.quantity_rate);
    else out.ch(',');
    out.ch(',').text(status_text(part.status)).ch(',');
    join_lines(part.messages, joined);
    csv_cell(out, joined);
}

// The members of the part's object from its opening brace; the object is left
// open for the members that follow.
template <typename Part>
void json_part_members(Output& out, const Part& part) {
    out.text("{\"ref\":");
    json_string(out, part.ref);
    out.text(",\"qty\":");
    if (part.quantity != 0) out.whole(part.quantity);
    else out.text("null");
    out.text(",\"category\":");
    json_string(out, part.category);
    if (part.status != Status::not_computed) {
        out.text(",\"failure_rate\":").exact(part.failure_rate);
        out.text(",\"qty_x_failure_rate\":").exact(part.quantity_rate);
    } else {
        out.text(",\"failure_rate\":null,\"qty_x_failure_rate\":null");
    }
    out.text(",\"status\":");
    json_string(out, status_text(part.status));
    out.text(",\"messages\":");
    json_lines(out, part.messages);
}

}  // namespace gjbz108a::cli
