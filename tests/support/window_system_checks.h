// One small dialog, its procedure and the checks that both window-system
// backends pass alike. Each backend's suite includes this file once, so the
// checks run in each.
#pragma once

#include "platform/automation.h"
#include "platform/drawing.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gjbz108a::platform::test_dialog {

// The commands the procedure was told, as "control:notification".
inline std::vector<std::string> seen;

// Ends on OK and Cancel, limits the edit to four characters, answers the
// edit's tool tip (with a non-ASCII character) and asks for the help topic.
inline std::intptr_t procedure(Hwnd dialog, unsigned message, std::uintptr_t first, std::intptr_t second) {
    switch (message) {
    case message::kInitDialog: limit_text(dialog_item(dialog, 10), 4); enable_tool_tips(dialog); return 1;
    case message::kCommand: {
        const int id = command_control(first);
        seen.push_back(std::to_string(id) + ":" + std::to_string(command_notification(first)));
        if (id == box::kIdOk) end_dialog(dialog, 1);
        if (id == box::kIdCancel) end_dialog(dialog, 2);
        return 1;
    }
    case message::kNotify: {
        auto* request = reinterpret_cast<ToolTipRequest*>(second);
        if (control_id(request->tool) == 10) request->text = "Four characters at most, 0 °C";
        return 1;
    }
    case message::kHelp: {
        const auto* info = reinterpret_cast<const HelpInfo*>(second);
        open_help_topic(dialog, "manual.chm::/" + std::to_string(info->control_id));
        return 1;
    }
    default: return 0;
    }
}

// An edit, a sorted combo box, a check box, a label and the two buttons.
inline DialogTemplate dialog_template() {
    DialogTemplate dialog{"Test dialog", {10, 10}, {200, 100}, {"MS Sans Serif", -11, 400}, {}};
    dialog.controls = {
        {10, "Edit", style::kTabStop, "", {5, 5, 60, 17}, 0, {}},
        {11, "ComboBox", style::kComboDropDownList | style::kComboSort, "", {5, 25, 60, 37}, 0, {"beta", "Alpha"}},
        {12, "Button", style::kAutoCheckBox, "Check", {5, 45, 60, 57}, 0, {}},
        {-1, "Static", 0, "Temp. °C", {5, 70, 60, 82}, 0, {}},
        {1, "Button", style::kDefaultPushButton, "OK", {100, 5, 150, 20}, 0, {}},
        {2, "Button", style::kPushButton, "Cancel", {100, 25, 150, 40}, 0, {}},
    };
    return dialog;
}

// The notifications both backends send; a real edit also tells of updates
// and of a full text.
inline std::vector<std::string> shared_notifications() {
    std::vector<std::string> shared;
    for (const std::string& command : seen) {
        const unsigned code = std::stoul(command.substr(command.find(':') + 1));
        if (code == 0 || code == 1 || code == 3 || code == 4 || code == 0x100 || code == 0x200 || code == 0x300)
            shared.push_back(command);
    }
    return shared;
}

// Subclass procedures that note each paint they see and pass it on.
inline std::string order;
inline std::intptr_t outer(Hwnd window, unsigned message, std::uintptr_t first, std::intptr_t second,
                           std::uintptr_t id, std::uintptr_t reference) {
    if (message == message::kPaint) order += "outer" + std::to_string(id) + "/" + std::to_string(reference) + " ";
    return call_next_procedure(window, message, first, second);
}
inline std::intptr_t inner(Hwnd window, unsigned message, std::uintptr_t first, std::intptr_t second,
                           std::uintptr_t id, std::uintptr_t) {
    if (message == message::kPaint) order += "inner" + std::to_string(id) + " ";
    return call_next_procedure(window, message, first, second);
}

TEST(WindowSystem, AScriptedRunRecordsWhatTheUserSawInOrder) {
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
    EXPECT_EQ(shared_notifications(),
              (std::vector<std::string>{"10:256", "10:768", "10:512", "11:3", "11:1", "11:4", "12:0", "1:0"}));
}

TEST(WindowSystem, DisabledHiddenAndReadOnlyControlsRefuseTheUser) {
    clear_recordings();
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    ASSERT_NE(dialog, nullptr);
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
    EXPECT_EQ(check_state(dialog_item(dialog, 12)), 0);
    const Bitmap picture = create_bitmap("GETLIBU", 24, 20, nullptr);
    set_button_image(dialog_item(dialog, 1), picture);
    EXPECT_EQ(describe(dialog)[4], "1 Button \"OK\" image GETLIBU");
    EXPECT_EQ(bitmap_size(picture), (Size{24, 20}));
    destroy_window(dialog);
    delete_object(picture);
    EXPECT_FALSE(is_window(dialog));
}

TEST(WindowSystem, ARunWhoseScriptRunsOutIsClosedAsCancelAndBoxesTakeTheScriptedAnswer) {
    clear_recordings();
    set_script({UserAction::answer(box::kIdNo)});
    const Hwnd owner = create_dialog(dialog_template(), nullptr, procedure, 0);
    EXPECT_EQ(message_box(owner, "Line one\nline two", "Caption", box::kYesNo), box::kIdNo);
    EXPECT_EQ(message_box(nullptr, "Again", "Caption", box::kYesNo), box::kIdYes);  // no answer left
    destroy_window(owner);
    EXPECT_EQ(dialog_box(dialog_template(), nullptr, procedure, 0), 2);
    EXPECT_EQ(transcript(), (std::vector<std::string>{
                                "message box \"Caption\": \"Line one\\nline two\" owner \"Test dialog\"",
                                "message box \"Caption\": \"Again\" owner none", "dialog \"Test dialog\"",
                                "script ran out: close", "end 2"}));
}

TEST(WindowSystem, SortedListsSearchInsertAndSelect) {
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    const Hwnd combo = dialog_item(dialog, 11);
    EXPECT_EQ(find_string_exact(combo, -1, "ALPHA"), 0);
    EXPECT_EQ(find_string_exact(combo, -1, "alph"), kListError);
    EXPECT_EQ(set_current_selection(combo, 1), 1);
    EXPECT_EQ(window_text(combo, 64), "beta");
    EXPECT_EQ(insert_string(combo, 0, "***"), 0);  // an insert keeps its place in a sorted list
    EXPECT_EQ(current_selection(combo), 2);        // and the selected item moves down
    EXPECT_EQ(insert_string(combo, 99, "end"), 3);
    EXPECT_EQ(item_text(combo, 3), "end");
    EXPECT_EQ(set_current_selection(combo, 255), kListError);
    EXPECT_EQ(current_selection(combo), kListError);
    EXPECT_EQ(add_string(dialog_item(dialog, 10), "an edit has no list"), kListError);
    reset_content(combo);
    EXPECT_EQ(item_count(combo), 0);
    destroy_window(dialog);
}

TEST(WindowSystem, SubclassChainsRunNewestFirstAndKeepTheirReferenceData) {
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

}  // namespace gjbz108a::platform::test_dialog
