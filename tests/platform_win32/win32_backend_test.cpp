// The Windows backend in the system's windows (under Wine on Linux): the
// checks both backends pass, where a script acts through window messages and
// what the user saw is read back from the windows; and the templates as real
// controls, the template's pictures, the fonts and the device contexts.
#include "platform/automation.h"
#include "platform/drawing.h"
#include "platform/window.h"
#include "support/window_system_checks.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace gjbz108a::platform {
namespace {

using namespace test_dialog;

// Every category's dialog, its controls' ids, classes and texts (UTF-8 among
// them), shows under Wine as in the headless run (tests/windows): here, what
// that comparison leaves out, the rectangles and the text limit.
TEST(Win32Dialog, ControlsStandWhereTheTemplateSays) {
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(client_rect(dialog), (Rect{0, 0, 200, 100}));
    const DialogTemplate expected = dialog_template();
    const std::vector<Hwnd> children = child_windows(dialog);
    ASSERT_EQ(children.size(), expected.controls.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        const ControlTemplate& control = expected.controls[i];
        EXPECT_EQ(parent_window(children[i]), dialog);
        if (control.class_name != "ComboBox") {  // a combo box's height is its field's
            EXPECT_EQ(rect_in_parent(children[i]), control.rect) << control.id;
        }
    }
    EXPECT_EQ(text_limit(dialog_item(dialog, 10)), 4u);
    destroy_window(dialog);
    EXPECT_FALSE(is_window(dialog));
}

// The pixels a control shows, as it paints itself into a memory bitmap.
std::vector<COLORREF> painted_pixels(Hwnd control) {
    const Rect r = client_rect(control);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, r.width(), r.height());
    const HGDIOBJ before = SelectObject(dc, bitmap);
    SendMessageW(reinterpret_cast<HWND>(control), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, before);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The template's pictures come from the module of its procedure: an icon
// static shows the icon it names, an owner-drawn image button its picture.
TEST(Win32Dialog, PicturesComeFromTheTemplatesModule) {
    DialogTemplate with_pictures = dialog_template();
    with_pictures.controls.push_back({-1, "Static", style::kStaticIcon, "#104", {70, 5, 95, 30}, 0, {}});
    with_pictures.controls.push_back({20, "Button", style::kOwnerDrawButton, "GETLIB", {70, 40, 100, 70}, 0, {}});
    const Hwnd dialog = create_dialog(with_pictures, nullptr, procedure, 0);
    const Hwnd icon = child_windows(dialog)[6];
    EXPECT_NE(SendMessageW(reinterpret_cast<HWND>(icon), STM_GETICON, 0, 0), 0);
    EXPECT_EQ(window_text(icon, 10), "#104");  // as the template names it

    const Bitmap picture = load_bitmap(dialog, "GETLIBU", {1, 1});
    EXPECT_EQ(bitmap_name(picture), "GETLIBU");
    EXPECT_EQ(bitmap_size(picture), (Size{24, 20}));  // the resource's, not the blank's
    const Bitmap missing = load_bitmap(dialog, "NOSUCHU", {3, 2});
    EXPECT_EQ(bitmap_size(missing), (Size{3, 2}));

    const Hwnd button = dialog_item(dialog, 20);
    const COLORREF arrow = RGB(0x2E, 0x8B, 0x57), face = RGB(0xE1, 0xE6, 0xEE);
    EXPECT_EQ(std::ranges::count(painted_pixels(button), arrow), 0);  // no picture: the dialog's to draw
    set_button_image(button, picture);
    const std::vector<COLORREF> pixels = painted_pixels(button);
    EXPECT_GT(std::ranges::count(pixels, arrow), 0);
    EXPECT_EQ(pixels[2 * 30 + 2], face);  // inside the edge, beside the picture: its background
    destroy_window(dialog);
    delete_object(picture);
    delete_object(missing);
}

TEST(Win32Drawing, FontsArePooledAndDeviceContextsKeepWhatIsSet) {
    const Font font = create_font({"MS Sans Serif", -11, 700});
    EXPECT_EQ(font, create_font({"MS Sans Serif", -11, 700}));
    EXPECT_EQ(font_description(font).height, -11);
    EXPECT_EQ(font_description(font).weight, 700);
    EXPECT_GT(average_char_cell(font).width, 0);
    EXPECT_GT(text_extent(font, "abcdefgh").width, text_extent(font, "abcd").width);
    const Brush brush = create_solid_brush(rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(brush_color(brush), 0x563412u);
    delete_object(brush);
    const Hwnd dialog = create_dialog(dialog_template(), nullptr, procedure, 0);
    const Dc dc = window_dc(dialog);
    set_text_color(dc, rgb(1, 2, 3));
    set_background_mode(dc, BackgroundMode::transparent);
    select_font(dc, font);
    const DcState state = dc_state(dc);
    EXPECT_EQ(state.text_color, rgb(1, 2, 3));
    EXPECT_EQ(state.background_mode, BackgroundMode::transparent);
    EXPECT_EQ(state.font, font);
    Rect needed{0, 0, 1000, 0};
    EXPECT_GT(draw_text(dc, "Wrapped text", needed, text_format::kCalculateRect | text_format::kSingleLine), 0);
    EXPECT_EQ(needed.right, text_extent(font, "Wrapped text").width);
    release_dc(dialog, dc);
    destroy_window(dialog);
}

}  // namespace
}  // namespace gjbz108a::platform
