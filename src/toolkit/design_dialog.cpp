#include "toolkit/design_dialog.h"

#include "toolkit/restyling.h"

#include <string>

namespace gjbz108a::toolkit {
namespace {

namespace message = platform::message;
using platform::Hwnd;
using platform::Rect;

// Measured over the whole alphabet, as the average character cell.
constexpr const char* kMeasuringText = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// The reference font that the templates were laid out in: 8 points.
constexpr const char* kReferenceFace = "MS Sans Serif";
constexpr int kReferencePoints = 8, kPointsPerInch = 72, kReferenceWeight = 300;
constexpr float kGrowth = 1.15f, kLeastGrowth = 1.09f;
// A combo box's window holds its drop-down list: ten fields high.
constexpr int kComboListFields = 10;

// The role names of the control-colour requests and the colour pair each
// takes, enabled and disabled.
struct ColorRequest {
    unsigned message;
    const char* enabled_role;
    const char* disabled_role;
    int text_enabled, background_enabled, text_disabled, background_disabled;
};

using namespace appstyle;
constexpr ColorRequest kColorRequests[] = {
    {message::kCtlColorMsgBox, "WM_CTLCOLORMSGBOX_Enabled", "WM_CTLCOLORMSGBOX_Disabled", kDialogTextEnabled,
     kDialogBackgroundEnabled, kDialogTextDisabled, kDialogBackgroundDisabled},
    {message::kCtlColorEdit, "WM_CTLCOLOREDIT_Enabled", "WM_CTLCOLOREDIT_Disabled", kEditTextEnabled,
     kEditBackgroundEnabled, kEditTextDisabled, kEditBackgroundDisabled},
    {message::kCtlColorListBox, "WM_CTLCOLORLISTBOX_Enabled", "WM_CTLCOLORLISTBOX_Disabled", kDialogTextEnabled,
     kDialogBackgroundEnabled, kDialogTextDisabled, kDialogBackgroundDisabled},
    {message::kCtlColorButton, "WM_CTLCOLORBTN_Enabled", "WM_CTLCOLORBTN_Disabled", kButtonTextEnabled,
     kButtonBackground, kButtonTextDisabled, kButtonBackground},
    {message::kCtlColorDialog, "WM_CTLCOLORDLG_Enabled", "WM_CTLCOLORDLG_Disabled", kDialogTextEnabled,
     kDialogBackgroundEnabled, kDialogTextDisabled, kDialogBackgroundDisabled},
    {message::kCtlColorScrollBar, "WM_CTLCOLORSCROLLBAR_Enabled", "WM_CTLCOLORSCROLLBAR_Disabled",
     kDialogTextEnabled, kDialogBackgroundEnabled, kDialogTextDisabled, kDialogBackgroundDisabled},
};

const ColorRequest* color_request(unsigned msg) {
    for (const ColorRequest& request : kColorRequests)
        if (request.message == msg) return &request;
    return nullptr;
}

int truncated(int value, float scale) { return static_cast<int>(static_cast<float>(value) * scale); }

}  // namespace

CDesignDialog::CDesignDialog(platform::DialogTemplate dialog, Hwnd parent, const CDefaultAppFont* style)
    : Dialog(std::move(dialog), parent), style_(style) {
    if (style_) colors_ = style_->GetDesignColors();
}

CDesignDialog::CDesignDialog(int template_id, Hwnd parent) : Dialog(template_id, parent), style_(app_style()) {
    if (style_) colors_ = style_->GetDesignColors();
}

CDesignDialog::CDesignDialog(unsigned template_id, Hwnd parent)
    : CDesignDialog(static_cast<int>(template_id), parent) {}

CDesignDialog::CDesignDialog(std::string_view template_name, Hwnd parent)
    : Dialog(template_name, parent), style_(app_style()) {
    if (style_) colors_ = style_->GetDesignColors();
}

CDesignDialog::CDesignDialog() : style_(app_style()) {
    if (style_) colors_ = style_->GetDesignColors();
}

CDesignDialog::~CDesignDialog() {
    // The owner-drawing objects first, then the framework's window.
    if (background_) platform::delete_object(background_);
    DestroyWindow();
}

bool CDesignDialog::OnInitDialog() {
    const bool result = Dialog::OnInitDialog();
    if (!style_) return result;
    scale_to_font();
    restyle_children(window(), *this, kDesignDialogSubclass);
    return result;
}

void CDesignDialog::scale_to_font() {
    float sx = 1.0f, sy = 1.0f;
    bool moved = false;
    const Rect work = platform::desktop_work_area();

    const platform::Font font = style_->GetFont("DialogsFont");
    const platform::Size host = style_->GetFontSize(font, kMeasuringText);
    const platform::LogicalFont reference{
        kReferenceFace, -platform::mul_div(kReferencePoints, platform::pixels_per_inch(), kPointsPerInch),
        kReferenceWeight};
    const platform::Size measured = style_->GetFontSize(style_->GetScaleFont(reference), kMeasuringText);
    if (measured.width > 0 && measured.height > 0) {
        sx = static_cast<float>(host.width) / static_cast<float>(measured.width);
        sy = static_cast<float>(host.height) / static_cast<float>(measured.height);
    }
    if (sx > 1.0f || sy > 1.0f) {
        sx *= kGrowth;
        sy *= kGrowth;
    } else {
        sx = kLeastGrowth;
        sy = kLeastGrowth;
    }

    // Scaling by a factor of 1 or less would only shrink: the layout stays.
    if (font && sx > 1.0f && sy > 1.0f) {
        const std::vector<Hwnd> children = platform::child_windows(window());
        for (const Hwnd child : children) {
            platform::set_window_font(child, font, true);
            const Rect r = platform::rect_in_parent(child);
            const int x = truncated(r.left, sx), y = truncated(r.top, sy);
            const int width = truncated(r.width(), sx);
            int height = truncated(r.height(), sy);
            if (platform::class_name(child) == "ComboBox") height *= kComboListFields;
            platform::move_window(child, {x, y, x + width, y + height}, true);
        }
        const Rect frame = platform::window_rect(window());
        const int width = truncated(frame.width(), sx), height = truncated(frame.height(), sy);
        Rect placed{frame.left, frame.top, frame.left + width, frame.top + height};
        if (width > 0 && height > 0 && (placed.right > work.width() || placed.bottom > work.height())) {
            const platform::Size screen = platform::screen_size();
            int x = (screen.width - width) / 2;
            if (x < work.left) x = work.left;
            int y = (screen.height - height) / 2;
            if (y + height > screen.height) y = 0;
            placed = {x, y, x + width, y + height};
            moved = true;
        }
        platform::move_window(window(), placed, true);
    }
    font_ = font;
    scale_x_ = sx;
    scale_y_ = sy;
    moved_ = moved;
}

std::intptr_t CDesignDialog::WindowProcedure(unsigned msg, std::uintptr_t first, std::intptr_t second) {
    if (style_) {
        const auto dc = reinterpret_cast<platform::Dc>(first);
        if (color_request(msg)) return control_color(msg, dc, reinterpret_cast<Hwnd>(second));
        if (msg == message::kCtlColorStatic) return generic_control_color(dc, reinterpret_cast<Hwnd>(second));
        if (msg == message::kEraseBackground) {
            erase_background(dc);
            return 1;
        }
    }
    return Dialog::WindowProcedure(msg, first, second);
}

std::intptr_t CDesignDialog::control_color(unsigned msg, platform::Dc dc, Hwnd control) {
    if (!platform::is_window(control)) return 0;
    const ColorRequest& request = *color_request(msg);
    const bool enabled = platform::is_window_enabled(control);
    const std::uint32_t text = colors_[enabled ? request.text_enabled : request.text_disabled];
    const std::uint32_t background = colors_[enabled ? request.background_enabled : request.background_disabled];
    const platform::Brush brush = style_->GetColor(enabled ? request.enabled_role : request.disabled_role, background);
    platform::set_text_color(dc, text);
    platform::set_background_color(dc, background);
    platform::set_background_mode(dc, platform::BackgroundMode::opaque);
    if (msg == message::kCtlColorListBox) {
        platform::select_font(dc, font_);
        platform::set_background_mode(dc, platform::BackgroundMode::transparent);
    }
    return reinterpret_cast<std::intptr_t>(brush);
}

// The framework's generic handler gets what the six requests leave: edits
// and combo boxes (read-only or disabled ones ask as statics) take their
// colours from the style object; the platform colours the other kinds.
std::intptr_t CDesignDialog::generic_control_color(platform::Dc dc, Hwnd control) {
    const std::string kind = platform::class_name(control);
    const bool enabled = platform::is_window_enabled(control);
    int text = 0, background = 0;
    if (kind == "Edit") {
        text = enabled ? kEditTextEnabled : kEditTextDisabled;
        background = enabled ? kEditBackgroundEnabled : kEditBackgroundDisabled;
    } else if (kind == "ComboBox") {
        text = enabled ? kComboTextEnabled : kComboTextDisabled;
        background = enabled ? kComboBackgroundEnabled : kComboBackgroundDisabled;
    } else {
        return 0;
    }
    platform::set_text_color(dc, colors_[text]);
    platform::set_background_color(dc, colors_[background]);
    const char* role = enabled ? "WM_CTLCOLOREDIT_Enabled" : "WM_CTLCOLOREDIT_Disabled";
    return reinterpret_cast<std::intptr_t>(style_->GetColor(role, colors_[background]));
}

void CDesignDialog::erase_background(platform::Dc dc) {
    const Rect client = platform::client_rect(window());
    platform::fill_rect(dc, client, style_->GetColor("WM_CTLCOLORDLG_Enabled", colors_[kDialogBackgroundEnabled]));
    if (!background_) background_ = platform::create_bitmap("background", client.width(), client.height(), nullptr);
    platform::copy_to_bitmap(dc, client, background_);
}

}  // namespace gjbz108a::toolkit
