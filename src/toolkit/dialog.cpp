#include "toolkit/dialog.h"

#include "toolkit/strings.h"

#include <map>
#include <utility>

namespace gjbz108a::toolkit {
namespace {

struct Templates {
    std::map<int, platform::DialogTemplate> by_id;
    std::map<std::string, int, std::less<>> ids_by_name;
};

Templates& templates() {
    static Templates registry;
    return registry;
}

constexpr std::string_view kTextTooLong = "Enter no more than %1 characters.";

}  // namespace

void register_dialog_template(int id, std::string name, platform::DialogTemplate dialog) {
    templates().by_id[id] = std::move(dialog);
    if (!name.empty()) templates().ids_by_name[std::move(name)] = id;
}

const platform::DialogTemplate* find_dialog_template(int id) {
    const auto found = templates().by_id.find(id);
    return found == templates().by_id.end() ? nullptr : &found->second;
}

const platform::DialogTemplate* find_dialog_template(std::string_view name) {
    const auto found = templates().ids_by_name.find(name);
    return found == templates().ids_by_name.end() ? nullptr : find_dialog_template(found->second);
}

Dialog::Dialog(platform::DialogTemplate dialog, platform::Hwnd parent)
    : template_(std::move(dialog)), has_template_(true), parent_(parent) {}

Dialog::Dialog(int template_id, platform::Hwnd parent) : parent_(parent) {
    if (const platform::DialogTemplate* found = find_dialog_template(template_id)) {
        template_ = *found;
        has_template_ = true;
    }
}

Dialog::Dialog(std::string_view template_name, platform::Hwnd parent) : parent_(parent) {
    if (const platform::DialogTemplate* found = find_dialog_template(template_name)) {
        template_ = *found;
        has_template_ = true;
    }
}

Dialog::Dialog() = default;

Dialog::~Dialog() { DestroyWindow(); }

int Dialog::DoModal() {
    if (!has_template_) return -1;
    const int code = platform::dialog_box(template_, parent_, procedure, reinterpret_cast<std::intptr_t>(this));
    window_ = nullptr;  // the modal run destroys its window
    return code;
}

bool Dialog::Create() {
    if (!has_template_) return false;
    window_ = platform::create_dialog(template_, parent_, procedure, reinterpret_cast<std::intptr_t>(this));
    return window_ != nullptr;
}

void Dialog::DestroyWindow() {
    if (window_) platform::destroy_window(window_);
    window_ = nullptr;
}

bool Dialog::UpdateData(bool save) {
    DataExchange dx{save ? 1 : 0, window_, 0, 0};
    DoDataExchange(dx);
    return dx.failed == 0;
}

void Dialog::EndDialog(int end_code) { platform::end_dialog(window_, end_code); }

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(platform::box::kIdOk);
}

void Dialog::OnCancel() { EndDialog(platform::box::kIdCancel); }

bool Dialog::OnCommand(int, unsigned) { return false; }

bool Dialog::OnHelp(const platform::HelpInfo&) { return false; }

std::string Dialog::ToolTipText(platform::Hwnd) { return {}; }

std::intptr_t Dialog::WindowProcedure(unsigned message, std::uintptr_t first, std::intptr_t second) {
    switch (message) {
    case platform::message::kInitDialog: return OnInitDialog() ? 1 : 0;
    case platform::message::kCommand: {
        const int control = platform::command_control(first);
        const unsigned notification = platform::command_notification(first);
        if (OnCommand(control, notification)) return 1;
        if (notification != platform::notify::kButtonClicked) return 0;
        if (control == platform::box::kIdOk) OnOK();
        else if (control == platform::box::kIdCancel) OnCancel();
        else return 0;
        return 1;
    }
    case platform::message::kHelp: return OnHelp(*reinterpret_cast<const platform::HelpInfo*>(second)) ? 1 : 0;
    case platform::message::kNotify: {
        auto* request = reinterpret_cast<platform::ToolTipRequest*>(second);
        if (request->code != platform::notify::kToolTipGetText) return 0;
        tool_tip_ = ToolTipText(request->tool);
        request->text = tool_tip_.empty() ? nullptr : tool_tip_.c_str();
        return 1;
    }
    default: return 0;
    }
}

std::intptr_t Dialog::procedure(platform::Hwnd window, unsigned message, std::uintptr_t first,
                                std::intptr_t second) {
    if (message == platform::message::kInitDialog) {
        platform::set_window_user_data(window, second);
        reinterpret_cast<Dialog*>(second)->window_ = window;
    }
    auto* dialog = reinterpret_cast<Dialog*>(platform::window_user_data(window));
    if (!dialog) return 0;
    // Nothing the dialog's code throws may unwind through the window system.
    try {
        return dialog->WindowProcedure(message, first, second);
    } catch (...) {
        return 0;
    }
}

void fail_exchange(DataExchange& dx, int control) {
    dx.control = control;
    dx.failed = 1;
    platform::set_focus(platform::dialog_item(static_cast<platform::Hwnd>(dx.dialog), control));
}

void exchange_text(DataExchange& dx, int control, std::string& value, std::size_t max_characters) {
    if (dx.failed) return;
    dx.control = control;
    const platform::Hwnd edit = platform::dialog_item(static_cast<platform::Hwnd>(dx.dialog), control);
    if (!dx.save_and_validate) {
        platform::set_window_text(edit, value);
        platform::limit_text(edit, max_characters);
        return;
    }
    std::string text = platform::window_text(edit, max_characters + 1);
    if (text.size() > max_characters) {
        platform::message_box(static_cast<platform::Hwnd>(dx.dialog),
                              format_two(kTextTooLong, std::to_string(max_characters), {}), kValidationCaption,
                              platform::box::kOk | platform::box::kIconExclamation);
        return fail_exchange(dx, control);
    }
    value = std::move(text);
}

void exchange_list_text(DataExchange& dx, int control, std::string& value) {
    if (dx.failed) return;
    dx.control = control;
    const platform::Hwnd box = platform::dialog_item(static_cast<platform::Hwnd>(dx.dialog), control);
    if (dx.save_and_validate) {
        const int selected = platform::current_selection(box);
        value = selected == platform::kListError ? std::string() : platform::item_text(box, selected);
    } else {
        platform::set_current_selection(box, platform::find_string_exact(box, -1, value));
    }
}

}  // namespace gjbz108a::toolkit
