#include "toolkit/restyling.h"

#include <string>

namespace gjbz108a::toolkit {
namespace {

namespace style = platform::style;

// A control id that is never re-styled.
constexpr int kNeverRestyled = 1498;

Restyling button_restyling(std::uint32_t s) {
    if ((s & 7) == 7) return {Painter::group_box, true};
    if ((s & 0xB) == 0xB) return {};  // owner-drawn already
    if ((s & 4) || (s & 9) == 9) return {Painter::radio, true};
    if ((s & 2) || (s & 3) == 3) return {Painter::check_box, true};
    return {Painter::push_button, false};
}

}  // namespace

Restyling restyling_for(std::string_view class_name, std::uint32_t s, int id) {
    // Owner-drawn and bitmap kinds keep their own drawing.
    if ((s & 0xD) == 0xD || (s & 0xE) == 0xE || id == kNeverRestyled) return {};
    if (class_name == "Edit") return {Painter::edit, true};
    if (class_name == "ComboBox") return {Painter::combo, true};
    if (class_name == "Button") return button_restyling(s);
    if (class_name == "OwnerDrawProc_SysListView32") return {Painter::list_view, true, true};
    if (class_name == "Static") {
        if ((s & 7) == 7 || (s & 8) == 8 || (s & 9) == 9) return {};  // frames and rectangles
        return {Painter::static_text, true};
    }
    if (class_name == "ListBox") return {Painter::list, true};
    if (class_name == "SysTabControl32") return {Painter::tab, false};
    return {Painter::none, false, false, true};
}

void restyle_children(platform::Hwnd dialog, const ThemedOwner& owner, std::uintptr_t subclass_id) {
    for (const platform::Hwnd control : platform::child_windows(dialog)) {
        const std::string name = platform::class_name(control);
        const Restyling restyling = restyling_for(name, platform::window_style(control), platform::control_id(control));
        if (restyling.unknown_class) platform::debug_trace("\n****************** not subclass" + name + "\n");
        if (restyling.painter == Painter::none) continue;
        if (restyling.strip_edges) {
            platform::set_window_style(control, platform::window_style(control) & ~style::kBorder &
                                                    ~(restyling.strip_caption ? style::kCaption : 0));
            platform::set_window_ex_style(control, platform::window_ex_style(control) &
                                                       ~(style::kClientEdge | style::kStaticEdge | style::kWindowEdge));
        }
        platform::set_window_subclass(control, painter_procedure(restyling.painter), subclass_id,
                                      reinterpret_cast<std::uintptr_t>(&owner));
        platform::redraw_window(control);
    }
}

}  // namespace gjbz108a::toolkit
