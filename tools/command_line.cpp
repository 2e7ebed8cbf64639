#include "tools/command_line.h"

#include "records/field_values.h"
#include "records/suggestions.h"
#include "tools/change/change_command.h"
#include "tools/dialogs/dialog_command.h"
#include "tools/environments/environments_command.h"
#include "tools/field_listing.h"
#include "tools/file_streams.h"
#include "tools/help/help_command.h"
#include "tools/help/help_texts.h"
#include "tools/library/library_command.h"
#include "tools/prediction/predict.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

// The most parts a Pareto view may be asked to show.
constexpr std::int64_t kMostShown = 1'000'000'000;

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
    if (command == "environments") return environments_command(rest, standard_input, out, err);

    Format format = Format::text;
    RunOptions options;
    std::string why;
    const bool report = command == "report";
    View view = report ? View::tables : View::parts;
    bool by_category = false;  // asked for by --sort category
    std::string_view file, environment_list;
    const std::size_t argc = arguments.size();
    for (std::size_t i = report ? 1 : 0; i < argc; ++i) {
        const std::string_view arg = arguments[i];
        if (arg == "--help" || arg == "-h") {
            print_help(out, report ? "report" : "");
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
        if (arg == "--sort" || arg == "--top") {
            if (!report) return usage_error(err, std::string(arg) + " belongs to 'gjbz108a report'");
            if (++i == argc) return usage_error(err, std::string(arg) + " needs a value");
            const std::string_view value = arguments[i];
            if (arg == "--sort" && (value == "rate" || value == "category")) {
                by_category = value == "category";
                view = by_category ? View::tables : View::pareto;
            } else if (arg == "--sort") {
                return usage_error(err, "unknown sort '" + std::string(value) + "': use category or rate");
            } else if (std::int64_t top; read_whole(value, 1, kMostShown, top, why)) {
                options.top = static_cast<std::size_t>(top);
            } else {
                return usage_error(err, "--top: " + why);
            }
            continue;
        }
        if (arg == "--environments") {
            if (++i == argc) return usage_error(err, "--environments needs a file: an environment list");
            environment_list = arguments[i];
            continue;
        }
        if (arg.size() > 1 && arg.front() == '-')
            return usage_error(err, unknown_option(view == View::tables ? "report" : "", arg));
        if (!file.empty()) return usage_error(err, "one parts file at a time" + command_hint(file));
        file = arg;
    }
    if (file.empty()) return usage_error(err, "no parts file given");
    if (options.top != 0) {
        if (by_category) return usage_error(err, "--top shows the largest parts: it goes with --sort rate");
        view = View::pareto;  // a top is a Pareto view
    }
    if (file == "-" && environment_list == "-")
        return usage_error(err, "the parts list and the environment list cannot both be standard input");
    const std::optional<EnvironmentNames> environments =
        environment_names_in_use(environment_list, standard_input, err);
    if (!environments) return kListUnusable;
    options.environments = &*environments;

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
