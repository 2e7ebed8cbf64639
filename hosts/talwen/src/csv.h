// Comma-separated files as people write them in a text editor or spreadsheet:
// cells may be quoted ("" for a quote inside), a quoted cell may span lines,
// blanks around unquoted cells are ignored, and lines that are empty or begin
// with '#' are comments. Errors name the source and the line. This is the
// parts lists' dialect but for two points that the README gives reasons for:
// a quoted cell keeps its blanks, and '#' lines are comments.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::talwen {

struct CsvRow {
    std::size_t line;  // where the row begins, counting from 1
    std::vector<std::string> cells;
};

class CsvReader {
public:
    CsvReader(std::istream& in, std::string source);

    // The next row, or nothing at the end of the input. A cell or a row beyond
    // the bounds of records/input_limits.h is refused.
    std::optional<CsvRow> next();

    // Throws Error "source:line: message".
    [[noreturn]] void fail(std::size_t line, std::string_view message) const;

private:
    // A line of at most `room` bytes without its line break, for the row that
    // begins at `row_line`; false at the end of the input.
    bool read_line(std::string& line, std::size_t room, std::size_t row_line);

    std::istream& in_;
    std::string source_;
    std::size_t line_number_ = 0;
};

// The columns of a file, named by its first row, in lower case. Every name must
// be known to the caller and appear once, except notes (names that begin with
// #); `required` names must be present.
class CsvColumns {
public:
    CsvColumns(const CsvReader& reader, const CsvRow& header, std::span<const std::string_view> required,
               bool (*known)(std::string_view name));

    // The column's position, or nothing when the file has no such column.
    std::optional<std::size_t> find(std::string_view name) const;
    // Refuses a row with more cells than the file has columns.
    void check_width(const CsvReader& reader, const CsvRow& row) const;
    // The cell of a column in a row ("" when the row is shorter or the column absent).
    std::string_view cell(const CsvRow& row, std::string_view name) const;
    const std::vector<std::string>& names() const noexcept { return names_; }

private:
    std::vector<std::string> names_;
};

// Writes one row, quoting the cells that need it.
void write_csv_row(std::ostream& out, std::span<const std::string> cells);

}  // namespace gjbz108a::talwen
