// One part of a parts list as the host keeps it: the EditRecord, plus what the
// report shows of a row that could not be turned into a record.
#pragma once

#include "records/item_codes.h"
#include "tools/parts_list/used_values.h"

#include <gjbz108a/records.h>

#include <array>
#include <cstdint>
#include <string>

namespace gjbz108a::cli {

struct Part {
    // Header, effective block, entered block, result block, quantity and
    // reference designator (<gjbz108a/records.h>).
    std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> record{};

    unsigned long line = 0;             // where the row starts in the file
    std::string ref;                    // as written, even when too long for the record
    unsigned quantity = 0;              // 0 when the cell held no valid quantity
    const Category* category = nullptr; // nullptr when the cell named none
    std::string category_text;          // the cell as written when it named none
    std::string problems;               // "column 'x': why" lines; empty for a good row
    UsedValues used;                    // shows nothing unless the effective block was built

    bool refused() const noexcept { return !problems.empty(); }
};

}  // namespace gjbz108a::cli
