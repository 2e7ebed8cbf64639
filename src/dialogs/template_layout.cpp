#include "dialogs/template_layout.h"

#include "dialogs/header_controls.h"
#include "method/field_types.h"

#include <algorithm>

namespace gjbz108a {
namespace {

constexpr int kMargin = 7;
constexpr int kCharWidth = 4;
constexpr int kControlHeight = 12;  // edits and closed drop-down lists
constexpr int kLabelHeight = 8;
constexpr int kLabelDrop = 2;       // a label sits this far below its control's top
constexpr int kRowPitch = 16;

constexpr Rect kIcon{kMargin, kMargin, 20, 20};

// The header: fields in pairs, left and right column, four rows; the image
// buttons in a row below them.
constexpr int kHeaderLeft = 34;  // right of the icon
constexpr int kHeaderLabelWidth = 52;
constexpr int kHeaderColumnLeft[2]{kHeaderLeft, 188};
constexpr int kHeaderControlWidth[2]{96, 80};
constexpr int kNumberWidth = 40;     // QTY and Temp
constexpr int kImageButtonWidth = 24, kImageButtonHeight = 20, kImageButtonGap = 4;
constexpr int kHeaderBottom = kMargin + 4 * kRowPitch + 2 + kImageButtonHeight;

// Category rows.
constexpr int kRowLeft = 14;        // inside a group box's frame
constexpr int kLabelGap = 18;       // room for the frames of two group boxes side by side
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

int right(const Rect& rect) { return rect.x + rect.width; }
int bottom(const Rect& rect) { return rect.y + rect.height; }

TemplateControl control(int id, ControlStyle style, std::string_view text, Rect rect) {
    TemplateControl made{};
    made.id = id;
    made.style = style;
    made.text = text;
    made.rect = rect;
    return made;
}

TemplateControl label(std::string_view text, int id, int x, int row_top, int width) {
    return control(id, ControlStyle::label, text, {x, row_top + kLabelDrop, width, kLabelHeight});
}

// A closed drop-down list is one control high; the themed base gives it room
// for its list.
TemplateControl drop_down_list(int id, Rect rect, std::span<const std::string_view> entries) {
    TemplateControl list = control(id, ControlStyle::drop_down_list, {}, rect);
    list.items.reserve(entries.size() + 1);
    list.items.emplace_back(kUndefinedText);
    list.items.insert(list.items.end(), entries.begin(), entries.end());
    return list;
}

int list_width(std::span<const std::string_view> entries) {
    int widest = 0;
    for (std::string_view entry : entries) widest = std::max(widest, text_width(entry));
    return std::clamp(widest + kDropButtonWidth, kMinListWidth, kMaxListWidth);
}

void add_header(std::vector<TemplateControl>& controls) {
    const auto fields = header_fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const HeaderField& field = fields[i];
        const std::size_t column = i % 2;
        const int top = kMargin + static_cast<int>(i / 2) * kRowPitch;
        const int label_x = kHeaderColumnLeft[column];
        const int x = label_x + kHeaderLabelWidth + 2;
        const bool number = field.exchange == HeaderExchange::quantity || field.exchange == HeaderExchange::real;
        const Rect rect{x, top, number ? kNumberWidth : kHeaderControlWidth[column], kControlHeight};
        controls.push_back(label(field.label, field.label_id, label_x, top, kHeaderLabelWidth));
        if (field.kind == ControlKind::list)
            controls.push_back(drop_down_list(field.id, rect, {}));
        else
            controls.push_back(control(field.id, ControlStyle::edit, {}, rect));
        if (!field.unit.empty())
            controls.push_back(label(field.unit, field.unit_id, right(rect) + 2, top, unit_width(field.unit)));
    }
    int x = kHeaderLeft;
    const int top = kMargin + 4 * kRowPitch + 2;
    for (const HeaderButton& button : header_buttons()) {
        if (!button.image) continue;
        controls.push_back(control(button.id, ControlStyle::image_button, button.caption,
                                   {x, top, kImageButtonWidth, kImageButtonHeight}));
        x += kImageButtonWidth + kImageButtonGap;
    }
}

// `buttons` in a row at the bottom right, below `content_bottom`; sets the
// template's size.
void close_template(DialogTemplate& dialog, int content_bottom, std::span<const HeaderButton> buttons) {
    const int count = static_cast<int>(buttons.size());
    const int row_width = count * kButtonWidth + (count - 1) * kButtonGap;
    int width = 0;
    for (const TemplateControl& control : dialog.controls) width = std::max(width, right(control.rect));
    width = std::max(width, row_width + kMargin) + kMargin;
    const int top = content_bottom + 10;
    int x = width - kMargin - row_width;
    for (const HeaderButton& button : buttons) {
        const ControlStyle style = button.id == kOkId ? ControlStyle::default_push_button : ControlStyle::push_button;
        dialog.controls.push_back(control(button.id, style, button.caption, {x, top, kButtonWidth, kButtonHeight}));
        x += kButtonWidth + kButtonGap;
    }
    dialog.width = width;
    dialog.height = top + kButtonHeight + kMargin;
}

bool starts_group(const CategoryDialog& dialog, int id) {
    return std::ranges::any_of(dialog.group_boxes, [id](const GroupBox& group) { return group.controls.front() == id; });
}

bool ends_group(const CategoryDialog& dialog, int id) {
    return std::ranges::any_of(dialog.group_boxes, [id](const GroupBox& group) { return group.controls.back() == id; });
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

Rect frame(const CategoryDialog& dialog, const Rows& rows, const GroupBox& group) {
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
int add_category_rows(std::vector<TemplateControl>& controls, const CategoryDialog& dialog, int top) {
    const Rows rows(dialog, top);
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const CategoryControl& row = dialog.controls[i];
        for (const GroupBox& group : dialog.group_boxes)
            if (group.controls.front() == row.id)
                controls.push_back(control(kStaticId, ControlStyle::group_box, group.text, frame(dialog, rows, group)));
        const int y = rows.tops[i];
        const Rect rect{rows.control_x, y, control_width(row), kControlHeight};
        controls.push_back(label(row.label, kStaticId, kRowLeft, y, rows.label_width));
        if (row.kind == ControlKind::list)
            controls.push_back(drop_down_list(row.id, rect, row.entries));
        else
            controls.push_back(control(row.id, ControlStyle::edit, {}, rect));
        if (!row.unit.empty()) controls.push_back(label(row.unit, kStaticId, right(rect) + 2, y, unit_width(row.unit)));
    }
    return rows.bottom;
}

}  // namespace

std::string_view window_class(ControlStyle style) noexcept {
    switch (style) {
    case ControlStyle::label:
    case ControlStyle::icon: return "Static";
    case ControlStyle::group_box:
    case ControlStyle::push_button:
    case ControlStyle::default_push_button:
    case ControlStyle::image_button: return "Button";
    case ControlStyle::edit: return "Edit";
    case ControlStyle::drop_down_list: return "ComboBox";
    case ControlStyle::sorted_list_box: return "ListBox";
    }
    return {};
}

DialogTemplate header_template() {
    DialogTemplate dialog{kHeaderTemplateId, kHeaderTemplateTitle, 0, 0, {}};
    add_header(dialog.controls);
    close_template(dialog, kHeaderBottom, push_buttons());
    return dialog;
}

DialogTemplate category_template(const CategoryDialog& category) {
    DialogTemplate dialog{category.template_id, category.title, 0, 0, {}};
    dialog.controls.push_back(control(kStaticId, ControlStyle::icon, {}, kIcon));
    dialog.controls.back().icon = category.icon;
    add_header(dialog.controls);
    const int top = kHeaderBottom + 10;
    const int content_bottom = category.controls.empty() ? kHeaderBottom : add_category_rows(dialog.controls, category, top);
    close_template(dialog, content_bottom, push_buttons());
    return dialog;
}

DialogTemplate search_results_template() {
    DialogTemplate dialog{kSearchResultsTemplateId, "Search Results", 0, 0, {}};
    dialog.controls.push_back(control(kSearchResultsListId, ControlStyle::sorted_list_box, {}, {kMargin, kMargin, 176, 100}));
    close_template(dialog, bottom(dialog.controls.back().rect), header_buttons().first(2));  // OK and Cancel
    return dialog;
}

}  // namespace gjbz108a
