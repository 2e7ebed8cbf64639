// The templates built from the tables: every control of the tables present
// once with its label to its left, nothing overlapping, group boxes around
// what they frame.
#include "dialogs/template_layout.h"

#include "dialogs/header_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace gjbz108a {
namespace {

using platform::ControlTemplate;
using platform::DialogTemplate;
using platform::Rect;
namespace style = platform::style;

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool is_frame(const ControlTemplate& control) {
    return control.class_name == "Button" && (control.style & 0xF) == style::kGroupBox;
}

std::vector<DialogTemplate> all_templates() {
    std::vector<DialogTemplate> templates{header_template(), search_results_template()};
    for (const CategoryDialog& dialog : category_dialogs()) templates.push_back(category_template(dialog));
    return templates;
}

TEST(TemplateLayout, EveryTemplateFitsWithoutOverlapsAndUniqueIds) {
    for (const DialogTemplate& dialog : all_templates()) {
        SCOPED_TRACE(dialog.title);
        const Rect bounds{0, 0, dialog.client_size.width, dialog.client_size.height};
        std::set<int> ids;
        for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
            const ControlTemplate& control = dialog.controls[i];
            EXPECT_GT(control.rect.width(), 0) << control.text;
            EXPECT_GT(control.rect.height(), 0) << control.text;
            EXPECT_TRUE(inside(control.rect, bounds)) << control.id << ' ' << control.text;
            // Edits are 12 dialog units high: 19.5 pixels at the template font's base height of 13,
            // each edge rounded down.
            if (control.class_name == "Edit") {
                EXPECT_TRUE(control.rect.height() == 19 || control.rect.height() == 20) << control.id;
            }
            // A text takes an average character width (5 pixels of the template font) a character.
            if (control.class_name == "Static" && !control.text.starts_with('#')) {
                EXPECT_GE(control.rect.width(), 5 * static_cast<int>(control.text.size())) << control.text;
            }
            if (control.id != kStaticId) {
                EXPECT_TRUE(ids.insert(control.id).second) << control.id;
            }
            // A frame may hold controls but never cuts another frame.
            const bool frame = is_frame(control);
            for (std::size_t j = i + 1; j < dialog.controls.size(); ++j) {
                const ControlTemplate& other = dialog.controls[j];
                if (frame != is_frame(other)) continue;
                EXPECT_FALSE(overlap(control.rect, other.rect))
                    << control.id << ' ' << control.text << " / " << other.id << ' ' << other.text;
            }
        }
    }
}

// The header and the push buttons are laid out by the same code in every
// template; what differs is each category's rows and the group boxes that
// frame them.
TEST(TemplateLayout, CategoryTemplatesShowEveryControlWithItsLabelAndFrameTheirGroups) {
    for (const CategoryDialog& category : category_dialogs()) {
        SCOPED_TRACE(category.class_name);
        const DialogTemplate dialog = category_template(category);
        EXPECT_EQ(dialog.title, category.title);
        for (const CategoryControl& row : category.controls) {
            const auto found = std::ranges::find(dialog.controls, row.id, &ControlTemplate::id);
            ASSERT_NE(found, dialog.controls.end()) << row.id;
            ASSERT_NE(found, dialog.controls.begin());
            const ControlTemplate& control = *found;
            const ControlTemplate& label = *std::prev(found);
            EXPECT_EQ(control.class_name, row.kind == ControlKind::list ? "ComboBox" : "Edit");
            EXPECT_EQ(label.class_name, "Static");
            EXPECT_EQ(label.text, row.label);
            EXPECT_LE(label.rect.right, control.rect.left);
            EXPECT_TRUE(label.rect.top >= control.rect.top && label.rect.top < control.rect.bottom);
            for (const GroupBox& group : category.group_boxes) {
                const auto frame = std::ranges::find_if(dialog.controls, [&group](const ControlTemplate& box) {
                    return is_frame(box) && box.text == group.text;
                });
                ASSERT_NE(frame, dialog.controls.end()) << group.text;
                const bool member = std::ranges::count(group.controls, row.id) > 0;
                EXPECT_EQ(inside(label.rect, frame->rect), member && group.framed != Framed::controls) << row.id;
                EXPECT_EQ(inside(control.rect, frame->rect), member && group.framed != Framed::labels) << row.id;
                if (!member) {
                    EXPECT_FALSE(overlap(control.rect, frame->rect) || overlap(label.rect, frame->rect)) << row.id;
                }
            }
            if (row.kind != ControlKind::list) continue;
            EXPECT_EQ(control.style & 0x3, style::kComboDropDownList);
            ASSERT_EQ(control.items.size(), row.entries.size() + 1);
            EXPECT_EQ(control.items.front(), "---");
            EXPECT_TRUE(std::ranges::equal(std::span(control.items).subspan(1), row.entries));
        }
    }
}

}  // namespace
}  // namespace gjbz108a
