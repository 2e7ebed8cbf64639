// The category dialogs live: the documented rules of the part types and the
// quality levels as the user meets them, through the lists' selections.
#include "dialog_fixture.h"

#include "dialogs/category_rules.h"
#include "dialogs/dialog_texts.h"

#include <algorithm>

namespace gjbz108a::test {
namespace {

using platform::UserAction;

using CategoryDialogLive = DialogTest;

// The rule tables are checked level by level on their own; here, in every
// category, that a selection reaches them: a part type chosen in the Type list
// disables what its rules name, a quality level switches "PI q:", and "---" as
// the type asks for one and disables every parameter. That an existing set of
// defaults fixes the part type is seen through edit_item.
TEST_F(CategoryDialogLive, QualityLevelsAndTheTypeList) {
    for (const CategoryDialog& table : category_dialogs()) {
        SCOPED_TRACE(table.class_name);
        auto dialog = open(table.item_code);
        const bool typed = has_type_list(table);
        if (typed) {
            for (const CategoryControl& control : table.controls) {
                if (control.id != kTypeListId) {
                    EXPECT_FALSE(enabled(*dialog, control.id)) << control.id;
                }
            }
            perform(*dialog, {UserAction::select(kTypeListId, 1)});
        }
        const std::vector<int> off = disabled_by_type(table, 1);  // none without a Type list
        for (const CategoryControl& control : table.controls) {
            if (control.id == kUserQualityId) continue;  // follows the quality level
            EXPECT_EQ(enabled(*dialog, control.id), std::ranges::count(off, control.id) == 0) << control.id;
        }
        if (find_control(table, kUserQualityId) && find_control(table, kQualityListId) &&
            enabled(*dialog, kQualityListId)) {
            const platform::Hwnd quality = dialog->GetDlgItem(kQualityListId);
            const int user = platform::find_string_exact(quality, -1, "User-definable");
            ASSERT_GT(user, 1);
            perform(*dialog, {UserAction::select(kQualityListId, 1)});
            EXPECT_FALSE(enabled(*dialog, kUserQualityId));
            perform(*dialog, {UserAction::select(kQualityListId, user)});
            EXPECT_TRUE(enabled(*dialog, kUserQualityId));
        }
        if (!typed) continue;
        platform::clear_recordings();
        perform(*dialog, {UserAction::select(kTypeListId, 0)});
        EXPECT_EQ(message_boxes(), std::vector<std::string>{kTypeMissing});
        for (const CategoryControl& control : table.controls) {
            if (control.id != kTypeListId && control.id != kUserQualityId) {
                EXPECT_FALSE(enabled(*dialog, control.id)) << control.id;
            }
        }
    }
}

}  // namespace
}  // namespace gjbz108a::test
