// A CSV parts list written as the JSON list that says the same: an array with
// one object per record after the header, on the record's own line, members
// named by the header for the cells that hold something. A cell in JSON's form
// of a number is written bare, any other as a string, so that both ways of
// giving a value are read (by the list tests, the fuzz target and its seeds).
// Blank records become {}, which holds no part. On the header's line, an
// object of every column with null gives the columns in the header's order
// (so that a part's problems come in the same order) and holds no part either.
#pragma once

#include "tools/parts_list/csv_reader.h"
#include "tools/prediction/escaping.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::cli::test {

// -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?, scanned by hand: a fuzz input's
// cells may be long, and std::regex recurses per character.
inline bool json_number(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i - start;
    };
    if (const std::size_t whole = digits(); whole == 0 || (whole > 1 && text[i - whole] == '0')) return false;
    if (i < text.size() && text[i] == '.' && (++i, digits() == 0)) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() == 0) return false;
    }
    return i == text.size();
}

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
                if (json_number(csv.cell(i)))
                    out.text(": ").text(csv.cell(i));
                else
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
