// The host's style library (libappstyle.so, appstyle.dll): one style object a
// process, CDefaultAppFont, that gives the dialogs their fonts, colours,
// brushes and images by name.
//
// A program that does not link the library loads it by name and calls its C
// entry CDefaultAppFont_GetInstance; the operations then reach the library
// through the object, so nothing else needs linking. The object owns what it
// hands out (fonts, brushes, images) for the life of the process.
#pragma once

#include "platform/drawing.h"
#include "platform/types.h"

#include <array>
#include <cstdint>

// The style library exports the class; the plug-in exports the two copy
// members beside its C functions (on ELF its version script picks them).
#if defined(_WIN32)
#  if defined(APPSTYLE_BUILDING)
#    define APPSTYLE_VISIBLE __declspec(dllexport)
#    define APPSTYLE_COPY_VISIBLE
#  elif defined(GJBZ108A_BUILDING)
#    define APPSTYLE_VISIBLE
#    define APPSTYLE_COPY_VISIBLE __declspec(dllexport)
#  else
#    define APPSTYLE_VISIBLE
#    define APPSTYLE_COPY_VISIBLE
#  endif
#else
#  define APPSTYLE_VISIBLE __attribute__((visibility("default")))
#  define APPSTYLE_COPY_VISIBLE
#endif

namespace appstyle {

// The roles of the 39 entries of the colour record.
enum DesignColor : int {
    kDialogTextEnabled, kDialogBackgroundEnabled, kDialogTextDisabled, kDialogBackgroundDisabled,
    kEditTextEnabled, kEditBackgroundEnabled, kEditTextDisabled, kEditBackgroundDisabled,
    kButtonTextEnabled, kButtonTextDisabled, kButtonBackground,
    kComboTextEnabled, kComboBackgroundEnabled, kComboTextDisabled, kComboBackgroundDisabled,
    kSelectionText, kSelectionBackground,
    kFrameLight, kFrameShadow, kFrameFocus,
    kGroupFrame, kGroupText,
    kButtonHoverText, kTransparentKey,
    kStaticTextEnabled, kStaticTextDisabled,
    kTabText, kTabBackground, kTabSelectedBackground,
    kTitleText, kTitleBackground,
    kToolTipText, kToolTipBackground,
    kScrollTrack, kScrollThumb,
    kCheckMark, kRadioDot, kLinkText, kWarningText,
    kDesignColorCount,
};
static_assert(kDesignColorCount == 39);

using DesignColors = std::array<std::uint32_t, kDesignColorCount>;

}  // namespace appstyle

class APPSTYLE_VISIBLE CDefaultAppFont {
public:
    // The library's implementation of each operation.
    struct Operations {
        gjbz108a::platform::Font (*get_font)(const CDefaultAppFont&, const char* name);
        gjbz108a::platform::Font (*get_scale_font)(const CDefaultAppFont&, const gjbz108a::platform::LogicalFont&);
        gjbz108a::platform::Size (*get_font_size)(const CDefaultAppFont&, gjbz108a::platform::Font, const char* text);
        gjbz108a::platform::Brush (*get_color)(const CDefaultAppFont&, const char* name, gjbz108a::platform::Color);
        gjbz108a::platform::Bitmap (*get_image)(const CDefaultAppFont&, const char* name);
        int (*get_item_height)(const CDefaultAppFont&, const char* name);
    };

    CDefaultAppFont(const appstyle::DesignColors& colors, const Operations* operations, void* theme)
        : colors_(colors), operations_(operations), theme_(theme) {}
    // Member by member: a copy shares the library's fonts, brushes and images.
    APPSTYLE_COPY_VISIBLE CDefaultAppFont(const CDefaultAppFont& other);
    APPSTYLE_COPY_VISIBLE CDefaultAppFont& operator=(const CDefaultAppFont& other);

    // The one style object of the process (linked callers only).
    static CDefaultAppFont* GetInstance();

    const appstyle::DesignColors& GetDesignColors() const { return colors_; }
    // The font of a role; "DialogsFont" is the dialogs' font.
    gjbz108a::platform::Font GetFont(const char* name) const { return operations_->get_font(*this, name); }
    gjbz108a::platform::Font GetScaleFont(const gjbz108a::platform::LogicalFont& font) const {
        return operations_->get_scale_font(*this, font);
    }
    // The average character cell of `font`, measured over `text`.
    gjbz108a::platform::Size GetFontSize(gjbz108a::platform::Font font, const char* text) const {
        return operations_->get_font_size(*this, font, text);
    }
    // The brush of a colour role, made with `color` on first request.
    gjbz108a::platform::Brush GetColor(const char* name, gjbz108a::platform::Color color) const {
        return operations_->get_color(*this, name, color);
    }
    gjbz108a::platform::Bitmap GetImage(const char* name) const { return operations_->get_image(*this, name); }
    int GetItemHeight(const char* name) const { return operations_->get_item_height(*this, name); }

    // At the rectangle's corner in the bitmap's own size; stretched over the
    // rectangle leaving out `transparent`; stretched.
    static void DrawBitmap(gjbz108a::platform::Dc dc, gjbz108a::platform::Bitmap bitmap, gjbz108a::platform::Rect rect) {
        const gjbz108a::platform::Size size = gjbz108a::platform::bitmap_size(bitmap);
        gjbz108a::platform::draw_bitmap(dc, bitmap, {rect.left, rect.top, rect.left + size.width, rect.top + size.height});
    }
    static void DrawTransparentBitmap(gjbz108a::platform::Dc dc, gjbz108a::platform::Bitmap bitmap,
                                      gjbz108a::platform::Rect rect, gjbz108a::platform::Color transparent) {
        gjbz108a::platform::draw_transparent_bitmap(dc, bitmap, rect, transparent);
    }
    static void DrawCBitmap(gjbz108a::platform::Dc dc, gjbz108a::platform::Bitmap bitmap, gjbz108a::platform::Rect rect) {
        gjbz108a::platform::draw_bitmap(dc, bitmap, rect);
    }

    void* theme() const { return theme_; }

private:
    appstyle::DesignColors colors_;
    const Operations* operations_;
    void* theme_;  // the library's own state, shared by every copy
};

// The C entry that callers find by name.
extern "C" APPSTYLE_VISIBLE CDefaultAppFont* CDefaultAppFont_GetInstance();
