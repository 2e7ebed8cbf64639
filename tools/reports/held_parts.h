// The parts of a list held for the report tables, grouped by category.
//
// A table can only be written once every part of its category has been read,
// and the parts of a category are spread over the list. Standard input cannot
// be read twice, so the parts are held, and only what the tables show of them:
// the cells as GetField writes them when the part has been computed (some
// hundred bytes a part, not the 1281 of its EditRecord), packed end to end in
// one buffer per category. A full buffer goes to a temporary file as a chunk of
// its category, so that memory stays flat however long the list: a category is
// read back chunk by chunk, in list order.
#pragma once

#include "tools/prediction/report.h"
#include "tools/reports/report_table.h"
#include "tools/reports/spool_file.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gjbz108a::cli {

struct HeldPart {
    std::string ref;
    unsigned quantity;      // 0 when the row held no valid quantity
    std::string category;   // the category's name, or the cell as written
    Status status;
    float failure_rate;
    double quantity_rate;
    std::string messages;
    // The cells in display order of the values the part was computed with
    // (those it was given, when it was refused before it had them).
    std::vector<std::string> parameters;
    std::uint32_t defaulted_columns;      // bit i: parameter i is a default of the library
    std::optional<std::string> defaulted; // the keys of the defaults; none without values
    std::vector<std::string> factors;     // the cells, in display order; none when not computed
};

class HeldParts {
public:
    // Buffers of `chunk_bytes` a category: the memory that the parts take.
    explicit HeldParts(std::size_t chunk_bytes = std::size_t{1} << 16);

    // Throws SpoolError when the temporary file fails.
    void add(const PartLine& line);

    // ItemCode 0 holds the parts whose category is not known, which have no cells.
    unsigned long count(unsigned item_code) const noexcept { return groups_[item_code].count; }

    // The parts of a category in list order, one at a time; each call may read
    // the category again. The part it gives stays valid until the next call.
    class Reader {
    public:
        const HeldPart* next();

    private:
        friend class HeldParts;
        Reader(HeldParts& parts, unsigned item_code) : parts_(parts), item_code_(item_code) {}
        bool load();

        HeldParts& parts_;
        unsigned item_code_;
        std::size_t chunk_ = 0;  // the next chunk to load; past the file's ones, the buffer
        std::string_view left_;  // what is left to decode of the loaded chunk
        HeldPart part_;
    };
    Reader read(unsigned item_code) { return Reader(*this, item_code); }

private:
    struct Chunk {
        std::uint64_t offset;
        std::size_t size;
    };
    struct Group {
        std::string buffer;         // the parts not yet in the file
        std::vector<Chunk> chunks;  // in the file, in list order
        unsigned long count = 0;
    };

    std::size_t chunk_bytes_;
    std::array<Group, kLastItemCode + 1> groups_;  // by ItemCode
    std::unique_ptr<SpoolFile> spool_;             // made when a first buffer fills
    std::string loaded_;                           // the chunk being read
    std::string keys_;                             // scratch for a part's defaulted keys
};

// A report that writes nothing until the whole list is read, holding the parts.
class HoldingReport : public Report {
public:
    void part(const PartLine& line) final { parts_.add(line); }

protected:
    HeldParts parts_;
};

}  // namespace gjbz108a::cli
