// A style object whose fonts measure as a test says, with colours that tell
// every role apart, recording the fonts and colour roles asked of it.
#pragma once

#include <appstyle/default_app_font.h>

#include "platform/automation.h"
#include "platform/drawing.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace gjbz108a::test {

struct FakeTheme {
    platform::Size dialog_cell{5, 13};
    platform::Size reference_cell{5, 13};
    int item_height = 16;
    std::vector<platform::LogicalFont> scale_fonts_asked;
    std::vector<std::string> roles_asked;
    std::map<std::pair<std::string, platform::Color>, platform::Brush> brushes;
    std::map<std::string, platform::Bitmap> images;
};

inline constexpr const char* kFakeDialogFace = "Fake Dialog";

// Colour entry i is 0x00iiii00 + i, distinct for every role.
inline appstyle::DesignColors fake_colors() {
    appstyle::DesignColors colors{};
    for (std::uint32_t i = 0; i < colors.size(); ++i) colors[i] = (i << 16) | (i << 8) | (0x40 + i);
    return colors;
}

inline FakeTheme& theme(const CDefaultAppFont& style) { return *static_cast<FakeTheme*>(style.theme()); }

inline const CDefaultAppFont::Operations kFakeOperations{
    [](const CDefaultAppFont&, const char*) { return platform::create_font({kFakeDialogFace, -12, 400}); },
    [](const CDefaultAppFont& style, const platform::LogicalFont& font) {
        theme(style).scale_fonts_asked.push_back(font);
        return platform::create_font(font);
    },
    [](const CDefaultAppFont& style, platform::Font font, const char*) {
        return platform::font_description(font).face == kFakeDialogFace ? theme(style).dialog_cell
                                                                         : theme(style).reference_cell;
    },
    [](const CDefaultAppFont& style, const char* name, platform::Color color) {
        theme(style).roles_asked.push_back(name);
        platform::Brush& brush = theme(style).brushes[{name, color}];
        if (!brush) brush = platform::create_solid_brush(color);
        return brush;
    },
    [](const CDefaultAppFont& style, const char* name) {
        platform::Bitmap& image = theme(style).images[name];
        if (!image) image = platform::create_bitmap(name, 16, 16, nullptr);
        return image;
    },
    [](const CDefaultAppFont& style, const char*) { return theme(style).item_height; },
};

class FakeStyle {
public:
    FakeStyle() : style_(fake_colors(), &kFakeOperations, &theme_) {}
    FakeStyle(const FakeStyle&) = delete;
    FakeStyle& operator=(const FakeStyle&) = delete;
    ~FakeStyle() {
        for (auto& [key, brush] : theme_.brushes) platform::delete_object(brush);
        for (auto& [name, image] : theme_.images) platform::delete_object(image);
    }
    const CDefaultAppFont* get() const { return &style_; }
    FakeTheme& theme() { return theme_; }

private:
    FakeTheme theme_;
    CDefaultAppFont style_;
};

}  // namespace gjbz108a::test
