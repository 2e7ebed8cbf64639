// The conditions and the new values of a global change, in the form that the
// library's global-change functions take: a parameter block of the category
// and a block of the part's texts, each starting with every field "***" (any
// value, no change) and a SelectionCode stored one higher than in a part.
// The general fields (qty, environment, temperature, cycling_rate) are the
// host's, not the method's: they are compared and set here, by value.
#pragma once

#include "records/category_fields.h"
#include "records/item_codes.h"
#include "editing/part_library.h"
#include "tools/parts_list/general_values.h"

#include <gjbz108a/records.h>
#include <gjbz108a/screen.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::cli {

class EnvironmentNames;

// The texts of a part that a change compares and writes, as the EditRecord
// holds them from its reference designator on: the reference designator, part
// name, military number, catalog number and generic name, each a text field
// followed by its NUL.
constexpr std::size_t kTextAreaOffset = GJBZ108A_EDIT_REFERENCE;
using TextArea = std::array<std::uint8_t, GJBZ108A_EDIT_GENERIC_NAME + 43 - GJBZ108A_EDIT_REFERENCE>;

struct TextKey {
    std::string_view key;  // its column
    ScreenField field;     // in the TextArea
};
std::span<const TextKey> text_keys() noexcept;
// The screen information of a TextArea: one text field per key.
const ScreenFieldList& text_fields() noexcept;

// One KEY=VALUE as the command line gives it.
struct Assignment {
    std::string key, value;
};

enum class ChangeSide { conditions, new_values };

// A general field that a change compares or sets; `any` for "***".
struct GeneralValue {
    const GeneralField* field;
    bool any;
};

struct ChangeBlocks {
    Block parameters{};
    TextArea texts{};
    // The values of the general fields, each at its place in a part's record.
    std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE> general{};
    // What the assignments name, for the columns a change writes.
    std::vector<const ParameterField*> parameter_fields;
    std::vector<const TextKey*> text_fields;
    std::vector<GeneralValue> general_fields;
};

// Builds one side of a change of `category`, or of parts of every category
// when it is nullptr (then only general fields and texts may be named), from
// its assignments. False with the reason (naming the assignment) for an
// unknown key, a key given twice or a value that the field cannot take. An
// environment may be named by `environments`.
bool build_change_blocks(const Category* category, ChangeSide side, const std::vector<Assignment>& assignments,
                         ChangeBlocks& blocks, std::string& why, const EnvironmentNames* environments = nullptr);

}  // namespace gjbz108a::cli
