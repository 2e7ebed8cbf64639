#include "tools/parts_list/used_values.h"

#include "records/field_values.h"

#include <gjbz108a/records.h>

namespace gjbz108a::cli {

UsedValues::UsedValues(const std::uint8_t* edit_record) noexcept
    : fields_(category_fields(edit_record[GJBZ108A_ITEM_CODE])) {
    const std::uint8_t* entered = edit_record + GJBZ108A_EDIT_ENTERED_BLOCK;
    const std::uint8_t* effective = edit_record + GJBZ108A_EDIT_EFFECTIVE_BLOCK;
    const bool user = user_quality_chosen(edit_record[GJBZ108A_ITEM_CODE], effective);

    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const ParameterField& field = fields_[i];
        if (field.key == kUserQualityKey) {
            user_quality_mismatch_ = user != field_defined(entered, field);
            if (!user) continue;
        } else if (field.offset == kSubTypeOffset && effective[field.offset] == 0) {
            continue;
        }
        shown_ |= std::uint32_t{1} << i;
        if (!field_defined(entered, field) && field_defined(effective, field)) defaulted_ |= std::uint32_t{1} << i;
    }
}

}  // namespace gjbz108a::cli
