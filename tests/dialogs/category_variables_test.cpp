// The variables of the category dialogs: SetParams and GetParams move exactly
// the bytes of the table's fields, the exchange shows each in its control and
// reads it back in the exchange order, and a variable is reached through a
// pointer of its own type only.
#include "dialogs/category_variables.h"

#include "dialogs/template_layout.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace gjbz108a {
namespace {

using Block = std::array<std::uint8_t, 102>;

std::intptr_t quiet_procedure(platform::Hwnd, unsigned, std::uintptr_t, std::intptr_t) { return 0; }

// A value of each type, with its bytes (little-endian) and as an edit shows it.
struct Sample {
    std::uint32_t bits;
    const char* text;
};
Sample sample(const CategoryControl& control, bool changed) {
    if (control.kind == ControlKind::list) return changed ? Sample{2, ""} : Sample{1, ""};
    switch (control.type) {
    case VariableType::u8: return changed ? Sample{4, "4"} : Sample{3, "3"};
    case VariableType::u16: return changed ? Sample{301, "301"} : Sample{300, "300"};
    case VariableType::u32: return changed ? Sample{70001, "70001"} : Sample{70000, "70000"};
    case VariableType::i32: return changed ? Sample{0xFFFFFFF8u, "-8"} : Sample{0xFFFFFFF9u, "-7"};
    case VariableType::f32: return changed ? Sample{0x40300000u, "2.75"} : Sample{0x40200000u, "2.5"};
    }
    return {};
}

// Stores the low bytes of `bits` that the control's variable takes.
void put(Block& block, const CategoryControl& control, std::uint32_t bits) {
    const bool one_byte = control.kind == ControlKind::list || control.type == VariableType::u8;
    std::memcpy(block.data() + control.block_byte, &bits, one_byte ? 1 : control.type == VariableType::u16 ? 2 : 4);
}

TEST(CategoryVariables, ExchangeShowsEveryVariableAndGetParamsWritesOnlyTheTablesBytes) {
    for (const CategoryDialog& dialog : category_dialogs()) {
        SCOPED_TRACE(dialog.class_name);
        const platform::Hwnd window = platform::create_dialog(category_template(dialog), nullptr, quiet_procedure, 0);
        ASSERT_NE(window, nullptr);
        Block block{};
        for (const CategoryControl& control : dialog.controls) put(block, control, sample(control, false).bits);
        CategoryVariables variables(dialog);
        variables.set_params(block.data());
        EXPECT_EQ(variables.type(), has_type_list(dialog) ? 1 : 0);
        DataExchange load{0, window, 0, 0};
        variables.exchange(load);
        for (const CategoryControl& control : dialog.controls) {
            const platform::Hwnd shown = platform::dialog_item(window, control.id);
            if (control.kind == ControlKind::list) {
                EXPECT_EQ(platform::current_selection(shown), 1) << control.id;
                platform::set_current_selection(shown, 2);
            } else {
                EXPECT_EQ(platform::window_text(shown, 100), sample(control, false).text) << control.id;
                platform::set_window_text(shown, sample(control, true).text);
            }
        }
        DataExchange save{1, window, 0, 0};
        variables.exchange(save);
        EXPECT_EQ(save.failed, 0);
        platform::destroy_window(window);
        // Bytes outside the table keep what they hold; new variables are zero.
        Block written, fresh, changed, zeroed;
        for (Block* each : {&written, &fresh, &changed, &zeroed}) each->fill(0xEE);
        for (const CategoryControl& control : dialog.controls) {
            put(changed, control, sample(control, true).bits);
            put(zeroed, control, 0);
        }
        variables.get_params(written.data());
        CategoryVariables(dialog).get_params(fresh.data());
        EXPECT_EQ(written, changed);
        EXPECT_EQ(fresh, zeroed);
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
    // Each variable answers to its own type only.
    EXPECT_NE(variables.u16(1015), nullptr);
    EXPECT_EQ(variables.i32(1015), nullptr);
    EXPECT_EQ(variables.u8(kUserQualityId), nullptr);
    EXPECT_EQ(variables.f32(1028), nullptr);  // a header control
    EXPECT_NE(CategoryVariables(*find_category_dialog(3)).u32(1043), nullptr);
}

}  // namespace
}  // namespace gjbz108a
