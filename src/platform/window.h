// Windows and controls: creation from templates, the modal run, state, lists,
// focus, subclassing, message boxes, help and the screen. Shaped like the
// Windows user interface so that a Windows backend maps each call onto one
// system call; the headless backend keeps the same state in memory.
//
// User-interface thread only: every window belongs to the thread that made it.
#pragma once

#include "platform/dialog_template.h"
#include "platform/types.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::platform {

// A dialog's procedure: answers non-zero for a message it handled (for the
// control-colour messages: the brush, for a tool-tip request: non-zero when
// it gave a text).
using DialogProcedure = std::intptr_t (*)(Hwnd, unsigned message, std::uintptr_t, std::intptr_t);
// A control's subclass procedure, installed with an id and reference data;
// it passes what it does not handle on with call_next_procedure.
using SubclassProcedure = std::intptr_t (*)(Hwnd, unsigned message, std::uintptr_t, std::intptr_t,
                                            std::uintptr_t id, std::uintptr_t reference);

// The second parameter of a help request.
struct HelpInfo {
    int control_id = 0;  // the control that had the focus, 0 for the dialog itself
    Hwnd control = nullptr;
};

// The second parameter of a tool-tip text request (a notify message): the tool
// is a control, named by its window. The handler points `text` at a string
// that stays valid until the tool tip has copied it (the end of the message).
struct ToolTipRequest {
    Hwnd tool = nullptr;
    int code = notify::kToolTipGetText;
    const char* text = nullptr;
};

constexpr std::uintptr_t command_parameter(int control_id, unsigned notification) {
    return (static_cast<std::uintptr_t>(notification & 0xFFFF) << 16) | (static_cast<unsigned>(control_id) & 0xFFFF);
}
constexpr int command_control(std::uintptr_t parameter) { return static_cast<int>(parameter & 0xFFFF); }
constexpr unsigned command_notification(std::uintptr_t parameter) {
    return static_cast<unsigned>((parameter >> 16) & 0xFFFF);
}

// Creation and end.
Hwnd create_window(std::string_view class_name, std::string_view text, std::uint32_t style, std::uint32_t ex_style,
                   Rect rect, Hwnd parent, int id);
// A modeless dialog from its template: the controls are made, the template's
// font is set into each, then the procedure gets the initialisation message
// with `parameter`. Null when the template cannot be made.
Hwnd create_dialog(const DialogTemplate& dialog, Hwnd parent, DialogProcedure procedure, std::intptr_t parameter);
// The modal run: create_dialog, then the user works until end_dialog; answers
// the end code, or -1 when the dialog could not be made.
int dialog_box(const DialogTemplate& dialog, Hwnd parent, DialogProcedure procedure, std::intptr_t parameter);
void end_dialog(Hwnd dialog, int end_code);
void destroy_window(Hwnd window);
bool is_window(Hwnd window);

// The tree.
Hwnd dialog_item(Hwnd dialog, int id);
int control_id(Hwnd window);
std::string class_name(Hwnd window);
Hwnd parent_window(Hwnd window);
std::vector<Hwnd> child_windows(Hwnd window);  // direct children, in creation order

// State.
std::uint32_t window_style(Hwnd window);
void set_window_style(Hwnd window, std::uint32_t style);
std::uint32_t window_ex_style(Hwnd window);
void set_window_ex_style(Hwnd window, std::uint32_t ex_style);
// At most `max_characters` characters of the text.
std::string window_text(Hwnd window, std::size_t max_characters);
void set_window_text(Hwnd window, std::string_view text);
void enable_window(Hwnd window, bool enable);
bool is_window_enabled(Hwnd window);
void show_window(Hwnd window, bool show);
bool is_window_visible(Hwnd window);
void set_read_only(Hwnd edit, bool read_only);
bool is_read_only(Hwnd edit);
// An edit accepts at most `characters` characters (0: the platform's maximum).
void limit_text(Hwnd edit, std::size_t characters);
std::size_t text_limit(Hwnd edit);
std::intptr_t window_user_data(Hwnd window);
void set_window_user_data(Hwnd window, std::intptr_t data);

// Geometry. A window's rectangle is in screen coordinates; a child is moved
// in its parent's client coordinates.
Rect window_rect(Hwnd window);
Rect client_rect(Hwnd window);  // origin 0, 0
Rect rect_in_parent(Hwnd child);
void move_window(Hwnd window, Rect rect, bool repaint);
void center_window(Hwnd window);
Rect desktop_work_area();
Size screen_size();
int pixels_per_inch();  // vertical
// a × b ÷ c rounded half away from zero, -1 when c is 0.
int mul_div(int a, int b, int c);

// Focus.
Hwnd set_focus(Hwnd window);  // answers the window that had it
Hwnd focused_window();

// Fonts of controls.
void set_window_font(Hwnd window, Font font, bool redraw);
Font window_font(Hwnd window);

// Combo and list boxes, by the same calls. Add and insert answer the index
// of the new item or kListError / kListErrorSpace.
int add_string(Hwnd box, std::string_view text);
int insert_string(Hwnd box, int index, std::string_view text);
void reset_content(Hwnd box);
int item_count(Hwnd box);
std::string item_text(Hwnd box, int index);
int current_selection(Hwnd box);  // kListError when nothing is selected
// Answers kListError, with nothing selected, when `index` names no item.
int set_current_selection(Hwnd box, int index);
// The first item after `start` (-1: from the top) equal to `text` ignoring
// case, or kListError.
int find_string_exact(Hwnd box, int start, std::string_view text);

// Buttons.
int check_state(Hwnd button);
void set_check(Hwnd button, int state);
// The picture an image button shows instead of its caption (null: none).
void set_button_image(Hwnd button, Bitmap image);
Bitmap button_image(Hwnd button);

// Messages.
std::intptr_t send_message(Hwnd window, unsigned message, std::uintptr_t first, std::intptr_t second);
void set_window_subclass(Hwnd window, SubclassProcedure procedure, std::uintptr_t id, std::uintptr_t reference);
void remove_window_subclass(Hwnd window, SubclassProcedure procedure, std::uintptr_t id);
// The reference data of the subclass `id` of `window`, if it has one.
std::optional<std::uintptr_t> window_subclass_reference(Hwnd window, std::uintptr_t id);
// From inside a subclass procedure: the procedure installed before it, or
// the window's own.
std::intptr_t call_next_procedure(Hwnd window, unsigned message, std::uintptr_t first, std::intptr_t second);
// Asks for one leave message when the pointer next leaves `window`.
void track_mouse_leave(Hwnd window);
// Repaints the frame and the client area, and the children's.
void redraw_window(Hwnd window);
// Tool-tip text requests reach the dialog from now on.
void enable_tool_tips(Hwnd dialog);

// Messages to the user. Answers the button pressed.
int message_box(Hwnd owner, std::string_view text, std::string_view caption, unsigned type);
// Opens `topic` ("file::/page") of a compiled help file, owned by `owner`.
void open_help_topic(Hwnd owner, std::string_view topic);
// A line for the developer's debugger.
void debug_trace(std::string_view text);

}  // namespace gjbz108a::platform
