// The values of the general columns that a part's record holds: qty,
// environment, temperature and cycling_rate. A cell of a parts list and a
// value of `change` read alike through here, and a changed value is written
// back as the text that reads as the same value.
#pragma once

#include "records/units.h"
#include "tools/parts_list/columns.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

class EnvironmentNames;

struct GeneralField {
    ColumnKind column;   // qty, environment, temperature or cycling_rate
    std::size_t offset;  // in the EditRecord
    std::size_t width;   // its bytes there
    const Unit* unit;    // what its number means; nullptr for the quantity and the environment code
};

// The four, in the order of ColumnKind.
std::span<const GeneralField> general_fields() noexcept;

// The general field a column name (any letter case) names; nullptr for ref,
// category and every other name.
const GeneralField* general_field_named(std::string_view name) noexcept;

std::string_view general_field_key(const GeneralField& field) noexcept;

// Reads a trimmed cell into the field of `record`. An empty quantity or
// environment is refused ("a quantity is required"); an empty temperature or
// cycling rate is 0. An environment is its code or, given `environments`, one
// of their names. False with the reason, the record untouched, for a text
// that is no value of the field.
bool read_general_value(const GeneralField& field, std::string_view text, std::uint8_t* record, std::string& why,
                        const EnvironmentNames* environments = nullptr);

// Whether two records hold the same value in the field (0 and -0 degrees are
// the same temperature).
bool same_general_value(const GeneralField& field, const std::uint8_t* a, const std::uint8_t* b) noexcept;

// The text that read_general_value reads back as the field's value.
std::string general_value_text(const GeneralField& field, const std::uint8_t* record);

}  // namespace gjbz108a::cli
