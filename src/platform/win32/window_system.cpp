// Windows and controls on the system's windows: each call of the platform
// layer is one or a few system calls. Texts cross as UTF-8.
#include "platform/win32/native.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>

namespace gjbz108a::platform {

using win32::handle;
using win32::native;

namespace win32 {

std::wstring widen(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string narrow(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::string out(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr,
                                                                 nullptr)),
                    '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    return out;
}

std::string window_text_of(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

bool has_class(HWND window, std::wstring_view name) {
    wchar_t buffer[64];
    const int length = GetClassNameW(window, buffer, 64);
    return length > 0 && CompareStringOrdinal(buffer, length, name.data(), static_cast<int>(name.size()), TRUE) ==
                             CSTR_EQUAL;
}

}  // namespace win32

namespace {

using win32::has_class;

bool is_combo(HWND window) { return has_class(window, L"ComboBox"); }
bool is_list_box(HWND window) { return has_class(window, L"ListBox"); }

// The combo box message or its list box twin.
UINT list_message(HWND box, UINT combo, UINT list) { return is_combo(box) ? combo : list; }

LONG_PTR style_of(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

// A change of frame bits shows only once the system recomputes the frame.
void refresh_frame(HWND window) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The platform's subclass procedures have the C calling convention, the
// system's the Windows one: every subclass installs this one procedure, and
// the platform procedure of its id is kept in a window property, its
// reference data in another (not every comctl32 names GetWindowSubclass).
std::wstring subclass_property(std::uintptr_t id) { return L"gjbz108a.subclass." + std::to_wstring(id); }
std::wstring reference_property(std::uintptr_t id) { return subclass_property(id) + L".reference"; }

LRESULT CALLBACK subclass_trampoline(HWND window, UINT message, WPARAM first, LPARAM second, UINT_PTR id,
                                     DWORD_PTR reference) {
    const std::wstring property = subclass_property(id);
    const auto procedure = reinterpret_cast<SubclassProcedure>(GetPropW(window, property.c_str()));
    if (message == WM_NCDESTROY) {
        RemovePropW(window, property.c_str());
        RemovePropW(window, reference_property(id).c_str());
        RemoveWindowSubclass(window, subclass_trampoline, id);
    }
    if (!procedure) return DefSubclassProc(window, message, first, second);
    return procedure(handle(window), message, first, second, id, reference);
}

}  // namespace

Hwnd create_window(std::string_view class_name, std::string_view text, std::uint32_t style, std::uint32_t ex_style,
                   Rect rect, Hwnd parent, int id) {
    const bool child = (style & style::kChild) && parent;
    const HWND window = CreateWindowExW(
        ex_style, win32::widen(class_name).c_str(), win32::widen(text).c_str(), style, rect.left, rect.top,
        rect.width(), rect.height(), native(parent),
        child ? reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)) : nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window && parent) SendMessageW(window, WM_SETFONT, SendMessageW(native(parent), WM_GETFONT, 0, 0), 0);
    return handle(window);
}

void destroy_window(Hwnd window) {
    if (IsWindow(native(window))) DestroyWindow(native(window));
}

bool is_window(Hwnd window) { return window && IsWindow(native(window)); }

Hwnd dialog_item(Hwnd dialog, int id) { return dialog ? handle(GetDlgItem(native(dialog), id)) : nullptr; }

int control_id(Hwnd window) { return is_window(window) ? GetDlgCtrlID(native(window)) : 0; }

std::string class_name(Hwnd window) {
    if (!is_window(window)) return {};
    wchar_t buffer[256];
    return win32::narrow({buffer, static_cast<std::size_t>(GetClassNameW(native(window), buffer, 256))});
}

Hwnd parent_window(Hwnd window) {
    if (!is_window(window) || !(style_of(native(window)) & WS_CHILD)) return nullptr;
    return handle(GetParent(native(window)));
}

std::vector<Hwnd> child_windows(Hwnd window) {
    std::vector<Hwnd> children;
    if (!is_window(window)) return children;
    // Controls lie in creation order: the first made is the top of the order.
    for (HWND child = GetWindow(native(window), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(handle(child));
    return children;
}

std::uint32_t window_style(Hwnd window) {
    return is_window(window) ? static_cast<std::uint32_t>(style_of(native(window))) : 0;
}

void set_window_style(Hwnd window, std::uint32_t style) {
    if (!is_window(window)) return;
    SetWindowLongPtrW(native(window), GWL_STYLE, static_cast<LONG_PTR>(style));
    refresh_frame(native(window));
}

std::uint32_t window_ex_style(Hwnd window) {
    return is_window(window) ? static_cast<std::uint32_t>(GetWindowLongPtrW(native(window), GWL_EXSTYLE)) : 0;
}

void set_window_ex_style(Hwnd window, std::uint32_t ex_style) {
    if (!is_window(window)) return;
    SetWindowLongPtrW(native(window), GWL_EXSTYLE, static_cast<LONG_PTR>(ex_style));
    refresh_frame(native(window));
}

std::string window_text(Hwnd window, std::size_t max_characters) {
    if (!is_window(window)) return {};
    const std::wstring text = win32::widen(win32::window_text_of(native(window)));
    return win32::narrow(std::wstring_view(text).substr(0, max_characters));
}

void set_window_text(Hwnd window, std::string_view text) {
    if (is_window(window)) SetWindowTextW(native(window), win32::widen(text).c_str());
}

void enable_window(Hwnd window, bool enable) {
    if (is_window(window)) EnableWindow(native(window), enable);
}

bool is_window_enabled(Hwnd window) { return is_window(window) && IsWindowEnabled(native(window)); }

void show_window(Hwnd window, bool show) {
    if (is_window(window)) ShowWindow(native(window), show ? SW_SHOW : SW_HIDE);
}

// The window's own visible bit, as the headless backend answers: a control
// of a dialog not yet shown counts as visible.
bool is_window_visible(Hwnd window) { return is_window(window) && (style_of(native(window)) & WS_VISIBLE); }

void set_read_only(Hwnd edit, bool read_only) {
    if (is_window(edit)) SendMessageW(native(edit), EM_SETREADONLY, read_only, 0);
}

bool is_read_only(Hwnd edit) { return is_window(edit) && (style_of(native(edit)) & ES_READONLY); }

void limit_text(Hwnd edit, std::size_t characters) {
    if (is_window(edit)) SendMessageW(native(edit), EM_LIMITTEXT, characters, 0);
}

std::size_t text_limit(Hwnd edit) {
    return is_window(edit) ? static_cast<std::size_t>(SendMessageW(native(edit), EM_GETLIMITTEXT, 0, 0)) : 0;
}

std::intptr_t window_user_data(Hwnd window) {
    return is_window(window) ? GetWindowLongPtrW(native(window), GWLP_USERDATA) : 0;
}

void set_window_user_data(Hwnd window, std::intptr_t data) {
    if (is_window(window)) SetWindowLongPtrW(native(window), GWLP_USERDATA, data);
}

Rect window_rect(Hwnd window) {
    RECT r{};
    if (is_window(window)) GetWindowRect(native(window), &r);
    return win32::from_native(r);
}

Rect client_rect(Hwnd window) {
    RECT r{};
    if (is_window(window)) GetClientRect(native(window), &r);
    return win32::from_native(r);
}

Rect rect_in_parent(Hwnd child) {
    RECT r{};
    if (!is_window(child)) return {};
    GetWindowRect(native(child), &r);
    if (const Hwnd parent = parent_window(child))
        MapWindowPoints(HWND_DESKTOP, native(parent), reinterpret_cast<POINT*>(&r), 2);
    return win32::from_native(r);
}

void move_window(Hwnd window, Rect rect, bool repaint) {
    if (is_window(window)) MoveWindow(native(window), rect.left, rect.top, rect.width(), rect.height(), repaint);
}

void center_window(Hwnd window) {
    if (!is_window(window)) return;
    const Rect area = desktop_work_area(), frame = window_rect(window);
    const int x = area.left + (area.width() - frame.width()) / 2;
    const int y = area.top + (area.height() - frame.height()) / 2;
    SetWindowPos(native(window), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect desktop_work_area() {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return win32::from_native(r);
}

Size screen_size() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

int pixels_per_inch() {
    const HDC screen = GetDC(nullptr);
    const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixels;
}

int mul_div(int a, int b, int c) { return MulDiv(a, b, c); }

Hwnd set_focus(Hwnd window) { return handle(SetFocus(native(window))); }
Hwnd focused_window() { return handle(GetFocus()); }

void set_window_font(Hwnd window, Font font, bool redraw) {
    if (is_window(window)) SendMessageW(native(window), WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

Font window_font(Hwnd window) {
    return is_window(window) ? reinterpret_cast<Font>(SendMessageW(native(window), WM_GETFONT, 0, 0)) : nullptr;
}

int add_string(Hwnd box, std::string_view text) {
    if (!is_window(box) || !(is_combo(native(box)) || is_list_box(native(box)))) return kListError;
    const std::wstring wide = win32::widen(text);
    return static_cast<int>(SendMessageW(native(box), list_message(native(box), CB_ADDSTRING, LB_ADDSTRING), 0,
                                         reinterpret_cast<LPARAM>(wide.c_str())));
}

int insert_string(Hwnd box, int index, std::string_view text) {
    if (!is_window(box) || !(is_combo(native(box)) || is_list_box(native(box)))) return kListError;
    if (index < 0 || index > item_count(box)) index = -1;  // at the end
    const std::wstring wide = win32::widen(text);
    return static_cast<int>(SendMessageW(native(box), list_message(native(box), CB_INSERTSTRING, LB_INSERTSTRING),
                                         static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str())));
}

void reset_content(Hwnd box) {
    if (is_window(box)) SendMessageW(native(box), list_message(native(box), CB_RESETCONTENT, LB_RESETCONTENT), 0, 0);
}

int item_count(Hwnd box) {
    if (!is_window(box)) return kListError;
    return static_cast<int>(SendMessageW(native(box), list_message(native(box), CB_GETCOUNT, LB_GETCOUNT), 0, 0));
}

std::string item_text(Hwnd box, int index) {
    if (!is_window(box) || index < 0) return {};
    const HWND window = native(box);
    const LRESULT length =
        SendMessageW(window, list_message(window, CB_GETLBTEXTLEN, LB_GETTEXTLEN), static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(window, list_message(window, CB_GETLBTEXT, LB_GETTEXT),
                                        static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return win32::narrow(text);
}

int current_selection(Hwnd box) {
    if (!is_window(box)) return kListError;
    return static_cast<int>(SendMessageW(native(box), list_message(native(box), CB_GETCURSEL, LB_GETCURSEL), 0, 0));
}

int set_current_selection(Hwnd box, int index) {
    if (!is_window(box)) return kListError;
    const UINT message = list_message(native(box), CB_SETCURSEL, LB_SETCURSEL);
    if (index < 0 || index >= item_count(box)) {
        SendMessageW(native(box), message, static_cast<WPARAM>(-1), 0);  // nothing selected
        return kListError;
    }
    return static_cast<int>(SendMessageW(native(box), message, static_cast<WPARAM>(index), 0));
}

int find_string_exact(Hwnd box, int start, std::string_view text) {
    if (!is_window(box)) return kListError;
    const std::wstring wide = win32::widen(text);
    return static_cast<int>(SendMessageW(native(box), list_message(native(box), CB_FINDSTRINGEXACT, LB_FINDSTRINGEXACT),
                                         static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(wide.c_str())));
}

int check_state(Hwnd button) {
    return is_window(button) ? static_cast<int>(SendMessageW(native(button), BM_GETCHECK, 0, 0)) : 0;
}

void set_check(Hwnd button, int state) {
    if (is_window(button)) SendMessageW(native(button), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

// The button keeps its style: an owner-drawn one shows the picture by
// draw_image_button, another its caption. The system hands a picture back
// only to a picture button, so it is kept in a property too.
constexpr wchar_t kImageProperty[] = L"gjbz108a.image";

void set_button_image(Hwnd button, Bitmap image) {
    if (!is_window(button)) return;
    SendMessageW(native(button), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image));
    if (image) SetPropW(native(button), kImageProperty, image);
    else RemovePropW(native(button), kImageProperty);
}

Bitmap button_image(Hwnd button) {
    return is_window(button) ? static_cast<Bitmap>(GetPropW(native(button), kImageProperty)) : nullptr;
}

namespace win32 {

// As the framework's bitmap button draws: the picture in the middle of a face
// of its own background colour (its top left pixel), sunk a pixel while
// pressed, greyed while disabled, with the focus rectangle while focused.
bool draw_image_button(const DRAWITEMSTRUCT& item) {
    const auto picture = static_cast<HBITMAP>(GetPropW(item.hwndItem, kImageProperty));
    BITMAP size{};
    if (item.CtlType != ODT_BUTTON || !picture || !GetObjectW(picture, sizeof size, &size)) return false;
    const HDC source = CreateCompatibleDC(item.hDC);
    const HGDIOBJ before = SelectObject(source, picture);
    const HBRUSH face = CreateSolidBrush(GetPixel(source, 0, 0));
    SelectObject(source, before);
    DeleteDC(source);
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, face);
    DeleteObject(face);
    const bool pressed = item.itemState & ODS_SELECTED;
    DrawEdge(item.hDC, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    const int shift = pressed ? 1 : 0;
    const int x = r.left + (r.right - r.left - size.bmWidth) / 2 + shift;
    const int y = r.top + (r.bottom - r.top - size.bmHeight) / 2 + shift;
    DrawStateW(item.hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(picture), 0, x, y, size.bmWidth, size.bmHeight,
               DST_BITMAP | (item.itemState & ODS_DISABLED ? DSS_DISABLED : DSS_NORMAL));
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&r, -1, -1);
        DrawFocusRect(item.hDC, &r);
    }
    return true;
}

}  // namespace win32

// The platform's help and tool-tip messages carry records of their own; the
// system's windows get the system's records.
std::intptr_t send_message(Hwnd window, unsigned message, std::uintptr_t first, std::intptr_t second) {
    if (!is_window(window)) return 0;
    if (message == message::kHelp) {
        const auto& help = *reinterpret_cast<const HelpInfo*>(second);
        HELPINFO info{sizeof info, HELPINFO_WINDOW, help.control_id,
                      help.control ? native(help.control) : native(window), 0, {}};
        return SendMessageW(native(window), WM_HELP, first, reinterpret_cast<LPARAM>(&info));
    }
    if (message == message::kNotify) {
        auto& request = *reinterpret_cast<ToolTipRequest*>(second);
        thread_local std::string text;  // valid until the next request, as a tool tip's copy would be
        text = win32::request_tool_tip(native(window), native(request.tool));
        request.text = text.empty() ? nullptr : text.c_str();
        return 1;
    }
    return SendMessageW(native(window), message, first, second);
}

void set_window_subclass(Hwnd window, SubclassProcedure procedure, std::uintptr_t id, std::uintptr_t reference) {
    if (!is_window(window)) return;
    SetPropW(native(window), subclass_property(id).c_str(), reinterpret_cast<HANDLE>(procedure));
    SetPropW(native(window), reference_property(id).c_str(), reinterpret_cast<HANDLE>(reference));
    SetWindowSubclass(native(window), subclass_trampoline, id, reference);
}

void remove_window_subclass(Hwnd window, SubclassProcedure procedure, std::uintptr_t id) {
    if (!is_window(window)) return;
    const std::wstring property = subclass_property(id);
    if (GetPropW(native(window), property.c_str()) != reinterpret_cast<HANDLE>(procedure)) return;
    RemoveWindowSubclass(native(window), subclass_trampoline, id);
    RemovePropW(native(window), property.c_str());
    RemovePropW(native(window), reference_property(id).c_str());
}

std::optional<std::uintptr_t> window_subclass_reference(Hwnd window, std::uintptr_t id) {
    if (!is_window(window) || !GetPropW(native(window), subclass_property(id).c_str())) return std::nullopt;
    return reinterpret_cast<std::uintptr_t>(GetPropW(native(window), reference_property(id).c_str()));
}

std::intptr_t call_next_procedure(Hwnd window, unsigned message, std::uintptr_t first, std::intptr_t second) {
    return DefSubclassProc(native(window), message, first, second);
}

void track_mouse_leave(Hwnd window) {
    if (!is_window(window)) return;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, native(window), 0};
    TrackMouseEvent(&track);
    auto& tracking = win32::automation().tracking_leave;
    if (std::find(tracking.begin(), tracking.end(), native(window)) == tracking.end())
        tracking.push_back(native(window));
}

void redraw_window(Hwnd window) {
    if (is_window(window))
        RedrawWindow(native(window), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void debug_trace(std::string_view text) {
    OutputDebugStringW(win32::widen(text).c_str());
    win32::automation().debug_traces.emplace_back(text);
}

}  // namespace gjbz108a::platform
