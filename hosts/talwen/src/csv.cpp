#include "csv.h"

#include "error.h"
#include "records/field_values.h"
#include "records/input_limits.h"
#include "text.h"

#include <algorithm>
#include <cstdio>

namespace gjbz108a::talwen {

CsvReader::CsvReader(std::istream& in, std::string source) : in_(in), source_(std::move(source)) {}

void CsvReader::fail(std::size_t line, std::string_view message) const {
    throw Error(source_ + ":" + std::to_string(line) + ": " + std::string(message));
}

// A row, the lines of a quoted cell that spans lines included, holds at most
// kLongestRow bytes: a longer one is refused as soon as it gets there, so that
// a file without a line break is not read whole.
bool CsvReader::read_line(std::string& line, std::size_t room, std::size_t row_line) {
    line.clear();
    std::streambuf& buffer = *in_.rdbuf();
    int c = buffer.sbumpc();
    if (c == EOF) return false;
    for (; c != EOF && c != '\n'; c = buffer.sbumpc()) {
        if (line.size() == room) fail(row_line, longer_than_bound("a row", kLongestRow));
        line += static_cast<char>(c);
    }
    ++line_number_;
    if (!line.empty() && line.back() == '\r') line.pop_back();  // files written on Windows
    return true;
}

std::optional<CsvRow> CsvReader::next() {
    std::string line;
    do {
        if (!read_line(line, kLongestRow, line_number_ + 1)) return std::nullopt;
        if (line_number_ == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);  // UTF-8 byte-order mark
    } while (trimmed(line).empty() || trimmed(line).front() == '#');

    CsvRow row{line_number_, {}};
    std::size_t row_length = line.size() + 1;  // with its line break
    std::string cell;
    bool quoted = false;       // inside quotes
    bool was_quoted = false;   // the current cell had quotes: keep its blanks
    std::size_t i = 0;
    for (;;) {
        if (cell.size() > kLongestCell) fail(row.line, longer_than_bound("a cell", kLongestCell));
        if (i == line.size()) {
            if (!quoted) break;
            // A quoted cell goes on on the next line.
            cell += '\n';
            if (row_length >= kLongestRow || !read_line(line, kLongestRow - row_length, row.line)) {
                if (row_length >= kLongestRow) fail(row.line, longer_than_bound("a row", kLongestRow));
                fail(row.line, "a quoted cell is not closed");
            }
            row_length += line.size() + 1;
            i = 0;
            continue;
        }
        const char c = line[i++];
        if (quoted) {
            if (c != '"') cell += c;
            else if (i < line.size() && line[i] == '"') cell += line[i++], void();
            else quoted = false;
        } else if (c == '"') {
            if (!trimmed(cell).empty()) fail(line_number_, "a quote inside an unquoted cell");
            cell.clear();
            quoted = was_quoted = true;
        } else if (c == ',') {
            row.cells.push_back(was_quoted ? cell : std::string(trimmed(cell)));
            cell.clear();
            was_quoted = false;
        } else if (was_quoted) {
            if (c != ' ' && c != '\t') fail(line_number_, "text after a quoted cell");
        } else {
            cell += c;
        }
    }
    row.cells.push_back(was_quoted ? cell : std::string(trimmed(cell)));
    return row;
}

CsvColumns::CsvColumns(const CsvReader& reader, const CsvRow& header, std::span<const std::string_view> required,
                       bool (*known)(std::string_view name)) {
    for (const std::string& cell : header.cells) {
        const std::string name = lower_case(cell);
        names_.push_back(name);
        if (name.starts_with('#')) continue;  // notes
        if (!known(name)) reader.fail(header.line, "unknown column " + in_quotes(cell));
        if (std::ranges::count(names_, name) > 1)
            reader.fail(header.line, "column " + in_quotes(cell) + " appears twice");
    }
    for (std::string_view name : required)
        if (!find(name)) reader.fail(header.line, "the column '" + std::string(name) + "' is missing");
}

std::optional<std::size_t> CsvColumns::find(std::string_view name) const {
    const auto at = std::ranges::find(names_, name);
    if (at == names_.end()) return std::nullopt;
    return static_cast<std::size_t>(at - names_.begin());
}

void CsvColumns::check_width(const CsvReader& reader, const CsvRow& row) const {
    if (row.cells.size() > names_.size())
        reader.fail(row.line, std::to_string(row.cells.size()) + " cells but " + std::to_string(names_.size()) +
                                  " columns");
}

std::string_view CsvColumns::cell(const CsvRow& row, std::string_view name) const {
    const auto column = find(name);
    if (!column || *column >= row.cells.size()) return {};
    return row.cells[*column];
}

void write_csv_row(std::ostream& out, std::span<const std::string> cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) out << ',';
        const std::string& cell = cells[i];
        const bool needs_quotes = cell.find_first_of(",\"\n\r#") != std::string::npos ||
                                  (!cell.empty() && trimmed(cell).size() != cell.size());
        if (!needs_quotes) {
            out << cell;
            continue;
        }
        out << '"';
        for (char c : cell) out << (c == '"' ? "\"\"" : std::string(1, c));
        out << '"';
    }
    out << '\n';
}

}  // namespace gjbz108a::talwen
