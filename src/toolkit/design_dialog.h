// The dialog base of every dialog of the library: the host's dialog font
// with the layout scaled to match, control colours by kind and enabled
// state, and owner-drawn controls, all from the host's style object. Without
// the style library a dialog keeps the platform's look.
#pragma once

#include "toolkit/app_style.h"
#include "toolkit/dialog.h"
#include "toolkit/themed_owner.h"

namespace gjbz108a::toolkit {

class CDesignDialog : public Dialog, public ThemedOwner {
public:
    CDesignDialog(int template_id, platform::Hwnd parent);
    CDesignDialog(unsigned template_id, platform::Hwnd parent);
    CDesignDialog(std::string_view template_name, platform::Hwnd parent);
    CDesignDialog();
    // A dialog from a template of its own, themed by `style` (null: none).
    CDesignDialog(platform::DialogTemplate dialog, platform::Hwnd parent, const CDefaultAppFont* style);
    ~CDesignDialog() override;

    float horizontal_scale() const { return scale_x_; }
    float vertical_scale() const { return scale_y_; }
    bool moved() const { return moved_; }

    const CDefaultAppFont& style() const override { return *style_; }
    const appstyle::DesignColors& colors() const override { return colors_; }
    platform::Font dialog_font() const override { return font_; }

protected:
    // The base initialisation, then the font scaling, then the re-styling of
    // every direct child; answers what the base answered.
    bool OnInitDialog() override;
    std::intptr_t WindowProcedure(unsigned message, std::uintptr_t first, std::intptr_t second) override;

private:
    void scale_to_font();
    std::intptr_t control_color(unsigned message, platform::Dc dc, platform::Hwnd control);
    std::intptr_t generic_control_color(platform::Dc dc, platform::Hwnd control);
    void erase_background(platform::Dc dc);

    const CDefaultAppFont* style_ = nullptr;
    appstyle::DesignColors colors_{};
    platform::Font font_ = nullptr;
    float scale_x_ = 0.0f;
    float scale_y_ = 0.0f;
    bool moved_ = false;
    platform::Bitmap background_ = nullptr;
};

}  // namespace gjbz108a::toolkit
