// Windows, messages and the modal run of the headless backend.
#include "platform/headless/state.h"

#include "platform/drawing.h"

#include <algorithm>
#include <cctype>

namespace gjbz108a::platform {
namespace {

// The frame around a top-level window's client area: borders and caption.
constexpr int kFrameSide = 3, kFrameTop = 22;

bool is_top_level(const Window& window) { return window.parent == nullptr; }

bool sorted(const Window& window) {
    if (has_class(window, "ComboBox")) return (window.style & style::kComboSort) != 0;
    if (has_class(window, "ListBox")) return (window.style & style::kListSort) != 0;
    return false;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool less_ignoring_case(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

// Where a subclass procedure that calls on is: the window and the position
// in its chain of the procedure running now.
struct ChainPosition {
    Window* window;
    std::size_t next;
};
thread_local std::vector<ChainPosition> chain;

std::intptr_t own_procedure(Window& window, unsigned message, std::uintptr_t first, std::intptr_t second);

std::intptr_t dispatch(Window& window, std::size_t from, unsigned message, std::uintptr_t first,
                       std::intptr_t second) {
    if (from < window.subclasses.size()) {
        const Subclass subclass = window.subclasses[window.subclasses.size() - 1 - from];
        chain.push_back({&window, from + 1});
        const std::intptr_t result =
            subclass.procedure(&window, message, first, second, subclass.id, subclass.reference);
        chain.pop_back();
        return result;
    }
    return own_procedure(window, message, first, second);
}

// What the platform does with a message that no procedure handled.
std::intptr_t default_procedure(Window& window, unsigned message, std::uintptr_t first, std::intptr_t second) {
    switch (message) {
    case message::kSetFont: window.font = reinterpret_cast<Font>(first); return 0;
    case message::kMouseActivate: return 1;  // activate
    case message::kHelp:
        // A control passes the request to its dialog.
        if (window.parent) return send_message(window.parent, message, first, second);
        return 0;
    case message::kClose:
        if (window.dialog_procedure) send_message(&window, message::kCommand, command_parameter(box::kIdCancel, 0), 0);
        return 0;
    case message::kPaint: {
        const Dc dc = begin_paint(&window);
        end_paint(&window, dc);
        return 0;
    }
    default: return 0;
    }
}

std::intptr_t own_procedure(Window& window, unsigned message, std::uintptr_t first, std::intptr_t second) {
    if (window.dialog_procedure) {
        const std::intptr_t answer = window.dialog_procedure(&window, message, first, second);
        if (answer != 0) return answer;
    }
    return default_procedure(window, message, first, second);
}

unsigned focus_notification(const Window& window, bool gained) {
    if (has_class(window, "Edit")) return gained ? notify::kEditSetFocus : notify::kEditKillFocus;
    if (has_class(window, "ComboBox")) return gained ? notify::kComboSetFocus : notify::kComboKillFocus;
    return 0;
}

std::string title_of(const Window* window) {
    if (!window) return "none";
    while (window->parent) window = window->parent;
    return quoted(window->text);
}

}  // namespace

bool has_class(const Window& window, std::string_view name) { return equal_ignoring_case(window.class_name, name); }

bool is_list(const Window& window) { return has_class(window, "ComboBox") || has_class(window, "ListBox"); }

void notify_parent(Window& control, unsigned notification) {
    if (control.parent)
        send_message(control.parent, message::kCommand, command_parameter(control.id, notification),
                     reinterpret_cast<std::intptr_t>(&control));
}

Window* find_child(Window& dialog, int id) {
    for (auto& child : dialog.children)
        if (child->id == id) return child.get();
    return nullptr;
}

void record(std::string line) { ui().transcript.push_back(std::move(line)); }

bool usable(const Window& window) {
    for (const Window* w = &window; w; w = w->parent)
        if (!(w->style & style::kVisible) || (w->style & style::kDisabled)) return false;
    return true;
}

Ui& ui() {
    thread_local Ui state;
    return state;
}

Window* live(Hwnd handle) {
    if (!handle) return nullptr;
    std::vector<Window*> pending;
    for (auto& top : ui().top_level) pending.push_back(top.get());
    while (!pending.empty()) {
        Window* window = pending.back();
        pending.pop_back();
        if (window == handle) return window;
        for (auto& child : window->children) pending.push_back(child.get());
    }
    return nullptr;
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\n') out += "\\n";
        else out += c;
    }
    return out + "\"";
}

Hwnd create_window(std::string_view class_name, std::string_view text, std::uint32_t style, std::uint32_t ex_style,
                   Rect rect, Hwnd parent, int id) {
    auto window = std::make_unique<Window>();
    window->class_name = class_name;
    window->text = text;
    window->style = style;
    window->ex_style = ex_style;
    window->rect = rect;
    window->id = id;
    Window* made = window.get();
    if (Window* owner = live(parent); owner && (style & style::kChild)) {
        window->parent = owner;
        window->font = owner->font;
        owner->children.push_back(std::move(window));
    } else {
        ui().top_level.push_back(std::move(window));
    }
    return made;
}

Hwnd create_dialog(const DialogTemplate& dialog, Hwnd parent, DialogProcedure procedure, std::intptr_t parameter) {
    const Rect frame{dialog.position.x, dialog.position.y,
                     dialog.position.x + dialog.client_size.width + 2 * kFrameSide,
                     dialog.position.y + dialog.client_size.height + kFrameTop + kFrameSide};
    Window* window = create_window("#32770", dialog.title, style::kCaption | style::kVisible, 0, frame, nullptr, 0);
    (void)parent;  // owned, not a child: the owner only matters to a real window manager
    const Font font = create_font(dialog.font);
    window->font = font;
    for (const ControlTemplate& control : dialog.controls) {
        Window* made = create_window(control.class_name, control.text,
                                     control.style | style::kChild | style::kVisible, control.ex_style, control.rect,
                                     window, control.id);
        for (const std::string& item : control.items) add_string(made, item);
        if (has_class(*made, "Edit") && (control.style & style::kEditReadOnly)) made->style |= style::kEditReadOnly;
    }
    window->dialog_procedure = procedure;
    const std::intptr_t focus_default =
        send_message(window, message::kInitDialog, 0, parameter);
    if (!live(window)) return nullptr;
    if (focus_default) {
        for (auto& child : window->children)
            if ((child->style & style::kTabStop) && usable(*child)) {
                set_focus(child.get());
                break;
            }
    }
    return window;
}

int dialog_box(const DialogTemplate& dialog, Hwnd parent, DialogProcedure procedure, std::intptr_t parameter) {
    Window* window = create_dialog(dialog, parent, procedure, parameter);
    if (!window) return -1;
    Ui& state = ui();
    record("dialog " + quoted(window->text));
    while (!window->ended && state.next_action < state.script.size()) {
        const UserAction action = state.script[state.next_action++];
        perform(window, action);
    }
    if (!window->ended && state.run_observer) state.run_observer(window, nullptr, state.run_observer_context);
    const bool observed = !window->ended;
    if (!window->ended) {
        record("script ran out: close");
        send_message(window, message::kClose, 0, 0);
        if (!window->ended) end_dialog(window, -1);
    }
    const int code = window->end_code;
    if (!observed && state.run_observer) state.run_observer(window, &code, state.run_observer_context);
    record("end " + std::to_string(code));
    destroy_window(window);
    return code;
}

void end_dialog(Hwnd dialog, int end_code) {
    if (Window* window = live(dialog)) {
        window->ended = true;
        window->end_code = end_code;
    }
}

void destroy_window(Hwnd handle) {
    Window* window = live(handle);
    if (!window) return;
    Ui& state = ui();
    std::vector<Window*> pending{window};
    while (!pending.empty()) {
        Window* w = pending.back();
        pending.pop_back();
        if (state.focus == w) state.focus = nullptr;
        if (state.hovered == w) state.hovered = nullptr;
        for (auto& child : w->children) pending.push_back(child.get());
    }
    auto& siblings = window->parent ? window->parent->children : state.top_level;
    std::erase_if(siblings, [&](const auto& w) { return w.get() == window; });
}

bool is_window(Hwnd window) { return live(window) != nullptr; }

Hwnd dialog_item(Hwnd dialog, int id) {
    Window* window = live(dialog);
    return window ? find_child(*window, id) : nullptr;
}

int control_id(Hwnd window) { return live(window) ? window->id : 0; }
std::string class_name(Hwnd window) { return live(window) ? window->class_name : std::string(); }
Hwnd parent_window(Hwnd window) { return live(window) ? window->parent : nullptr; }

std::vector<Hwnd> child_windows(Hwnd handle) {
    std::vector<Hwnd> out;
    if (Window* window = live(handle))
        for (auto& child : window->children) out.push_back(child.get());
    return out;
}

std::uint32_t window_style(Hwnd window) { return live(window) ? window->style : 0; }
void set_window_style(Hwnd window, std::uint32_t style) {
    if (live(window)) window->style = style;
}
std::uint32_t window_ex_style(Hwnd window) { return live(window) ? window->ex_style : 0; }
void set_window_ex_style(Hwnd window, std::uint32_t ex_style) {
    if (live(window)) window->ex_style = ex_style;
}

std::string window_text(Hwnd window, std::size_t max_characters) {
    if (!live(window)) return {};
    return window->text.substr(0, std::min(max_characters, window->text.size()));
}

void set_window_text(Hwnd window, std::string_view text) {
    if (live(window)) window->text = text;
}

void enable_window(Hwnd window, bool enable) {
    if (!live(window)) return;
    if (enable) window->style &= ~style::kDisabled;
    else window->style |= style::kDisabled;
}
bool is_window_enabled(Hwnd window) { return live(window) && !(window->style & style::kDisabled); }

void show_window(Hwnd window, bool show) {
    if (!live(window)) return;
    if (show) window->style |= style::kVisible;
    else window->style &= ~style::kVisible;
}
bool is_window_visible(Hwnd window) { return live(window) && (window->style & style::kVisible); }

void set_read_only(Hwnd edit, bool read_only) {
    if (!live(edit)) return;
    if (read_only) edit->style |= style::kEditReadOnly;
    else edit->style &= ~style::kEditReadOnly;
}
bool is_read_only(Hwnd edit) { return live(edit) && (edit->style & style::kEditReadOnly); }

void limit_text(Hwnd edit, std::size_t characters) {
    if (live(edit)) edit->text_limit = characters;
}
std::size_t text_limit(Hwnd edit) { return live(edit) ? edit->text_limit : 0; }

std::intptr_t window_user_data(Hwnd window) { return live(window) ? window->user_data : 0; }
void set_window_user_data(Hwnd window, std::intptr_t data) {
    if (live(window)) window->user_data = data;
}

Rect window_rect(Hwnd handle) {
    Window* window = live(handle);
    if (!window) return {};
    Rect rect = window->rect;
    for (Window* up = window->parent; up; up = up->parent) {
        const int dx = up->rect.left + (is_top_level(*up) ? kFrameSide : 0);
        const int dy = up->rect.top + (is_top_level(*up) ? kFrameTop : 0);
        rect = {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
    }
    return rect;
}

Rect client_rect(Hwnd handle) {
    Window* window = live(handle);
    if (!window) return {};
    if (is_top_level(*window))
        return {0, 0, std::max(0, window->rect.width() - 2 * kFrameSide),
                std::max(0, window->rect.height() - kFrameTop - kFrameSide)};
    return {0, 0, window->rect.width(), window->rect.height()};
}

Rect rect_in_parent(Hwnd child) { return live(child) ? child->rect : Rect{}; }

void move_window(Hwnd window, Rect rect, bool repaint) {
    if (!live(window)) return;
    window->rect = rect;
    if (repaint) redraw_window(window);
}

void center_window(Hwnd handle) {
    Window* window = live(handle);
    if (!window) return;
    const Rect area = ui().work_area;
    const int x = area.left + (area.width() - window->rect.width()) / 2;
    const int y = area.top + (area.height() - window->rect.height()) / 2;
    window->rect = {x, y, x + window->rect.width(), y + window->rect.height()};
}

Rect desktop_work_area() { return ui().work_area; }
Size screen_size() { return ui().screen; }
int pixels_per_inch() { return ui().pixels_per_inch; }

int mul_div(int a, int b, int c) {
    if (c == 0) return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long half = (c < 0 ? -static_cast<long long>(c) : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = (product < 0 ? -product : product) + half;
    const long long quotient = magnitude / (c < 0 ? -static_cast<long long>(c) : c);
    return static_cast<int>(negative ? -quotient : quotient);
}

Hwnd set_focus(Hwnd handle) {
    Ui& state = ui();
    Window* before = state.focus;
    Window* window = live(handle);
    if (window == before) return before;
    if (before && live(before)) {
        send_message(before, message::kKillFocus, reinterpret_cast<std::uintptr_t>(window), 0);
        if (const unsigned code = focus_notification(*before, false)) notify_parent(*before, code);
    }
    state.focus = window;
    if (window) {
        send_message(window, message::kSetFocus, reinterpret_cast<std::uintptr_t>(before), 0);
        if (const unsigned code = focus_notification(*window, true)) notify_parent(*window, code);
    }
    return before;
}

Hwnd focused_window() { return ui().focus; }

void set_window_font(Hwnd window, Font font, bool redraw) {
    if (!live(window)) return;
    send_message(window, message::kSetFont, reinterpret_cast<std::uintptr_t>(font), redraw ? 1 : 0);
}
Font window_font(Hwnd window) { return live(window) ? window->font : nullptr; }

int insert_string(Hwnd box, int index, std::string_view text) {
    Window* window = live(box);
    if (!window || !is_list(*window)) return kListError;
    if (window->items.size() >= window->item_capacity) return kListErrorSpace;
    if (index < 0 || static_cast<std::size_t>(index) > window->items.size())
        index = static_cast<int>(window->items.size());
    window->items.insert(window->items.begin() + index, std::string(text));
    if (window->selection >= index) ++window->selection;
    return index;
}

int add_string(Hwnd box, std::string_view text) {
    Window* window = live(box);
    if (!window || !is_list(*window)) return kListError;
    int at = static_cast<int>(window->items.size());
    if (sorted(*window)) {
        const auto place = std::upper_bound(window->items.begin(), window->items.end(), text,
                                            [](std::string_view a, const std::string& b) {
                                                return less_ignoring_case(a, b);
                                            });
        at = static_cast<int>(place - window->items.begin());
    }
    return insert_string(box, at, text);
}

void reset_content(Hwnd box) {
    if (!live(box)) return;
    box->items.clear();
    box->selection = kListError;
}

int item_count(Hwnd box) { return live(box) ? static_cast<int>(box->items.size()) : kListError; }

std::string item_text(Hwnd box, int index) {
    if (!live(box) || index < 0 || static_cast<std::size_t>(index) >= box->items.size()) return {};
    return box->items[static_cast<std::size_t>(index)];
}

int current_selection(Hwnd box) { return live(box) ? box->selection : kListError; }

int set_current_selection(Hwnd box, int index) {
    if (!live(box)) return kListError;
    if (index < 0 || static_cast<std::size_t>(index) >= box->items.size()) {
        box->selection = kListError;
        return kListError;
    }
    box->selection = index;
    if (has_class(*box, "ComboBox")) box->text = box->items[static_cast<std::size_t>(index)];
    return index;
}

int find_string_exact(Hwnd box, int start, std::string_view text) {
    if (!live(box)) return kListError;
    const int count = static_cast<int>(box->items.size());
    for (int step = 0; step < count; ++step) {
        const int index = (start + 1 + step) % count;
        if (equal_ignoring_case(box->items[static_cast<std::size_t>(index)], text)) return index;
    }
    return kListError;
}

int check_state(Hwnd button) { return live(button) ? button->check : 0; }
void set_check(Hwnd button, int state) {
    if (live(button)) button->check = state;
}

void set_button_image(Hwnd button, Bitmap image) {
    if (live(button)) button->image = image;
}
Bitmap button_image(Hwnd button) { return live(button) ? button->image : nullptr; }

std::intptr_t send_message(Hwnd handle, unsigned message, std::uintptr_t first, std::intptr_t second) {
    Window* window = live(handle);
    return window ? dispatch(*window, 0, message, first, second) : 0;
}

void set_window_subclass(Hwnd window, SubclassProcedure procedure, std::uintptr_t id, std::uintptr_t reference) {
    if (!live(window)) return;
    for (Subclass& subclass : window->subclasses)
        if (subclass.procedure == procedure && subclass.id == id) {
            subclass.reference = reference;
            return;
        }
    window->subclasses.push_back({procedure, id, reference});
}

void remove_window_subclass(Hwnd window, SubclassProcedure procedure, std::uintptr_t id) {
    if (!live(window)) return;
    std::erase_if(window->subclasses, [&](const Subclass& s) { return s.procedure == procedure && s.id == id; });
}

std::optional<std::uintptr_t> window_subclass_reference(Hwnd window, std::uintptr_t id) {
    if (!live(window)) return std::nullopt;
    for (const Subclass& subclass : window->subclasses)
        if (subclass.id == id) return subclass.reference;
    return std::nullopt;
}

std::intptr_t call_next_procedure(Hwnd handle, unsigned message, std::uintptr_t first, std::intptr_t second) {
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if (it->window == handle) return dispatch(*it->window, it->next, message, first, second);
    Window* window = live(handle);
    return window ? own_procedure(*window, message, first, second) : 0;
}

void track_mouse_leave(Hwnd window) {
    if (live(window)) window->tracking_leave = true;
}

void redraw_window(Hwnd handle) {
    Window* window = live(handle);
    if (!window) return;
    send_message(window, message::kNcPaint, 1, 0);
    send_message(window, message::kPaint, 0, 0);
    for (Hwnd child : child_windows(window)) redraw_window(child);
}

void enable_tool_tips(Hwnd dialog) {
    if (live(dialog)) dialog->tool_tips = true;
}

int message_box(Hwnd owner, std::string_view text, std::string_view caption, unsigned type) {
    Ui& state = ui();
    record("message box " + quoted(caption) + ": " + quoted(text) + " owner " + title_of(live(owner)));
    if (state.next_action < state.script.size() &&
        state.script[state.next_action].kind == UserAction::Kind::answer)
        return state.script[state.next_action++].index;
    switch (type & 0xF) {
    case box::kYesNo: return box::kIdYes;
    default: return box::kIdOk;
    }
}

void open_help_topic(Hwnd owner, std::string_view topic) {
    record("help " + quoted(topic) + " owner " + title_of(live(owner)));
}

void debug_trace(std::string_view text) { ui().debug_traces.emplace_back(text); }

}  // namespace gjbz108a::platform
