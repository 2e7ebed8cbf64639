// The style library, found by name as the plug-in finds it: every name the
// dialogs ask for gives something usable, and the theme is readable.
#include "platform/drawing.h"
#include "toolkit/app_style.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace gjbz108a {
namespace {

const CDefaultAppFont& style() {
    const CDefaultAppFont* found = toolkit::app_style();
    if (!found) throw std::runtime_error("libappstyle.so was not found beside the test");
    return *found;
}

TEST(StyleLibrary, EveryImageOfTheStateTableAndTheDialogFontMeasure) {
    for (const char* name : {"CHECK_OK", "CHECK_NO", "CHECK_DISABLED", "RADIO_BUTTON_ON", "RADIO_OFF", "BUTTON",
                             "BUTTON_OVER", "POPUP_BOX_NO", "POPUP_BOX_SELECT"}) {
        const platform::Bitmap image = style().GetImage(name);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_EQ(style().GetImage(name), image) << name;  // made once
        EXPECT_GT(platform::bitmap_size(image).width, 0) << name;
        EXPECT_EQ(style().GetItemHeight(name), platform::bitmap_size(image).height) << name;
    }
    EXPECT_EQ(style().GetImage("NO_SUCH_IMAGE"), nullptr);

    const platform::Font dialogs = style().GetFont("DialogsFont");
    const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    // A little larger than the reference font, 5 by 13 (the platform's font tests), both ways.
    EXPECT_EQ(style().GetFontSize(dialogs, alphabet), (platform::Size{6, 14}));
    EXPECT_EQ(style().GetItemHeight("DialogsFont"), 16);
}

// WCAG's relative luminance and contrast ratio of two colours.
double luminance(platform::Color color) {
    double sum = 0;
    const double weights[3] = {0.2126, 0.7152, 0.0722};
    for (int channel = 0; channel < 3; ++channel) {
        const double c = ((color >> (8 * channel)) & 0xFF) / 255.0;
        sum += weights[channel] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return sum;
}
double contrast(platform::Color a, platform::Color b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(StyleLibrary, EnabledTextIsReadableOnItsBackgroundAndBrushesAreKeptByRole) {
    using namespace appstyle;
    const DesignColors& c = style().GetDesignColors();
    struct Pair { int text, background; double at_least; };
    for (const Pair& p : {Pair{kDialogTextEnabled, kDialogBackgroundEnabled, 7.0},
                          Pair{kEditTextEnabled, kEditBackgroundEnabled, 7.0},
                          Pair{kButtonTextEnabled, kButtonBackground, 7.0},
                          Pair{kComboTextEnabled, kComboBackgroundEnabled, 7.0},
                          Pair{kSelectionText, kSelectionBackground, 4.5},
                          Pair{kDialogTextDisabled, kDialogBackgroundDisabled, 2.0},
                          Pair{kEditTextDisabled, kEditBackgroundDisabled, 2.0}})
        EXPECT_GE(contrast(c[p.text], c[p.background]), p.at_least) << p.text;
    // Disabled text is told from enabled text at a glance.
    EXPECT_GE(contrast(c[kEditTextEnabled], c[kEditTextDisabled]), 2.0);

    const platform::Brush brush = style().GetColor("WM_CTLCOLOREDIT_Enabled", c[kEditBackgroundEnabled]);
    EXPECT_EQ(style().GetColor("WM_CTLCOLOREDIT_Enabled", c[kEditBackgroundEnabled]), brush);
    EXPECT_EQ(platform::brush_color(brush), c[kEditBackgroundEnabled]);

    CDefaultAppFont copy = style();  // member by member: the copy shares the library's objects
    EXPECT_EQ(copy.GetDesignColors(), c);
    EXPECT_EQ(copy.GetFont("DialogsFont"), style().GetFont("DialogsFont"));
    EXPECT_EQ(copy.GetColor("WM_CTLCOLOREDIT_Enabled", c[kEditBackgroundEnabled]), brush);
}

}  // namespace
}  // namespace gjbz108a
