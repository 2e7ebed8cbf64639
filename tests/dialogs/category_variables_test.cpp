// The variables of the category dialogs: SetParams and GetParams move exactly
// the bytes of the table's fields, and the data exchange reaches each variable
// through a pointer of its own type only.
#include "dialogs/category_variables.h"

#include "records/category_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace gjbz108a {
namespace {

using Block = std::array<std::uint8_t, 102>;

TEST(CategoryVariables, GetParamsWritesTheTablesBytesAndNoOther) {
    for (const CategoryDialog& dialog : category_dialogs()) {
        SCOPED_TRACE(dialog.class_name);
        Block source;
        for (std::size_t i = 0; i < source.size(); ++i) source[i] = static_cast<std::uint8_t>(i * 7 + 1);
        CategoryVariables variables(dialog);
        Block untouched;
        untouched.fill(0xEE);
        Block zeros = untouched;
        variables.get_params(zeros.data());  // all zero when made
        variables.set_params(source.data());
        Block target = untouched;
        variables.get_params(target.data());
        std::array<bool, 102> covered{};
        for (const ParameterField& field : category_fields(dialog.item_code))
            if (field.type != FieldType::code)
                for (unsigned i = 0; i < field_width(field.type); ++i) covered[field.offset + i] = true;
        for (std::size_t i = 0; i < target.size(); ++i) {
            EXPECT_EQ(target[i], covered[i] ? source[i] : untouched[i]) << i;
            EXPECT_EQ(zeros[i], covered[i] ? 0 : untouched[i]) << i;
        }
        EXPECT_EQ(variables.type(), has_type_list(dialog) ? source[1] : 0);
    }
}

TEST(CategoryVariables, EachVariableIsReachedThroughItsOwnTypeOnly) {
    // IC Analog holds every type: u8 lists, a u16, an i32 and an f32.
    CategoryVariables analog(*find_category_dialog(2));
    Block block{};
    const float pi_q = 1.25f;
    std::memcpy(block.data() + 16, &pi_q, sizeof pi_q);
    block[20] = 3;
    analog.set_params(block.data());
    ASSERT_NE(analog.f32(kUserQualityId), nullptr);
    EXPECT_EQ(*analog.f32(kUserQualityId), 1.25f);
    EXPECT_EQ(*analog.u8(5000), 3);
    EXPECT_EQ(analog.u8(kUserQualityId), nullptr);
    EXPECT_EQ(analog.i32(1015), nullptr);
    EXPECT_NE(analog.u16(1015), nullptr);
    EXPECT_NE(analog.i32(1133), nullptr);
    EXPECT_EQ(analog.f32(1028), nullptr);  // a header control
    *analog.i32(1133) = -5;
    analog.get_params(block.data());
    std::int32_t transistors = 0;
    std::memcpy(&transistors, block.data() + 8, sizeof transistors);
    EXPECT_EQ(transistors, -5);
    // IC Digital's gate count is the only u32.
    CategoryVariables digital(*find_category_dialog(3));
    EXPECT_NE(digital.u32(1043), nullptr);
}

}  // namespace
}  // namespace gjbz108a
