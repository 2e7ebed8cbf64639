#include "dialogs/category_rules.h"

#include <algorithm>

namespace gjbz108a {
namespace {

std::uint8_t selection_of(std::span<const ListSelection> selections, int id) noexcept {
    for (const ListSelection& selection : selections)
        if (selection.id == id) return selection.index;
    return kNoSelection;
}

bool contains_index(std::span<const IndexRange> ranges, std::uint8_t index) noexcept {
    return std::ranges::any_of(ranges, [index](const IndexRange& range) { return range.contains(index); });
}

}  // namespace

std::vector<int> disabled_by_type(const CategoryDialog& dialog, std::uint8_t type_index) {
    std::vector<int> disabled;
    for (const TypeRule& rule : dialog.type_rules)
        if (contains_index(rule.types, type_index))
            disabled.insert(disabled.end(), rule.disables.begin(), rule.disables.end());
    return disabled;
}

const QualityRule* applicable_quality_rule(const CategoryDialog& dialog, EditingMode mode,
                                           std::uint8_t type_index) noexcept {
    if (mode != EditingMode::single_part) return nullptr;
    for (const QualityRule& rule : dialog.quality_rules)
        if (rule.types.contains(type_index)) return &rule;
    return nullptr;
}

bool user_quality_enabled(const CategoryDialog& dialog, const QualityRule& rule,
                          std::uint8_t quality_index) noexcept {
    if (quality_index == 0) return true;
    const CategoryControl* list = find_control(dialog, rule.list);
    if (!list || quality_index > list->entries.size()) return false;
    return list->entries[quality_index - 1] == kUserDefinableEntry;
}

std::vector<ControlState> enable_params(const CategoryDialog& dialog, EditingMode mode, bool enable,
                                        std::span<const ListSelection> selections) {
    std::vector<ControlState> states;
    for (const CategoryControl& control : dialog.controls)
        if (control.id != kTypeListId) states.push_back({control.id, enable});
    const auto set = [&states](int id, bool enabled) {
        for (ControlState& state : states)
            if (state.id == id) state.enabled = enabled;
    };
    const std::uint8_t type_index = selection_of(selections, kTypeListId);
    for (int id : disabled_by_type(dialog, type_index)) set(id, false);
    if (const QualityRule* rule = applicable_quality_rule(dialog, mode, type_index))
        set(kUserQualityId, user_quality_enabled(dialog, *rule, selection_of(selections, rule->list)));
    return states;
}

std::optional<bool> user_quality_on_change(const CategoryDialog& dialog, EditingMode mode, int list_id,
                                           std::span<const ListSelection> selections) {
    const QualityRule* rule = applicable_quality_rule(dialog, mode, selection_of(selections, kTypeListId));
    if (!rule || rule->list != list_id) return std::nullopt;
    return user_quality_enabled(dialog, *rule, selection_of(selections, list_id));
}

std::optional<bool> initial_enable(const CategoryDialog& dialog, EditingMode mode,
                                   std::uint8_t type_variable) noexcept {
    if (mode == EditingMode::global_change) return std::nullopt;
    return !has_type_list(dialog) || type_variable != 0;
}

TypeChange on_type_change(EditingMode mode, std::uint8_t new_index) noexcept {
    if (mode == EditingMode::global_change) return {false, std::nullopt};
    return {new_index == 0, new_index != 0};
}

}  // namespace gjbz108a
