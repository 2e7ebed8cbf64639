#include "images.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace appstyle {
namespace {

// The theme's image palette (0x00RRGGBB).
constexpr std::uint32_t kBoxFill = 0xFFFFFF, kBoxFrame = 0x7B8794, kMark = 0x2F6FB0, kDisabledFill = 0xE4E7EB,
                        kDisabledFrame = 0xB0B8C4, kButtonFill = 0xE1E6EE, kButtonFrame = 0x9AA5B1,
                        kHoverFill = 0xD4E4F5, kHoverFrame = 0x2F6FB0, kArrow = 0x334E68, kArrowSelected = 0xFFFFFF;

constexpr int kBoxSide = 16;
constexpr int kButtonWidth = 48, kButtonHeight = 20;

class Canvas {
public:
    Canvas(int width, int height) : image_{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), kTransparentPixel)} {}

    void set(int x, int y, std::uint32_t color) {
        if (x >= 0 && y >= 0 && x < image_.width && y < image_.height)
            image_.pixels[static_cast<std::size_t>(y * image_.width + x)] = color;
    }
    void fill(int left, int top, int right, int bottom, std::uint32_t color) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) set(x, y, color);
    }
    // A box with a one-pixel frame and its corners cut.
    void box(int left, int top, int right, int bottom, std::uint32_t inside, std::uint32_t frame) {
        fill(left, top, right, bottom, frame);
        fill(left + 1, top + 1, right - 1, bottom - 1, inside);
        for (const int x : {left, right - 1})
            for (const int y : {top, bottom - 1}) set(x, y, kTransparentPixel);
    }
    // A disc of `radius` about the image's centre, and a ring around it.
    void disc(double radius, std::uint32_t color) {
        const double middle_x = (image_.width - 1) / 2.0, middle_y = (image_.height - 1) / 2.0;
        for (int y = 0; y < image_.height; ++y)
            for (int x = 0; x < image_.width; ++x)
                if (std::hypot(x - middle_x, y - middle_y) <= radius) set(x, y, color);
    }
    // A line two pixels thick, from one point to another.
    void stroke(int x0, int y0, int x1, int y1, std::uint32_t color) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= steps; ++i) {
            const int x = x0 + (x1 - x0) * i / std::max(steps, 1), y = y0 + (y1 - y0) * i / std::max(steps, 1);
            set(x, y, color);
            set(x, y + 1, color);
        }
    }
    // A triangle pointing down, centred.
    void arrow(std::uint32_t color) {
        const int middle = image_.width / 2;
        for (int row = 0; row < 4; ++row) fill(middle - 4 + row, 6 + row, middle + 4 - row, 7 + row, color);
    }
    Image take() { return std::move(image_); }

private:
    Image image_;
};

Image check_box(bool checked, bool enabled) {
    Canvas canvas(kBoxSide, kBoxSide);
    canvas.box(1, 1, kBoxSide - 1, kBoxSide - 1, enabled ? kBoxFill : kDisabledFill,
               enabled ? kBoxFrame : kDisabledFrame);
    if (checked) {
        canvas.stroke(4, 7, 6, 10, kMark);
        canvas.stroke(6, 10, 11, 4, kMark);
    }
    return canvas.take();
}

Image radio_button(bool on) {
    Canvas canvas(kBoxSide, kBoxSide);
    canvas.disc(7.0, kBoxFrame);
    canvas.disc(6.0, kBoxFill);
    if (on) canvas.disc(3.0, kMark);
    return canvas.take();
}

Image push_button(bool hover) {
    Canvas canvas(kButtonWidth, kButtonHeight);
    canvas.box(0, 0, kButtonWidth, kButtonHeight, hover ? kHoverFill : kButtonFill, hover ? kHoverFrame : kButtonFrame);
    return canvas.take();
}

Image drop_down_box(bool selected) {
    Canvas canvas(kBoxSide, kBoxSide);
    canvas.box(0, 0, kBoxSide, kBoxSide, selected ? kMark : kButtonFill, selected ? kMark : kButtonFrame);
    canvas.arrow(selected ? kArrowSelected : kArrow);
    return canvas.take();
}

}  // namespace

std::optional<Image> draw_image(std::string_view name) {
    if (name == "CHECK_OK") return check_box(true, true);
    if (name == "CHECK_NO") return check_box(false, true);
    if (name == "CHECK_DISABLED") return check_box(false, false);
    if (name == "RADIO_BUTTON_ON") return radio_button(true);
    if (name == "RADIO_OFF") return radio_button(false);
    if (name == "BUTTON") return push_button(false);
    if (name == "BUTTON_OVER") return push_button(true);
    if (name == "POPUP_BOX_NO") return drop_down_box(false);
    if (name == "POPUP_BOX_SELECT") return drop_down_box(true);
    return std::nullopt;
}

}  // namespace appstyle
