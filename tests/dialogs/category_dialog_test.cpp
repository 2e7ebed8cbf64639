// The category dialogs live: the documented rules of the part types and the
// quality levels as the user meets them, through the lists' selections.
#include "dialog_fixture.h"

#include <set>

namespace gjbz108a::test {
namespace {

using platform::UserAction;

using CategoryDialogLive = DialogTest;

// The rule tables are checked entry by entry on their own, and every category
// runs the same dialog over its table; here, in the resistor's, that the
// selections reach them: a part type disables what its rules name, a quality
// level switches "PI q:", and "---" as the type asks for one and disables
// every parameter. That an existing set of defaults fixes the part type is
// seen through edit_item.
TEST_F(CategoryDialogLive, TheListsSelectionsReachTheRules) {
    constexpr int kResistors = 1137;
    const auto enabled_now = [](const CategoryEditDialog& dialog) {
        std::set<int> ids;
        for (int id : {kResistors, kQualityListId, kUserQualityId})
            if (enabled(dialog, id)) ids.insert(id);
        return ids;
    };
    struct Step {
        int list, index;
        std::set<int> enabled;
    };
    const Step steps[]{
        {kTypeListId, 12, {kResistors, kQualityListId, kUserQualityId}},  // a network, quality "---"
        {kQualityListId, 1, {kResistors, kQualityListId}},
        {kQualityListId, 6, {kResistors, kQualityListId, kUserQualityId}},  // "User-definable"
        {kTypeListId, kMetalFilmStyle, {kQualityListId, kUserQualityId}},
        {kTypeListId, 0, {}},
    };
    auto dialog = open(kResistor);
    EXPECT_EQ(enabled_now(*dialog), std::set<int>{});  // until a part type is chosen
    for (const Step& step : steps) {
        perform(*dialog, {UserAction::select(step.list, step.index)});
        EXPECT_EQ(enabled_now(*dialog), step.enabled) << step.list << ' ' << step.index;
    }
    EXPECT_EQ(message_boxes(), std::vector<std::string>{kTypeMissing});  // for "---" alone
}

}  // namespace
}  // namespace gjbz108a::test
