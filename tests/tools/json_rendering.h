// A CSV parts list written as the JSON list that says the same: an array with
// one object per record after the header, on the record's own line, members
// named by the header for the cells that hold something. A cell that is a
// number in JSON's form is written bare, any other as a string; so both ways
// of giving a value are read. Blank records become {}, which holds no part.
// On the header's line, an object of every column with null gives the columns
// in the header's order (so that a part's problems come in the same order)
// and holds no part either.
#pragma once

#include "tools/parts_list/csv_reader.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::cli::test {

inline bool json_number(std::string_view text) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return i > start;
    };
    if (i < text.size() && text[i] == '-') ++i;
    if (i < text.size() && text[i] == '0') ++i;
    else if (!digits()) return false;
    if (i < text.size() && text[i] == '.' && (++i, !digits())) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (!digits()) return false;
    }
    return i == text.size();
}

inline void append_json_string(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') out.append(1, '\\').append(1, c);
        else if (c == '\n') out.append("\\n");
        else if (byte < 0x20) out.append("\\u00").append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xf]);
        else out.push_back(c);
    }
    out.push_back('"');
}

// Cells beyond the header are left out.
inline std::string json_rendering(const std::string& csv_text) {
    std::istringstream in(csv_text);
    CsvReader csv(in);
    std::string json = "[";
    std::vector<std::string> names;
    json.push_back('{');
    if (csv.next()) {
        for (std::size_t i = 0; i < csv.size(); ++i) {
            names.emplace_back(csv.cell(i));
            if (i > 0) json.append(", ");
            append_json_string(json, names.back());
            json.append(": null");
        }
    }
    json.push_back('}');
    while (csv.next()) {
        json.append(",\n{");
        bool first_member = true;
        for (std::size_t i = 0; i < csv.size() && i < names.size(); ++i) {
            if (csv.cell(i).empty()) continue;
            if (!first_member) json.append(", ");
            first_member = false;
            append_json_string(json, names[i]);
            json.append(": ");
            if (json_number(csv.cell(i))) json.append(csv.cell(i));
            else append_json_string(json, csv.cell(i));
        }
        json.push_back('}');
    }
    return json.append("\n]\n");
}

}  // namespace gjbz108a::cli::test
