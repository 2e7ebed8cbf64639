#include "tools/change/change_command.h"

#include "records/field_values.h"
#include "tools/change/change_arguments.h"
#include "tools/environments/environments_command.h"
#include "tools/file_streams.h"
#include "tools/help/help_texts.h"
#include "tools/prediction/host_part_library.h"
#include "tools/parts_list/input_limits.h"
#include "tools/change/list_change.h"
#include "tools/parts_list/list_format.h"
#include "tools/whole_file.h"

namespace gjbz108a::cli {
namespace {

int usage_error(std::ostream& err, std::string_view why) {
    err << "gjbz108a change: " << why << "\nTry 'gjbz108a change --help'.\n";
    return kListUnusable;
}

}  // namespace

int change_command(std::span<const std::string_view> arguments, std::istream& standard_input, std::ostream& out,
                   std::ostream& err, PartLibrary* library) {
    ChangeRequest request;
    std::string why;
    if (!parse_change_arguments(arguments, request, why)) return usage_error(err, why);
    if (request.help) {
        print_help(out, "change");
        return kAllComputed;
    }
    const Category* category = request.category.empty() ? nullptr : category_named(request.category);
    if (!request.category.empty() && category == nullptr)
        return usage_error(err, unknown_category(request.category));
    if (request.list == "-" && request.environments == "-")
        return usage_error(err, "the parts list and the environment list cannot both be standard input");
    const std::optional<EnvironmentNames> environments =
        environment_names_in_use(request.environments, standard_input, err);
    if (!environments) return kListUnusable;
    ChangeBlocks conditions, new_values;
    if (!build_change_blocks(category, ChangeSide::conditions, request.conditions, conditions, why, &*environments) ||
        !build_change_blocks(category, ChangeSide::new_values, request.new_values, new_values, why, &*environments))
        return usage_error(err, why);

    std::string list;
    try {
        list = read_whole_file(request.list, standard_input);
    } catch (const ReadError& error) {
        err << "gjbz108a: " << error.what() << '\n';
        return kListUnusable;
    }
    if (format_by_name(request.list).value_or(format_by_content(list)) == ListFormat::json) {
        err << "gjbz108a change: " << request.list << " is a JSON parts list; change rewrites CSV lists only\n";
        return kListUnusable;
    }
    std::unique_ptr<PartLibrary> host_library;
    if (library == nullptr) library = (host_library = make_host_library()).get();
    std::string_view file_name = request.list;
    if (file_name == "-") file_name = "<stdin>";
    ListChange change{kListUnusable, {}};
    try {
        change = change_list(list, file_name, category, conditions, new_values, *library, err, &*environments);
    } catch (const RecordTooLong& error) {
        err << file_name << ':' << error.line() << ": " << error.what() << '\n';
    }
    if (change.status != kAllComputed) {
        err << "gjbz108a change: nothing written\n";
        return change.status;
    }
    if (request.output.empty()) {
        // The counts say that the list was written: not when it was not.
        if (!(out << change.text << std::flush)) return kListUnusable;
    } else if (!write_whole_file(request.output, change.text, err)) {
        return kListUnusable;
    }
    err << "gjbz108a change: " << (category != nullptr ? std::string(category->name) + " parts" : "parts")
        << " matched: " << change.matched
        << ", changed: " << change.changed << '\n';
    return kAllComputed;
}

}  // namespace gjbz108a::cli
