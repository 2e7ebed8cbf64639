// Driving the user interface without a user: a script of user actions that
// the modal runs consume, and a transcript of what a user would have seen.
// The tests and the command-line host's dialog command use it; the headless
// backend implements it over its in-memory windows.
#pragma once

#include "platform/drawing.h"
#include "platform/types.h"

#include <cstddef>
#include <string>
#include <vector>

namespace gjbz108a::platform {

struct UserAction {
    enum class Kind {
        select,  // pick item `index` of the list `control`
        type,    // focus the edit `control` and replace its text by `text`
        click,   // press and release the mouse on `control`
        focus,   // move the focus to `control` (as the tab key would)
        help,    // F1
        enter,
        escape,
        hover,   // rest the pointer on `control`
        look,    // write the state of every control into the transcript
        answer,  // the button `index` pressed on the next message box
    };
    Kind kind;
    int control = 0;
    std::string text;
    int index = 0;

    static UserAction select(int control, int index) { return {Kind::select, control, {}, index}; }
    static UserAction type(int control, std::string text) { return {Kind::type, control, std::move(text), 0}; }
    static UserAction click(int control) { return {Kind::click, control, {}, 0}; }
    static UserAction focus(int control) { return {Kind::focus, control, {}, 0}; }
    static UserAction help() { return {Kind::help, 0, {}, 0}; }
    static UserAction enter() { return {Kind::enter, 0, {}, 0}; }
    static UserAction escape() { return {Kind::escape, 0, {}, 0}; }
    static UserAction hover(int control) { return {Kind::hover, control, {}, 0}; }
    static UserAction look() { return {Kind::look, 0, {}, 0}; }
    static UserAction answer(int button) { return {Kind::answer, 0, {}, button}; }
};

// Whether the windows are shown to a user who can work in them (a real
// window system), or kept in memory for a script (the headless backend).
bool shows_windows();
// The actions that the next modal runs consume, in order. A run whose script
// runs out is closed as by the window's close box (the Cancel command); if
// that leaves it open it ends with -1. Where windows are shown, a run waits
// for the user until a script is set.
void set_script(std::vector<UserAction> actions);
// Called at the end of every modal run: with the dialog still open when the
// script has run out (before the run closes it), else once it has ended,
// before its window goes; `end_code` is the end code, or nothing while open.
// A host that shows what the user saw reads the dialog's state here.
using RunObserver = void (*)(Hwnd dialog, const int* end_code, void* context);
void set_run_observer(RunObserver observer, void* context);
// Performs one action on a modeless dialog at once.
void perform(Hwnd dialog, const UserAction& action);

// One line per thing seen: titles, message boxes, tool tips, help requests,
// the controls' states on a look, the end codes.
const std::vector<std::string>& transcript();
// Drawing operations of paint messages, one line each.
const std::vector<std::string>& drawings();
// The texts written for the developer's debugger, one a call.
const std::vector<std::string>& debug_traces();
void clear_recordings();
// The state of every control of `dialog`, as a look records it.
std::vector<std::string> describe(Hwnd dialog);

// The screen: its size, the work area, the pixels per inch.
void set_screen(Size screen, Rect work_area, int pixels_per_inch);
// An add to `box` beyond `items` items fails for want of space.
void set_item_capacity(Hwnd box, std::size_t items);

// What a device context holds now.
struct DcState {
    Color text_color;
    Color background_color;
    BackgroundMode background_mode;
    Font font;
};
DcState dc_state(Dc dc);
// A font's description.
LogicalFont font_description(Font font);
// The name a bitmap was made with (empty for one we did not make).
std::string bitmap_name(Bitmap bitmap);

}  // namespace gjbz108a::platform
