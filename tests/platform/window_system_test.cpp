// The headless window system: the checks both backends pass, and what only
// the headless one models (list capacity, the screen and font measures).
#include "platform/automation.h"
#include "platform/drawing.h"
#include "platform/window.h"
#include "support/window_system_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a::platform {
namespace {

using namespace test_dialog;

TEST(HeadlessLists, EqualEntriesAddAfterTheirEqualsAndAFullListRefuses) {
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    const Hwnd combo = dialog_item(dialog, 11);
    EXPECT_EQ(add_string(combo, "ALPHA"), 1);  // equal ignoring case: after the equal ones
    EXPECT_EQ(find_string_exact(combo, 0, "alpha"), 1);
    set_item_capacity(combo, 3);
    EXPECT_EQ(add_string(combo, "full"), kListErrorSpace);
    destroy_window(dialog);
}

TEST(HeadlessScreen, MultiplyDivideRoundsHalfAwayFromZeroAndFontsMeasureByTheTable) {
    struct Case { int a, b, c, expected; };
    for (const Case& c : {Case{8, 96, 72, 11}, Case{8, 120, 72, 13}, Case{8, 144, 72, 16}, Case{-8, 96, 72, -11},
                          Case{1, 1, 2, 1}, Case{-1, 1, 2, -1}, Case{5, 5, 0, -1}})
        EXPECT_EQ(mul_div(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
    EXPECT_EQ(average_char_cell(create_font({"MS Sans Serif", -11, 300})), (Size{5, 13}));
    EXPECT_EQ(average_char_cell(create_font({"MS Sans Serif", -13, 300})), (Size{6, 16}));
    EXPECT_EQ(average_char_cell(create_font({"No Such Face", -22, 400})), (Size{10, 26}));
    EXPECT_EQ(create_font({"DejaVu Sans", -12, 400}), create_font({"DejaVu Sans", -12, 400}));
    EXPECT_EQ(text_extent(create_font({"DejaVu Sans", -12, 400}), "abcd"), (Size{24, 14}));
}

}  // namespace
}  // namespace gjbz108a::platform
