#include "dialogs/template_layout.h"

#include "dialogs/header_controls.h"
#include "records/field_types.h"

#include <algorithm>
#include <string>

namespace gjbz108a {
namespace {

namespace style = platform::style;

// Base units of the template font (the platform's default dialog font): its
// average character width and its height in pixels.
constexpr int kBaseWidth = 5, kBaseHeight = 13;

// A rectangle in dialog units.
struct Box {
    int x, y, width, height;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
};

platform::Rect to_pixels(const Box& box) {
    const auto across = [](int units) { return units * kBaseWidth / 4; };
    const auto down = [](int units) { return units * kBaseHeight / 8; };
    return {across(box.x), down(box.y), across(box.right()), down(box.bottom())};
}

constexpr int kMargin = 7;
constexpr int kCharWidth = 4;       // dialog units of an average character
constexpr int kControlHeight = 12;  // edits and closed drop-down lists
constexpr int kLabelHeight = 8;
constexpr int kLabelDrop = 2;  // a label sits this far below its control's top
constexpr int kRowPitch = 16;

constexpr Box kIcon{kMargin, kMargin, 20, 20};

// The header: fields in pairs, left and right column, four rows; the image
// buttons in a row below them.
constexpr int kHeaderLeft = 34;  // right of the icon
constexpr int kHeaderLabelWidth = 52;
constexpr int kHeaderColumnLeft[2]{kHeaderLeft, 188};
constexpr int kHeaderControlWidth[2]{96, 80};
constexpr int kNumberWidth = 40;  // QTY and Temp
constexpr int kImageButtonWidth = 24, kImageButtonHeight = 20, kImageButtonGap = 4;
constexpr int kImageButtonTop = kMargin + 4 * kRowPitch + 2;
constexpr int kHeaderBottom = kImageButtonTop + kImageButtonHeight;

// Category rows.
constexpr int kRowLeft = 14;   // inside a group box's frame
constexpr int kLabelGap = 18;  // room for the frames of two group boxes side by side
constexpr int kMinLabelWidth = 48;
constexpr int kEditWidth = 60;
constexpr int kMinListWidth = 60, kMaxListWidth = 200;
constexpr int kDropButtonWidth = 16;
constexpr int kGroupCaption = 11, kGroupBottom = 6;  // frame above the first and below the last row
constexpr int kFramePad = kRowLeft - kMargin;        // between a frame and what it frames, across

constexpr int kButtonWidth = 50, kButtonHeight = 14, kButtonGap = 4;

// OK, Cancel and Help lead the header's buttons.
std::span<const HeaderButton> push_buttons() noexcept { return header_buttons().first(3); }

int text_width(std::string_view text) { return static_cast<int>(text.size()) * kCharWidth; }
int unit_width(std::string_view unit) { return text_width(unit) + 4; }

// The template being built, with the rectangles still in dialog units.
struct Layout {
    struct Control {
        platform::ControlTemplate made;
        Box box;
    };
    std::vector<Control> controls;

    platform::ControlTemplate& add(int id, std::string_view class_name, std::uint32_t style, std::string_view text,
                                   const Box& box) {
        Control control{{}, box};
        control.made.id = id;
        control.made.class_name = class_name;
        control.made.style = style;
        control.made.text = text;
        controls.push_back(std::move(control));
        return controls.back().made;
    }

    void label(std::string_view text, int id, int x, int row_top, int width) {
        add(id, "Static", style::kStaticLeft, text, {x, row_top + kLabelDrop, width, kLabelHeight});
    }

    void edit(int id, const Box& box) {
        add(id, "Edit", style::kBorder | style::kTabStop | style::kEditAutoHorizontalScroll, {}, box);
    }

    // A closed drop-down list is one control high; the themed base gives it
    // room for its list. Entry 0 is "---".
    void drop_down_list(int id, const Box& box, std::span<const std::string_view> entries) {
        auto& list = add(id, "ComboBox", style::kComboDropDownList | style::kVerticalScroll | style::kTabStop, {}, box);
        list.items.reserve(entries.size() + 1);
        list.items.emplace_back(kUndefinedText);
        list.items.insert(list.items.end(), entries.begin(), entries.end());
    }

    // `buttons` in a row at the bottom right, below `content_bottom`; then the
    // template in pixels.
    platform::DialogTemplate close(std::string_view title, int content_bottom, std::span<const HeaderButton> buttons) {
        const int count = static_cast<int>(buttons.size());
        const int row_width = count * kButtonWidth + (count - 1) * kButtonGap;
        int width = row_width + kMargin;
        for (const Control& control : controls) width = std::max(width, control.box.right());
        width += kMargin;
        const int top = content_bottom + 10;
        int x = width - kMargin - row_width;
        for (const HeaderButton& button : buttons) {
            const std::uint32_t kind = button.id == kOkId ? style::kDefaultPushButton : style::kPushButton;
            add(button.id, "Button", kind | style::kTabStop, button.caption, {x, top, kButtonWidth, kButtonHeight});
            x += kButtonWidth + kButtonGap;
        }
        platform::DialogTemplate dialog;
        dialog.title = title;
        const platform::Rect size = to_pixels({0, 0, width, top + kButtonHeight + kMargin});
        dialog.client_size = {size.right, size.bottom};
        for (Control& control : controls) {
            control.made.rect = to_pixels(control.box);
            dialog.controls.push_back(std::move(control.made));
        }
        return dialog;
    }
};

void add_header(Layout& layout) {
    const auto fields = header_fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const HeaderField& field = fields[i];
        const std::size_t column = i % 2;
        const int top = kMargin + static_cast<int>(i / 2) * kRowPitch;
        const int label_x = kHeaderColumnLeft[column];
        const bool number = field.exchange == HeaderExchange::quantity || field.exchange == HeaderExchange::real;
        const Box box{label_x + kHeaderLabelWidth + 2, top, number ? kNumberWidth : kHeaderControlWidth[column],
                      kControlHeight};
        layout.label(field.label, field.label_id, label_x, top, kHeaderLabelWidth);
        if (field.kind == ControlKind::list)
            layout.drop_down_list(field.id, box, {});
        else
            layout.edit(field.id, box);
        if (!field.unit.empty()) layout.label(field.unit, field.unit_id, box.right() + 2, top, unit_width(field.unit));
    }
    int x = kHeaderLeft;
    for (const HeaderButton& button : header_buttons()) {
        if (!button.image) continue;
        layout.add(button.id, "Button", style::kOwnerDrawButton | style::kTabStop, button.caption,
                   {x, kImageButtonTop, kImageButtonWidth, kImageButtonHeight});
        x += kImageButtonWidth + kImageButtonGap;
    }
}

bool starts_group(const CategoryDialog& dialog, int id) {
    return std::ranges::any_of(dialog.group_boxes, [id](const GroupBox& box) { return box.controls.front() == id; });
}

bool ends_group(const CategoryDialog& dialog, int id) {
    return std::ranges::any_of(dialog.group_boxes, [id](const GroupBox& box) { return box.controls.back() == id; });
}

int list_width(std::span<const std::string_view> entries) {
    int widest = 0;
    for (std::string_view entry : entries) widest = std::max(widest, text_width(entry));
    return std::clamp(widest + kDropButtonWidth, kMinListWidth, kMaxListWidth);
}

int control_width(const CategoryControl& control) {
    return control.kind == ControlKind::list ? list_width(control.entries) : kEditWidth;
}

// Where the category rows go: one label column, one control column, and the
// top of every row, with room above and below each group box's rows.
struct Rows {
    int label_width = kMinLabelWidth;
    int control_x = 0;
    std::vector<int> tops;
    int bottom = 0;  // of the last row or frame

    Rows(const CategoryDialog& dialog, int top) {
        for (const CategoryControl& row : dialog.controls) label_width = std::max(label_width, text_width(row.label));
        control_x = kRowLeft + label_width + kLabelGap;
        int y = top;
        for (const CategoryControl& row : dialog.controls) {
            if (starts_group(dialog, row.id)) y += kGroupCaption;
            tops.push_back(y);
            y += kControlHeight;
            if (ends_group(dialog, row.id)) y += kGroupBottom;
            bottom = y;
            y += kRowPitch - kControlHeight;
        }
    }

    int right_of(const CategoryControl& row) const {
        const int right = control_x + control_width(row);
        return row.unit.empty() ? right : right + 2 + unit_width(row.unit);
    }
};

std::size_t row_of(const CategoryDialog& dialog, int id) {
    const auto found = std::ranges::find(dialog.controls, id, &CategoryControl::id);
    return static_cast<std::size_t>(found - dialog.controls.begin());
}

Box frame(const CategoryDialog& dialog, const Rows& rows, const GroupBox& group) {
    const int top = rows.tops[row_of(dialog, group.controls.front())] - kGroupCaption;
    const int bottom = rows.tops[row_of(dialog, group.controls.back())] + kControlHeight + kGroupBottom;
    int widest = 0;
    for (int id : group.controls) widest = std::max(widest, rows.right_of(dialog.controls[row_of(dialog, id)]));
    int left = kMargin, right = widest + kFramePad;
    if (group.framed == Framed::labels) right = kRowLeft + rows.label_width + kFramePad;
    if (group.framed == Framed::controls) left = rows.control_x - kFramePad;
    return {left, top, right - left, bottom - top};
}

// The category rows from `top` down, each group box just before its first
// row; returns the bottom of the last row or frame.
int add_category_rows(Layout& layout, const CategoryDialog& dialog, int top) {
    const Rows rows(dialog, top);
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const CategoryControl& row = dialog.controls[i];
        for (const GroupBox& group : dialog.group_boxes)
            if (group.controls.front() == row.id)
                layout.add(kStaticId, "Button", style::kGroupBox, group.text, frame(dialog, rows, group));
        const int y = rows.tops[i];
        const Box box{rows.control_x, y, control_width(row), kControlHeight};
        layout.label(row.label, kStaticId, kRowLeft, y, rows.label_width);
        if (row.kind == ControlKind::list)
            layout.drop_down_list(row.id, box, row.entries);
        else
            layout.edit(row.id, box);
        if (!row.unit.empty()) layout.label(row.unit, kStaticId, box.right() + 2, y, unit_width(row.unit));
    }
    return rows.bottom;
}

}  // namespace

platform::DialogTemplate header_template() {
    Layout layout;
    add_header(layout);
    return layout.close(kHeaderTemplateTitle, kHeaderBottom, push_buttons());
}

platform::DialogTemplate category_template(const CategoryDialog& category) {
    Layout layout;
    // An icon static names its resource by number, as a template does.
    std::string icon(1, '#');
    icon += std::to_string(category.icon);
    layout.add(kStaticId, "Static", style::kStaticIcon, icon, kIcon);
    add_header(layout);
    const int content_bottom =
        category.controls.empty() ? kHeaderBottom : add_category_rows(layout, category, kHeaderBottom + 10);
    return layout.close(category.title, content_bottom, push_buttons());
}

platform::DialogTemplate search_results_template() {
    Layout layout;
    layout.add(kSearchResultsListId, "ListBox",
               style::kListSort | style::kListNotify | style::kVerticalScroll | style::kBorder | style::kTabStop, {},
               {kMargin, kMargin, 176, 100});
    return layout.close("Search Results", kMargin + 100, header_buttons().first(2));  // OK and Cancel
}

}  // namespace gjbz108a
