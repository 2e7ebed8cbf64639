// Fonts, brushes and bitmaps as handles, and the device-context operations
// that the painters and the control-colour answers need.
#pragma once

#include "platform/types.h"

#include <cstddef>
#include <string_view>

namespace gjbz108a::platform {

using Dc = struct DeviceContext*;

Font create_font(const LogicalFont& font);
// The platform's own dialog font; never deleted.
Font default_dialog_font();
// The average character width and the cell height, as the font's metrics give them.
Size average_char_cell(Font font);
Size text_extent(Font font, std::string_view text);
Brush create_solid_brush(Color color);
Color brush_color(Brush brush);
// A bitmap of `width` × `height` pixels (0x00RRGGBB rows from the top), or
// blank when `pixels` is null. `name` labels it in recordings.
Bitmap create_bitmap(std::string_view name, int width, int height, const std::uint32_t* pixels);
// The picture `name` among the resources of the module that made `dialog`
// (a bitmap resource on Windows); where there is none, as in the headless
// backend, a blank one of `blank` size. `name` labels it in recordings.
Bitmap load_bitmap(Hwnd dialog, std::string_view name, Size blank);
Size bitmap_size(Bitmap bitmap);
void delete_object(Font font);
void delete_object(Brush brush);
void delete_object(Bitmap bitmap);

// Device contexts. begin_paint/end_paint frame a paint message's drawing of
// the client area; window_dc/release_dc the frame's.
Dc begin_paint(Hwnd window);
void end_paint(Hwnd window, Dc dc);
Dc window_dc(Hwnd window);
void release_dc(Hwnd window, Dc dc);

Color set_text_color(Dc dc, Color color);
Color set_background_color(Dc dc, Color color);
void set_background_mode(Dc dc, BackgroundMode mode);
Font select_font(Dc dc, Font font);  // answers the font selected before
void fill_rect(Dc dc, Rect rect, Brush brush);
void draw_line(Dc dc, Point from, Point to, Color color);
// Draws `text` in `rect` by `format` (text_format flags); answers the height
// of the text drawn. With kCalculateRect nothing is drawn and rect's bottom
// (and, single line, its right) is set to what the text needs.
int draw_text(Dc dc, std::string_view text, Rect& rect, unsigned format);
// Copies `bitmap` stretched onto `rect`; pixels of `transparent` are left
// out when it is given.
void draw_bitmap(Dc dc, Bitmap bitmap, Rect rect);
void draw_transparent_bitmap(Dc dc, Bitmap bitmap, Rect rect, Color transparent);
// Copies the pixels of `source` into `bitmap` at 0, 0.
void copy_to_bitmap(Dc dc, Rect source, Bitmap bitmap);

}  // namespace gjbz108a::platform
