// edit_item: one editing run of a part, a category's defaults, or a step of
// a global change, in the category's dialog.
#include "dialogs/category_dialog.h"
#include "dialogs/dialog_texts.h"
#include "records/record.h"

#include <gjbz108a/defaults.h>
#include <gjbz108a/edit.h>
#include <gjbz108a/global_change.h>
#include <gjbz108a/screen.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace gjbz108a {
namespace {

// A text field of the record: its offset and the bytes of its array.
struct TextField {
    std::size_t offset;
    std::size_t size;
};
constexpr TextField kReference{GJBZ108A_EDIT_REFERENCE, 51}, kPartName{GJBZ108A_EDIT_PART_NAME, 63},
    kMilitaryNumber{GJBZ108A_EDIT_MILITARY_NUMBER, 63}, kCatalogNumber{GJBZ108A_EDIT_CATALOG_NUMBER, 63},
    kGenericName{GJBZ108A_EDIT_GENERIC_NAME, 43};
// The host text lies at the end of the host's record, which this much covers.
constexpr TextField kHostText{GJBZ108A_EDIT_HOST_TEXT, GJBZ108A_EDIT_RECORD_SIZE - GJBZ108A_EDIT_HOST_TEXT};

// A text field's characters up to its terminator, never past its array.
std::string read_text(const std::uint8_t* record, TextField field) {
    const char* text = reinterpret_cast<const char*>(record + field.offset);
    return std::string(text, ::strnlen(text, field.size - 1));
}

// The dialog's limits keep every text within its array; the cut is a guard.
void write_text(std::uint8_t* record, TextField field, const std::string& text) {
    const std::size_t length = std::min(text.size(), field.size - 1);
    std::memcpy(record + field.offset, text.data(), length);
    record[field.offset + length] = '\0';
}

const ScreenFieldList* screen_fields(unsigned item_code) {
    const ScreenFieldList* list = nullptr;
    GetScrInfo(static_cast<std::int32_t>(item_code), &list);
    return list;
}

constexpr const char* kAnyName = "***";

int run(platform::Hwnd parent, std::int8_t mode_code, std::int32_t variant, const char* env_list_path,
        std::uint8_t* record) {
    // The platform keeps no tool-tip control between runs, so there is no
    // cached one to destroy first, and the library has no module state to
    // switch to: its templates and texts are its own data.
    const unsigned item_code = record[GJBZ108A_EDIT_ITEM_CODE];
    std::unique_ptr<CategoryEditDialog> dialog;
    if (record[GJBZ108A_EDIT_ITEM_CLASS] == 1) dialog = make_category_dialog(item_code, parent);
    if (!dialog) {
        platform::message_box(parent, kItemCodeNotSupported, kMethodCaption, platform::box::kOk);
        return GJBZ108A_EDIT_CANCELLED;
    }
    // A mode the host never passes is refused untouched, as a part without
    // a dialog is, but without a message.
    if (mode_code < 0 || mode_code > 2) return GJBZ108A_EDIT_CANCELLED;
    const auto mode = static_cast<EditingMode>(mode_code);
    dialog->mode = mode;
    dialog->variant = variant;
    dialog->host_text = read_text(record, kHostText);

    std::uint8_t* entered = record + GJBZ108A_EDIT_ENTERED_BLOCK;
    PartIdentification& part = dialog->part;
    if (mode == EditingMode::single_part) {
        dialog->item_class = record[GJBZ108A_EDIT_ITEM_CLASS];
        dialog->item_code = static_cast<std::uint8_t>(item_code);
        part.quantity = load<std::uint16_t>(record, GJBZ108A_EDIT_QUANTITY);
        part.reference = read_text(record, kReference);
        part.catalog_number = read_text(record, kCatalogNumber);
        part.generic_name = read_text(record, kGenericName);
        part.military_number = read_text(record, kMilitaryNumber);
        part.part_name = read_text(record, kPartName);
        part.environment_index = record[GJBZ108A_ENVIRONMENT_CODE];
        part.temperature = load<float>(record, GJBZ108A_TEMPERATURE);
        dialog->env_list_path = env_list_path ? env_list_path : "";
    }
    if (mode != EditingMode::global_change) std::copy_n(record, kRecordCopySize, dialog->record_copy.data());
    if (mode == EditingMode::defaults && variant == 1) entr_fill_def(entered, screen_fields(item_code));
    if (mode == EditingMode::global_change) entr_fill_gch(entered, screen_fields(item_code));
    dialog->SetParams(entered, 0);
    const bool conditions = mode == EditingMode::global_change && variant == 0;
    if (conditions) part.part_name = part.military_number = part.catalog_number = part.generic_name = kAnyName;

    const int end = dialog->DoModal();
    if (end != GJBZ108A_EDIT_ACCEPTED) return end;
    if (mode == EditingMode::single_part) {
        store(record, GJBZ108A_EDIT_QUANTITY, part.quantity);
        write_text(record, kReference, part.reference);
        write_text(record, kCatalogNumber, part.catalog_number);
        write_text(record, kGenericName, part.generic_name);
        write_text(record, kMilitaryNumber, part.military_number);
        write_text(record, kPartName, part.part_name);
        record[GJBZ108A_EDIT_STATE] = 3;
        std::copy_n(dialog->record_copy.data() + GJBZ108A_EDIT_ENTERED_BLOCK, GJBZ108A_BLOCK_SIZE, entered);
        std::copy_n(dialog->record_copy.data() + GJBZ108A_EDIT_EFFECTIVE_BLOCK, GJBZ108A_BLOCK_SIZE,
                    record + GJBZ108A_EDIT_EFFECTIVE_BLOCK);
        return end;
    }
    dialog->GetParams(entered);
    if (conditions) {
        write_text(record, kCatalogNumber, part.catalog_number);
        write_text(record, kGenericName, part.generic_name);
        write_text(record, kMilitaryNumber, part.military_number);
        write_text(record, kPartName, part.part_name);
    }
    return end;
}

}  // namespace
}  // namespace gjbz108a

extern "C" GJBZ108A_API int32_t edit_item(void* parent, int8_t mode, int32_t variant, const char* env_list_path,
                                          uint8_t* record) {
    if (!record) return GJBZ108A_EDIT_CANCELLED;
    try {
        return gjbz108a::run(static_cast<gjbz108a::platform::Hwnd>(parent), mode, variant, env_list_path, record);
    } catch (...) {
        // The dialog could not be made (out of memory): as a dialog that
        // cannot be shown.
        return -1;
    }
}
