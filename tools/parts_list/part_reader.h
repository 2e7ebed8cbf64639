// Turns one row of a parts list into a Part: the general columns into the
// EditRecord's header and part data, the category's parameters into its entered
// block. Every problem of the row is reported at once (not only the first), so
// that one pass over the file shows everything to fix.
#pragma once

#include "tools/parts_list/columns.h"
#include "tools/parts_list/diagnostics.h"
#include "tools/parts_list/merged_blocks.h"
#include "tools/parts_list/part.h"
#include "editing/part_library.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

class EnvironmentNames;
class Row;

class PartReader {
public:
    // What a read part gets: both parameter blocks, or only the entered one
    // (for a tool that changes the list rather than computing it).
    enum class Blocks { entered_and_effective, entered_only };
    // Whether a part whose computed parameters need a default is refused.
    enum class Defaults { taken, refused };

    // `library` gives the parts that rows name and the defaults of the cells
    // left empty; `environments` the names that the environment column may hold.
    PartReader(const ColumnLayout& layout, Diagnostics& diagnostics, PartLibrary& library,
               Blocks blocks = Blocks::entered_and_effective, Defaults defaults = Defaults::taken,
               const EnvironmentNames* environments = nullptr)
        : layout_(layout), diagnostics_(diagnostics), library_(library), blocks_(blocks), defaults_(defaults),
          environments_(environments) {}

    // Reads the current row into `part`: its entered block (the named library
    // part's parameters, overridden by the row's cells) and its effective block
    // (the entered one with the defaults merged in), and which values the
    // model is given and where they came from (part.used). False for a row whose cells
    // are all empty or notes, which is skipped. A row with problems gives true
    // and a refused part.
    bool read(const Row& row, Part& part);

private:
    bool holds_a_part(const Row& row) const;
    bool splits_a_number(const Part& part) const;
    void problem(Part& part, unsigned long line, std::string_view column, std::string_view why);
    void problem_at(Part& part, std::size_t column, std::string_view why);
    void check_encoding(const Row& row);
    std::string_view cell(ColumnKind kind) const;
    void read_category(Part& part);
    void read_general(Part& part);
    void read_names(Part& part);
    const Block& undefined_block(const Category& category);
    void read_parameters(Part& part);
    void merge_defaults(Part& part);
    void check_used_values(Part& part);

    const ColumnLayout& layout_;
    Diagnostics& diagnostics_;
    PartLibrary& library_;
    Blocks blocks_;
    Defaults defaults_;
    const EnvironmentNames* environments_;
    const Row* row_ = nullptr;  // the row being read, for the lines of its cells
    std::vector<std::string_view> cells_;  // its cells without their blanks, read once
    std::string why_;           // reused for every conversion
    MergedBlocks merged_;
    std::vector<std::optional<Block>> undefined_blocks_ = std::vector<std::optional<Block>>(categories().size());
    bool latin1_reported_ = false;
};

}  // namespace gjbz108a::cli
