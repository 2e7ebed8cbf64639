#include "tools/change/change_arguments.h"

#include "records/field_values.h"
#include "tools/help/help_texts.h"

namespace gjbz108a::cli {
namespace {

// Takes the value of an option given as "--name VALUE" or "--name=VALUE".
bool option_value(std::span<const std::string_view> arguments, std::size_t& i, std::string_view name,
                  std::string& value, std::string& why) {
    const std::string_view argument = arguments[i];
    if (argument.size() > name.size() && argument[name.size()] == '=') {
        value = argument.substr(name.size() + 1);
        return true;
    }
    if (++i == arguments.size()) {
        why = std::string(name) + " needs a value";
        return false;
    }
    value = arguments[i];
    return true;
}

bool is_option(std::string_view argument, std::string_view name) {
    return argument == name || (argument.starts_with(name) && argument.size() > name.size() &&
                                argument[name.size()] == '=' && name.starts_with("--"));
}

bool set_category(ChangeRequest& request, std::string_view category, std::string& why) {
    if (!request.category.empty() && !same_text(request.category, category)) {
        why = "two categories: '" + request.category + "' and '" + std::string(category) +
              "'; a change is of one category";
        return false;
    }
    request.category = category;
    return true;
}

}  // namespace

bool parse_change_arguments(std::span<const std::string_view> arguments, ChangeRequest& request, std::string& why) {
    enum class Pairs { none, conditions, new_values } pairs = Pairs::none;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            request.help = true;
            return true;
        }
        if (argument == "--where") {
            pairs = Pairs::conditions;
            continue;
        }
        if (argument == "--set") {
            pairs = Pairs::new_values;
            continue;
        }
        if (is_option(argument, "--category")) {
            std::string category;
            if (!option_value(arguments, i, "--category", category, why) || !set_category(request, category, why))
                return false;
            pairs = Pairs::none;
            continue;
        }
        if (is_option(argument, "--environments")) {
            if (!option_value(arguments, i, "--environments", request.environments, why)) return false;
            pairs = Pairs::none;
            continue;
        }
        if (argument == "-o" || is_option(argument, "--output")) {
            if (!option_value(arguments, i, argument == "-o" ? "-o" : "--output", request.output, why)) return false;
            if (request.output.empty()) {
                why = "the output file has no name";
                return false;
            }
            pairs = Pairs::none;
            continue;
        }
        if (argument.size() > 1 && argument.front() == '-') {
            why = unknown_option("change", argument);
            return false;
        }
        const std::size_t equals = argument.find('=');
        if (pairs != Pairs::none && equals != std::string_view::npos) {
            const std::string key(trimmed(argument.substr(0, equals)));
            const std::string value(argument.substr(equals + 1));
            if (key.empty()) {
                why.clear();
                append_quoted(why, argument);
                why.append(" names no key");
                return false;
            }
            if (pairs == Pairs::conditions && same_text(key, "category")) {
                if (!set_category(request, trimmed(value), why)) return false;
            } else {
                (pairs == Pairs::conditions ? request.conditions : request.new_values).push_back({key, value});
            }
            continue;
        }
        if (!request.list.empty() || pairs != Pairs::none) {
            why.clear();
            append_quoted(why, argument);
            why.append(" is not KEY=VALUE");
            if (!request.list.empty()) append_quoted(why.append(", and the parts list is "), request.list);
            return false;
        }
        request.list = argument;
    }
    if (request.list.empty()) why = "no parts list given";
    else if (request.new_values.empty()) why = "no new value given: --set KEY=VALUE...";
    return why.empty();
}

}  // namespace gjbz108a::cli
