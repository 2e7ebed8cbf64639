// One small dialog and its procedure for the tests of both window-system
// backends, so that both are held to the same behaviour.
#pragma once

#include "platform/automation.h"
#include "platform/window.h"

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

}  // namespace gjbz108a::platform::test_dialog
