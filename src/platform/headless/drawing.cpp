// Fonts, brushes, bitmaps and device contexts of the headless backend. Fonts
// take their metrics from a table, so that measuring gives definite numbers;
// drawing is recorded as one line per operation.
#include "platform/headless/state.h"

#include "platform/drawing.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <list>
#include <utility>

namespace gjbz108a::platform {
namespace {

struct FontMetrics {
    std::string_view face;
    int height;  // as in the logical font: negative for the character height
    int weight;
    Size cell;   // average character width, cell height
};

// The faces a headless session knows. The reference face at 8 points for 96,
// 120 and 144 pixels per inch, and the face of the style library's theme.
constexpr std::array kFontTable{
    FontMetrics{"MS Sans Serif", -11, 300, {5, 13}}, FontMetrics{"MS Sans Serif", -11, 400, {5, 13}},
    FontMetrics{"MS Sans Serif", -11, 700, {6, 13}}, FontMetrics{"MS Sans Serif", -13, 300, {6, 16}},
    FontMetrics{"MS Sans Serif", -13, 400, {6, 16}}, FontMetrics{"MS Sans Serif", -16, 300, {7, 20}},
    FontMetrics{"MS Sans Serif", -16, 400, {7, 20}}, FontMetrics{"DejaVu Sans", -12, 400, {6, 14}},
    FontMetrics{"DejaVu Sans", -12, 700, {7, 14}},   FontMetrics{"DejaVu Sans", -15, 400, {8, 18}},
    FontMetrics{"DejaVu Sans", -18, 400, {9, 21}},
};

// Faces and sizes not in the table: a cell 13/11 of the character height,
// 5/11 of it wide, as the reference face's 8-point row.
Size cell_of(const LogicalFont& font) {
    for (const FontMetrics& row : kFontTable)
        if (row.face == font.face && row.height == font.height && row.weight == font.weight) return row.cell;
    const int pixels = std::abs(font.height);
    if (font.height > 0) return {(pixels * 5 + 6) / 13, pixels};
    return {(pixels * 5 + 5) / 11, (pixels * 13 + 5) / 11};
}

// Fonts are kept for the thread's life, one object per description, so that
// handles stay valid however often a dialog asks for the same font.
std::list<FontObject>& fonts() {
    thread_local std::list<FontObject> pool;
    return pool;
}

std::string color_text(Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return text;
}

std::string rect_text(Rect rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

void draw(DeviceContext* dc, std::string operation) {
    const std::string who = dc->window ? std::to_string(dc->window->id) : std::string("?");
    ui().drawings.push_back(who + " " + std::move(operation));
}

std::string_view name_of(const FontObject* font) { return font ? std::string_view(font->description.face) : "none"; }

}  // namespace

Font create_font(const LogicalFont& font) {
    for (FontObject& known : fonts())
        if (known.description.face == font.face && known.description.height == font.height &&
            known.description.weight == font.weight)
            return &known;
    fonts().push_back({font, cell_of(font)});
    return &fonts().back();
}

Font default_dialog_font() { return create_font({"MS Sans Serif", -11, 400}); }

Size average_char_cell(Font font) { return font ? font->cell : Size{}; }

Size text_extent(Font font, std::string_view text) {
    if (!font) return {};
    return {static_cast<int>(text.size()) * font->cell.width, font->cell.height};
}

Brush create_solid_brush(Color color) { return new BrushObject{color}; }
Color brush_color(Brush brush) { return brush ? brush->color : 0; }

Bitmap create_bitmap(std::string_view name, int width, int height, const std::uint32_t* pixels) {
    (void)pixels;  // a recording names the bitmap; the pixels are not kept
    return new BitmapObject{std::string(name), {width, height}};
}

Bitmap load_bitmap(Hwnd, std::string_view name, Size blank) {
    return create_bitmap(name, blank.width, blank.height, nullptr);  // no resources here
}

std::string bitmap_name(Bitmap bitmap) { return bitmap ? bitmap->name : std::string(); }

Size bitmap_size(Bitmap bitmap) { return bitmap ? bitmap->size : Size{}; }

void delete_object(Font) {}  // kept in the pool
void delete_object(Brush brush) { delete brush; }
void delete_object(Bitmap bitmap) { delete bitmap; }

Dc begin_paint(Hwnd window) {
    auto* dc = new DeviceContext{live(window)};
    if (dc->window) dc->state.font = dc->window->font;
    return dc;
}

void end_paint(Hwnd, Dc dc) { delete dc; }
Dc window_dc(Hwnd window) { return begin_paint(window); }
void release_dc(Hwnd window, Dc dc) { end_paint(window, dc); }

Color set_text_color(Dc dc, Color color) { return std::exchange(dc->state.text_color, color); }
Color set_background_color(Dc dc, Color color) { return std::exchange(dc->state.background_color, color); }
void set_background_mode(Dc dc, BackgroundMode mode) { dc->state.background_mode = mode; }
Font select_font(Dc dc, Font font) { return std::exchange(dc->state.font, font); }

void fill_rect(Dc dc, Rect rect, Brush brush) {
    draw(dc, "fill " + rect_text(rect) + " " + color_text(brush_color(brush)));
}

void draw_line(Dc dc, Point from, Point to, Color color) {
    draw(dc, "line " + std::to_string(from.x) + "," + std::to_string(from.y) + " " + std::to_string(to.x) + "," +
                 std::to_string(to.y) + " " + color_text(color));
}

int draw_text(Dc dc, std::string_view text, Rect& rect, unsigned format) {
    const Size cell = average_char_cell(dc->state.font);
    const int width = static_cast<int>(text.size()) * cell.width;
    int lines = 1;
    if ((format & text_format::kWordBreak) && !(format & text_format::kSingleLine) && rect.width() > 0 && width > 0)
        lines = (width + rect.width() - 1) / rect.width();
    const int height = lines * cell.height;
    if (format & text_format::kCalculateRect) {
        if (format & text_format::kSingleLine) rect.right = rect.left + width;
        rect.bottom = rect.top + height;
        return height;
    }
    std::string flags;
    if (format & text_format::kCenter) flags += " centre";
    if (format & text_format::kRight) flags += " right";
    if (format & text_format::kVerticalCenter) flags += " middle";
    if (format & text_format::kWordBreak) flags += " wrap";
    if (format & text_format::kSingleLine) flags += " single";
    draw(dc, "text " + quoted(text) + " " + rect_text(rect) + " " + color_text(dc->state.text_color) + " on " +
                 (dc->state.background_mode == BackgroundMode::transparent
                      ? std::string("transparent")
                      : color_text(dc->state.background_color)) +
                 " font " + std::string(name_of(dc->state.font)) + flags);
    return height;
}

void draw_bitmap(Dc dc, Bitmap bitmap, Rect rect) {
    draw(dc, "image " + (bitmap ? bitmap->name : std::string("none")) + " " + rect_text(rect));
}

void draw_transparent_bitmap(Dc dc, Bitmap bitmap, Rect rect, Color transparent) {
    draw(dc, "image " + (bitmap ? bitmap->name : std::string("none")) + " " + rect_text(rect) + " transparent " +
                 color_text(transparent));
}

void copy_to_bitmap(Dc dc, Rect source, Bitmap bitmap) {
    draw(dc, "copy " + rect_text(source) + " to " + (bitmap ? bitmap->name : std::string("none")));
}

DcState dc_state(Dc dc) { return dc->state; }
LogicalFont font_description(Font font) { return font ? font->description : LogicalFont{}; }

}  // namespace gjbz108a::platform
