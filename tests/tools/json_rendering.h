// A CSV parts list written as the JSON list that says the same: an array with
// one object per record after the header, on the record's own line, members
// named by the header for the cells that hold something, each as a string (the
// reader takes a number's text as written, so a bare number says no more).
// Blank records become {}, which holds no part. On the header's line, an
// object of every column with null gives the columns in the header's order
// (so that a part's problems come in the same order) and holds no part either.
#pragma once

#include "tools/parts_list/csv_reader.h"
#include "tools/prediction/escaping.h"

#include <sstream>
#include <string>
#include <vector>

namespace gjbz108a::cli::test {

// Cells beyond the header are left out.
inline std::string json_rendering(const std::string& csv_text) {
    std::istringstream in(csv_text);
    CsvReader csv(in);
    std::ostringstream json;
    {
        Output out(json);
        std::vector<std::string> names;
        out.text("[{");
        if (csv.next()) {
            for (std::size_t i = 0; i < csv.size(); ++i) {
                names.emplace_back(csv.cell(i));
                json_string(out.text(i > 0 ? ", " : ""), names.back());
                out.text(": null");
            }
        }
        out.ch('}');
        while (csv.next()) {
            out.text(",\n{");
            const char* separator = "";
            for (std::size_t i = 0; i < csv.size() && i < names.size(); ++i) {
                if (csv.cell(i).empty()) continue;
                json_string(out.text(separator), names[i]);
                json_string(out.text(": "), csv.cell(i));
                separator = ", ";
            }
            out.ch('}');
        }
        out.text("\n]\n");
    }
    return json.str();
}

}  // namespace gjbz108a::cli::test
