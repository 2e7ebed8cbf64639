#include "dialogs/base_dialog.h"

#include "dialogs/base_dialog_rules.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/header_controls.h"
#include "dialogs/search_results.h"
#include "dialogs/tool_tips.h"
#include "editing/defaults_merge.h"
#include "editing/host_library_constants.h"
#include "editing/library_lookup.h"
#include "records/category_fields.h"
#include "platform/drawing.h"

#include <gjbz108a/check.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <ranges>

namespace gjbz108a {
namespace {

using platform::Hwnd;
namespace message = platform::message;
namespace notify = platform::notify;

// The parameter check of OK writes its message here (one line of at most 60
// bytes; the buffer is the size the dialogs have always given it).
char check_messages[400];

// The buffers of the host library's calls and the longest names are those of
// editing/host_library_constants.h; a search key is typed into this buffer.
constexpr std::size_t kSearchKeyBuffer = 72;
constexpr std::size_t kNameKinds = 4;

constexpr std::uintptr_t kOurButtonSubclass = 3000;

// COurBut and COurBitBut: the default handling of a mouse activation, then
// the look-up flag cleared.
std::intptr_t our_button_procedure(Hwnd button, unsigned msg, std::uintptr_t first, std::intptr_t second,
                                   std::uintptr_t, std::uintptr_t) {
    const std::intptr_t result = platform::call_next_procedure(button, msg, first, second);
    if (msg == message::kMouseActivate) look_up_flag() = 0;
    return result;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// `text` in a NUL-terminated buffer of N bytes, cut to fit.
template <std::size_t N>
std::array<char, N> c_text(std::string_view text) {
    std::array<char, N> buffer{};
    std::copy_n(text.data(), std::min(text.size(), N - 1), buffer.data());
    return buffer;
}

std::size_t name_chars(std::uint8_t name_kind) {
    return name_kind == static_cast<std::uint8_t>(NameKind::generic_name) ? kLongestGenericName : kLongestName;
}

}  // namespace

std::int32_t& look_up_flag() noexcept {
    static std::int32_t flag = 1;
    return flag;
}

CDiaproc::CDiaproc(platform::DialogTemplate dialog, Hwnd parent)
    : CDesignDialog(std::move(dialog), parent, toolkit::app_style()) {}

CDiaproc::~CDiaproc() {
    for (platform::Bitmap image : images_)
        if (image) platform::delete_object(image);
}

void CDiaproc::show_message(std::string_view text, std::string_view caption) {
    platform::message_box(window(), text, caption, platform::box::kOk);
}

std::string& CDiaproc::name(std::uint8_t name_kind) {
    switch (name_kind) {
    case 1: return part.generic_name;
    case 2: return part.catalog_number;
    case 3: return part.military_number;
    default: return part.part_name;
    }
}

void CDiaproc::attach_buttons(bool image_buttons) {
    for (const HeaderButton& button : header_buttons())
        if (button.image == image_buttons)
            platform::set_window_subclass(GetDlgItem(button.id), our_button_procedure, kOurButtonSubclass, 0);
}

void CDiaproc::DoDataExchange(DataExchange& dx) {
    // The framework attaches OK, Cancel and Help on the first exchange.
    if (!push_buttons_attached_) {
        attach_buttons(false);
        push_buttons_attached_ = true;
    }
    std::array<const HeaderField*, 8> fields{};
    std::ranges::transform(header_fields(), fields.begin(), [](const HeaderField& field) { return &field; });
    std::ranges::sort(fields, {}, &HeaderField::order);
    for (const HeaderField* field : fields) {
        switch (field->exchange) {
        case HeaderExchange::selection: DDX_ToggleByte(&dx, field->id, &part.environment_index); break;
        case HeaderExchange::quantity:
            DDX_EditWord(&dx, field->id, &part.quantity);
            DDV_CheckWord(&dx, part.quantity, kQuantityMin, kQuantityMax);
            break;
        case HeaderExchange::real: DDX_Editfloat(&dx, field->id, &part.temperature); break;
        case HeaderExchange::text:
            toolkit::exchange_text(dx, field->id,
                                   field->name_kind == 0 ? part.reference : name(field->name_kind), field->max_chars);
            break;
        }
    }
}

bool CDiaproc::OnInitDialog() {
    push_buttons_attached_ = false;  // a new window: its buttons are attached on the first exchange
    const bool result = CDesignDialog::OnInitDialog();
    SetUtilWhwnd(window());
    host_.set_current_wnd_parent(window());
    if (mode == EditingMode::single_part) {
        CBfromFile(window(), 1027, env_list_path.c_str());
        platform::enable_window(GetDlgItem(1027), false);
        platform::enable_window(GetDlgItem(1030), false);
        attach_buttons(true);
        std::size_t next = 0;
        for (const HeaderButton& button : header_buttons()) {
            if (!button.image) continue;
            const std::string picture = button_image(button.caption, false);
            if (!images_[next]) images_[next] = platform::load_bitmap(window(), picture, {24, 20});
            platform::set_button_image(GetDlgItem(button.id), images_[next++]);
        }
        UpdateData(false);  // the ENV list was empty the first time
    } else {
        for (int id : hidden_on_open(mode, variant)) platform::show_window(GetDlgItem(id), false);
        if (mode == EditingMode::defaults && variant == 0) EnableType(false);
        if (mode == EditingMode::global_change) {
            for (Hwnd child : platform::child_windows(window()))
                if (platform::class_name(child) == "ComboBox") platform::insert_string(child, 0, "***");
            platform::set_window_text(window(), global_change_title(platform::window_text(window(), 59), variant));
            UpdateData(false);
        }
    }
    platform::enable_tool_tips(window());
    platform::center_window(window());
    return result;
}

// A part is asked for as the dialog has always asked: with every control read
// first (a failed exchange finds nothing), the parameters shown passed in for
// the library to fill, the generic name typed passed along with another name,
// and the host's text. A part found is shown at once.
class CDiaproc::Library final : public PartLibrary {
public:
    Library(CDiaproc& dialog, std::string_view generic_name) : dialog_(dialog), generic_name_(generic_name) {}

    std::optional<Block> defaults(unsigned item_code, unsigned type, unsigned subtype) override {
        std::array<std::uint8_t, kBlockBuffer> buffer{};
        if (!dialog_.host_.get_dflt(dialog_.item_class, static_cast<std::int32_t>(item_code),
                                    static_cast<std::int32_t>(type), static_cast<std::int32_t>(subtype),
                                    buffer.data()))
            return std::nullopt;
        Block block;
        std::copy_n(buffer.begin(), block.size(), block.begin());
        return block;
    }

    std::optional<StoredPart> find(NameKind kind, std::string_view name, unsigned item_code) override {
        const bool by_generic_name = kind == NameKind::generic_name;
        auto key = c_text<kKeyBuffer>(by_generic_name ? std::string_view() : name);
        auto generic = c_text<kGenericNameBuffer>(by_generic_name ? name : std::string_view(generic_name_));
        if (!dialog_.UpdateData(true)) return std::nullopt;
        std::array<std::uint8_t, kBlockBuffer> block{};
        dialog_.GetParams(block.data());
        auto host_text = c_text<kHostTextBuffer>(dialog_.host_text);
        if (dialog_.host_.get_from_lib(static_cast<std::int32_t>(kind), dialog_.item_class,
                                       static_cast<std::int32_t>(item_code), key.data(), generic.data(),
                                       block.data(), host_text.data()) != 1)
            return std::nullopt;
        dialog_.part.generic_name = generic.data();
        if (!by_generic_name) dialog_.name(static_cast<std::uint8_t>(kind)) = key.data();
        dialog_.ShowParams(block.data(), 1);
        dialog_.EnableParams(true);
        StoredPart part{{}, generic.data()};
        std::copy_n(block.begin(), part.block.size(), part.block.begin());
        return part;
    }

    // The dialog says nothing when no part is found, so it needs no reason.
    bool reachable() override { return true; }

private:
    CDiaproc& dialog_;
    const std::string generic_name_;  // as typed before the controls are read again
};

bool CDiaproc::look_up(std::uint8_t name_kind, std::string_view key, std::string_view generic_name) {
    Library library(*this, generic_name);
    const auto kind = static_cast<NameKind>(name_kind);
    return library.find(kind, kind == NameKind::generic_name ? generic_name : key, item_code).has_value();
}

void CDiaproc::look_up_by_button() {
    // The names as typed: each look-up reads the controls again, so these are copies.
    std::array<std::string, kNameKinds> typed;
    PartNames names;
    for (std::uint8_t kind = 1; kind <= kNameKinds; ++kind) {
        typed[kind - 1] = platform::window_text(GetDlgItem(name_field(kind)->id), name_chars(kind));
        name(kind) = typed[kind - 1];
        names[kind - 1] = typed[kind - 1];
    }
    if (std::ranges::all_of(typed, [](const std::string& text) { return text.empty(); })) {
        show_message(kGenericNameEmpty, kMethodCaption);
        return;
    }
    Library library(*this, typed[0]);
    std::string why;  // not shown: the dialog says nothing when no part is found
    find_named_part(library, item_code, {}, names, why);
}

void CDiaproc::look_up_on_focus_loss(std::uint8_t name_kind) {
    std::int32_t& flag = look_up_flag();
    if (flag == 0 || mode == EditingMode::global_change) {
        flag = 1;
        return;
    }
    const std::string text = platform::window_text(GetDlgItem(name_field(name_kind)->id), name_chars(name_kind));
    std::string& variable = name(name_kind);
    if (equal_ignoring_case(text, variable)) return;
    variable = text;
    if (text.empty()) return;
    if (name_kind == 1) {
        look_up(1, "", text);
        return;
    }
    part.generic_name = platform::window_text(GetDlgItem(name_field(1)->id), kLongestGenericName);
    look_up(name_kind, text, part.generic_name);
}

bool CDiaproc::type_set(const std::uint8_t* block, bool type_required, bool subtype_required,
                        std::string_view subtype_caption) {
    if (type_required && type_undefined(block)) {
        show_message(kTypeMissing, kMethodCaption);
        return false;
    }
    if (block[0] == 0 && subtype_required) {
        show_message(kSubTypeMissing, subtype_caption);
        return false;
    }
    return true;
}

void CDiaproc::review_defaults() {
    if (defaults_view_) {
        ShowParams(entered_block(), 0);
        for (int id : locked_by_review_defaults()) platform::enable_window(GetDlgItem(id), true);
        for (int id : hidden_by_review_defaults()) platform::show_window(GetDlgItem(id), true);
        EnableParams(true);
        EnableType(true);
        defaults_view_ = false;
        return;
    }
    bool type_required = false, subtype_required = false;
    if (!GetLibQuery(entered_block(), type_required, subtype_required)) return;
    // The SubType message of this button alone carries another caption.
    if (!type_set(entered_block(), type_required, subtype_required, kReviewDefaultsSubTypeCaption)) return;
    Library library(*this, part.generic_name);
    const auto defaults = library.defaults(item_code, entered_block()[kTypeOffset], entered_block()[kSubTypeOffset]);
    if (!defaults) return;
    ShowParams(defaults->data(), 0);
    for (int id : locked_by_review_defaults()) platform::enable_window(GetDlgItem(id), false);
    for (int id : hidden_by_review_defaults()) platform::show_window(GetDlgItem(id), false);
    EnableParams(false);
    EnableType(false);
    defaults_view_ = true;
}

void CDiaproc::add_to_library() {
    bool type_required = false, subtype_required = false;
    if (!GetLibQuery(entered_block(), type_required, subtype_required)) return;
    if (!type_set(entered_block(), type_required, subtype_required, kMethodCaption)) return;
    if (part.generic_name.empty()) {
        show_message(kGenericNameMissingToAdd, kMethodCaption);
        return;
    }
    const auto generic = c_text<kGenericNameBuffer>(part.generic_name);
    std::array<std::uint8_t, GJBZ108A_BLOCK_SIZE> block{};
    std::copy_n(entered_block(), block.size(), block.data());
    host_.put_to_lib(item_class, item_code, generic.data(), block.data());
}

void CDiaproc::update_cross_reference() {
    if (!UpdateData(true)) return;
    if (part.generic_name.empty()) {
        show_message(kGenericNameMissing, kMethodCaption);
        return;
    }
    for (std::uint8_t kind = 2; kind <= kNameKinds; ++kind)
        if (!name(kind).empty()) host_.put_to_xref(kind, name(kind).c_str(), part.generic_name.c_str());
}

void CDiaproc::search(std::int32_t search_kind) {
    if (!UpdateData(true)) return;
    const std::uint8_t kind = last_name_field_;
    if (kind == 0) return;  // no name field has had the focus yet
    if (name(kind).empty()) {
        const auto text = empty_search_key(kind);
        show_message(text->text, text->caption);
        return;
    }
    const auto key = c_text<kSearchKeyBuffer>(name(kind));
    std::array<char, kResultPathBuffer> result_path{};
    const auto found = host_.search_in_lib(search_kind, kind, item_class, item_code, key.data(), result_path.data());
    if (!found) return;
    if (*found != 1) {
        show_message(kNoPartsFound, kMethodCaption);
        return;
    }
    CSrchres results(window());
    result_path.back() = '\0';
    results.set_result_path(result_path.data());
    if (results.DoModal() != platform::box::kIdOk || results.selection().empty()) return;
    const std::string chosen = results.selection();
    // The look-up reads the controls first: the field shows the chosen text
    // only when the library knows it.
    if (kind == 1) {
        part.generic_name = chosen;
        look_up(1, "", chosen);
    } else {
        name(kind) = chosen;
        look_up(kind, chosen, "");
    }
}

void CDiaproc::OnOK() {
    if (mode == EditingMode::global_change) {
        Dialog::OnOK();
        return;
    }
    if (defaults_view_) return;
    bool type_required = false, subtype_required = false;
    bool failed = !GetLibQuery(entered_block(), type_required, subtype_required);
    if (!failed) {
        // Both checks run, each with its message.
        const bool type_ok = type_set(entered_block(), type_required, false, kMethodCaption);
        const bool subtype_ok = type_set(entered_block(), false, subtype_required, kMethodCaption);
        failed = !type_ok || !subtype_ok;
    }
    if (mode == EditingMode::single_part) {
        if (failed) return;
        Library library(*this, part.generic_name);
        if (!merge_defaults(item_code, entered_block(), effective_block(), library)) return;
    } else {
        std::copy_n(entered_block(), GJBZ108A_BLOCK_SIZE, effective_block());
    }
    std::memset(check_messages, 0, sizeof check_messages);
    if (chek_item(check_messages, record_copy.data()) == GJBZ108A_CHECK_ACCEPTED) {
        if (mode == EditingMode::defaults && failed) return;
        Dialog::OnOK();
        return;
    }
    if (check_messages[0] != '\0') show_message(check_messages, kMethodCaption);
}

bool CDiaproc::OnCommand(int control, unsigned notification) {
    if (notification == notify::kButtonClicked) {
        switch (control) {
        case kLibraryLookupId: look_up_by_button(); return true;
        case kReviewDefaultsId: review_defaults(); return true;
        case kAddToLibraryId: add_to_library(); return true;
        case kUpdateCrossReferenceId: update_cross_reference(); return true;
        case kSearchId: search(1); return true;
        case kSearchAnywhereId: search(2); return true;
        default: break;
        }
    }
    const HeaderField* field = find_header_field(control);
    if (!field || field->name_kind == 0) return false;
    if (notification == notify::kEditSetFocus) {
        last_name_field_ = field->name_kind;
        look_up_flag() = 1;
        return true;
    }
    if (notification == notify::kEditKillFocus) {
        look_up_on_focus_loss(field->name_kind);
        return true;
    }
    return false;
}

bool CDiaproc::OnHelp(const platform::HelpInfo&) {
    // No path of ours names a network drive: the platform layer knows no drive
    // types, and outside Windows no path starts with one.
    if (const auto topic = help_topic(env_list_path, false)) platform::open_help_topic(window(), *topic);
    return true;
}

std::string CDiaproc::ToolTipText(Hwnd control) {
    return std::string(tool_tip_text(item_code, platform::control_id(control)));
}

}  // namespace gjbz108a
