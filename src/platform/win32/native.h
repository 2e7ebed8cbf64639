// The Windows backend's shared pieces: the platform's handles as the
// system's, UTF-8 text as the system's UTF-16, and the automation state of
// the user-interface thread.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/automation.h"
#include "platform/drawing.h"
#include "platform/window.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::platform::win32 {

// The platform's opaque handles are the system's, cast.
inline HWND native(Hwnd window) { return reinterpret_cast<HWND>(window); }
inline Hwnd handle(HWND window) { return reinterpret_cast<Hwnd>(window); }
inline HDC native(Dc dc) { return reinterpret_cast<HDC>(dc); }
inline HFONT native(Font font) { return reinterpret_cast<HFONT>(font); }
inline HBRUSH native(Brush brush) { return reinterpret_cast<HBRUSH>(brush); }
inline HBITMAP native(Bitmap bitmap) { return reinterpret_cast<HBITMAP>(bitmap); }

inline RECT native(Rect r) { return {r.left, r.top, r.right, r.bottom}; }
inline Rect from_native(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom)};
}

// Our texts are UTF-8; the system's wide functions take UTF-16, so that any
// text shows as written whatever the system's code page.
std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

std::string window_text_of(HWND window);  // the whole text
bool has_class(HWND window, std::wstring_view name);  // ignoring case, as the system compares

// The automation of this thread: whether runs follow a script, the script,
// and what was seen.
struct Automation {
    bool scripted = false;  // set_script was called: runs act by it and close when it runs out
    std::vector<UserAction> script;
    std::size_t next_action = 0;
    RunObserver run_observer = nullptr;
    void* run_observer_context = nullptr;
    std::vector<std::string> transcript;
    std::vector<std::string> debug_traces;
    HWND hovered = nullptr;
    std::vector<HWND> tracking_leave;  // windows that asked for one leave message
};
Automation& automation();

void record(std::string line);
std::string quoted(std::string_view text);  // as the transcript quotes: in double quotes, line ends as \n
std::string title_of(HWND window);          // its top-level window's title, quoted, or none

// Draws an owner-drawn button that has a picture (set_button_image); false
// for any other item, which its dialog draws.
bool draw_image_button(const DRAWITEMSTRUCT& item);

// The tool-tip window of a dialog, once enable_tool_tips made it.
HWND tool_tip_window(HWND dialog);
// A tool-tip text request as the system's tool tips send it, to `dialog`
// about `tool`; the text answered, empty for none.
std::string request_tool_tip(HWND dialog, HWND tool);

}  // namespace gjbz108a::platform::win32
