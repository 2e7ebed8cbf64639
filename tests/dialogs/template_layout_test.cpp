// The templates built from the tables: every control of the tables present
// once with its label to its left, nothing overlapping, the header where
// template 107 has it, group boxes around what they frame.
#include "dialogs/template_layout.h"

#include "dialogs/header_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace gjbz108a {
namespace {

bool overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

std::vector<DialogTemplate> all_templates() {
    std::vector<DialogTemplate> templates{header_template(), search_results_template()};
    for (const CategoryDialog& dialog : category_dialogs()) templates.push_back(category_template(dialog));
    return templates;
}

std::size_t index_of(const DialogTemplate& dialog, int id) {
    const auto found = std::ranges::find(dialog.controls, id, &TemplateControl::id);
    return static_cast<std::size_t>(found - dialog.controls.begin());
}

TEST(TemplateLayout, EveryTemplateFitsWithoutOverlapsAndUniqueIds) {
    for (const DialogTemplate& dialog : all_templates()) {
        SCOPED_TRACE(dialog.id);
        const Rect bounds{0, 0, dialog.width, dialog.height};
        std::set<int> ids;
        for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
            const TemplateControl& control = dialog.controls[i];
            EXPECT_GT(control.rect.width, 0) << control.text;
            EXPECT_GT(control.rect.height, 0) << control.text;
            EXPECT_TRUE(inside(control.rect, bounds)) << control.id << ' ' << control.text;
            EXPECT_FALSE(window_class(control.style).empty());
            if (control.id != kStaticId) {
                EXPECT_TRUE(ids.insert(control.id).second) << control.id;
            }
            // A frame may hold controls but never cuts another frame.
            const bool frame = control.style == ControlStyle::group_box;
            for (std::size_t j = i + 1; j < dialog.controls.size(); ++j) {
                const TemplateControl& other = dialog.controls[j];
                if (frame != (other.style == ControlStyle::group_box)) continue;
                EXPECT_FALSE(overlap(control.rect, other.rect))
                    << control.id << ' ' << control.text << " / " << other.id << ' ' << other.text;
            }
        }
    }
}

TEST(TemplateLayout, CategoryTemplatesRepeatTheHeaderAndShowEveryControlWithItsLabel) {
    const DialogTemplate header = header_template();
    EXPECT_EQ(header.id, kHeaderTemplateId);
    for (const CategoryDialog& category : category_dialogs()) {
        SCOPED_TRACE(category.class_name);
        const DialogTemplate dialog = category_template(category);
        EXPECT_EQ(dialog.id, category.template_id);
        EXPECT_EQ(dialog.title, category.title);
        const auto icon = std::ranges::find(dialog.controls, ControlStyle::icon, &TemplateControl::style);
        ASSERT_NE(icon, dialog.controls.end());
        EXPECT_EQ(icon->icon, category.icon);
        // The header's fields, labels and image buttons lie where template 107
        // has them; OK, Cancel and Help close each template below its rows.
        for (const TemplateControl& control : header.controls) {
            const std::size_t at = index_of(dialog, control.id);
            ASSERT_LT(at, dialog.controls.size()) << control.id;
            const TemplateControl& repeated = dialog.controls[at];
            EXPECT_EQ(repeated.text, control.text);
            EXPECT_EQ(repeated.style, control.style);
            const bool push_button = control.id == kOkId || control.id == kCancelId || control.id == kHelpId;
            if (!push_button) {
                EXPECT_TRUE(inside(repeated.rect, control.rect) && inside(control.rect, repeated.rect)) << control.id;
            }
        }
        for (const CategoryControl& row : category.controls) {
            const std::size_t at = index_of(dialog, row.id);
            ASSERT_LT(at, dialog.controls.size()) << row.id;
            ASSERT_GT(at, 0u);
            const TemplateControl& control = dialog.controls[at];
            const TemplateControl& label = dialog.controls[at - 1];
            EXPECT_EQ(control.style, row.kind == ControlKind::list ? ControlStyle::drop_down_list : ControlStyle::edit);
            EXPECT_EQ(label.style, ControlStyle::label);
            EXPECT_EQ(label.text, row.label);
            EXPECT_LE(label.rect.x + label.rect.width, control.rect.x);
            EXPECT_TRUE(label.rect.y >= control.rect.y && label.rect.y < control.rect.y + control.rect.height);
            if (row.kind != ControlKind::list) continue;
            ASSERT_EQ(control.items.size(), row.entries.size() + 1);
            EXPECT_EQ(control.items.front(), "---");
            EXPECT_TRUE(std::ranges::equal(std::span(control.items).subspan(1), row.entries));
        }
    }
}

TEST(TemplateLayout, GroupBoxesFrameTheirRowsAndNothingElse) {
    for (const CategoryDialog& category : category_dialogs()) {
        const DialogTemplate dialog = category_template(category);
        for (const GroupBox& group : category.group_boxes) {
            SCOPED_TRACE(testing::Message() << category.class_name << ' ' << group.text);
            const auto frame = std::ranges::find_if(dialog.controls, [&group](const TemplateControl& control) {
                return control.style == ControlStyle::group_box && control.text == group.text;
            });
            ASSERT_NE(frame, dialog.controls.end());
            for (const CategoryControl& row : category.controls) {
                const std::size_t at = index_of(dialog, row.id);
                const Rect& label = dialog.controls[at - 1].rect;
                const Rect& control = dialog.controls[at].rect;
                const bool member = std::ranges::count(group.controls, row.id) > 0;
                EXPECT_EQ(inside(label, frame->rect), member && group.framed != Framed::controls) << row.id;
                EXPECT_EQ(inside(control, frame->rect), member && group.framed != Framed::labels) << row.id;
                if (!member) {
                    EXPECT_FALSE(overlap(control, frame->rect) || overlap(label, frame->rect)) << row.id;
                }
            }
        }
    }
}

TEST(TemplateLayout, SearchResultsHasItsSortedListOkAndCancel) {
    const DialogTemplate dialog = search_results_template();
    EXPECT_EQ(dialog.id, kSearchResultsTemplateId);
    ASSERT_EQ(dialog.controls.size(), 3u);
    EXPECT_EQ(dialog.controls[0].id, kSearchResultsListId);
    EXPECT_EQ(dialog.controls[0].style, ControlStyle::sorted_list_box);
    EXPECT_EQ(dialog.controls[1].style, ControlStyle::default_push_button);
    EXPECT_EQ(dialog.controls[1].id, kOkId);
    EXPECT_EQ(dialog.controls[2].id, kCancelId);
}

}  // namespace
}  // namespace gjbz108a
