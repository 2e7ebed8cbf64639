// The automation of the Windows backend: a script's actions performed
// through the system's messages, as the user's mouse and keyboard would
// cause them, and the recordings of what was seen, read from the windows.
#include "platform/win32/native.h"

#include <commctrl.h>

#include <algorithm>

namespace gjbz108a::platform {

using win32::handle;
using win32::native;

namespace win32 {

Automation& automation() {
    thread_local Automation state;
    return state;
}

void record(std::string line) { automation().transcript.push_back(std::move(line)); }

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\n') out += "\\n";
        else if (c != '\r') out += c;
    }
    return out + "\"";
}

std::string title_of(HWND window) {
    if (!window || !IsWindow(window)) return "none";
    return quoted(window_text_of(GetAncestor(window, GA_ROOT)));
}

}  // namespace win32

namespace {

using win32::has_class;
using win32::record;

// Visible and enabled, and so are all its parents: a user can reach it.
bool usable(HWND control) {
    for (HWND w = control; w; w = (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) ? GetParent(w) : nullptr)
        if (!(GetWindowLongPtrW(w, GWL_STYLE) & WS_VISIBLE) || !IsWindowEnabled(w)) return false;
    return true;
}

void notify_parent(HWND control, unsigned notification) {
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), notification),
                 reinterpret_cast<LPARAM>(control));
}

// What a press of the mouse on a control does before anything else.
void mouse_activate(HWND dialog, HWND control) {
    SendMessageW(control, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(dialog), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
}

void select(HWND control, int index) {
    SetFocus(control);
    const bool combo = has_class(control, L"ComboBox");
    if (set_current_selection(handle(control), index) == kListError)
        record("no item " + std::to_string(index) + " in " + std::to_string(GetDlgCtrlID(control)));
    notify_parent(control, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
}

// Typing replaces the selection, all of the text: the edit keeps to its
// limit and tells its parent of the change itself.
void type(HWND dialog, HWND control, const std::string& text) {
    mouse_activate(dialog, control);
    SetFocus(control);
    if (GetWindowLongPtrW(control, GWL_STYLE) & ES_READONLY) {
        record("control " + std::to_string(GetDlgCtrlID(control)) + " is read-only");
        return;
    }
    const std::wstring wide = win32::widen(text);
    if (has_class(control, L"Edit")) {
        SendMessageW(control, EM_SETSEL, 0, -1);
        SendMessageW(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    } else {
        SetWindowTextW(control, wide.c_str());
        notify_parent(control, EN_CHANGE);
    }
}

// A button's click is the system's (the press, the release, the check of an
// automatic box, the notification); other controls take the focus.
void click(HWND dialog, HWND control) {
    mouse_activate(dialog, control);
    const auto kind = static_cast<std::uint32_t>(GetWindowLongPtrW(control, GWL_STYLE) & 0xF);
    if (!has_class(control, L"Button")) SetFocus(control);
    else if (kind != style::kGroupBox) SendMessageW(control, BM_CLICK, 0, 0);
}

void help(HWND dialog) {
    record("F1");
    const HWND focus = GetFocus();
    const HWND target = focus && (focus == dialog || IsChild(dialog, focus)) ? focus : dialog;
    HELPINFO info{sizeof info, HELPINFO_WINDOW, target == dialog ? 0 : GetDlgCtrlID(target), target, 0, {}};
    GetCursorPos(&info.MousePos);
    SendMessageW(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

void press(HWND dialog, int button) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

// The pointer comes to rest on the control: the one it left hears so, and
// the dialog's tool tip asks for its text.
void hover(HWND dialog, HWND control) {
    win32::Automation& state = win32::automation();
    auto& tracking = state.tracking_leave;
    if (state.hovered && state.hovered != control && IsWindow(state.hovered)) {
        const auto asked = std::find(tracking.begin(), tracking.end(), state.hovered);
        if (asked != tracking.end()) {
            tracking.erase(asked);
            SendMessageW(state.hovered, WM_MOUSELEAVE, 0, 0);
        }
    }
    state.hovered = control;
    SendMessageW(control, WM_MOUSEMOVE, 0, 0);
    if (!win32::tool_tip_window(dialog)) return;
    const std::string text = win32::request_tool_tip(dialog, control);
    record("tool tip " + std::to_string(GetDlgCtrlID(control)) + ": " + (text.empty() ? "none" : win32::quoted(text)));
}

}  // namespace

void set_script(std::vector<UserAction> actions) {
    win32::Automation& state = win32::automation();
    state.scripted = true;
    state.script = std::move(actions);
    state.next_action = 0;
}

void set_run_observer(RunObserver observer, void* context) {
    win32::automation().run_observer = observer;
    win32::automation().run_observer_context = context;
}

bool shows_windows() { return true; }

void perform(Hwnd dialog_handle, const UserAction& action) {
    const HWND dialog = native(dialog_handle);
    if (!IsWindow(dialog)) return;
    const HWND control = action.control ? GetDlgItem(dialog, action.control) : nullptr;
    const std::string id = std::to_string(action.control);
    using Kind = UserAction::Kind;
    const bool needs_control = action.kind == Kind::select || action.kind == Kind::type ||
                               action.kind == Kind::click || action.kind == Kind::focus || action.kind == Kind::hover;
    if (needs_control && !control) {
        record("no control " + id);
        return;
    }
    if (needs_control && action.kind != Kind::hover && !usable(control)) {
        record("control " + id + " is " +
               ((GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) ? "disabled" : "hidden"));
        return;
    }
    switch (action.kind) {
    case Kind::select: select(control, action.index); break;
    case Kind::type: type(dialog, control, action.text); break;
    case Kind::click: click(dialog, control); break;
    case Kind::focus: SetFocus(control); break;
    case Kind::help: help(dialog); break;
    case Kind::enter: press(dialog, IDOK); break;
    case Kind::escape: press(dialog, IDCANCEL); break;
    case Kind::hover: hover(dialog, control); break;
    case Kind::look:
        record("look " + win32::quoted(win32::window_text_of(dialog)));
        for (std::string& line : describe(dialog_handle)) record("  " + std::move(line));
        break;
    case Kind::answer: record("no message box to answer"); break;
    }
}

const std::vector<std::string>& transcript() { return win32::automation().transcript; }

// The system draws; nothing of it is recorded.
const std::vector<std::string>& drawings() {
    static const std::vector<std::string> none;
    return none;
}

const std::vector<std::string>& debug_traces() { return win32::automation().debug_traces; }

void clear_recordings() {
    win32::automation().transcript.clear();
    win32::automation().debug_traces.clear();
}

std::vector<std::string> describe(Hwnd dialog) {
    std::vector<std::string> lines;
    for (const Hwnd child : child_windows(dialog)) {
        const HWND w = native(child);
        const auto bits = static_cast<std::uint32_t>(GetWindowLongPtrW(w, GWL_STYLE));
        std::string line = std::to_string(GetDlgCtrlID(w)) + " " + class_name(child) + " " +
                           win32::quoted(win32::window_text_of(w));
        if (bits & WS_DISABLED) line += " disabled";
        if (!(bits & WS_VISIBLE)) line += " hidden";
        if (has_class(w, L"Edit") && (bits & ES_READONLY)) line += " read-only";
        if (has_class(w, L"Button") && check_state(child)) line += " checked";
        if (has_class(w, L"Button"))
            if (const Bitmap image = button_image(child)) line += " image " + bitmap_name(image);
        if (has_class(w, L"ComboBox") || has_class(w, L"ListBox")) {
            line += " [";
            for (int i = 0; i < item_count(child); ++i) line += (i ? " | " : "") + item_text(child, i);
            line += "] selected " + std::to_string(current_selection(child));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The screen is the system's: a script cannot change it.
void set_screen(Size, Rect, int) {}
// The system's lists take what memory allows.
void set_item_capacity(Hwnd, std::size_t) {}

}  // namespace gjbz108a::platform
