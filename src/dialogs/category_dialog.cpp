#include "dialogs/category_dialog.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/template_layout.h"

namespace gjbz108a {

namespace notify = platform::notify;

CategoryEditDialog::CategoryEditDialog(const CategoryDialog& table, platform::Hwnd parent)
    : CDiaproc(category_template(table), parent), table_(table), variables_(table) {}

void CategoryEditDialog::SetParams(const std::uint8_t* block, int) { variables_.set_params(block); }

void CategoryEditDialog::ShowParams(const std::uint8_t* block, int flag) {
    SetParams(block, flag);
    UpdateData(false);
}

void CategoryEditDialog::GetParams(std::uint8_t* block) { variables_.get_params(block); }

std::vector<ListSelection> CategoryEditDialog::list_selections() const {
    std::vector<ListSelection> selections;
    for (const CategoryControl& control : table_.controls)
        if (control.kind == ControlKind::list)
            selections.push_back(
                {control.id, static_cast<std::uint8_t>(platform::current_selection(GetDlgItem(control.id)))});
    return selections;
}

void CategoryEditDialog::EnableParams(bool enable) {
    for (const ControlState& state : enable_params(table_, mode, enable, list_selections()))
        platform::enable_window(GetDlgItem(state.id), state.enabled);
}

// The gas lasers' Type list follows the others here: the defaults view and the
// defaults of an existing set lock the part type in every category.
void CategoryEditDialog::EnableType(bool enable) {
    if (has_type_list(table_)) platform::enable_window(GetDlgItem(kTypeListId), enable);
}

bool CategoryEditDialog::GetLibQuery(std::uint8_t* block, bool& type_required, bool& subtype_required) {
    if (!UpdateData(true)) return false;
    GetParams(block);
    type_required = has_type_list(table_);
    subtype_required = false;
    return true;
}

void CategoryEditDialog::DoDataExchange(DataExchange& dx) {
    CDiaproc::DoDataExchange(dx);
    variables_.exchange(dx);
}

bool CategoryEditDialog::OnInitDialog() {
    const bool result = CDiaproc::OnInitDialog();
    if (const auto enable = initial_enable(table_, mode, variables_.type())) EnableParams(*enable);
    return result;
}

bool CategoryEditDialog::OnCommand(int control, unsigned notification) {
    if (notification == notify::kComboSelectionChange && find_control(table_, control)) {
        if (control == kTypeListId) {
            const std::uint8_t index = static_cast<std::uint8_t>(platform::current_selection(GetDlgItem(control)));
            const TypeChange change = on_type_change(mode, index);
            if (change.type_missing) show_message(kTypeMissing, kMethodCaption);
            if (change.enable) EnableParams(*change.enable);
            return true;
        }
        if (const auto enabled = user_quality_on_change(table_, mode, control, list_selections())) {
            platform::enable_window(GetDlgItem(kUserQualityId), *enabled);
            return true;
        }
    }
    return CDiaproc::OnCommand(control, notification);
}

std::unique_ptr<CategoryEditDialog> make_category_dialog(unsigned item_code, platform::Hwnd parent) {
    const CategoryDialog* table = find_category_dialog(item_code);
    if (!table) return nullptr;
    return std::make_unique<CategoryEditDialog>(*table, parent);
}

}  // namespace gjbz108a
