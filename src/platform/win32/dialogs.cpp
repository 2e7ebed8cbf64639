// Dialogs on the system's dialog manager: a template built in memory from our
// template data, the controls then placed at their exact pixels, a modal run
// with its own message loop (so that a script can act between messages and
// the end is seen before the window goes), tool tips, message boxes and help.
#include "platform/win32/native.h"

#include <commctrl.h>

#include <cstring>
#include <map>

namespace gjbz108a::platform {

using win32::handle;
using win32::native;
using win32::record;

namespace {

// The template's units are dialog units of its font; ours are pixels. The
// units are a first placing only: every control is moved to its pixels once
// made, so the reference font's base units (5 × 13 pixels) serve.
short horizontal_units(int pixels) { return static_cast<short>(MulDiv(pixels, 4, 5)); }
short vertical_units(int pixels) { return static_cast<short>(MulDiv(pixels, 8, 13)); }

class TemplateWriter {
public:
    void word(WORD value) { words_.push_back(value); }
    void dword(DWORD value) {
        word(LOWORD(value));
        word(HIWORD(value));
    }
    void text(std::string_view text) {
        for (const wchar_t c : win32::widen(text)) word(static_cast<WORD>(c));
        word(0);
    }
    void align_dword() {
        if (words_.size() % 2) word(0);
    }
    const WORD* data() const { return words_.data(); }

private:
    std::vector<WORD> words_;
};

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

// DLGTEMPLATEEX, its title and font, then one DLGITEMTEMPLATEEX per control:
// the extended form keeps an id of -1 as -1 and the font's weight.
TemplateWriter build_template(const DialogTemplate& dialog) {
    TemplateWriter out;
    out.word(1);       // version
    out.word(0xFFFF);  // the extended form
    out.dword(0);      // help id
    out.dword(0);
    out.dword(kDialogStyle);
    out.word(static_cast<WORD>(dialog.controls.size()));
    out.word(0);
    out.word(0);
    out.word(static_cast<WORD>(horizontal_units(dialog.client_size.width)));
    out.word(static_cast<WORD>(vertical_units(dialog.client_size.height)));
    out.word(0);  // no menu
    out.word(0);  // the dialog class
    out.text(dialog.title);
    const int height = dialog.font.height < 0 ? -dialog.font.height : dialog.font.height;
    out.word(static_cast<WORD>(MulDiv(height, 72, pixels_per_inch())));
    out.word(static_cast<WORD>(dialog.font.weight));
    out.word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // not italic
    out.text(dialog.font.face);
    for (const ControlTemplate& control : dialog.controls) {
        out.align_dword();
        out.dword(0);  // help id
        out.dword(control.ex_style);
        out.dword(control.style | WS_CHILD | WS_VISIBLE);
        out.word(static_cast<WORD>(horizontal_units(control.rect.left)));
        out.word(static_cast<WORD>(vertical_units(control.rect.top)));
        out.word(static_cast<WORD>(horizontal_units(control.rect.width())));
        out.word(static_cast<WORD>(vertical_units(control.rect.height())));
        out.dword(static_cast<DWORD>(control.id));
        out.text(control.class_name);
        out.text(control.text);
        out.word(0);  // no creation data
    }
    return out;
}

// A template's pictures are resources of the module it comes from: the one
// whose code runs the dialog (the plug-in for its editing dialogs). The
// system's icon statics load their icons from it.
HINSTANCE template_module(DialogProcedure procedure) {
    LPCWSTR address;
    static_assert(sizeof address == sizeof procedure);
    std::memcpy(&address, &procedure, sizeof address);
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, address,
                       &module);
    return module ? module : GetModuleHandleW(nullptr);
}

struct DialogStart {
    const DialogTemplate* dialog;
    DialogProcedure procedure;
    std::intptr_t parameter;
};

// Every control at its pixels, with its list entries; the window at the
// template's position with the client area of the template's size.
void place(HWND window, const DialogTemplate& dialog) {
    HWND child = GetWindow(window, GW_CHILD);
    for (const ControlTemplate& control : dialog.controls) {
        if (!child) break;
        const Rect r = control.rect;
        MoveWindow(child, r.left, r.top, r.width(), r.height(), FALSE);
        for (const std::string& item : control.items) add_string(handle(child), item);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    RECT frame{0, 0, dialog.client_size.width, dialog.client_size.height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, dialog.position.x, dialog.position.y, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The text a tool tip shows, kept until the next request.
thread_local std::wstring tool_tip_text;

// Our dialog procedures have the C calling convention and take the
// platform's records for help and tool tips; the system calls this one with
// its own, and it passes them on translated.
INT_PTR CALLBACK dialog_trampoline(HWND window, UINT message, WPARAM first, LPARAM second) {
    if (message == WM_INITDIALOG) {
        const auto& start = *reinterpret_cast<const DialogStart*>(second);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(start.procedure));
        place(window, *start.dialog);
        second = start.parameter;
    }
    const auto procedure = reinterpret_cast<DialogProcedure>(GetWindowLongPtrW(window, DWLP_USER));
    if (!procedure) return FALSE;
    switch (message) {
    case WM_HELP: {
        const auto& info = *reinterpret_cast<const HELPINFO*>(second);
        const HWND control = info.iContextType == HELPINFO_WINDOW ? static_cast<HWND>(info.hItemHandle) : nullptr;
        HelpInfo help{control && control != window ? info.iCtrlId : 0, control != window ? handle(control) : nullptr};
        return procedure(handle(window), message, first, reinterpret_cast<std::intptr_t>(&help));
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(second);
        if (header.code != TTN_GETDISPINFOW && header.code != TTN_GETDISPINFOA) return FALSE;
        // Our tools are named by their windows (TTF_IDISHWND).
        ToolTipRequest request{handle(reinterpret_cast<HWND>(header.idFrom)), notify::kToolTipGetText, nullptr};
        procedure(handle(window), message, first, reinterpret_cast<std::intptr_t>(&request));
        tool_tip_text = win32::widen(request.text ? request.text : "");
        if (header.code == TTN_GETDISPINFOW) {
            reinterpret_cast<NMTTDISPINFOW*>(second)->lpszText = tool_tip_text.data();
        } else {
            thread_local std::string ansi;
            ansi.assign(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, tool_tip_text.c_str(), -1, nullptr, 0,
                                                                     nullptr, nullptr)),
                        '\0');
            WideCharToMultiByte(CP_ACP, 0, tool_tip_text.c_str(), -1, ansi.data(), static_cast<int>(ansi.size()),
                                nullptr, nullptr);
            reinterpret_cast<NMTTDISPINFOA*>(second)->lpszText = ansi.data();
        }
        return TRUE;
    }
    case WM_DRAWITEM:
        if (win32::draw_image_button(*reinterpret_cast<const DRAWITEMSTRUCT*>(second))) return TRUE;
        return procedure(handle(window), message, first, second);
    case WM_ERASEBKGND: {
        const std::intptr_t erased = procedure(handle(window), message, first, second);
        if (erased) SetWindowLongPtrW(window, DWLP_MSGRESULT, 1);
        return erased ? TRUE : FALSE;
    }
    default: return procedure(handle(window), message, first, second);
    }
}

// End codes of the dialogs that have ended and not yet gone.
thread_local std::map<HWND, int> ended_dialogs;

bool has_ended(HWND dialog) { return ended_dialogs.contains(dialog); }

// Dispatches what is waiting; false when the queue was empty.
bool dispatch_one(HWND dialog) {
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));  // for the host's own loop
        end_dialog(handle(dialog), -1);
        return true;
    }
    if (!IsDialogMessageW(dialog, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

bool perform_next_action(HWND dialog) {
    win32::Automation& state = win32::automation();
    if (state.next_action >= state.script.size()) return false;
    const UserAction action = state.script[state.next_action++];
    perform(handle(dialog), action);
    return true;
}

constexpr wchar_t kToolTipProperty[] = L"gjbz108a.tooltips";

// The message box being shown under a script: read, recorded and answered
// once it has been initialised (its text set), before its own loop runs.
thread_local HHOOK box_hook = nullptr;
thread_local HWND box_window = nullptr;
thread_local int box_answer = 0;

LRESULT CALLBACK answer_box(int code, WPARAM first, LPARAM second) {
    const auto& call = *reinterpret_cast<const CWPRETSTRUCT*>(second);
    if (code == HC_ACTION && call.message == WM_INITDIALOG && !box_window && win32::has_class(call.hwnd, L"#32770")) {
        box_window = call.hwnd;
        const HWND text = GetDlgItem(call.hwnd, 0xFFFF);  // the static that holds the message
        record("message box " + win32::quoted(win32::window_text_of(call.hwnd)) + ": " +
               win32::quoted(text ? win32::window_text_of(text) : std::string()) + " owner " +
               win32::title_of(GetWindow(call.hwnd, GW_OWNER)));
        PostMessageW(call.hwnd, WM_COMMAND, MAKEWPARAM(box_answer, BN_CLICKED), 0);
    }
    return CallNextHookEx(box_hook, code, first, second);
}

}  // namespace

namespace win32 {

HWND tool_tip_window(HWND dialog) { return static_cast<HWND>(GetPropW(dialog, kToolTipProperty)); }

std::string request_tool_tip(HWND dialog, HWND tool) {
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = tool_tip_window(dialog);
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(tool);
    info.hdr.code = TTN_GETDISPINFOW;
    info.uFlags = TTF_IDISHWND;
    SendMessageW(dialog, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKW) return narrow(info.lpszText);
    return narrow(info.szText);
}

}  // namespace win32

Hwnd create_dialog(const DialogTemplate& dialog, Hwnd parent, DialogProcedure procedure, std::intptr_t parameter) {
    const TemplateWriter memory = build_template(dialog);
    DialogStart start{&dialog, procedure, parameter};
    const HWND window =
        CreateDialogIndirectParamW(template_module(procedure), reinterpret_cast<LPCDLGTEMPLATEW>(memory.data()),
                                   native(parent), dialog_trampoline, reinterpret_cast<LPARAM>(&start));
    if (window) ShowWindow(window, SW_SHOW);
    return handle(window);
}

// The modal run: the owner is disabled while the dialog runs. Under a script
// the actions are performed whenever the queue is empty, as a user acts
// between the system's messages; without one the user works until the end.
int dialog_box(const DialogTemplate& dialog, Hwnd parent, DialogProcedure procedure, std::intptr_t parameter) {
    const HWND owner = parent ? GetAncestor(native(parent), GA_ROOT) : nullptr;
    const HWND window = native(create_dialog(dialog, parent, procedure, parameter));
    if (!window) return -1;
    const bool owner_was_enabled = owner && IsWindowEnabled(owner);
    if (owner_was_enabled) EnableWindow(owner, FALSE);
    win32::Automation& state = win32::automation();
    record("dialog " + win32::quoted(win32::window_text_of(window)));
    for (;;) {
        if (has_ended(window)) break;
        if (dispatch_one(window)) continue;
        if (has_ended(window)) break;  // a message sent from another thread ended it
        if (state.scripted) {
            if (!perform_next_action(window)) break;
            continue;
        }
        WaitMessage();
    }
    if (!has_ended(window) && state.run_observer) state.run_observer(handle(window), nullptr, state.run_observer_context);
    const bool observed = !has_ended(window);
    if (!has_ended(window)) {
        record("script ran out: close");
        SendMessageW(window, WM_CLOSE, 0, 0);
        while (!has_ended(window) && dispatch_one(window)) {
        }
        if (!has_ended(window)) end_dialog(handle(window), -1);
    }
    const int code = ended_dialogs[window];
    if (!observed && state.run_observer) state.run_observer(handle(window), &code, state.run_observer_context);
    record("end " + std::to_string(code));
    // The owner first, so that it gets the activation back.
    if (owner_was_enabled) EnableWindow(owner, TRUE);
    DestroyWindow(window);
    ended_dialogs.erase(window);
    return code;
}

void end_dialog(Hwnd dialog, int end_code) {
    if (!is_window(dialog)) return;
    ended_dialogs[native(dialog)] = end_code;
    PostMessageW(native(dialog), WM_NULL, 0, 0);  // wakes the run's loop
}

void enable_tool_tips(Hwnd dialog) {
    if (!is_window(dialog) || win32::tool_tip_window(native(dialog))) return;
    static const bool classes = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)classes;
    const HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, native(dialog),
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tips) return;
    SetPropW(native(dialog), kToolTipProperty, tips);
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 400);  // long texts wrap
    for (const Hwnd control : child_windows(dialog)) {
        // The size every comctl32 since 4.70 accepts.
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = native(dialog);
        tool.uId = reinterpret_cast<UINT_PTR>(native(control));
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

int message_box(Hwnd owner, std::string_view text, std::string_view caption, unsigned type) {
    win32::Automation& state = win32::automation();
    if (!state.scripted) return MessageBoxW(native(owner), win32::widen(text).c_str(), win32::widen(caption).c_str(), type);
    // Under a script the box is shown, read and closed by its answer: the
    // script's next action when that answers boxes, else OK or Yes.
    box_answer = (type & 0xF) == box::kYesNo ? box::kIdYes : box::kIdOk;
    if (state.next_action < state.script.size() && state.script[state.next_action].kind == UserAction::Kind::answer)
        box_answer = state.script[state.next_action++].index;
    box_window = nullptr;
    box_hook = SetWindowsHookExW(WH_CALLWNDPROCRET, answer_box, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(native(owner), win32::widen(text).c_str(), win32::widen(caption).c_str(), type);
    if (box_hook) UnhookWindowsHookEx(box_hook);
    box_hook = nullptr;
    return answer;
}

// The help viewer is the HTML Help control's library, loaded when first
// asked for and kept: its windows live in it. Without it help shows nothing.
void open_help_topic(Hwnd owner, std::string_view topic) {
    record("help " + win32::quoted(topic) + " owner " + win32::title_of(native(owner)));
    using HtmlHelp = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    static const HMODULE viewer = LoadLibraryW(L"hhctrl.ocx");
    if (!viewer) return;
    const FARPROC entry = GetProcAddress(viewer, "HtmlHelpW");
    if (!entry) return;
    HtmlHelp html_help;
    static_assert(sizeof html_help == sizeof entry);
    std::memcpy(&html_help, &entry, sizeof html_help);
    constexpr UINT kDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC
    html_help(native(owner), win32::widen(topic).c_str(), kDisplayTopic, 0);
}

}  // namespace gjbz108a::platform
