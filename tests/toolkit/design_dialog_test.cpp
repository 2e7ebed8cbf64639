// The themed dialog base: font scaling with its factors, truncation, combo
// height and re-centring; colours by request and state; the re-styling
// decisions; the painters' geometry; and the framework's exchange and routing.
#include "toolkit/design_dialog.h"
#include "toolkit/restyling.h"

#include "platform/automation.h"
#include "toolkit/fake_style.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace gjbz108a::toolkit {
namespace {

using platform::DialogTemplate;
using platform::Rect;
using test::FakeStyle;
namespace style = platform::style;

constexpr int kEdit = 10, kCombo = 11, kCheck = 12, kRadio = 13, kPush = 14, kGroup = 15, kLabel = 16, kName = 17;

DialogTemplate themed_template(platform::Point position = {10, 10}, platform::Size client = {200, 100}) {
    DialogTemplate dialog{"Themed", position, client, {"MS Sans Serif", -11, 400}, {}};
    dialog.controls = {
        {kEdit, "Edit", style::kBorder, "", {10, 20, 110, 32}, style::kClientEdge, {}},
        {kCombo, "ComboBox", style::kComboDropDownList, "", {10, 40, 110, 52}, 0, {"---", "A"}},
        {kCheck, "Button", style::kAutoCheckBox, "Check me", {120, 20, 190, 32}, 0, {}},
        {kRadio, "Button", style::kAutoRadioButton, "Pick me", {120, 40, 190, 52}, 0, {}},
        {kPush, "Button", style::kPushButton | style::kBorder, "Cancel", {120, 60, 190, 74}, 0, {}},
        {kGroup, "Button", style::kGroupBox, "Group", {5, 60, 115, 95}, 0, {}},
        {kLabel, "Static", 0, "Label", {5, 5, 60, 15}, 0, {}},
        {kName, "Edit", 0, "", {120, 80, 190, 92}, 0, {}},
    };
    return dialog;
}

// The themed base under a dialog of the framework: a quantity and a name
// exchanged on OK, a tool tip for the quantity, and the help request noted.
class Themed : public CDesignDialog {
public:
    Themed(DialogTemplate dialog, const CDefaultAppFont* style) : CDesignDialog(std::move(dialog), nullptr, style) {}
    using CDesignDialog::WindowProcedure;
    uint16_t quantity = 1;
    std::string name = "start";
    int helped = 0;

protected:
    void DoDataExchange(DataExchange& dx) override {
        DDX_EditWord(&dx, kEdit, &quantity);
        DDV_CheckWord(&dx, quantity, 1, 9999);
        exchange_text(dx, kName, name, 8);
    }
    bool OnInitDialog() override {
        platform::enable_tool_tips(window());
        return CDesignDialog::OnInitDialog();
    }
    std::string ToolTipText(platform::Hwnd control) override {
        return platform::control_id(control) == kEdit ? "Quantity in current assembly" : "";
    }
    bool OnHelp(const platform::HelpInfo& help) override {
        helped = help.control_id;
        return true;
    }
};

// Puts the screen of the other tests back, however a case ends.
struct DefaultScreenAfter {
    ~DefaultScreenAfter() { platform::set_screen({1024, 768}, {0, 0, 1024, 740}, 96); }
};

TEST(DesignDialogScaling, FactorsFromTheMeasuredFontsTheChildrenTruncatedAndTheDialogInTheWorkArea) {
    struct Case {
        platform::Size dialog, reference;
        int pixels_per_inch;
        float sx, sy;
        int reference_height;
        std::optional<Rect> edit{}, combo{}, frame{};  // the combo is ten fields high
        bool moved = false;
        platform::Point position{10, 10};
        platform::Size client{200, 100};
    };
    const Case cases[] = {
        // Measures like the reference: it still grows 9 %. 10.9, 21.8, 109.0, 13.08 (the combo 13 × 10);
        // 206 × 125 -> 224 × 136.
        {{5, 13}, {5, 13}, 96, 1.09f, 1.09f, -11, Rect{10, 21, 119, 34}, Rect{10, 43, 119, 173},
         Rect{10, 10, 234, 146}},
        // 10 % wider: 1.1 × 1.15. 12.65, 24.77, 126.5, 14.86; 40 -> 49.54; 206 × 125 -> 260 × 154.
        {{11, 14}, {10, 13}, 96, 1.265f, 1.2384615f, -11, Rect{12, 24, 138, 38}, Rect{12, 49, 138, 189},
         Rect{10, 10, 270, 164}},
        {{4, 12}, {5, 13}, 96, 1.09f, 1.09f, -11},          // smaller both ways
        {{6, 12}, {5, 13}, 120, 1.38f, 1.0615385f, -13},    // one factor above 1 takes both up by 1.15
        // Beyond the work area, centred: 806 × 525 -> 1019 × 650; the right edge 1119 is past 1024.
        {{11, 14}, {10, 13}, 96, 1.265f, 1.2384615f, -11, {}, {}, Rect{2, 59, 1021, 709}, true, {100, 100}, {800, 500}},
        // 906 × 675 -> 1146 × 835: x would be -61, left of the work area; y -33 would end below the screen.
        {{11, 14}, {10, 13}, 96, 1.265f, 1.2384615f, -11, {}, {}, Rect{0, 0, 1146, 835}, true, {50, 50}, {900, 650}},
    };
    for (const Case& c : cases) {
        DefaultScreenAfter restore;
        platform::set_screen({1024, 768}, {0, 0, 1024, 740}, c.pixels_per_inch);
        FakeStyle fake;
        fake.theme().dialog_cell = c.dialog;
        fake.theme().reference_cell = c.reference;
        Themed dialog(themed_template(c.position, c.client), fake.get());
        ASSERT_TRUE(dialog.Create());
        EXPECT_FLOAT_EQ(dialog.horizontal_scale(), c.sx) << c.dialog.width;
        EXPECT_FLOAT_EQ(dialog.vertical_scale(), c.sy) << c.dialog.width;
        ASSERT_EQ(fake.theme().scale_fonts_asked.size(), 1u);
        const platform::LogicalFont& asked = fake.theme().scale_fonts_asked[0];
        EXPECT_EQ(asked.face, "MS Sans Serif");
        EXPECT_EQ(asked.height, c.reference_height);
        EXPECT_EQ(asked.weight, 300);
        EXPECT_EQ(platform::window_font(dialog.GetDlgItem(kEdit)), fake.get()->GetFont("DialogsFont"));
        if (c.edit) {
            EXPECT_EQ(platform::rect_in_parent(dialog.GetDlgItem(kEdit)), c.edit);
            EXPECT_EQ(platform::rect_in_parent(dialog.GetDlgItem(kCombo)), c.combo);
        }
        if (!c.frame) continue;
        EXPECT_EQ(platform::window_rect(dialog.window()), c.frame);
        EXPECT_EQ(dialog.moved(), c.moved);
    }
}

TEST(DesignDialogColors, EachRequestTakesItsRoleAndPairByEnabledState) {
    using namespace appstyle;
    namespace message = platform::message;
    FakeStyle fake;
    Themed dialog(themed_template(), fake.get());
    ASSERT_TRUE(dialog.Create());
    const DesignColors colors = test::fake_colors();
    // Text and background entries, enabled then disabled.
    struct Entries { int text_enabled, background_enabled, text_disabled, background_disabled; };
    constexpr Entries kDialog{kDialogTextEnabled, kDialogBackgroundEnabled, kDialogTextDisabled,
                              kDialogBackgroundDisabled};
    struct Case {
        unsigned message;
        const char* role;  // without _Enabled / _Disabled
        Entries entries;
        bool list;
    };
    const Case cases[] = {
        {message::kCtlColorMsgBox, "WM_CTLCOLORMSGBOX", kDialog, false},
        {message::kCtlColorEdit, "WM_CTLCOLOREDIT",
         {kEditTextEnabled, kEditBackgroundEnabled, kEditTextDisabled, kEditBackgroundDisabled}, false},
        {message::kCtlColorListBox, "WM_CTLCOLORLISTBOX", kDialog, true},
        {message::kCtlColorButton, "WM_CTLCOLORBTN",
         {kButtonTextEnabled, kButtonBackground, kButtonTextDisabled, kButtonBackground}, false},
        {message::kCtlColorDialog, "WM_CTLCOLORDLG", kDialog, false},
        {message::kCtlColorScrollBar, "WM_CTLCOLORSCROLLBAR", kDialog, false},
    };
    const platform::Hwnd control = dialog.GetDlgItem(kEdit);
    for (const Case& c : cases) {
        for (const bool enabled : {true, false}) {
            platform::enable_window(control, enabled);
            fake.theme().roles_asked.clear();
            const platform::Dc dc = platform::window_dc(control);
            const auto brush = reinterpret_cast<platform::Brush>(
                dialog.WindowProcedure(c.message, reinterpret_cast<std::uintptr_t>(dc),
                                       reinterpret_cast<std::intptr_t>(control)));
            const int background = enabled ? c.entries.background_enabled : c.entries.background_disabled;
            EXPECT_EQ(fake.theme().roles_asked,
                      std::vector<std::string>{std::string(c.role) + (enabled ? "_Enabled" : "_Disabled")});
            EXPECT_EQ(platform::brush_color(brush), colors[background]) << c.role;
            const platform::DcState state = platform::dc_state(dc);
            EXPECT_EQ(state.text_color, colors[enabled ? c.entries.text_enabled : c.entries.text_disabled]) << c.role;
            EXPECT_EQ(state.background_color, colors[background]) << c.role;
            EXPECT_EQ(state.background_mode,
                      c.list ? platform::BackgroundMode::transparent : platform::BackgroundMode::opaque);
            if (c.list) {
                EXPECT_EQ(state.font, dialog.dialog_font());
            }
            platform::release_dc(control, dc);
        }
    }
    // A request for a window that is gone gets the platform's answer.
    EXPECT_EQ(dialog.WindowProcedure(message::kCtlColorEdit, 0, 12345), 0);
}

TEST(Restyling, DecisionsByClassStyleAndId) {
    struct Case {
        const char* class_name;
        std::uint32_t style;
        int id;
        Painter painter;
        bool strip;
    };
    const Case cases[] = {
        {"Edit", 0, 1, Painter::edit, true},
        {"Edit", 0xD, 1, Painter::none, false},           // owner-drawn kind
        {"Edit", 0, 1498, Painter::none, false},          // never re-styled
        {"Static", 0xE, 1, Painter::none, false},         // bitmap static
        {"ComboBox", 3, 1, Painter::combo, true},
        {"Button", 7, 1, Painter::group_box, true},
        {"Button", 0xB, 1, Painter::none, false},         // owner-drawn button
        {"Button", 9, 1, Painter::radio, true},
        {"Button", 4, 1, Painter::radio, true},
        {"Button", 6, 1, Painter::radio, true},           // bit 4 set
        {"Button", 3, 1, Painter::check_box, true},
        {"Button", 2 | 0x20, 1, Painter::check_box, true},
        {"Button", 0, 1, Painter::push_button, false},
        {"Button", 1, 1, Painter::push_button, false},
        {"Button", 8, 1, Painter::push_button, false},
        {"Static", 0, 1, Painter::static_text, true},
        {"Static", 7, 1, Painter::none, false},           // frames
        {"Static", 8, 1, Painter::none, false},
        {"Static", 9, 1, Painter::none, false},
        {"Static", 1, 1, Painter::static_text, true},     // centred text
        {"ListBox", 0, 1, Painter::list, true},
        {"SysTabControl32", 0, 1, Painter::tab, false},
        {"OwnerDrawProc_SysListView32", 0, 1, Painter::list_view, true},
        {"ScrollBar", 0, 1, Painter::none, false},
    };
    for (const Case& c : cases) {
        const Restyling r = restyling_for(c.class_name, c.style, c.id);
        EXPECT_EQ(r.painter, c.painter) << c.class_name << " " << c.style;
        EXPECT_EQ(r.strip_edges, c.strip) << c.class_name << " " << c.style;
        EXPECT_EQ(r.unknown_class, std::string(c.class_name) == "ScrollBar") << c.class_name;
        EXPECT_EQ(r.strip_caption, c.painter == Painter::list_view) << c.class_name;
    }

    FakeStyle fake;
    DialogTemplate with_unknown = themed_template();
    with_unknown.controls.push_back({99, "msctls_trackbar32", 0, "", {0, 0, 10, 10}, 0, {}});
    Themed dialog(with_unknown, fake.get());
    platform::clear_recordings();
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(platform::debug_traces(), std::vector<std::string>{"\n****************** not subclassmsctls_trackbar32\n"});
    EXPECT_EQ(platform::window_subclass_reference(dialog.GetDlgItem(99), kDesignDialogSubclass), std::nullopt);
    for (const int id : {kEdit, kCombo, kCheck, kRadio, kPush, kGroup, kLabel})
        EXPECT_EQ(platform::window_subclass_reference(dialog.GetDlgItem(id), kDesignDialogSubclass),
                  reinterpret_cast<std::uintptr_t>(static_cast<const ThemedOwner*>(&dialog)))
            << id;
    EXPECT_EQ(platform::window_style(dialog.GetDlgItem(kEdit)) & style::kBorder, 0u);
    EXPECT_EQ(platform::window_ex_style(dialog.GetDlgItem(kEdit)) & style::kClientEdge, 0u);
    EXPECT_NE(platform::window_style(dialog.GetDlgItem(kPush)) & style::kBorder, 0u);  // the push button keeps it
}

// The drawing of one control after a repaint at `rect`.
std::vector<std::string> painted(Themed& dialog, int id, Rect rect) {
    platform::move_window(dialog.GetDlgItem(id), rect, false);
    platform::clear_recordings();
    platform::redraw_window(dialog.GetDlgItem(id));
    return platform::drawings();
}

// A caption as the painters draw it: in the style's dialog font, on a
// transparent background.
std::string caption(const char* drawn, const char* colour, const char* format) {
    return std::string(drawn) + " " + colour + " on transparent font Fake Dialog " + format;
}

TEST(Painters, BoxButtonsPushButtonsAndTheirStates) {
    FakeStyle fake;  // item height 16: images 16 / 4 × 2.5 = 10 pixels, captions 13 pixels away
    Themed dialog(themed_template(), fake.get());
    ASSERT_TRUE(dialog.Create());
    const char *text = "#480808", *disabled = "#490909";  // button text enabled (entry 8) and disabled (9)
    const std::string key = " transparent #571717";      // the transparent key, entry 23
    const platform::Hwnd check = dialog.GetDlgItem(kCheck);
    using Drawn = std::vector<std::string>;

    platform::set_check(check, 1);
    // Taller than the item height: wrapped and centred (one line of 8 × 5 pixels, 14 high).
    EXPECT_EQ(painted(dialog, kCheck, {0, 0, 100, 20}),
              (Drawn{"12 image CHECK_OK 0,5,10,15" + key, caption("12 text \"Check me\" 13,3,100,17", text, "wrap")}));
    platform::set_check(check, 0);
    EXPECT_EQ(painted(dialog, kCheck, {0, 0, 100, 14}),
              (Drawn{"12 image CHECK_NO 0,2,10,12" + key,
                     caption("12 text \"Check me\" 13,0,100,14", text, "middle single")}));
    platform::set_window_style(check, platform::window_style(check) | style::kLeftText);
    platform::enable_window(check, false);
    EXPECT_EQ(painted(dialog, kCheck, {0, 0, 100, 14}),
              (Drawn{"12 image CHECK_DISABLED 90,2,100,12" + key,
                     caption("12 text \"Check me\" 0,0,87,14", disabled, "right middle single")}));
    platform::set_check(dialog.GetDlgItem(kRadio), 1);
    EXPECT_EQ(painted(dialog, kRadio, {0, 0, 100, 14})[0], "13 image RADIO_BUTTON_ON 0,2,10,12" + key);

    // "Cancel" is 30 pixels in one line: 20 wide takes two lines of 14, 30 wide one.
    EXPECT_EQ(painted(dialog, kPush, {0, 0, 20, 40}),
              (Drawn{"14 image BUTTON 0,0,20,40", caption("14 text \"Cancel\" 0,6,20,34", text, "centre wrap")}));
    EXPECT_EQ(painted(dialog, kPush, {0, 0, 30, 40})[1], caption("14 text \"Cancel\" 0,13,30,27", text, "centre wrap"));
    for (const auto& [hovered, image] : {std::pair{kPush, "BUTTON_OVER"}, {kEdit, "BUTTON"}}) {  // in, then out
        platform::clear_recordings();
        platform::perform(dialog.window(), platform::UserAction::hover(hovered));
        EXPECT_EQ(platform::drawings()[0], std::string("14 image ") + image + " 0,0,30,40");
    }
}

// The framework under the themed base: data exchange on OK, a failure keeps
// the dialog open with the focus on its control; tool tips and help reach
// their operations.
TEST(Framework, OkExchangesAndAFailureKeepsTheDialogOpenOnTheControl) {
    FakeStyle fake;
    Themed entry(themed_template(), fake.get());
    SetUtilWhwnd(nullptr);
    platform::clear_recordings();
    using platform::UserAction;
    // The failing OK puts the focus back on the quantity, where F1 finds it.
    platform::set_script({UserAction::type(kEdit, "0"), UserAction::focus(kCombo), UserAction::enter(),
                          UserAction::help(), UserAction::type(kEdit, "12"),
                          UserAction::type(kName, "far too long a name"), UserAction::hover(kEdit),
                          UserAction::hover(kCombo), UserAction::enter()});
    EXPECT_EQ(entry.DoModal(), 1);
    EXPECT_EQ(entry.quantity, 12);
    EXPECT_EQ(entry.name, "far too ");  // the limit holds against typing
    EXPECT_EQ(entry.helped, kEdit);
    const std::vector<std::string> expected{
        "dialog \"Themed\"",
        "message box \"Dialog Validation\": \"Number entered is invalid.\\nNumber must be between 1 and 9999.\" "
        "owner none",
        "F1",
        "tool tip 10: \"Quantity in current assembly\"",
        "tool tip 11: none",
        "end 1",
    };
    EXPECT_EQ(platform::transcript(), expected);
    Dialog missing(4242, nullptr);
    EXPECT_EQ(missing.DoModal(), -1);

    // A text longer than its limit (set, as no typing can make one) fails on
    // its control.
    ASSERT_TRUE(entry.Create());
    platform::set_window_text(entry.GetDlgItem(kName), "nine char");
    platform::clear_recordings();
    EXPECT_FALSE(entry.UpdateData(true));
    EXPECT_EQ(platform::transcript(),
              std::vector<std::string>{
                  "message box \"Dialog Validation\": \"Enter no more than 8 characters.\" owner \"Themed\""});
    EXPECT_EQ(platform::focused_window(), entry.GetDlgItem(kName));
}

TEST(Framework, WithoutAStyleTheDialogKeepsThePlatformLook) {
    Themed dialog(themed_template(), nullptr);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.horizontal_scale(), 0.0f);
    EXPECT_EQ(platform::rect_in_parent(dialog.GetDlgItem(kEdit)), (Rect{10, 20, 110, 32}));
    EXPECT_EQ(platform::window_subclass_reference(dialog.GetDlgItem(kEdit), kDesignDialogSubclass), std::nullopt);
    EXPECT_EQ(dialog.WindowProcedure(platform::message::kCtlColorEdit, 0,
                                     reinterpret_cast<std::intptr_t>(dialog.GetDlgItem(kEdit))),
              0);
}

}  // namespace
}  // namespace gjbz108a::toolkit
