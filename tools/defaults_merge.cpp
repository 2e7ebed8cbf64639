#include "tools/defaults_merge.h"

#include "tools/screen_info.h"

#include <gjbz108a/defaults.h>
#include <gjbz108a/records.h>

#include <cstring>

namespace gjbz108a::cli {

std::vector<FieldProblem> build_effective_block(std::uint8_t* edit_record, PartLibrary& library) {
    const unsigned item_code = edit_record[GJBZ108A_ITEM_CODE];
    const ScreenFieldList* screen = screen_fields(item_code);
    std::uint8_t* effective = edit_record + GJBZ108A_EDIT_EFFECTIVE_BLOCK;
    const std::uint8_t* entered = edit_record + GJBZ108A_EDIT_ENTERED_BLOCK;
    std::vector<FieldProblem> problems;

    const unsigned type = entered[kTypeOffset], subtype = entered[kSubTypeOffset];
    if (const ParameterField* field = type_field(item_code); field != nullptr && type == 0) {
        problems.push_back({field, "You must define Type of the part."});
        return problems;
    }

    // Bytes that the screen information does not name follow the entered block.
    std::memcpy(effective, entered, GJBZ108A_BLOCK_SIZE);
    const std::optional<Block> defaults = library.defaults(item_code, type, subtype);
    if (defaults) entr_upd_def(effective, entered, defaults->data(), screen);

    for (const ParameterField& field : category_fields(item_code)) {
        const ScreenField* entry = screen_field_at(*screen, field.offset);
        if (field.offset == kSubTypeOffset || entry == nullptr || !holds_undefined(effective, *entry)) continue;
        problems.push_back({&field, defaults ? "not entered, and the component library has no default for it"
                                             : "not entered, and the component library, which holds the "
                                               "defaults, cannot be loaded"});
    }
    return problems;
}

}  // namespace gjbz108a::cli
