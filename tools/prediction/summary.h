// The closing lines of every report: the total failure rate and the counts.
#pragma once

#include "tools/prediction/output.h"
#include "tools/prediction/report.h"

namespace gjbz108a::cli {

// Rates to `digits` significant digits.
void text_summary(Output& out, const Summary& summary, int digits);

// "total_failure_rate":x,"summary":{...}, the closing members of a JSON report.
void json_summary(Output& out, const Summary& summary);

}  // namespace gjbz108a::cli
