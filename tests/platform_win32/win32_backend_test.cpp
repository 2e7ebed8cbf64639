// The Windows backend in the system's windows (under Wine on Linux): the
// templates become real controls, a script acts through window messages and
// what the user saw is read back from the windows.
#include "platform/automation.h"
#include "platform/drawing.h"
#include "platform/window.h"
#include "support/test_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace gjbz108a::platform {
namespace {

using namespace test_dialog;

// The notifications the headless backend sends too; a real edit also tells
// of updates and of a full text.
std::vector<std::string> known_notifications() {
    std::vector<std::string> known;
    for (const std::string& command : seen) {
        const unsigned code = std::stoul(command.substr(command.find(':') + 1));
        if (code == 0 || code == 1 || code == 3 || code == 4 || code == 0x100 || code == 0x200 || code == 0x300)
            known.push_back(command);
    }
    return known;
}

TEST(Win32Dialog, AScriptActsThroughWindowMessagesAndTheStateIsReadFromTheWindows) {
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
        "  10 Edit \"1234\"",  // the edit's own limit holds against typing
        "  11 ComboBox \"beta\" [Alpha | beta] selected 1",  // the system sorts ignoring case
        "  12 Button \"Check\" checked",
        "  -1 Static \"Temp. °C\"",
        "  1 Button \"OK\"",
        "  2 Button \"Cancel\"",
        "end 1",
    };
    EXPECT_EQ(transcript(), expected);
    EXPECT_EQ(known_notifications(),
              (std::vector<std::string>{"10:256", "10:768", "10:512", "11:3", "11:1", "11:4", "12:0", "1:0"}));
}

TEST(Win32Dialog, ControlsStandWhereTheTemplateSaysWithTheirClassesIdsAndTexts) {
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(client_rect(dialog), (Rect{0, 0, 200, 100}));
    const DialogTemplate expected = dialog_template();
    const std::vector<Hwnd> children = child_windows(dialog);
    ASSERT_EQ(children.size(), expected.controls.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        const ControlTemplate& control = expected.controls[i];
        EXPECT_EQ(control_id(children[i]), control.id);
        EXPECT_EQ(class_name(children[i]), control.class_name);
        EXPECT_EQ(parent_window(children[i]), dialog);
        if (control.class_name != "ComboBox") {  // a combo box's height is its field's
            EXPECT_EQ(rect_in_parent(children[i]), control.rect) << control.id;
            EXPECT_EQ(window_text(children[i], 100), control.text);
        }
    }
    EXPECT_EQ(window_text(children[3], 7), "Temp. °");  // characters, not bytes
    EXPECT_EQ(text_limit(dialog_item(dialog, 10)), 4u);
    destroy_window(dialog);
    EXPECT_FALSE(is_window(dialog));
}

TEST(Win32Dialog, DisabledHiddenAndReadOnlyControlsRefuseTheUser) {
    clear_recordings();
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    enable_window(dialog_item(dialog, 12), false);
    show_window(dialog_item(dialog, 11), false);
    set_read_only(dialog_item(dialog, 10), true);
    set_window_text(dialog_item(dialog, 10), "kept");
    for (const UserAction& action : {UserAction::click(12), UserAction::select(11, 0), UserAction::type(10, "x"),
                                     UserAction::click(99), UserAction::answer(1)})
        perform(dialog, action);
    EXPECT_EQ(transcript(), (std::vector<std::string>{"control 12 is disabled", "control 11 is hidden",
                                                      "control 10 is read-only", "no control 99",
                                                      "no message box to answer"}));
    EXPECT_EQ(window_text(dialog_item(dialog, 10), 64), "kept");
    EXPECT_TRUE(is_read_only(dialog_item(dialog, 10)));
    const Bitmap picture = create_bitmap("GETLIBU", 24, 20, nullptr);
    set_button_image(dialog_item(dialog, 1), picture);
    EXPECT_EQ(describe(dialog)[4], "1 Button \"OK\" image GETLIBU");
    EXPECT_EQ(bitmap_size(picture), (Size{24, 20}));
    destroy_window(dialog);
    delete_object(picture);
}

TEST(Win32Dialog, MessageBoxesUnderAScriptAreReadFromTheBoxAndClosedByTheScriptsAnswer) {
    clear_recordings();
    set_script({UserAction::answer(box::kIdNo)});
    const Hwnd owner = create_dialog(dialog_template(), nullptr, procedure, 0);
    EXPECT_EQ(message_box(owner, "Line one\nline two", "Caption", box::kYesNo), box::kIdNo);
    EXPECT_EQ(message_box(nullptr, "Again", "Caption", box::kOk), box::kIdOk);
    destroy_window(owner);
    EXPECT_EQ(dialog_box(dialog_template(), nullptr, procedure, 0), 2);  // the script ran out: closed
    EXPECT_EQ(transcript(), (std::vector<std::string>{
                                "message box \"Caption\": \"Line one\\nline two\" owner \"Test dialog\"",
                                "message box \"Caption\": \"Again\" owner none", "dialog \"Test dialog\"",
                                "script ran out: close", "end 2"}));
}

TEST(Win32Lists, SortedEntriesSearchAndSelection) {
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    const Hwnd combo = dialog_item(dialog, 11);
    EXPECT_EQ(find_string_exact(combo, -1, "ALPHA"), 0);
    EXPECT_EQ(find_string_exact(combo, -1, "alph"), kListError);
    EXPECT_EQ(insert_string(combo, 0, "***"), 0);  // an insert keeps its place in a sorted list
    EXPECT_EQ(insert_string(combo, 99, "end"), 3);
    EXPECT_EQ(item_text(combo, 3), "end");
    EXPECT_EQ(set_current_selection(combo, 1), 1);
    EXPECT_EQ(window_text(combo, 64), "Alpha");
    EXPECT_EQ(set_current_selection(combo, 255), kListError);
    EXPECT_EQ(current_selection(combo), kListError);
    EXPECT_EQ(add_string(dialog_item(dialog, 10), "an edit has no list"), kListError);
    reset_content(combo);
    EXPECT_EQ(item_count(combo), 0);
    destroy_window(dialog);
}

// The system's subclass chain: newest first, each with its id and data.
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

TEST(Win32Subclassing, ChainsRunNewestFirstAndKeepTheirReferenceData) {
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    const Hwnd edit = dialog_item(dialog, 10);
    set_window_subclass(edit, inner, 2002, 0);
    set_window_subclass(edit, outer, 2000, reinterpret_cast<std::uintptr_t>(dialog));
    order.clear();
    send_message(edit, message::kPaint, 0, 0);
    EXPECT_EQ(order, "outer2000/" + std::to_string(reinterpret_cast<std::uintptr_t>(dialog)) + " inner2002 ");
    EXPECT_EQ(window_subclass_reference(edit, 2000), std::optional(reinterpret_cast<std::uintptr_t>(dialog)));
    remove_window_subclass(edit, outer, 2000);
    EXPECT_EQ(window_subclass_reference(edit, 2000), std::nullopt);
    destroy_window(dialog);
}

TEST(Win32Drawing, FontsArePooledAndDeviceContextsKeepWhatIsSet) {
    const Font font = create_font({"MS Sans Serif", -11, 700});
    EXPECT_EQ(font, create_font({"MS Sans Serif", -11, 700}));
    EXPECT_EQ(font_description(font).height, -11);
    EXPECT_EQ(font_description(font).weight, 700);
    EXPECT_GT(average_char_cell(font).width, 0);
    EXPECT_GT(text_extent(font, "abcdefgh").width, text_extent(font, "abcd").width);
    const Brush brush = create_solid_brush(rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(brush_color(brush), 0x563412u);
    delete_object(brush);
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    const Dc dc = window_dc(dialog);
    set_text_color(dc, rgb(1, 2, 3));
    set_background_mode(dc, BackgroundMode::transparent);
    select_font(dc, font);
    const DcState state = dc_state(dc);
    EXPECT_EQ(state.text_color, rgb(1, 2, 3));
    EXPECT_EQ(state.background_mode, BackgroundMode::transparent);
    EXPECT_EQ(state.font, font);
    Rect needed{0, 0, 1000, 0};
    EXPECT_GT(draw_text(dc, "Wrapped text", needed, text_format::kCalculateRect | text_format::kSingleLine), 0);
    EXPECT_EQ(needed.right, text_extent(font, "Wrapped text").width);
    release_dc(dialog, dc);
    destroy_window(dialog);
}

}  // namespace
}  // namespace gjbz108a::platform
