// The theme: a sober, readable look of light blue-greys, dark slate text and
// one blue accent; a dialog font a little larger than the 8-point reference.
#include <appstyle/default_app_font.h>

#include "images.h"

#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <utility>

using gjbz108a::platform::Bitmap;
using gjbz108a::platform::Brush;
using gjbz108a::platform::Color;
using gjbz108a::platform::Font;
using gjbz108a::platform::LogicalFont;
using gjbz108a::platform::rgb;
using gjbz108a::platform::Size;
namespace platform = gjbz108a::platform;

namespace appstyle {
namespace {

constexpr DesignColors kColors = [] {
    DesignColors c{};
    const Color text = rgb(0x1F, 0x29, 0x33), grey = rgb(0x8A, 0x94, 0xA6), accent = rgb(0x2F, 0x6F, 0xB0);
    const Color dialog = rgb(0xF2, 0xF4, 0xF7), muted = rgb(0xE4, 0xE7, 0xEB), white = rgb(0xFF, 0xFF, 0xFF);
    c[kDialogTextEnabled] = text, c[kDialogBackgroundEnabled] = dialog;
    c[kDialogTextDisabled] = grey, c[kDialogBackgroundDisabled] = muted;
    c[kEditTextEnabled] = text, c[kEditBackgroundEnabled] = white;
    c[kEditTextDisabled] = grey, c[kEditBackgroundDisabled] = rgb(0xEE, 0xF0, 0xF3);
    c[kButtonTextEnabled] = text, c[kButtonTextDisabled] = grey, c[kButtonBackground] = rgb(0xE1, 0xE6, 0xEE);
    c[kComboTextEnabled] = text, c[kComboBackgroundEnabled] = white;
    c[kComboTextDisabled] = grey, c[kComboBackgroundDisabled] = rgb(0xEE, 0xF0, 0xF3);
    c[kSelectionText] = white, c[kSelectionBackground] = accent;
    c[kFrameLight] = rgb(0xC3, 0xCA, 0xD5), c[kFrameShadow] = rgb(0x7B, 0x87, 0x94), c[kFrameFocus] = accent;
    c[kGroupFrame] = rgb(0x9A, 0xA5, 0xB1), c[kGroupText] = rgb(0x33, 0x4E, 0x68);
    c[kButtonHoverText] = rgb(0x10, 0x2A, 0x43), c[kTransparentKey] = rgb(0xFF, 0x00, 0xFF);
    c[kStaticTextEnabled] = text, c[kStaticTextDisabled] = grey;
    c[kTabText] = text, c[kTabBackground] = muted, c[kTabSelectedBackground] = dialog;
    c[kTitleText] = white, c[kTitleBackground] = rgb(0x33, 0x4E, 0x68);
    c[kToolTipText] = text, c[kToolTipBackground] = rgb(0xFF, 0xFB, 0xEA);
    c[kScrollTrack] = muted, c[kScrollThumb] = rgb(0xB0, 0xB8, 0xC4);
    c[kCheckMark] = accent, c[kRadioDot] = accent, c[kLinkText] = accent, c[kWarningText] = rgb(0xB4, 0x23, 0x18);
    return c;
}();

// The dialogs' font; every other font name gets it as well.
const LogicalFont kDialogsFont{"DejaVu Sans", -12, 400};
// The item height of the dialogs' font: its cell and a pixel above and below.
constexpr int kItemMargin = 2;

// What the style object hands out, made on first request and kept.
struct Theme {
    std::mutex lock;
    std::map<std::string, Font, std::less<>> fonts;
    std::map<std::pair<std::string, Color>, Brush, std::less<>> brushes;
    std::map<std::string, Bitmap, std::less<>> images;
};

Theme& theme_of(const CDefaultAppFont& style) { return *static_cast<Theme*>(style.theme()); }

Font scale_font(const CDefaultAppFont& style, const LogicalFont& font) {
    Theme& theme = theme_of(style);
    const std::lock_guard guard(theme.lock);
    const std::string key = font.face + "/" + std::to_string(font.height) + "/" + std::to_string(font.weight);
    auto [at, added] = theme.fonts.try_emplace(key, nullptr);
    if (added) at->second = platform::create_font(font);
    return at->second;
}

Font font(const CDefaultAppFont& style, const char*) { return scale_font(style, kDialogsFont); }

Size font_size(const CDefaultAppFont&, Font font, const char* text) {
    const std::size_t length = text ? std::strlen(text) : 0;
    if (length == 0) return platform::average_char_cell(font);
    const Size extent = platform::text_extent(font, text);
    return {extent.width / static_cast<int>(length), extent.height};
}

Brush color(const CDefaultAppFont& style, const char* name, Color color) {
    Theme& theme = theme_of(style);
    const std::lock_guard guard(theme.lock);
    auto [at, added] = theme.brushes.try_emplace({name ? name : "", color}, nullptr);
    if (added) at->second = platform::create_solid_brush(color);
    return at->second;
}

Bitmap image(const CDefaultAppFont& style, const char* name) {
    Theme& theme = theme_of(style);
    const std::lock_guard guard(theme.lock);
    const std::string key = name ? name : "";
    if (auto found = theme.images.find(key); found != theme.images.end()) return found->second;
    const auto drawn = draw_image(key);
    if (!drawn) return nullptr;
    const Bitmap made = platform::create_bitmap(key, drawn->width, drawn->height, drawn->pixels.data());
    theme.images.emplace(key, made);
    return made;
}

int item_height(const CDefaultAppFont& style, const char* name) {
    if (const Bitmap bitmap = image(style, name)) return platform::bitmap_size(bitmap).height;
    return platform::average_char_cell(font(style, name)).height + kItemMargin;
}

constexpr CDefaultAppFont::Operations kOperations{font, scale_font, font_size, color, image, item_height};

}  // namespace
}  // namespace appstyle

CDefaultAppFont::CDefaultAppFont(const CDefaultAppFont& other) = default;
CDefaultAppFont& CDefaultAppFont::operator=(const CDefaultAppFont& other) = default;

CDefaultAppFont* CDefaultAppFont::GetInstance() {
    // Made on first use and never destroyed: handles given out stay valid
    // until the process ends, whatever order libraries unload in.
    static appstyle::Theme* theme = new appstyle::Theme;
    static CDefaultAppFont* instance = new CDefaultAppFont(appstyle::kColors, &appstyle::kOperations, theme);
    return instance;
}

extern "C" CDefaultAppFont* CDefaultAppFont_GetInstance() { return CDefaultAppFont::GetInstance(); }
