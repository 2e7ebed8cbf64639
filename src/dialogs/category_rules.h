// The rules of the category dialogs, evaluated from their tables: which
// controls the selected part type disables, when "PI q:" follows the quality
// level, and what the dialog does on opening and on a change of the Type list.
// The indexes are the lists' selections as read from their controls, taken as
// bytes (kNoSelection when nothing is selected), never the variables.
#pragma once

#include "dialogs/category_dialogs.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gjbz108a {

enum class EditingMode : std::uint8_t { single_part = 0, defaults = 1, global_change = 2 };

struct ListSelection {
    int id;
    std::uint8_t index;
};

struct ControlState {
    int id;
    bool enabled;
};

// The controls of `dialog` that the type rules disable for `type_index`, in the
// order of the rules.
std::vector<int> disabled_by_type(const CategoryDialog& dialog, std::uint8_t type_index);

// The quality rule that applies in `mode` with `type_index` selected, or
// nullptr: only in single-part mode, and only within the rule's type range.
const QualityRule* applicable_quality_rule(const CategoryDialog& dialog, EditingMode mode,
                                           std::uint8_t type_index) noexcept;

// Whether "PI q:" is enabled under `rule` when its list shows `quality_index`:
// for "---" (0) and for the list's "User-definable" entry only.
bool user_quality_enabled(const CategoryDialog& dialog, const QualityRule& rule,
                          std::uint8_t quality_index) noexcept;

// EnableParams(enable): every category control but the Type list set to
// `enable`, then the type rules, then the quality rule. `selections` are the
// lists' current indexes; a list not named reads as kNoSelection. The result
// holds those controls in table order.
std::vector<ControlState> enable_params(const CategoryDialog& dialog, EditingMode mode, bool enable,
                                        std::span<const ListSelection> selections);

// A selection change of list `list_id`: the new state of "PI q:", or nothing
// when no quality rule runs on that list now.
std::optional<bool> user_quality_on_change(const CategoryDialog& dialog, EditingMode mode, int list_id,
                                           std::span<const ListSelection> selections);

// The argument of the EnableParams that ends the dialog's initialization, for
// the Type variable `type_variable`; nothing in global-change mode, where no
// rule runs and the controls stay as the template has them.
std::optional<bool> initial_enable(const CategoryDialog& dialog, EditingMode mode,
                                   std::uint8_t type_variable) noexcept;

// A selection change of the Type list.
struct TypeChange {
    bool type_missing;           // show kTypeMissing: "---" was chosen
    std::optional<bool> enable;  // the EnableParams argument; nothing in global-change mode
};
TypeChange on_type_change(EditingMode mode, std::uint8_t new_index) noexcept;

}  // namespace gjbz108a
