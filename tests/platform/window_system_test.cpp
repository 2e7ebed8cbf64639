// The headless window system: what a scripted user sees and what the dialog
// procedure is told, in order.
#include "platform/automation.h"
#include "platform/drawing.h"
#include "platform/window.h"
#include "support/test_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a::platform {
namespace {

using namespace test_dialog;

TEST(HeadlessDialog, AScriptedRunRecordsWhatTheUserSawInOrder) {
    clear_recordings();
    seen.clear();
    set_script({UserAction::type(10, "123456"), UserAction::select(11, 1), UserAction::click(12),
                UserAction::hover(10), UserAction::hover(11), UserAction::help(), UserAction::look(),
                UserAction::click(1), UserAction::click(2)});
    EXPECT_EQ(dialog_box(dialog_template(), nullptr, procedure, 0), 1);
    const std::vector<std::string> expected{
        "dialog \"Test dialog\"",
        "tool tip 10: \"Four characters at most, 0 °C\"",
        "tool tip 11: none",
        "F1",
        "help \"manual.chm::/12\" owner \"Test dialog\"",
        "look \"Test dialog\"",
        "  10 Edit \"1234\"",  // the text limit holds against typing
        "  11 ComboBox \"beta\" [Alpha | beta] selected 1",  // sorted ignoring case
        "  12 Button \"Check\" checked",
        "  -1 Static \"Temp. °C\"",
        "  1 Button \"OK\"",
        "  2 Button \"Cancel\"",
        "end 1",  // Cancel was never clicked: the run had ended
    };
    EXPECT_EQ(transcript(), expected);
    // The edit had the focus first (tab stop); typing changes it, the combo's
    // focus takes it away, a click moves it to the check box.
    const std::vector<std::string> commands{"10:256", "10:768", "10:512", "11:3",  "11:1",
                                            "11:4",   "12:0",   "1:0"};
    EXPECT_EQ(seen, commands);
}

TEST(HeadlessDialog, DisabledHiddenAndReadOnlyControlsRefuseTheUser) {
    clear_recordings();
    seen.clear();
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    ASSERT_NE(dialog, nullptr);
    enable_window(dialog_item(dialog, 12), false);
    show_window(dialog_item(dialog, 11), false);
    set_read_only(dialog_item(dialog, 10), true);
    set_window_text(dialog_item(dialog, 10), "kept");
    for (const UserAction& action : {UserAction::click(12), UserAction::select(11, 0), UserAction::type(10, "x"),
                                     UserAction::click(99)})
        perform(dialog, action);
    EXPECT_EQ(transcript(), (std::vector<std::string>{"control 12 is disabled", "control 11 is hidden",
                                                      "control 10 is read-only", "no control 99"}));
    EXPECT_EQ(window_text(dialog_item(dialog, 10), 64), "kept");
    EXPECT_EQ(check_state(dialog_item(dialog, 12)), 0);
    const Bitmap picture = create_bitmap("GETLIBU", 24, 24, nullptr);
    set_button_image(dialog_item(dialog, 1), picture);
    EXPECT_EQ(describe(dialog)[4], "1 Button \"OK\" image GETLIBU");
    destroy_window(dialog);
    delete_object(picture);
    EXPECT_FALSE(is_window(dialog));
}

TEST(HeadlessDialog, ARunWhoseScriptRunsOutIsClosedAsCancelAndBoxesTakeTheScriptedAnswer) {
    clear_recordings();
    set_script({UserAction::answer(box::kIdNo)});
    const Hwnd owner = create_dialog(dialog_template(), nullptr, procedure, 0);
    EXPECT_EQ(message_box(owner, "Line one\nline two", "Caption", box::kYesNo), box::kIdNo);
    EXPECT_EQ(message_box(nullptr, "Again", "Caption", box::kYesNo), box::kIdYes);
    destroy_window(owner);
    EXPECT_EQ(dialog_box(dialog_template(), nullptr, procedure, 0), 2);
    EXPECT_EQ(transcript(), (std::vector<std::string>{
                                "message box \"Caption\": \"Line one\\nline two\" owner \"Test dialog\"",
                                "message box \"Caption\": \"Again\" owner none", "dialog \"Test dialog\"",
                                "script ran out: close", "end 2"}));
}

TEST(HeadlessLists, SortingSearchSelectionAndCapacity) {
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    const Hwnd combo = dialog_item(dialog, 11);
    EXPECT_EQ(add_string(combo, "ALPHA"), 1);  // equal ignoring case: after the equal ones
    EXPECT_EQ(find_string_exact(combo, -1, "alpha"), 0);
    EXPECT_EQ(find_string_exact(combo, 0, "alpha"), 1);
    EXPECT_EQ(find_string_exact(combo, -1, "alph"), kListError);
    EXPECT_EQ(set_current_selection(combo, 2), 2);
    EXPECT_EQ(insert_string(combo, 0, "***"), 0);
    EXPECT_EQ(current_selection(combo), 3);  // the selected item moved down with the insert
    EXPECT_EQ(set_current_selection(combo, 255), kListError);
    EXPECT_EQ(current_selection(combo), kListError);
    set_item_capacity(combo, 4);
    EXPECT_EQ(add_string(combo, "full"), kListErrorSpace);
    EXPECT_EQ(add_string(dialog_item(dialog, 10), "an edit has no list"), kListError);
    reset_content(combo);
    EXPECT_EQ(item_count(combo), 0);
    destroy_window(dialog);
}

// Subclass procedures run newest first; each passes on to the one before it.
std::string order;
std::intptr_t outer(Hwnd window, unsigned message, std::uintptr_t first, std::intptr_t second, std::uintptr_t id,
                    std::uintptr_t reference) {
    if (message == message::kPaint) order += "outer" + std::to_string(id) + "/" + std::to_string(reference) + " ";
    return call_next_procedure(window, message, first, second);
}
std::intptr_t inner(Hwnd window, unsigned message, std::uintptr_t first, std::intptr_t second, std::uintptr_t id,
                    std::uintptr_t) {
    if (message == message::kPaint) order += "inner" + std::to_string(id) + " ";
    return call_next_procedure(window, message, first, second);
}

TEST(HeadlessSubclassing, ChainsRunNewestFirstAndKeepTheirReferenceData) {
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    const Hwnd edit = dialog_item(dialog, 10);
    set_window_subclass(edit, inner, 2002, 0);
    set_window_subclass(edit, outer, 2000, 77);
    order.clear();
    send_message(edit, message::kPaint, 0, 0);
    EXPECT_EQ(order, "outer2000/77 inner2002 ");
    EXPECT_EQ(window_subclass_reference(edit, 2000), std::optional<std::uintptr_t>(77));
    remove_window_subclass(edit, outer, 2000);
    EXPECT_EQ(window_subclass_reference(edit, 2000), std::nullopt);
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
