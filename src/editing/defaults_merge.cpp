#include "editing/defaults_merge.h"

#include "records/field_values.h"
#include "records/undefined_value.h"

#include <gjbz108a/defaults.h>
#include <gjbz108a/records.h>
#include <gjbz108a/screen.h>

#include <cstring>

namespace gjbz108a {

bool user_quality_chosen(unsigned item_code, const std::uint8_t* block) noexcept {
    for (const ParameterField& field : category_fields(item_code))
        if (field.type == FieldType::selection && !field.entries.empty() && field.entries.back() == "User" &&
            block[field.offset] == field.entries.size())
            return true;
    return false;
}

bool type_undefined(const std::uint8_t* block) noexcept {
    return number_undefined(block, kTypeOffset, Storage::selection);
}

const ParameterField* missing_type(unsigned item_code, const std::uint8_t* block) noexcept {
    const ParameterField* type = type_field(item_code);
    return type != nullptr && type_undefined(block) ? type : nullptr;
}

bool merge_defaults(unsigned item_code, const std::uint8_t* entered, std::uint8_t* effective, PartLibrary& library) {
    const std::optional<Block> defaults = library.defaults(item_code, entered[kTypeOffset], entered[kSubTypeOffset]);
    if (!defaults) return false;
    const ScreenFieldList* screen = nullptr;
    GetScrInfo(static_cast<std::int32_t>(item_code), &screen);
    entr_upd_def(effective, entered, defaults->data(), screen);
    return true;
}

std::vector<FieldProblem> build_effective_block(std::uint8_t* edit_record, PartLibrary& library) {
    const unsigned item_code = edit_record[GJBZ108A_ITEM_CODE];
    std::uint8_t* effective = edit_record + GJBZ108A_EDIT_EFFECTIVE_BLOCK;
    const std::uint8_t* entered = edit_record + GJBZ108A_EDIT_ENTERED_BLOCK;
    std::vector<FieldProblem> problems;

    if (const ParameterField* type = missing_type(item_code, entered)) {
        problems.push_back({type, kTypeRequired});
        return problems;
    }

    // Bytes that the screen information does not name follow the entered block.
    std::memcpy(effective, entered, GJBZ108A_BLOCK_SIZE);
    const bool merged = merge_defaults(item_code, entered, effective, library);

    const bool user_quality = user_quality_chosen(item_code, effective);
    for (const ParameterField& field : category_fields(item_code)) {
        if (field.offset == kSubTypeOffset || field_defined(effective, field)) continue;
        if (field.key == kUserQualityKey && !user_quality) continue;
        problems.push_back({&field, merged ? "not entered, and the component library has no default for it"
                                             : "not entered, and the component library, which holds the "
                                               "defaults, cannot be loaded"});
    }
    return problems;
}

}  // namespace gjbz108a
