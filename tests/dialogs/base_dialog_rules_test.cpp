// The base dialog's rules: what each mode hides, the global-change title and
// the help topic. What review defaults locks and hides and the empty-key
// messages show in the live dialog.
#include "dialogs/base_dialog_rules.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/header_controls.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace gjbz108a {
namespace {

TEST(BaseDialogRules, OpeningForDefaultsOrAGlobalChangeHidesThePlacementAndTheLibrary) {
    EXPECT_TRUE(hidden_on_open(EditingMode::single_part, 0).empty());
    // Every header field with its label and unit, and the six image buttons...
    std::set<int> everything;
    for (const HeaderField& field : header_fields()) {
        everything.insert({field.id, field.label_id});
        if (field.unit_id) everything.insert(field.unit_id);
    }
    for (const HeaderButton& button : header_buttons())
        if (button.image) everything.insert(button.id);
    // ...but the names and their labels in the conditions of a global change.
    std::set<int> conditions = everything;
    for (std::uint8_t kind = 1; kind <= 4; ++kind) {
        conditions.erase(name_field(kind)->id);
        conditions.erase(name_field(kind)->label_id);
    }
    const auto hidden = [](EditingMode mode, std::int32_t variant) {
        const std::vector<int> ids = hidden_on_open(mode, variant);
        const std::set<int> unique(ids.begin(), ids.end());
        EXPECT_EQ(unique.size(), ids.size());
        return unique;
    };
    EXPECT_EQ(hidden(EditingMode::defaults, 0), everything);
    EXPECT_EQ(hidden(EditingMode::defaults, 1), everything);
    EXPECT_EQ(hidden(EditingMode::global_change, 0), conditions);
    EXPECT_EQ(hidden(EditingMode::global_change, 1), everything);
    EXPECT_EQ(hidden(EditingMode::global_change, 7), everything);
}

TEST(BaseDialogRules, GlobalChangeTitleKeepsFiftyNineCharactersAndAddsItsStep) {
    const std::string title(find_category_dialog(7)->title);
    // Variants 0 and 1 show in the live global change; any other is New Values too.
    EXPECT_EQ(global_change_title(title, -1), title + kNewValuesSuffix);
    const std::string long_title(70, 'x');
    EXPECT_EQ(global_change_title(long_title, 0), std::string(59, 'x') + kConditionsSuffix);
}

TEST(BaseDialogRules, HelpTopicLiesBesideTheFolderThatHoldsTheEnvironmentList) {
    EXPECT_EQ(help_topic("D:\\HOST\\SCR\\ENV.LST", false), "D:\\HOST\\BIN\\User Manual.chm::/relcal_frpediction.htm");
    EXPECT_EQ(help_topic("F:\\HOST\\SCR\\ENV.LST", true), "C:\\HOST\\BIN\\User Manual.chm::/relcal_frpediction.htm");
    // The first "SCR" counts, wherever it stands.
    EXPECT_EQ(help_topic("D:\\SCRIPTS\\SCR\\ENV.LST", false), "D:\\BIN\\User Manual.chm::/relcal_frpediction.htm");
    for (const char* without : {"", "D:\\HOST\\scr\\ENV.LST", "D:\\HOST\\SC\\R"})
        EXPECT_EQ(help_topic(without, false), std::nullopt) << without;
}

}  // namespace
}  // namespace gjbz108a
