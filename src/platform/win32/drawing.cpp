// Fonts, brushes, bitmaps and device contexts on GDI.
#include "platform/win32/native.h"

#include <cstring>
#include <map>
#include <mutex>
#include <tuple>
#include <utility>

namespace gjbz108a::platform {

using win32::native;

namespace {

// Fonts are kept for the process's life, one per description, so that a
// handle stays valid however often a dialog asks for the same font.
struct FontPool {
    std::mutex mutex;
    std::map<std::tuple<std::string, int, int>, HFONT> fonts;
};
FontPool& font_pool() {
    static FontPool pool;
    return pool;
}

// The names bitmaps were made with, for the recordings.
struct BitmapNames {
    std::mutex mutex;
    std::map<HBITMAP, std::string> names;
};
BitmapNames& bitmap_names() {
    static BitmapNames names;
    return names;
}

Bitmap named(HBITMAP bitmap, std::string_view name) {
    BitmapNames& names = bitmap_names();
    const std::lock_guard lock(names.mutex);
    names.names[bitmap] = name;
    return reinterpret_cast<Bitmap>(bitmap);
}

// A device context that draws on the screen's pixels, for measuring.
class ScreenDc {
public:
    explicit ScreenDc(Font font) : dc_(GetDC(nullptr)), before_(SelectObject(dc_, native(font))) {}
    ~ScreenDc() {
        SelectObject(dc_, before_);
        ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ before_;
};

// A memory device context holding `bitmap`.
class BitmapDc {
public:
    BitmapDc(HDC like, Bitmap bitmap) : dc_(CreateCompatibleDC(like)), before_(SelectObject(dc_, native(bitmap))) {}
    ~BitmapDc() {
        SelectObject(dc_, before_);
        DeleteDC(dc_);
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ before_;
};

// The paint messages' device contexts: a window without an invalid area
// (its own procedure painted it first) draws through a plain one.
thread_local std::map<HDC, std::pair<HWND, PAINTSTRUCT>> painting;

}  // namespace

Font create_font(const LogicalFont& font) {
    FontPool& pool = font_pool();
    const std::lock_guard lock(pool.mutex);
    HFONT& made = pool.fonts[{font.face, font.height, font.weight}];
    if (!made)
        made = CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           win32::widen(font.face).c_str());
    return reinterpret_cast<Font>(made);
}

Font default_dialog_font() { return create_font({"MS Sans Serif", -11, 400}); }

Size average_char_cell(Font font) {
    if (!font) return {};
    const ScreenDc dc(font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    return {static_cast<int>(metrics.tmAveCharWidth), static_cast<int>(metrics.tmHeight)};
}

Size text_extent(Font font, std::string_view text) {
    if (!font) return {};
    const ScreenDc dc(font);
    const std::wstring wide = win32::widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

Brush create_solid_brush(Color color) { return reinterpret_cast<Brush>(CreateSolidBrush(color)); }

Color brush_color(Brush brush) {
    LOGBRUSH description{};
    return brush && GetObjectW(native(brush), sizeof description, &description) ? description.lbColor : 0;
}

// A top-down 32-bit DIB: its pixels are 0x00RRGGBB words, as ours are.
Bitmap create_bitmap(std::string_view name, int width, int height, const std::uint32_t* pixels) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    if (pixels) std::memcpy(bits, pixels, bytes);
    else std::memset(bits, 0xFF, bytes);  // blank: white
    return named(bitmap, name);
}

// The module that made the dialog is the one whose template it is, and holds
// the template's pictures.
Bitmap load_bitmap(Hwnd dialog, std::string_view name, Size blank) {
    const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(win32::native(dialog), GWLP_HINSTANCE));
    const auto bitmap = static_cast<HBITMAP>(
        module ? LoadImageW(module, win32::widen(name).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION) : nullptr);
    if (!bitmap) return create_bitmap(name, blank.width, blank.height, nullptr);
    return named(bitmap, name);
}

std::string bitmap_name(Bitmap bitmap) {
    BitmapNames& names = bitmap_names();
    const std::lock_guard lock(names.mutex);
    const auto found = names.names.find(native(bitmap));
    return found == names.names.end() ? std::string() : found->second;
}

Size bitmap_size(Bitmap bitmap) {
    BITMAP description{};
    if (!bitmap || !GetObjectW(native(bitmap), sizeof description, &description)) return {};
    return {static_cast<int>(description.bmWidth), static_cast<int>(description.bmHeight)};
}

void delete_object(Font) {}  // kept in the pool
void delete_object(Brush brush) {
    if (brush) DeleteObject(native(brush));
}
void delete_object(Bitmap bitmap) {
    if (!bitmap) return;
    {
        BitmapNames& names = bitmap_names();
        const std::lock_guard lock(names.mutex);
        names.names.erase(native(bitmap));
    }
    DeleteObject(native(bitmap));
}

Dc begin_paint(Hwnd window) {
    const HWND w = win32::native(window);
    if (!GetUpdateRect(w, nullptr, FALSE)) return reinterpret_cast<Dc>(GetDC(w));
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(w, &paint);
    painting[dc] = {w, paint};
    return reinterpret_cast<Dc>(dc);
}

void end_paint(Hwnd window, Dc dc) {
    const auto found = painting.find(native(dc));
    if (found == painting.end()) {
        ReleaseDC(win32::native(window), native(dc));
        return;
    }
    EndPaint(found->second.first, &found->second.second);
    painting.erase(found);
}

Dc window_dc(Hwnd window) { return reinterpret_cast<Dc>(GetWindowDC(win32::native(window))); }
void release_dc(Hwnd window, Dc dc) { ReleaseDC(win32::native(window), native(dc)); }

Color set_text_color(Dc dc, Color color) { return SetTextColor(native(dc), color); }
Color set_background_color(Dc dc, Color color) { return SetBkColor(native(dc), color); }
void set_background_mode(Dc dc, BackgroundMode mode) { SetBkMode(native(dc), static_cast<int>(mode)); }
Font select_font(Dc dc, Font font) { return reinterpret_cast<Font>(SelectObject(native(dc), native(font))); }

void fill_rect(Dc dc, Rect rect, Brush brush) {
    const RECT r = native(rect);
    FillRect(native(dc), &r, native(brush));
}

void draw_line(Dc dc, Point from, Point to, Color color) {
    const HPEN pen = CreatePen(PS_SOLID, 1, color);
    const HGDIOBJ before = SelectObject(native(dc), pen);
    MoveToEx(native(dc), from.x, from.y, nullptr);
    LineTo(native(dc), to.x, to.y);
    SetPixel(native(dc), to.x, to.y, color);  // the system's line leaves out its last point
    SelectObject(native(dc), before);
    DeleteObject(pen);
}

// The text format flags are the system's.
int draw_text(Dc dc, std::string_view text, Rect& rect, unsigned format) {
    const std::wstring wide = win32::widen(text);
    RECT r = native(rect);
    const int height = DrawTextW(native(dc), wide.c_str(), static_cast<int>(wide.size()), &r, format);
    if (format & text_format::kCalculateRect) rect = win32::from_native(r);
    return height;
}

void draw_bitmap(Dc dc, Bitmap bitmap, Rect rect) {
    if (!bitmap) return;
    const Size size = bitmap_size(bitmap);
    const BitmapDc source(native(dc), bitmap);
    SetStretchBltMode(native(dc), COLORONCOLOR);
    StretchBlt(native(dc), rect.left, rect.top, rect.width(), rect.height(), source.get(), 0, 0, size.width,
               size.height, SRCCOPY);
}

void draw_transparent_bitmap(Dc dc, Bitmap bitmap, Rect rect, Color transparent) {
    if (!bitmap) return;
    const Size size = bitmap_size(bitmap);
    const BitmapDc source(native(dc), bitmap);
    GdiTransparentBlt(native(dc), rect.left, rect.top, rect.width(), rect.height(), source.get(), 0, 0, size.width,
                      size.height, transparent);
}

void copy_to_bitmap(Dc dc, Rect source, Bitmap bitmap) {
    if (!bitmap) return;
    const BitmapDc target(native(dc), bitmap);
    BitBlt(target.get(), 0, 0, source.width(), source.height(), native(dc), source.left, source.top, SRCCOPY);
}

DcState dc_state(Dc dc) {
    return {GetTextColor(native(dc)), GetBkColor(native(dc)), static_cast<BackgroundMode>(GetBkMode(native(dc))),
            reinterpret_cast<Font>(GetCurrentObject(native(dc), OBJ_FONT))};
}

LogicalFont font_description(Font font) {
    LOGFONTW description{};
    if (!font || !GetObjectW(native(font), sizeof description, &description)) return {};
    return {win32::narrow(description.lfFaceName), static_cast<int>(description.lfHeight),
            static_cast<int>(description.lfWeight)};
}

}  // namespace gjbz108a::platform
