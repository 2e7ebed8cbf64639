// The category dialogs live: the documented rules of the part types and the
// quality levels as the user meets them, through the lists' selections.
#include "dialog_fixture.h"

#include "dialogs/dialog_texts.h"

#include <set>

namespace gjbz108a::test {
namespace {

using platform::UserAction;

// A part type chosen in the Type list and what that leaves enabled or not:
// the rule tables of every category are checked on their own; these rows
// check that a selection reaches them, with each of two quality lists.
struct TypeCase {
    unsigned item_code;
    int type;
    std::set<int> enabled;
    std::set<int> disabled;
};

const std::vector<TypeCase> kTypeCases{
    {5, 2, {1009}, {1137}},                            // resistor, Metal Film
    {5, 12, {1137, 1009}, {}},                         // Network
    {18, 8, {1224}, {1226}},                           // inductive, RF transformer
    {18, 9, {1226}, {1224}},                           // Coil Fixed
};

using CategoryDialogLive = DialogTest;

TEST_F(CategoryDialogLive, PartTypesDisableWhatTheyDoNotUse) {
    for (const TypeCase& c : kTypeCases) {
        SCOPED_TRACE(testing::Message() << c.item_code << " type " << c.type);
        auto dialog = open(c.item_code);
        perform(*dialog, {UserAction::select(1001, c.type)});
        for (int id : c.enabled) EXPECT_TRUE(enabled(*dialog, id)) << id;
        for (int id : c.disabled) EXPECT_FALSE(enabled(*dialog, id)) << id;
    }
}

// "PI q:" is enabled for "---" and "User-definable" of the quality list,
// disabled for every other level, in every category with that rule, once a
// part type is chosen; choosing "---" as the type asks for one and disables
// every parameter.
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
        if (find_control(table, kUserQualityId) && find_control(table, kQualityListId) &&
            enabled(*dialog, kQualityListId)) {
            const platform::Hwnd quality = dialog->GetDlgItem(kQualityListId);
            const int user = platform::find_string_exact(quality, -1, "User-definable");
            ASSERT_GT(user, 1);
            perform(*dialog, {UserAction::select(kQualityListId, 1)});
            EXPECT_FALSE(enabled(*dialog, kUserQualityId));
            perform(*dialog, {UserAction::select(kQualityListId, user)});
            EXPECT_TRUE(enabled(*dialog, kUserQualityId));
            perform(*dialog, {UserAction::select(kQualityListId, 1), UserAction::select(kQualityListId, 0)});
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

// Defaults of an existing set fix the part type; review defaults fixes it too,
// in the gas lasers as everywhere.
TEST_F(CategoryDialogLive, TheTypeListIsFixedForAnExistingSet) {
    for (unsigned code : {3u, 16u, 30u}) {
        auto dialog = open(code, EditingMode::defaults, 0);
        EXPECT_FALSE(enabled(*dialog, kTypeListId)) << code;
        auto fresh = open(code, EditingMode::defaults, 1);
        EXPECT_TRUE(enabled(*fresh, kTypeListId)) << code;
    }
    CM08_116 lasers(nullptr);
    EXPECT_EQ(lasers.table().template_id, 123);
    CM08_133 miscellaneous(nullptr);
    EXPECT_EQ(miscellaneous.table().template_id, 141);
}

}  // namespace
}  // namespace gjbz108a::test
