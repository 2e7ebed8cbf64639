// Cells and strings of the data formats, written the same way by every report.
#pragma once

#include "tools/prediction/output.h"

#include <string_view>

namespace gjbz108a::cli {

// A CSV cell, quoted when it holds a comma, a quote, a line break or blanks at
// its ends (so that readers which trim cells keep them).
void csv_cell(Output& out, std::string_view text);

// A JSON string: quotes, backslashes and control characters escaped, and a
// byte that is not UTF-8 written as the Latin-1 character it stands for
// (\u00e9 for the byte E9), so that the output is always valid JSON.
void json_string(Output& out, std::string_view text);

// The message lines as a JSON array of strings.
void json_lines(Output& out, std::string_view messages);

// The message lines as one text, separated by line feeds (for one CSV cell).
void join_lines(std::string_view messages, std::string& joined);

}  // namespace gjbz108a::cli
