// The variables of the category dialogs: SetParams and GetParams move exactly
// the bytes of the table's fields, and the data exchange reaches each variable
// through a pointer of its own type only.
#include "dialogs/category_variables.h"

#include "dialogs/template_layout.h"
#include "platform/window.h"
#include "records/category_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

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

std::intptr_t quiet_procedure(platform::Hwnd, unsigned, std::uintptr_t, std::intptr_t) { return 0; }

// A value of each type, as an edit shows it.
struct Sample {
    std::uint32_t bits;  // the value's bytes, little-endian
    const char* text;
};
Sample sample(VariableType type, bool changed) {
    switch (type) {
    case VariableType::u8: return changed ? Sample{4, "4"} : Sample{3, "3"};
    case VariableType::u16: return changed ? Sample{301, "301"} : Sample{300, "300"};
    case VariableType::u32: return changed ? Sample{70001, "70001"} : Sample{70000, "70000"};
    case VariableType::i32: return changed ? Sample{0xFFFFFFF8u, "-8"} : Sample{0xFFFFFFF9u, "-7"};
    case VariableType::f32: return changed ? Sample{0x40300000u, "2.75"} : Sample{0x40200000u, "2.5"};
    }
    return {};
}

std::size_t width(const CategoryControl& control) {
    if (control.kind == ControlKind::list || control.type == VariableType::u8) return 1;
    return control.type == VariableType::u16 ? 2 : 4;
}

// The control's field in `block` (little-endian: its bytes are the low ones).
std::uint32_t field_bits(const Block& block, const CategoryControl& control) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, block.data() + control.block_byte, width(control));
    return bits;
}

void set_field_bits(Block& block, const CategoryControl& control, std::uint32_t bits) {
    std::memcpy(block.data() + control.block_byte, &bits, width(control));
}

TEST(CategoryVariables, ExchangeShowsEveryVariableInItsControlAndReadsItBack) {
    for (const CategoryDialog& dialog : category_dialogs()) {
        SCOPED_TRACE(dialog.class_name);
        const platform::Hwnd window = platform::create_dialog(category_template(dialog), nullptr, quiet_procedure, 0);
        ASSERT_NE(window, nullptr);
        Block block{};
        for (const CategoryControl& control : dialog.controls)
            set_field_bits(block, control, control.kind == ControlKind::list ? 1 : sample(control.type, false).bits);
        CategoryVariables variables(dialog);
        variables.set_params(block.data());
        DataExchange load{0, window, 0, 0};
        variables.exchange(load);
        for (const CategoryControl& control : dialog.controls) {
            const platform::Hwnd shown = platform::dialog_item(window, control.id);
            if (control.kind == ControlKind::list) {
                EXPECT_EQ(platform::current_selection(shown), 1) << control.id;
                platform::set_current_selection(shown, 2);
            } else {
                EXPECT_EQ(platform::window_text(shown, 100), sample(control.type, false).text) << control.id;
                platform::set_window_text(shown, sample(control.type, true).text);
            }
        }
        DataExchange save{1, window, 0, 0};
        variables.exchange(save);
        EXPECT_EQ(save.failed, 0);
        variables.get_params(block.data());
        for (const CategoryControl& control : dialog.controls) {
            const std::uint32_t expected = control.kind == ControlKind::list ? 2 : sample(control.type, true).bits;
            EXPECT_EQ(field_bits(block, control), expected) << control.id;
        }
        platform::destroy_window(window);
    }
}

TEST(CategoryVariables, ExchangeFollowsTheExchangeOrderAndStopsAtTheFirstFailure) {
    // IC Analog exchanges Seal first, the pins seventh and the transistors eighth.
    const CategoryDialog& analog = *find_category_dialog(2);
    const platform::Hwnd window = platform::create_dialog(category_template(analog), nullptr, quiet_procedure, 0);
    CategoryVariables variables(analog);
    platform::set_current_selection(platform::dialog_item(window, 5000), 2);
    platform::set_window_text(platform::dialog_item(window, 1015), "many");
    platform::set_window_text(platform::dialog_item(window, 1133), "12");
    DataExchange save{1, window, 0, 0};
    variables.exchange(save);
    EXPECT_EQ(save.failed, 1);
    EXPECT_EQ(save.control, 1015);
    EXPECT_EQ(*variables.u8(5000), 2);
    EXPECT_EQ(*variables.i32(1133), 0);
    platform::destroy_window(window);
}

}  // namespace
}  // namespace gjbz108a
