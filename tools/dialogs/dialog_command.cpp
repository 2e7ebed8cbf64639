#include "tools/dialogs/dialog_command.h"

#include "dialogs/category_dialogs.h"
#include "platform/automation.h"
#include "platform/window.h"
#include "records/field_values.h"
#include "records/record.h"
#include "tools/change/change_blocks.h"
#include "tools/change/list_change.h"
#include "tools/environments/environment_names.h"
#include "tools/environments/environments_command.h"
#include "tools/file_streams.h"
#include "tools/help/help_texts.h"
#include "tools/parts_list/columns.h"
#include "tools/parts_list/csv_reader.h"
#include "tools/parts_list/diagnostics.h"
#include "tools/parts_list/input_limits.h"
#include "tools/parts_list/list_format.h"
#include "tools/parts_list/part_reader.h"
#include "tools/prediction/escaping.h"
#include "tools/prediction/host_part_library.h"
#include "tools/prediction/predict.h"
#include "tools/whole_file.h"

#include <gjbz108a/edit.h>

#include <charconv>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace gjbz108a::cli {
namespace {

namespace platform = gjbz108a::platform;
using platform::Hwnd;
using platform::UserAction;

// `command` is "dialog" or "edit".
int usage_error(std::ostream& err, std::string_view command, std::string_view why) {
    err << "gjbz108a: " << why << "\nTry 'gjbz108a " << command << " --help'.\n";
    return kListUnusable;
}

struct DialogRequest {
    std::string category, list, ref, actions, output, environments;
    int mode = 0;
    std::int32_t variant = 0;
    Format format = Format::text;
    bool help = false;
};

bool read_number(std::string_view text, long min, long max, long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= min && value <= max;
}

// Options of both commands; `positional` is the ITEMCODE or the LIST.
bool parse(std::span<const std::string_view> arguments, DialogRequest& request, std::string& positional,
           std::string& why) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        if (arg == "--help" || arg == "-h") {
            request.help = true;
            return true;
        }
        const auto value = [&](std::string& into) {
            if (i + 1 == arguments.size()) {
                why = std::string(arg) + " needs a value";
                return false;
            }
            into = arguments[++i];
            return true;
        };
        std::string text;
        long number = 0;
        if (arg == "--mode") {
            if (!value(text) || !read_number(text, 0, 2, number)) return why = "--mode takes 0, 1 or 2", false;
            request.mode = static_cast<int>(number);
        } else if (arg == "--variant") {
            if (!value(text) || !read_number(text, INT32_MIN, INT32_MAX, number))
                return why = "--variant takes a whole number", false;
            request.variant = static_cast<std::int32_t>(number);
        } else if (arg == "--format") {
            if (!value(text)) return false;
            if (text == "text") request.format = Format::text;
            else if (text == "json") request.format = Format::json;
            else return why = "unknown format '" + text + "': use text or json", false;
        } else if (arg == "--part") {
            if (!value(request.list)) return false;
        } else if (arg == "--ref") {
            if (!value(request.ref)) return false;
        } else if (arg == "--environments") {
            if (!value(request.environments)) return false;
        } else if (arg == "--actions") {
            if (!value(request.actions)) return false;
        } else if (arg == "-o") {
            if (!value(request.output)) return false;
        } else if (arg.size() > 1 && arg.front() == '-') {
            return why = unknown_option("dialog", arg), false;
        } else if (!positional.empty()) {
            return why = "unexpected argument '" + std::string(arg) + "'", false;
        } else {
            positional = arg;
        }
    }
    return true;
}

// The actions file, one action a line; blank lines are skipped.
bool read_actions(const std::string& file, std::vector<UserAction>& actions, std::string& why) {
    std::ifstream in(file);
    if (!in) return why = "cannot open the actions file '" + file + "'", false;
    std::string line;
    for (unsigned long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string verb, id_text;
        if (!(words >> verb)) continue;
        const auto bad = [&](std::string_view what) {
            why = file + ":" + std::to_string(number) + ": " + std::string(what);
            return false;
        };
        if (verb == "key") {
            std::string key;
            words >> key;
            if (key == "F1") actions.push_back(UserAction::help());
            else if (key == "ENTER") actions.push_back(UserAction::enter());
            else if (key == "ESCAPE") actions.push_back(UserAction::escape());
            else return bad("key takes F1, ENTER or ESCAPE");
            continue;
        }
        long id = 0;
        if (!(words >> id_text) || !read_number(id_text, 0, 65535, id)) return bad(verb + " needs a control id");
        const int control = static_cast<int>(id);
        if (verb == "select") {
            std::string index_text;
            long index = 0;
            if (!(words >> index_text) || !read_number(index_text, -1, 65535, index))
                return bad("select needs a control id and an item index");
            actions.push_back(UserAction::select(control, static_cast<int>(index)));
        } else if (verb == "type") {
            std::string text;
            std::getline(words, text);
            if (!text.empty() && text.front() == ' ') text.erase(0, 1);
            actions.push_back(UserAction::type(control, text));
        } else if (verb == "click") {
            actions.push_back(UserAction::click(control));
        } else if (verb == "focus") {
            actions.push_back(UserAction::focus(control));
        } else if (verb == "hover") {
            actions.push_back(UserAction::hover(control));
        } else {
            return bad("unknown action '" + verb + "': use select, type, click, focus, key or hover");
        }
    }
    return true;
}

// What the user saw of one control.
struct ControlView {
    int id;
    std::string class_name, text;
    std::optional<std::string> label, tooltip;
    bool enabled, visible, read_only;
    std::optional<std::vector<std::string>> items;
    int selected = -1;
};

struct DialogView {
    bool seen = false;
    std::string title;
    std::optional<int> end;
    std::optional<int> focus;
    std::vector<ControlView> controls;
};

bool is_list(const std::string& class_name) { return class_name == "ComboBox" || class_name == "ListBox"; }

// The static whose right edge is nearest to the left of `control` on its row.
std::optional<std::string> label_of(const std::vector<Hwnd>& children, Hwnd control) {
    const platform::Rect at = platform::rect_in_parent(control);
    std::optional<std::string> label;
    int nearest = -1;
    for (Hwnd child : children) {
        if (platform::class_name(child) != "Static" || !platform::window_text(child, 1).size()) continue;
        const platform::Rect r = platform::rect_in_parent(child);
        if (r.right > at.left || r.bottom <= at.top || r.top >= at.bottom || r.right <= nearest) continue;
        nearest = r.right;
        label = platform::window_text(child, 256);
    }
    return label;
}

DialogView read_dialog(Hwnd dialog, const int* end_code) {
    DialogView view{true, platform::window_text(dialog, 256), {}, {}, {}};
    if (end_code) view.end = *end_code;
    const std::vector<Hwnd> children = platform::child_windows(dialog);
    for (Hwnd child : children) {
        ControlView control{platform::control_id(child), platform::class_name(child), platform::window_text(child, 4096),
                            {}, {}, platform::is_window_enabled(child), platform::is_window_visible(child),
                            platform::is_read_only(child), {}, -1};
        if (child == platform::focused_window()) view.focus = control.id;
        if (control.class_name == "Static") continue;
        control.label = label_of(children, child);
        if (is_list(control.class_name)) {
            control.items.emplace();
            for (int i = 0; i < platform::item_count(child); ++i) control.items->push_back(platform::item_text(child, i));
            control.selected = platform::current_selection(child);
        }
        platform::ToolTipRequest request{child};
        platform::send_message(dialog, platform::message::kNotify, 0, reinterpret_cast<std::intptr_t>(&request));
        if (request.text && *request.text) control.tooltip = request.text;
        view.controls.push_back(std::move(control));
    }
    return view;
}

void observe(Hwnd dialog, const int* end_code, void* context) {
    try {
        // A nested run (the search results) ends first: the last is the part's.
        *static_cast<DialogView*>(context) = read_dialog(dialog, end_code);
    } catch (...) {
        // Nothing may unwind through the window system; the view stays unseen.
    }
}

struct MessageBox {
    std::string caption, text;
};

// The message boxes of the run, from the platform's transcript.
std::vector<MessageBox> message_boxes() {
    std::vector<MessageBox> boxes;
    constexpr std::string_view kMark = "message box \"", kBetween = "\": \"", kOwner = "\" owner ";
    for (const std::string& line : platform::transcript()) {
        if (!line.starts_with(kMark)) continue;
        const std::size_t between = line.find(kBetween, kMark.size());
        const std::size_t owner = line.rfind(kOwner);
        if (between == std::string::npos || owner == std::string::npos || owner < between) continue;
        // The transcript writes a line break as \n.
        const std::string_view quoted = std::string_view(line).substr(between + kBetween.size(),
                                                                      owner - between - kBetween.size());
        std::string text;
        for (std::size_t at = 0; at < quoted.size(); ++at) {
            const bool line_break = quoted[at] == '\\' && at + 1 < quoted.size() && quoted[at + 1] == 'n';
            text += line_break ? '\n' : quoted[at];
            at += line_break ? 1 : 0;
        }
        boxes.push_back({line.substr(kMark.size(), between - kMark.size()), std::move(text)});
    }
    return boxes;
}

// The environment list the dialog shows: "---", then for each code 1 to 27
// its name, or the code where it has none, so that the entry's index is the
// code.
class EnvironmentList {
public:
    explicit EnvironmentList(const EnvironmentNames& names) {
        std::string pattern = (std::filesystem::temp_directory_path() / "gjbz108a-env-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) return;
        std::string lines = "---\n";
        for (unsigned code = 1; code <= kLastEnvironmentCode; ++code) {
            const std::string_view name = names.name(code);
            lines.append(name.empty() ? std::to_string(code) : std::string(name)).append("\n");
        }
        const bool written = ::write(fd, lines.data(), lines.size()) == static_cast<ssize_t>(lines.size());
        if (::close(fd) == 0 && written) path_ = pattern;
        else ::unlink(pattern.c_str());
    }
    ~EnvironmentList() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    EnvironmentList(const EnvironmentList&) = delete;
    EnvironmentList& operator=(const EnvironmentList&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

using Record = std::array<std::uint8_t, GJBZ108A_EDIT_RECORD_SIZE>;

struct Run {
    int result;
    DialogView view;
    std::vector<MessageBox> boxes;
};

// Without actions a user works in the dialog, where windows are shown; the
// headless window system closes it at once.
Run run_dialog(Record& record, int mode, std::int32_t variant, std::optional<std::vector<UserAction>> actions,
               const EnvironmentNames& names) {
    EnvironmentList environments(names);
    Run run{0, {}, {}};
    platform::clear_recordings();
    if (actions) platform::set_script(std::move(*actions));
    platform::set_run_observer(observe, &run.view);
    run.result = edit_item(nullptr, static_cast<std::int8_t>(mode), variant, environments.path().c_str(), record.data());
    platform::set_run_observer(nullptr, nullptr);
    run.boxes = message_boxes();
    if (!run.view.seen) run.view.end = run.result;
    return run;
}

// The part of `list` whose reference designator is `ref`, as a report reads it.
std::optional<Part> find_part(const std::string& list, std::string_view file_name, std::string_view ref,
                              PartLibrary& library, const EnvironmentNames& names, std::ostream& err,
                              unsigned& found) {
    std::istringstream in(list);
    CsvReader csv(in);
    Diagnostics report(file_name, err);
    bool problems = false;
    const auto layout = read_header(csv, report, problems);
    if (!layout) return std::nullopt;
    std::ostringstream ignored;
    Diagnostics silent(file_name, ignored);
    PartReader reader(*layout, silent, library, PartReader::Blocks::entered_and_effective,
                      PartReader::Defaults::taken, &names);
    std::optional<Part> chosen;
    Part part;
    found = 0;
    while (csv.next()) {
        if (!reader.read(csv, part) || part.ref != ref) continue;
        if (++found == 1) chosen = part;
    }
    return chosen;
}

using Parameters = std::vector<std::pair<std::string_view, std::string>>;

Parameters parameters_of(const Record& record, unsigned item_code) {
    Parameters parameters;
    for (const ParameterField& field : category_fields(item_code))
        parameters.emplace_back(field.key, field_value_text(field, record.data() + GJBZ108A_EDIT_ENTERED_BLOCK));
    return parameters;
}

void json_optional(Output& out, const std::optional<std::string>& text) {
    if (text) json_string(out, *text);
    else out.text("null");
}

void print_json(std::ostream& stream, const Run& run, int template_id, const Parameters& parameters) {
    Output out(stream);
    out.text("{\"title\": ");
    json_string(out, run.view.title);
    out.text(", \"template\": ").whole(static_cast<unsigned long>(template_id)).text(", \"end\": ");
    if (run.view.end) out.text(std::to_string(*run.view.end));
    else out.text("null");
    out.text(", \"focus\": ");
    if (run.view.focus) out.text(std::to_string(*run.view.focus));
    else out.text("null");
    out.text(",\n \"controls\": [");
    for (std::size_t i = 0; i < run.view.controls.size(); ++i) {
        const ControlView& c = run.view.controls[i];
        out.text(i ? ",\n  " : "\n  ").text("{\"id\": ").text(std::to_string(c.id)).text(", \"class\": ");
        json_string(out, c.class_name);
        out.text(", \"text\": ");
        json_string(out, c.text);
        out.text(", \"label\": ");
        json_optional(out, c.label);
        out.text(", \"enabled\": ").text(c.enabled ? "true" : "false");
        out.text(", \"visible\": ").text(c.visible ? "true" : "false");
        out.text(", \"read_only\": ").text(c.read_only ? "true" : "false").text(", \"items\": ");
        if (c.items) {
            out.ch('[');
            for (std::size_t k = 0; k < c.items->size(); ++k) {
                if (k) out.text(", ");
                json_string(out, (*c.items)[k]);
            }
            out.ch(']');
        } else {
            out.text("null");
        }
        out.text(", \"selected\": ").text(std::to_string(c.selected)).text(", \"tooltip\": ");
        json_optional(out, c.tooltip);
        out.ch('}');
    }
    out.text("],\n \"message_boxes\": [");
    for (std::size_t i = 0; i < run.boxes.size(); ++i) {
        out.text(i ? ", " : "").text("{\"caption\": ");
        json_string(out, run.boxes[i].caption);
        out.text(", \"text\": ");
        json_string(out, run.boxes[i].text);
        out.ch('}');
    }
    out.text("],\n \"parameters\": {");
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        out.text(i ? ", " : "");
        json_string(out, parameters[i].first);
        out.text(": ");
        json_string(out, parameters[i].second);
    }
    out.text("}}\n");
}

void print_text(std::ostream& stream, const Run& run, int template_id, const Parameters& parameters) {
    stream << run.view.title << "  (template " << template_id << ")\n";
    for (const ControlView& c : run.view.controls) {
        stream << "  " << c.id << ' ' << c.class_name;
        if (c.label) stream << ' ' << *c.label;
        stream << " \"" << c.text << '"';
        if (!c.visible) stream << " hidden";
        if (!c.enabled) stream << " disabled";
        if (c.read_only) stream << " read-only";
        if (c.items) {
            stream << " [";
            for (std::size_t k = 0; k < c.items->size(); ++k)
                stream << (k ? " | " : "") << (static_cast<int>(k) == c.selected ? "*" : "") << (*c.items)[k];
            stream << ']';
        }
        if (c.id == run.view.focus) stream << " (focus)";
        if (c.tooltip) stream << " tip \"" << *c.tooltip << '"';
        stream << '\n';
    }
    for (const MessageBox& box : run.boxes) stream << "message box \"" << box.caption << "\": " << box.text << '\n';
    stream << "parameters:";
    for (const auto& [key, text] : parameters) stream << ' ' << key << '=' << (text.empty() ? "---" : text);
    stream << '\n';
    if (run.view.end) stream << "ended with " << *run.view.end << '\n';
    else stream << "still open\n";
}

bool read_list(const std::string& name, std::istream& standard_input, std::string& list, std::ostream& err) {
    try {
        list = read_whole_file(name, standard_input);
    } catch (const ReadError& error) {
        err << "gjbz108a: " << error.what() << '\n';
        return false;
    }
    if (format_by_name(name).value_or(format_by_content(list)) == ListFormat::json) {
        err << "gjbz108a: " << name << " is a JSON parts list; the dialogs read CSV lists only\n";
        return false;
    }
    return true;
}

// The part REF of the list into `record`, or a message and false.
bool load_part(const DialogRequest& request, const std::string& list, PartLibrary& library,
               const EnvironmentNames& names, Record& record, const Category*& category, std::ostream& err) {
    unsigned found = 0;
    const std::optional<Part> part = find_part(list, request.list, request.ref, library, names, err, found);
    if (!part || found != 1) {
        err << "gjbz108a: " << request.list << ": "
            << (found == 0 ? "no part has the reference designator '" + request.ref + "'"
                           : std::to_string(found) + " parts have the reference designator '" + request.ref + "'")
            << '\n';
        return false;
    }
    if (part->refused() || !part->category) {
        err << "gjbz108a: " << request.list << ':' << part->line << ": the part cannot be read: " << part->problems;
        return false;
    }
    record = part->record;
    category = part->category;
    return true;
}

// The environment names of a run: those of --environments FILE, else the
// component library's.
std::optional<EnvironmentNames> names_of(const DialogRequest& request, std::istream& standard_input,
                                         std::ostream& err) {
    if (request.list == "-" && request.environments == "-") {
        err << "gjbz108a: the parts list and the environment list cannot both be standard input\n";
        return std::nullopt;
    }
    return environment_names_in_use(request.environments, standard_input, err);
}

}  // namespace

int dialog_command(std::span<const std::string_view> arguments, std::istream& standard_input, std::ostream& out,
                   std::ostream& err, PartLibrary* library) {
    DialogRequest request;
    std::string category_text, why;
    if (!parse(arguments, request, category_text, why)) return usage_error(err, "dialog", why);
    if (request.help) {
        print_help(out, "dialog");
        return kAllComputed;
    }
    if (!request.output.empty()) return usage_error(err, "dialog", "-o belongs to 'edit'");
    if (request.list.empty() != request.ref.empty()) return usage_error(err, "dialog", "--part and --ref go together");
    const Category* category = category_named(category_text);
    if (!category_text.empty() && !category)
        return usage_error(err, "dialog", unknown_category(category_text));
    if (!category && request.list.empty()) return usage_error(err, "dialog", "no ItemCode given");
    std::optional<std::vector<UserAction>> actions;
    if (!request.actions.empty() && !read_actions(request.actions, actions.emplace(), why)) {
        err << "gjbz108a: " << why << '\n';
        return kListUnusable;
    }

    const std::optional<EnvironmentNames> names = names_of(request, standard_input, err);
    if (!names) return kListUnusable;
    Record record{};
    if (!request.list.empty()) {
        std::string list;
        if (!read_list(request.list, standard_input, list, err)) return kListUnusable;
        std::unique_ptr<PartLibrary> host_library;
        if (library == nullptr) library = (host_library = make_host_library()).get();
        const Category* of_part = nullptr;
        if (!load_part(request, list, *library, *names, record, of_part, err)) return kListUnusable;
        if (category && category != of_part)
            return usage_error(err, "dialog", "the part '" + request.ref + "' is a " + std::string(of_part->name));
        category = of_part;
    } else {
        record[GJBZ108A_ITEM_CLASS] = record[GJBZ108A_EDIT_ITEM_CLASS] = 1;
        record[GJBZ108A_ITEM_CODE] = record[GJBZ108A_EDIT_ITEM_CODE] = static_cast<std::uint8_t>(category->item_code);
        store<std::uint16_t>(record.data(), GJBZ108A_EDIT_QUANTITY, 1);
    }
    const Run run = run_dialog(record, request.mode, request.variant, std::move(actions), *names);
    const int template_id = find_category_dialog(category->item_code)->template_id;
    const Parameters parameters = parameters_of(record, category->item_code);
    if (request.format == Format::json) print_json(out, run, template_id, parameters);
    else print_text(out, run, template_id, parameters);
    return out.flush() ? kAllComputed : kListUnusable;
}

namespace {

std::string_view text_at(const Record& record, const TextKey& key) {
    const auto* text = reinterpret_cast<const char*>(record.data() + kTextAreaOffset + key.field.offset);
    return {text, ::strnlen(text, key.field.length)};
}

// The cells that the dialog changed, as the new values of a change.
std::vector<Assignment> changes(const Category& category, const Record& before, const Record& after) {
    std::vector<Assignment> assignments;
    const std::size_t entered = GJBZ108A_EDIT_ENTERED_BLOCK;
    for (const ParameterField& field : category_fields(category.item_code)) {
        if (std::memcmp(before.data() + entered + field.offset, after.data() + entered + field.offset,
                        field_width(field.type)) == 0)
            continue;
        const std::string text = field_value_text(field, after.data() + entered);
        assignments.push_back({std::string(field.key), text.empty() ? "---" : text});
    }
    for (const TextKey& key : text_keys())
        if (text_at(before, key) != text_at(after, key))
            assignments.push_back({std::string(key.key), std::string(text_at(after, key))});
    // Of the general fields the dialog writes back the quantity only, never
    // the environment or the temperature.
    const GeneralField& quantity = *general_field_named("qty");
    if (!same_general_value(quantity, before.data(), after.data()))
        assignments.push_back({"qty", general_value_text(quantity, after.data())});
    return assignments;
}

}  // namespace

int edit_command(std::span<const std::string_view> arguments, std::istream& standard_input, std::ostream& out,
                 std::ostream& err, PartLibrary* library) {
    DialogRequest request;
    std::string why;
    if (!parse(arguments, request, request.list, why)) return usage_error(err, "edit", why);
    if (request.help) {
        print_help(out, "edit");
        return kAllComputed;
    }
    if (request.list.empty() || request.ref.empty())
        return usage_error(err, "edit", "edit needs a parts list and --ref REF");
    if (request.mode != 0 || request.variant != 0)
        return usage_error(err, "edit", "edit edits one part: no --mode or --variant");
    // In the headless window system nobody could work in the dialog without
    // a script of actions.
    if (request.actions.empty() && !platform::shows_windows()) {
        err << "gjbz108a edit: no window system is available; give the dialog's actions with --actions FILE\n";
        return kListUnusable;
    }
    std::optional<std::vector<UserAction>> actions;
    if (!request.actions.empty() && !read_actions(request.actions, actions.emplace(), why)) {
        err << "gjbz108a: " << why << '\n';
        return kListUnusable;
    }
    const std::optional<EnvironmentNames> names = names_of(request, standard_input, err);
    if (!names) return kListUnusable;
    std::string list;
    if (!read_list(request.list, standard_input, list, err)) return kListUnusable;
    std::unique_ptr<PartLibrary> host_library;
    if (library == nullptr) library = (host_library = make_host_library()).get();
    Record record{};
    const Category* category = nullptr;
    if (!load_part(request, list, *library, *names, record, category, err)) return kListUnusable;

    const Record before = record;
    const Run run = run_dialog(record, 0, 0, std::move(actions), *names);
    for (const MessageBox& box : run.boxes) err << "gjbz108a edit: message box \"" << box.caption << "\": " << box.text << '\n';
    if (run.result != GJBZ108A_EDIT_ACCEPTED) {
        err << "gjbz108a edit: the dialog was not accepted; nothing written\n";
        return kAllComputed;
    }
    const std::vector<Assignment> new_cells = changes(*category, before, record);
    if (new_cells.empty()) {
        err << "gjbz108a edit: nothing changed; nothing written\n";
        return kAllComputed;
    }
    ChangeBlocks conditions, new_values;
    if (!build_change_blocks(category, ChangeSide::conditions, {{"ref", request.ref}}, conditions, why) ||
        !build_change_blocks(category, ChangeSide::new_values, new_cells, new_values, why)) {
        err << "gjbz108a edit: " << why << "; nothing written\n";
        return kSomethingRefused;
    }
    ListChange change{kListUnusable, {}};
    try {
        change = change_list(list, request.list, category, conditions, new_values, *library, err, &*names);
    } catch (const RecordTooLong& error) {
        err << request.list << ':' << error.line() << ": " << error.what() << '\n';
    }
    if (change.status == kAllComputed && change.matched != 1) {
        err << "gjbz108a edit: the reference designator '" << request.ref << "' matches " << change.matched
            << " parts ignoring letter case; nothing written\n";
        return kSomethingRefused;
    }
    if (change.status != kAllComputed) {
        err << "gjbz108a edit: nothing written\n";
        return change.status;
    }
    const std::string& target = request.output.empty() ? request.list : request.output;
    if (!write_whole_file(target, change.text, err)) return kListUnusable;
    err << "gjbz108a edit: " << request.ref << ": " << new_cells.size() << (new_cells.size() == 1 ? " cell" : " cells")
        << " rewritten in " << target << '\n';
    return kAllComputed;
}

}  // namespace gjbz108a::cli
