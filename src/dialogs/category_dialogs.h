// The 28 category dialogs as data. Every supported ItemCode has one editing
// dialog: a class name, a template, a title, an icon, the controls of its
// parameters and the rules that disable some of them for the selected part type
// or quality level. One implementation of a category dialog reads these tables;
// category_rules.h evaluates the rules and template_layout.h builds the
// templates.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace gjbz108a {

// Controls that recur in many categories with the same id and role.
inline constexpr int kTypeListId = 1001;     // the part type, block byte 1
inline constexpr int kQualityListId = 1009;  // the quality level
inline constexpr int kUserQualityId = 1252;  // "PI q:", the user-defined quality factor
inline constexpr int kLearningListId = 2000;

// The text of the list entry that makes "PI q:" applicable.
inline constexpr std::string_view kUserDefinableEntry = "User-definable";

// A list's selection read from its control, as a byte: -1 becomes 255.
inline constexpr std::uint8_t kNoSelection = 255;

// How a control's variable is stored in the ParameterBlock. Lists are u8.
enum class VariableType : std::uint8_t { u8, u16, u32, i32, f32 };

enum class ControlKind : std::uint8_t {
    edit,  // a number, exchanged by the edit exchange of its variable type
    list,  // a drop-down list whose selected index is the stored SelectionCode
};

// Block byte and type are the field's of the category's field table, where
// each control names its field by key.
struct CategoryControl {
    std::uint8_t block_byte;  // offset in the category's ParameterBlock
    VariableType type;
    int id;
    ControlKind kind;
    std::string_view label;    // the static text to the control's left
    std::uint8_t order;        // 1-based position in the category's data exchange
    std::span<const std::string_view> entries;  // lists: entries 1..n; entry 0 "---" is not stored
    std::string_view unit;     // a unit shown to the right of the control, or empty
};

// What a group box draws its frame around: whole rows (label and control), or
// only the labels or only the controls of its rows.
enum class Framed : std::uint8_t { rows, labels, controls };

// The rows of `controls` follow one another in the category's table.
struct GroupBox {
    std::string_view text;
    std::span<const int> controls;
    Framed framed = Framed::rows;
};

// Inclusive range of list indexes, compared as bytes so that no selection (255)
// falls into every range that reaches the top.
struct IndexRange {
    std::uint8_t first;
    std::uint8_t last;
    constexpr bool contains(std::uint8_t index) const noexcept { return first <= index && index <= last; }
};

// While the type index lies in one of `types`, the controls `disables` are
// disabled. A type rule never enables a control.
struct TypeRule {
    std::span<const IndexRange> types;
    std::span<const int> disables;
};

// "PI q:" follows the quality list `list` while the type index lies in `types`
// (every index, 0 included, in the categories without a Type list).
struct QualityRule {
    int list;
    IndexRange types;
};

struct CategoryDialog {
    std::uint8_t item_code;
    std::string_view class_name;
    int template_id;
    std::string_view title;
    int icon;  // icon resource shown at the left of the template
    std::span<const CategoryControl> controls;  // in the order the template shows them
    std::span<const GroupBox> group_boxes;
    std::span<const TypeRule> type_rules;
    std::span<const QualityRule> quality_rules;
};

// The 28 category dialogs in ascending ItemCode order.
std::span<const CategoryDialog> category_dialogs() noexcept;

// The dialog of `item_code`, or nullptr for a code without a dialog (4, 17, 23,
// 26, 32 and everything outside 1..33).
const CategoryDialog* find_category_dialog(unsigned item_code) noexcept;

// The control `id` of `dialog`, or nullptr.
const CategoryControl* find_control(const CategoryDialog& dialog, int id) noexcept;

// Whether the dialog has a Type list; only then is a part type required for
// the library functions and on OK, and only then does the type event apply.
bool has_type_list(const CategoryDialog& dialog) noexcept;

}  // namespace gjbz108a
