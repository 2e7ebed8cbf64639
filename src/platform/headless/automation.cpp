// The automation of the headless backend: the script a modal run consumes,
// the user's actions on controls, and the recordings of what was seen.
#include "platform/headless/state.h"

#include <algorithm>

namespace gjbz108a::platform {
namespace {

void uncheck_radio_group(Window& chosen) {
    if (!chosen.parent) return;
    auto& siblings = chosen.parent->children;
    auto at = std::find_if(siblings.begin(), siblings.end(), [&](auto& w) { return w.get() == &chosen; });
    while (at != siblings.begin() && !((*at)->style & style::kGroup)) --at;
    for (auto it = at; it != siblings.end(); ++it) {
        if (it != at && ((*it)->style & style::kGroup)) break;
        if (has_class(**it, "Button") && ((*it)->style & 0xF) == style::kAutoRadioButton) (*it)->check = 0;
    }
    chosen.check = 1;
}

void click(Window& control) {
    send_message(&control, message::kMouseActivate, reinterpret_cast<std::uintptr_t>(control.parent), 0);
    const bool button = has_class(control, "Button");
    const std::uint32_t kind = control.style & 0xF;
    if (!button || kind != style::kGroupBox) set_focus(&control);
    send_message(&control, message::kLeftButtonDown, 0, 0);
    send_message(&control, message::kLeftButtonUp, 0, 0);
    if (!button || kind == style::kGroupBox) return;
    if (kind == style::kAutoCheckBox) control.check = control.check ? 0 : 1;
    if (kind == style::kAutoRadioButton) uncheck_radio_group(control);
    notify_parent(control, notify::kButtonClicked);
}

void hover(Window& dialog, Window& control) {
    Ui& state = ui();
    if (state.hovered && state.hovered != &control && live(state.hovered) && state.hovered->tracking_leave) {
        state.hovered->tracking_leave = false;
        send_message(state.hovered, message::kMouseLeave, 0, 0);
    }
    state.hovered = &control;
    send_message(&control, message::kMouseMove, 0, 0);
    if (!dialog.tool_tips) return;
    ToolTipRequest request{&control};
    send_message(&dialog, message::kNotify, 0, reinterpret_cast<std::intptr_t>(&request));
    if (request.text && *request.text)
        record("tool tip " + std::to_string(control.id) + ": " + quoted(request.text));
    else
        record("tool tip " + std::to_string(control.id) + ": none");
}

}  // namespace

bool shows_windows() { return false; }

void set_script(std::vector<UserAction> actions) {
    Ui& state = ui();
    state.script = std::move(actions);
    state.next_action = 0;
}

void set_run_observer(RunObserver observer, void* context) {
    ui().run_observer = observer;
    ui().run_observer_context = context;
}

void perform(Hwnd dialog_handle, const UserAction& action) {
    Window* dialog = live(dialog_handle);
    if (!dialog) return;
    Window* control = action.control ? find_child(*dialog, action.control) : nullptr;
    const std::string id = std::to_string(action.control);
    using Kind = UserAction::Kind;
    const bool needs_control = action.kind == Kind::select || action.kind == Kind::type ||
                               action.kind == Kind::click || action.kind == Kind::focus ||
                               action.kind == Kind::hover;
    if (needs_control && !control) {
        record("no control " + id);
        return;
    }
    if (needs_control && action.kind != Kind::hover && !usable(*control)) {
        record("control " + id + " is " + (is_window_visible(control) ? "disabled" : "hidden"));
        return;
    }
    switch (action.kind) {
    case Kind::select:
        set_focus(control);
        if (set_current_selection(control, action.index) == kListError)
            record("no item " + std::to_string(action.index) + " in " + id);
        notify_parent(*control, has_class(*control, "ComboBox") ? notify::kComboSelectionChange
                                                                : notify::kListSelectionChange);
        break;
    case Kind::type:
        send_message(control, message::kMouseActivate, reinterpret_cast<std::uintptr_t>(dialog), 0);
        set_focus(control);
        if (is_read_only(control)) {
            record("control " + id + " is read-only");
            break;
        }
        control->text = control->text_limit ? action.text.substr(0, std::min(control->text_limit, action.text.size()))
                                            : action.text;
        notify_parent(*control, notify::kEditChange);
        break;
    case Kind::click: click(*control); break;
    case Kind::focus: set_focus(control); break;
    case Kind::help: {
        record("F1");
        Window* target = ui().focus && live(ui().focus) ? ui().focus : dialog;
        HelpInfo info{target == dialog ? 0 : target->id, target == dialog ? nullptr : target};
        send_message(target, message::kHelp, 0, reinterpret_cast<std::intptr_t>(&info));
        break;
    }
    case Kind::enter:
        send_message(dialog, message::kCommand, command_parameter(box::kIdOk, 0), 0);
        break;
    case Kind::escape:
        send_message(dialog, message::kCommand, command_parameter(box::kIdCancel, 0), 0);
        break;
    case Kind::hover: hover(*dialog, *control); break;
    case Kind::look:
        record("look " + quoted(dialog->text));
        for (std::string& line : describe(dialog)) record("  " + std::move(line));
        break;
    case Kind::answer: record("no message box to answer"); break;
    }
}

const std::vector<std::string>& transcript() { return ui().transcript; }
const std::vector<std::string>& drawings() { return ui().drawings; }
const std::vector<std::string>& debug_traces() { return ui().debug_traces; }

void clear_recordings() {
    ui().transcript.clear();
    ui().drawings.clear();
    ui().debug_traces.clear();
}

std::vector<std::string> describe(Hwnd dialog) {
    std::vector<std::string> lines;
    Window* window = live(dialog);
    if (!window) return lines;
    for (auto& child : window->children) {
        std::string line = std::to_string(child->id) + " " + child->class_name + " " + quoted(child->text);
        if (child->style & style::kDisabled) line += " disabled";
        if (!(child->style & style::kVisible)) line += " hidden";
        if (has_class(*child, "Edit") && (child->style & style::kEditReadOnly)) line += " read-only";
        if (child->check) line += " checked";
        if (child->image) line += " image " + bitmap_name(child->image);
        if (is_list(*child)) {
            line += " [";
            for (std::size_t i = 0; i < child->items.size(); ++i) line += (i ? " | " : "") + child->items[i];
            line += "] selected " + std::to_string(child->selection);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void set_screen(Size screen, Rect work_area, int pixels_per_inch) {
    Ui& state = ui();
    state.screen = screen;
    state.work_area = work_area;
    state.pixels_per_inch = pixels_per_inch;
}

void set_item_capacity(Hwnd box, std::size_t items) {
    if (live(box)) box->item_capacity = items;
}

}  // namespace gjbz108a::platform
