// One of a category's two report tables as a host sees it: everything comes
// from the library's report-field exports (column count, display order,
// widths, titles, title lines and cells), nothing from its column tables, so
// the tool lays the tables out exactly as any host would.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

enum class TableKind { parameters, factors };

// The exports describe ItemCodes 0 to 33 (some of them without columns).
constexpr unsigned kLastItemCode = 33;

// Enough for any cell or whole title of the exports.
using CellBuffer = std::array<char, 256>;

class ReportTable {
public:
    struct Column {
        std::uint32_t number;  // 1-based, as the exports count
        std::uint32_t width;   // characters
        std::string title;     // the whole title: its lines end to end
        // The title as one name: lines trimmed, joined, inner blanks single; then
        // the unit of a parameter that has one: "Contact Voltage (mV)".
        std::string name;
        std::string unit;      // " (mV)", a title line under a parameter's title; empty for no unit
    };

    ReportTable(unsigned item_code, TableKind kind);

    unsigned item_code() const noexcept { return item_code_; }
    TableKind kind() const noexcept { return kind_; }
    unsigned title_lines() const noexcept { return title_lines_; }

    // The columns to show, in display order.
    std::span<const Column> columns() const noexcept { return columns_; }

    // Line `line` (from 0) of the column's title: up to `width` characters, empty
    // where the title has no more lines.
    static std::string_view title_line(const Column& column, unsigned line) noexcept;

    // False when title line `line` is blank in every column; a printed table
    // leaves such a line out.
    bool titled(unsigned line) const noexcept;

    // The part's cell in the column, as GetField writes it. Parameter cells show
    // the entered block: "---" is a parameter left to its default. `record` is
    // the part's EditRecord; the export takes it writable but these modes only
    // read it.
    std::string_view cell(const Column& column, std::uint8_t* record, CellBuffer& buffer) const;

    // A factor's exact value, from the result slot that its column (one of
    // columns()) shows, or nothing when its cell is blank (a factor hidden for
    // the part's type, or blanked by the marker triple).
    std::optional<float> factor(const Column& column, std::uint8_t* record) const;

private:
    std::uint64_t shown_factors(std::uint8_t* record) const;

    unsigned item_code_;
    TableKind kind_;
    unsigned title_lines_ = 0;
    std::vector<Column> columns_;
    // Factor tables: the columns shown, a bit each, by the part's type code and
    // marker triple; 0 until learned.
    std::unique_ptr<std::atomic<std::uint64_t>[]> shown_;
};

// The table of a category, built from the exports on first use. Item codes the
// exports do not describe give a table without columns.
const ReportTable& report_table(unsigned item_code, TableKind kind);


}  // namespace gjbz108a::cli
