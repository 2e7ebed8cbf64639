// The rules of the category dialogs: what each part type disables and when
// "PI q:" follows the quality level, checked against rule tables written here
// from the documented rules, over all 28 categories.
#include "dialogs/category_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>
#include <vector>

namespace gjbz108a {
namespace {

using Mode = EditingMode;

// The documented type rules: for a type index, every control its rules disable.
struct TypeCase {
    unsigned item_code;
    std::uint8_t type;
    std::set<int> disabled;
};

const std::vector<TypeCase> kTypeCases{
    {2, 0, {}}, {2, 1, {5000, 1002}}, {2, 2, {1133}}, {2, 255, {}},
    {5, 0, {1137}}, {5, 2, {1137}}, {5, 11, {1137}}, {5, 12, {}}, {5, 255, {1137}},
    {7, 0, {5000}}, {7, 1, {5000}}, {7, 3, {5000}}, {7, 4, {1047, 5000}}, {7, 5, {1047, 5000}},
    {7, 9, {5000}}, {7, 10, {1047, 5000}}, {7, 11, {5000}}, {7, 12, {1047, 5000}}, {7, 13, {1047}},
    {7, 255, {5000}},
    {9, 0, {}}, {9, 1, {}}, {9, 2, {1183, 5000}},
    {10, 0, {1032, 1034}}, {10, 4, {1032, 1034}}, {10, 5, {1009, 1252}}, {10, 6, {1032, 1034, 1009, 1252}},
    {10, 255, {1032, 1034}},
    {12, 0, {1183}}, {12, 6, {1183}}, {12, 7, {1183, 1185}}, {12, 8, {1185}}, {12, 255, {}},
    {15, 0, {1216}}, {15, 7, {1216}}, {15, 8, {}}, {15, 255, {1216}},
    {18, 0, {1226}}, {18, 8, {1226}}, {18, 9, {1224}}, {18, 16, {1224}}, {18, 255, {1224}},
    {29, 0, {2000, 1256}}, {29, 13, {2000, 1256}}, {29, 14, {1009, 1252}}, {29, 15, {1009, 1252, 2000, 1256}},
    {29, 40, {1009, 1252, 2000, 1256}}, {29, 255, {1009, 1252, 2000, 1256}},
};

// The documented quality rules: the list "PI q:" follows, the index of
// "User-definable" in it, a type index for which the rule runs (0 where the
// category has no Type list) and one beside "---" for which it does not (0:
// none; connectors' fiber, the miscellaneous types from 14 on, and the other
// quality list's types of the inductive devices).
struct QualityCase {
    unsigned item_code;
    int list;
    std::uint8_t user_definable;
    std::uint8_t type;
    std::uint8_t type_without_rule = 0;
};

const std::vector<QualityCase> kQualityCases{
    {1, 1009, 8, 1},  {2, 1009, 8, 2},  {3, 1009, 8, 8},  {5, 1009, 6, 12}, {6, 1009, 6, 1},
    {7, 1009, 10, 1}, {8, 1009, 5, 4},  {9, 1009, 7, 2},  {10, 1009, 6, 4, 5}, {11, 1009, 8, 1},
    {12, 1009, 8, 8}, {13, 1009, 8, 10}, {14, 1009, 8, 3}, {15, 1009, 8, 8}, {18, 1224, 5, 8, 9},
    {18, 1226, 6, 9, 8}, {20, 1009, 4, 0}, {21, 1009, 5, 6}, {22, 1009, 5, 2}, {27, 1009, 6, 0},
    {29, 1009, 5, 13, 14}, {30, 1009, 5, 34}, {31, 1009, 4, 5}, {33, 1009, 9, 0},
};

const CategoryDialog& dialog_of(unsigned item_code) {
    const CategoryDialog* dialog = find_category_dialog(item_code);
    if (!dialog) throw std::invalid_argument("no dialog");
    return *dialog;
}

std::set<int> disabled_in(const std::vector<ControlState>& states) {
    std::set<int> disabled;
    for (const ControlState& state : states)
        if (!state.enabled) disabled.insert(state.id);
    return disabled;
}

bool state_of(const std::vector<ControlState>& states, int id) {
    const auto found = std::ranges::find(states, id, &ControlState::id);
    if (found == states.end()) throw std::invalid_argument("no such control");
    return found->enabled;
}

TEST(CategoryRules, EachTypeDisablesWhatItsCategoryDocuments) {
    for (const TypeCase& c : kTypeCases) {
        SCOPED_TRACE(testing::Message() << c.item_code << " type " << int{c.type});
        const CategoryDialog& dialog = dialog_of(c.item_code);
        const std::vector<int> by_type = disabled_by_type(dialog, c.type);
        EXPECT_EQ(std::set<int>(by_type.begin(), by_type.end()), c.disabled);
        // In defaults mode no quality rule runs: the type rules alone decide.
        const ListSelection selections[]{{kTypeListId, c.type}};
        EXPECT_EQ(disabled_in(enable_params(dialog, Mode::defaults, true, selections)), c.disabled);
    }
    // The categories without documented type rules disable nothing for any index.
    for (const CategoryDialog& dialog : category_dialogs()) {
        if (std::ranges::count(kTypeCases, dialog.item_code, &TypeCase::item_code) > 0) continue;
        for (unsigned type = 0; type <= kNoSelection; ++type)
            EXPECT_TRUE(disabled_by_type(dialog, static_cast<std::uint8_t>(type)).empty()) << dialog.class_name;
    }
}

TEST(CategoryRules, PiQFollowsTheQualityListInSinglePartModeWhileItsTypesAreSelected) {
    for (const QualityCase& c : kQualityCases) {
        SCOPED_TRACE(testing::Message() << c.item_code << " list " << c.list);
        const CategoryDialog& dialog = dialog_of(c.item_code);
        const CategoryControl* list = find_control(dialog, c.list);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->entries.size(), c.user_definable) << "User-definable is the last entry";
        for (unsigned quality = 0; quality <= kNoSelection; ++quality) {
            const auto q = static_cast<std::uint8_t>(quality);
            const bool expected = q == 0 || q == c.user_definable;
            const ListSelection selections[]{{kTypeListId, c.type}, {c.list, q}};
            EXPECT_EQ(user_quality_on_change(dialog, Mode::single_part, c.list, selections), expected) << quality;
            const auto single = enable_params(dialog, Mode::single_part, true, selections);
            EXPECT_EQ(state_of(single, kUserQualityId), expected) << quality;
            // EnableParams(false) too: the quality rule may enable "PI q:" again.
            const auto disabling = enable_params(dialog, Mode::single_part, false, selections);
            EXPECT_EQ(state_of(disabling, kUserQualityId), expected) << quality;
            EXPECT_EQ(disabled_in(disabling).size() + (expected ? 1 : 0), disabling.size());
            // Defaults mode: "PI q:" stays as EnableParams set it, whatever the quality.
            EXPECT_TRUE(state_of(enable_params(dialog, Mode::defaults, true, selections), kUserQualityId));
            EXPECT_EQ(user_quality_on_change(dialog, Mode::defaults, c.list, selections), std::nullopt);
            EXPECT_EQ(user_quality_on_change(dialog, Mode::global_change, c.list, selections), std::nullopt);
        }
        // Nor does the rule run without a part type ("---"), or for a type it leaves alone.
        for (const std::uint8_t type : {std::uint8_t{0}, c.type_without_rule}) {
            if (!has_type_list(dialog)) break;
            const ListSelection selections[]{{kTypeListId, type}, {c.list, 0}};
            EXPECT_EQ(user_quality_on_change(dialog, Mode::single_part, c.list, selections), std::nullopt) << int{type};
            EXPECT_FALSE(state_of(enable_params(dialog, Mode::single_part, false, selections), kUserQualityId))
                << int{type};
        }
    }
    for (const CategoryDialog& dialog : category_dialogs()) {
        if (std::ranges::count(kQualityCases, dialog.item_code, &QualityCase::item_code) > 0) continue;
        for (unsigned type = 0; type <= kNoSelection; ++type)
            EXPECT_EQ(applicable_quality_rule(dialog, Mode::single_part, static_cast<std::uint8_t>(type)), nullptr)
                << dialog.class_name;
    }
}

TEST(CategoryRules, OpeningAndTypeChanges) {
    for (const CategoryDialog& dialog : category_dialogs()) {
        SCOPED_TRACE(dialog.class_name);
        const bool typed = has_type_list(dialog);
        // Global change: no rule runs; the controls stay as the template has them.
        EXPECT_EQ(initial_enable(dialog, Mode::global_change, 1), std::nullopt);
        for (Mode mode : {Mode::single_part, Mode::defaults}) {
            EXPECT_EQ(initial_enable(dialog, mode, 0), !typed);
            EXPECT_EQ(initial_enable(dialog, mode, 1), true);
        }
    }
    // A part type chosen in defaults mode enables the parameters; the change to
    // "---" and the global change are seen in the live dialogs.
    const TypeChange to_type = on_type_change(Mode::defaults, 3);
    EXPECT_TRUE(!to_type.type_missing && to_type.enable == true);
    // Gas lasers switch only the learning factor; lamps, meters and fuses nothing.
    const auto laser = enable_params(dialog_of(16), Mode::single_part, true, {});
    ASSERT_EQ(laser.size(), 1u);
    EXPECT_EQ(laser.front().id, kLearningListId);
    for (unsigned code : {24u, 25u, 28u})
        EXPECT_TRUE(enable_params(dialog_of(code), Mode::single_part, true, {}).empty()) << code;
}

}  // namespace
}  // namespace gjbz108a
