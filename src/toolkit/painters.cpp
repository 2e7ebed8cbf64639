// The owner-drawing procedures: check boxes, radio buttons, push buttons and
// group boxes drawn with the style library's images and the dialog's font and
// colours; the frames of edits, combo and list boxes; statics. The controls'
// behaviour stays the platform's: each procedure passes every message on.
#include "toolkit/restyling.h"

#include "platform/drawing.h"

#include <algorithm>
#include <string>

namespace gjbz108a::toolkit {
namespace {

namespace message = platform::message;
namespace style = platform::style;
namespace text_format = platform::text_format;
using platform::Dc;
using platform::Hwnd;
using platform::Rect;

// The push button under the pointer and the one held down: one of each at a
// time, touched on the user-interface thread only.
Hwnd hovered_button = nullptr;
Hwnd pressed_button = nullptr;

// The side of a check box or radio image: the dialog font's item height
// divided by 4 in whole numbers, times 2.5, truncated.
int image_side(const ThemedOwner& owner) {
    return static_cast<int>((owner.style().GetItemHeight("DialogsFont") / 4) * 2.5);
}

std::uint32_t text_color(const ThemedOwner& owner, Hwnd control) {
    return owner.colors()[platform::is_window_enabled(control) ? appstyle::kButtonTextEnabled
                                                               : appstyle::kButtonTextDisabled];
}

Dc begin(Hwnd control, const ThemedOwner& owner) {
    const Dc dc = platform::begin_paint(control);
    platform::select_font(dc, owner.dialog_font());
    platform::set_background_mode(dc, platform::BackgroundMode::transparent);
    platform::set_text_color(dc, text_color(owner, control));
    return dc;
}

const char* check_image(Hwnd control) {
    if (!platform::is_window_enabled(control)) return "CHECK_DISABLED";
    return platform::check_state(control) ? "CHECK_OK" : "CHECK_NO";
}

const char* radio_image(Hwnd control) { return platform::check_state(control) ? "RADIO_BUTTON_ON" : "RADIO_OFF"; }

// A check box or radio button: the image at the left edge (right with the
// left-text style), vertically centred; the caption 1.3 image sides away.
void paint_box_button(Hwnd control, const ThemedOwner& owner, const char* image) {
    const Rect client = platform::client_rect(control);
    const std::uint32_t button_style = platform::window_style(control);
    const bool left_text = (button_style & style::kLeftText) != 0;
    const int side = image_side(owner);
    const int top = (client.height() - side) / 2;
    const Rect box = left_text ? Rect{client.right - side, top, client.right, top + side}
                               : Rect{client.left, top, client.left + side, top + side};
    const Dc dc = begin(control, owner);
    CDefaultAppFont::DrawTransparentBitmap(dc, owner.style().GetImage(image), box,
                                           owner.colors()[appstyle::kTransparentKey]);

    const int offset = static_cast<int>(side * 1.3);
    Rect text = left_text ? Rect{client.left, client.top, client.right - offset, client.bottom}
                          : Rect{client.left + offset, client.top, client.right, client.bottom};
    const std::string caption = platform::window_text(control, 512);
    const unsigned align = left_text ? text_format::kRight : text_format::kLeft;
    const bool wrapped = (button_style & style::kMultiLine) ||
                         client.height() > owner.style().GetItemHeight("DialogsFont");
    if (wrapped) {
        Rect needed = text;
        const int height = platform::draw_text(dc, caption, needed, text_format::kWordBreak | text_format::kCalculateRect);
        text.top = client.top + (client.height() - height) / 2;
        text.bottom = text.top + height;
        platform::draw_text(dc, caption, text, align | text_format::kWordBreak);
    } else {
        platform::draw_text(dc, caption, text, align | text_format::kSingleLine | text_format::kVerticalCenter);
    }
    platform::end_paint(control, dc);
}

// A push button: its image stretched over it, the caption centred for the
// lines it needs.
void paint_push_button(Hwnd control, const ThemedOwner& owner) {
    const Rect client = platform::client_rect(control);
    const Dc dc = begin(control, owner);
    CDefaultAppFont::DrawCBitmap(dc, owner.style().GetImage(control == hovered_button ? "BUTTON_OVER" : "BUTTON"),
                                 client);
    const std::string caption = platform::window_text(control, 512);
    const platform::Size single = platform::text_extent(owner.dialog_font(), caption);
    const int available = std::max(client.width(), 1);
    const int lines = (single.width + available - 1) / available;
    const int height = lines * single.height;
    const int shift = control == pressed_button ? 1 : 0;  // a held button's caption sinks a pixel
    Rect text{client.left + shift, client.top + (client.height() - height) / 2 + shift, client.right + shift, 0};
    text.bottom = text.top + height;
    platform::draw_text(dc, caption, text, text_format::kCenter | text_format::kWordBreak);
    platform::end_paint(control, dc);
}

// A group box: the caption near the top left and lines around the group,
// broken where the caption is.
void paint_group_box(Hwnd control, const ThemedOwner& owner) {
    const Rect client = platform::client_rect(control);
    const Dc dc = begin(control, owner);
    const std::string caption = platform::window_text(control, 512);
    const platform::Size extent = platform::text_extent(owner.dialog_font(), caption);
    constexpr int kCaptionIndent = 8, kCaptionGap = 2;
    const int middle = extent.height / 2;
    const std::uint32_t frame = owner.colors()[appstyle::kGroupFrame];
    const int right = client.right - 1, bottom = client.bottom - 1;
    platform::draw_line(dc, {client.left, middle}, {client.left + kCaptionIndent - kCaptionGap, middle}, frame);
    platform::draw_line(dc, {client.left + kCaptionIndent + extent.width + kCaptionGap, middle}, {right, middle}, frame);
    platform::draw_line(dc, {right, middle}, {right, bottom}, frame);
    platform::draw_line(dc, {right, bottom}, {client.left, bottom}, frame);
    platform::draw_line(dc, {client.left, bottom}, {client.left, middle}, frame);
    if (platform::is_window_enabled(control)) platform::set_text_color(dc, owner.colors()[appstyle::kGroupText]);
    Rect text{client.left + kCaptionIndent, client.top, client.left + kCaptionIndent + extent.width,
              client.top + extent.height};
    platform::draw_text(dc, caption, text, text_format::kSingleLine);
    platform::end_paint(control, dc);
}

// The frame of an edit, combo or list box in the dialog's colours: the focus
// colour around the control that has the focus.
void paint_frame(Hwnd control, const ThemedOwner& owner) {
    const Rect r = platform::client_rect(control);
    const Dc dc = platform::window_dc(control);
    const std::uint32_t color =
        owner.colors()[platform::focused_window() == control ? appstyle::kFrameFocus : appstyle::kFrameShadow];
    platform::draw_line(dc, {r.left, r.top}, {r.right - 1, r.top}, color);
    platform::draw_line(dc, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, color);
    platform::draw_line(dc, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}, color);
    platform::draw_line(dc, {r.left, r.bottom - 1}, {r.left, r.top}, color);
    platform::release_dc(control, dc);
}

// A combo box's drop-down box at the right of its field, as high as the
// field (the dialog font's item height and a margin), selected while the
// combo box has the focus.
void paint_drop_down_box(Hwnd control, const ThemedOwner& owner) {
    const Rect client = platform::client_rect(control);
    constexpr int kFieldMargin = 4;
    const int side = owner.style().GetItemHeight("DialogsFont") + kFieldMargin;
    const Dc dc = platform::begin_paint(control);
    const bool selected = platform::focused_window() == control;
    CDefaultAppFont::DrawCBitmap(dc, owner.style().GetImage(selected ? "POPUP_BOX_SELECT" : "POPUP_BOX_NO"),
                                 {client.right - side, client.top, client.right, client.top + side});
    platform::end_paint(control, dc);
}

// A static's text in the dialog's font and colours, aligned by its style.
void paint_static(Hwnd control, const ThemedOwner& owner) {
    Rect client = platform::client_rect(control);
    const Dc dc = begin(control, owner);
    platform::set_text_color(dc, owner.colors()[platform::is_window_enabled(control) ? appstyle::kStaticTextEnabled
                                                                                     : appstyle::kStaticTextDisabled]);
    const std::uint32_t s = platform::window_style(control) & 3;  // left, centre, right
    const unsigned align = s == 1 ? text_format::kCenter : s == 2 ? text_format::kRight : text_format::kLeft;
    platform::draw_text(dc, platform::window_text(control, 512), client, align | text_format::kWordBreak);
    platform::end_paint(control, dc);
}

bool shows_icon(Hwnd control) { return (platform::window_style(control) & style::kStaticKind) == style::kStaticIcon; }

// Paints the client area of the kinds drawn whole; false for the others.
bool paint_client(Painter kind, Hwnd control, const ThemedOwner& owner) {
    switch (kind) {
    case Painter::check_box: paint_box_button(control, owner, check_image(control)); return true;
    case Painter::radio: paint_box_button(control, owner, radio_image(control)); return true;
    case Painter::push_button: paint_push_button(control, owner); return true;
    case Painter::group_box: paint_group_box(control, owner); return true;
    case Painter::static_text:
        if (shows_icon(control)) return false;  // the platform draws the template's icon
        paint_static(control, owner);
        return true;
    default: return false;
    }
}

bool has_frame(Painter kind) {
    return kind == Painter::edit || kind == Painter::combo || kind == Painter::list || kind == Painter::list_view;
}

// The owner behind a subclass's reference data, for the two owner kinds.
const ThemedOwner* owner_of(std::uintptr_t id, std::uintptr_t reference) {
    if (id != kDesignDialogSubclass && id != kSecondOwnerSubclass) return nullptr;
    return reinterpret_cast<const ThemedOwner*>(reference);
}

// Hover and press feedback of a push button; false for other messages.
bool track_push_button(Hwnd control, unsigned msg) {
    switch (msg) {
    case message::kMouseMove:
        if (hovered_button == control) return true;
        hovered_button = control;
        platform::track_mouse_leave(control);
        break;
    case message::kMouseLeave:
        if (hovered_button == control) hovered_button = nullptr;
        break;
    case message::kLeftButtonDown: pressed_button = control; break;
    case message::kLeftButtonUp: pressed_button = nullptr; break;
    default: return false;
    }
    platform::redraw_window(control);
    return true;
}

template <Painter kind>
std::intptr_t paint(Hwnd control, unsigned msg, std::uintptr_t first, std::intptr_t second, std::uintptr_t id,
                    std::uintptr_t reference) {
    const ThemedOwner* owner = owner_of(id, reference);
    if (!owner) return platform::call_next_procedure(control, msg, first, second);
    if (msg == message::kPaint && paint_client(kind, control, *owner)) return 0;
    if (msg == message::kNcPaint && has_frame(kind)) {
        paint_frame(control, *owner);
        return 0;
    }
    // The platform's own handling first: a click is a click before it shows.
    const std::intptr_t result = platform::call_next_procedure(control, msg, first, second);
    if (msg == message::kPaint && kind == Painter::combo) paint_drop_down_box(control, *owner);
    if (kind == Painter::push_button) track_push_button(control, msg);
    return result;
}

}  // namespace

platform::SubclassProcedure painter_procedure(Painter painter) {
    switch (painter) {
    case Painter::edit: return paint<Painter::edit>;
    case Painter::combo: return paint<Painter::combo>;
    case Painter::group_box: return paint<Painter::group_box>;
    case Painter::radio: return paint<Painter::radio>;
    case Painter::check_box: return paint<Painter::check_box>;
    case Painter::push_button: return paint<Painter::push_button>;
    case Painter::list_view: return paint<Painter::list_view>;
    case Painter::static_text: return paint<Painter::static_text>;
    case Painter::list: return paint<Painter::list>;
    case Painter::tab: return paint<Painter::tab>;
    case Painter::none: break;
    }
    return nullptr;
}

}  // namespace gjbz108a::toolkit
