#include "tools/command_line.h"

#include "records/field_values.h"
#include "records/suggestions.h"
#include "tools/change/change_command.h"
#include "tools/dialogs/dialog_command.h"
#include "tools/field_listing.h"
#include "tools/file_streams.h"
#include "tools/help/help_command.h"
#include "tools/help/help_texts.h"
#include "tools/library/library_command.h"
#include "tools/prediction/predict.h"

#include <optional>
#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

int usage_error(std::ostream& err, std::string_view why) {
    err << "gjbz108a: " << why << "\n" << "Try 'gjbz108a --help'.\n";
    return kListUnusable;
}

// The commands, for a first word that names none of them.
std::string command_hint(std::string_view word) {
    std::vector<std::string_view> commands;
    for (const HelpTopic& topic : help_topics())
        if (topic.command.find(' ') == std::string_view::npos) commands.push_back(topic.command);
    const std::vector<std::string_view> meant = likely_meant(word, commands);
    if (meant.empty()) return {};
    std::string hint = "; '" + std::string(word) + "' is no command";
    append_did_you_mean(hint, meant);
    return hint;
}

}  // namespace

int run_command_line(std::span<const std::string_view> arguments, std::istream& standard_input, std::ostream& out,
                     std::ostream& err, bool show_progress) {
    const std::string_view command = arguments.empty() ? "" : arguments[0];
    const std::span<const std::string_view> rest = arguments.empty() ? arguments : arguments.subspan(1);
    if (command == "help") return help_command(rest, out, err);
    if (command == "dialog") return dialog_command(rest, standard_input, out, err);
    if (command == "edit") return edit_command(rest, standard_input, out, err);
    if (command == "change") return change_command(rest, standard_input, out, err);
    if (command == "lib") return library_command(rest, standard_input, out, err);

    Format format = Format::text;
    RunOptions options;
    const View view = command == "report" ? View::tables : View::parts;
    std::string_view file;
    const std::size_t argc = arguments.size();
    for (std::size_t i = view == View::tables ? 1 : 0; i < argc; ++i) {
        const std::string_view arg = arguments[i];
        if (arg == "--help" || arg == "-h") {
            print_help(out, view == View::tables ? "report" : "");
            return kAllComputed;
        }
        if (arg == "--version") {
            out << version_line();
            return kAllComputed;
        }
        if (arg == "--list-fields") {
            const Category* category = nullptr;
            if (i + 2 < argc) return usage_error(err, "--list-fields takes one category at most");
            if (i + 1 < argc && (category = category_named(arguments[i + 1])) == nullptr)
                return usage_error(err, unknown_category(arguments[i + 1]));
            list_fields(out, category);
            return kAllComputed;
        }
        if (arg == "--format" || arg.starts_with("--format=")) {
            std::string_view value;
            if (arg == "--format") {
                if (++i == argc) return usage_error(err, "--format needs a value: text, csv or json");
                value = arguments[i];
            } else {
                value = arg.substr(9);
            }
            if (value == "text") format = Format::text;
            else if (value == "csv") format = Format::csv;
            else if (value == "json") format = Format::json;
            else return usage_error(err, "unknown format '" + std::string(value) + "': use text, csv or json");
            continue;
        }
        if (arg == "--no-defaults") {
            options.no_defaults = true;
            continue;
        }
        if (arg.size() > 1 && arg.front() == '-') return usage_error(err, "unknown option '" + std::string(arg) + "'");
        if (!file.empty()) return usage_error(err, "one parts file at a time" + command_hint(file));
        file = arg;
    }
    if (file.empty()) return usage_error(err, "no parts file given");

    std::ostream* progress = show_progress ? &err : nullptr;
    if (file == "-")
        return predict(standard_input, "<stdin>", format, view, out, err, &calc_item, nullptr, progress, options);
    std::optional<InputFile> list;
    try {
        list.emplace(std::string(file));
    } catch (const ReadError& error) {
        err << "gjbz108a: " << error.what() << command_hint(file) << '\n';
        return kListUnusable;
    }
    InputStream in(*list);
    return predict(in, file, format, view, out, err, &calc_item, nullptr, progress, options);
}

}  // namespace gjbz108a::cli
