// CDiaproc: the base of every part dialog. It owns the header (the part's
// identification), OK, Cancel and Help, and the six image buttons that work
// with the component library through the host library; it decides how the
// dialog looks in each editing mode, runs the checks of OK, opens the help
// topic and gives the tool tips. The category's parameters are left to the
// derived class through six operations.
#pragma once

#include "dialogs/category_rules.h"
#include "dialogs/host_library.h"
#include "toolkit/design_dialog.h"

#include <gjbz108a/records.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace gjbz108a {

// Bytes 0..455 of an EditRecord: header, effective block, entered block,
// result block.
inline constexpr std::size_t kRecordCopySize = GJBZ108A_EDIT_ITEM_CLASS;

// The look-up flag, shared by every dialog of the process (initially 1): a
// name field's focus loss looks the part up only while it is 1. A mouse
// activation of a dialog button clears it, so that leaving a name field for
// Cancel or a library button does not look up.
std::int32_t& look_up_flag() noexcept;

// The header's variables, in the dialog's terms.
struct PartIdentification {
    std::uint8_t environment_index = 0;
    std::uint16_t quantity = 1;
    std::string reference;
    std::string catalog_number;
    std::string generic_name;
    std::string military_number;
    std::string part_name;
    float temperature = 0.0f;
};

class CDiaproc : public toolkit::CDesignDialog {
public:
    CDiaproc(platform::DialogTemplate dialog, platform::Hwnd parent);
    ~CDiaproc() override;

    // What the editing run sets before the dialog opens and reads after it.
    PartIdentification part;
    std::int32_t variant = 0;
    std::uint8_t item_class = 0;  // the record's in single-part mode, else 0
    std::uint8_t item_code = 0;   // likewise
    std::string host_text;
    EditingMode mode = EditingMode::single_part;
    std::string env_list_path;  // single-part mode only
    std::array<std::uint8_t, kRecordCopySize> record_copy{};

    // The host library the buttons call; tests name another file.
    void set_host_library(HostLibrary library) { host_ = std::move(library); }

    // The category's six operations. `block` is a ParameterBlock in the
    // category's layout; the flags of SetParams and ShowParams have no effect.
    virtual void SetParams(const std::uint8_t* block, int flag) = 0;
    virtual void ShowParams(const std::uint8_t* block, int flag) = 0;
    virtual void GetParams(std::uint8_t* block) = 0;
    virtual void EnableParams(bool enable) = 0;
    virtual void EnableType(bool enable) = 0;
    // Reads every control; false when an exchange failed, else GetParams and
    // whether Type and SubType must be set.
    virtual bool GetLibQuery(std::uint8_t* block, bool& type_required, bool& subtype_required) = 0;

    bool defaults_view() const { return defaults_view_; }
    std::uint8_t last_name_field() const { return last_name_field_; }

protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int control, unsigned notification) override;
    bool OnHelp(const platform::HelpInfo& help) override;
    std::string ToolTipText(platform::Hwnd control) override;

    void show_message(std::string_view text, std::string_view caption);

private:
    // The component library as the dialog asks it (editing/part_library.h).
    class Library;

    std::string& name(std::uint8_t name_kind);
    // The library look-up of one name, shared by the focus loss and the
    // search: true when the library found the part and the dialog shows it.
    bool look_up(std::uint8_t name_kind, std::string_view key, std::string_view generic_name);
    void look_up_by_button();
    void look_up_on_focus_loss(std::uint8_t name_kind);
    void review_defaults();
    void add_to_library();
    void update_cross_reference();
    void search(std::int32_t search_kind);
    // The Type and SubType checks of an entered block; false after a message.
    bool type_set(const std::uint8_t* block, bool type_required, bool subtype_required,
                  std::string_view subtype_caption);
    void attach_buttons(bool image_buttons);

    std::uint8_t* entered_block() { return record_copy.data() + GJBZ108A_EDIT_ENTERED_BLOCK; }
    std::uint8_t* effective_block() { return record_copy.data() + GJBZ108A_EDIT_EFFECTIVE_BLOCK; }

    HostLibrary host_;
    bool defaults_view_ = false;
    std::uint8_t last_name_field_ = 0;
    bool push_buttons_attached_ = false;
    std::array<platform::Bitmap, 6> images_{};
};

}  // namespace gjbz108a
