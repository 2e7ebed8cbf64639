#include "tools/library/library_command.h"

#include "tools/file_streams.h"
#include "records/suggestions.h"
#include "tools/help/help_texts.h"
#include "tools/library/library_commands.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace gjbz108a::cli {
namespace {

using Command = void (*)(lib::ComponentLibrary&, lib::Arguments, lib::Streams);

struct Entry {
    std::string_view name;
    Command command;
};

constexpr std::array<Entry, 8> kCommands{{
    {"show", &lib::show},
    {"search", &lib::search},
    {"add", &lib::add},
    {"xref", &lib::cross_reference},
    {"defaults", &lib::defaults},
    {"import", &lib::import_table},
    {"export", &lib::export_table},
    {"environments", &lib::environments},
}};

int usage_error(std::ostream& err, std::string_view why) {
    err << "gjbz108a lib: " << why << "\nTry 'gjbz108a lib --help'.\n";
    return 2;
}

}  // namespace

int library_command(std::span<const std::string_view> arguments, std::istream& standard_input, std::ostream& out,
                    std::ostream& err) {
    if (arguments.empty()) return usage_error(err, "no command given");
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        print_help(out, "lib");
        out << "\nThe database now: " << lib::ComponentLibrary::default_location().string() << '\n';
        return 0;
    }
    const auto entry = std::ranges::find(kCommands, arguments[0], &Entry::name);
    if (entry == kCommands.end()) {
        std::string why = "unknown command '" + std::string(arguments[0]) + "'";
        std::vector<std::string_view> names;
        for (const Entry& each : kCommands) names.push_back(each.name);
        append_did_you_mean(why, likely_meant(arguments[0], names));
        return usage_error(err, why);
    }
    // A subcommand's help, whatever else is given: no part, category or table
    // is named --help.
    if (std::ranges::any_of(arguments.subspan(1), [](std::string_view a) { return a == "--help" || a == "-h"; })) {
        print_help(out, "lib " + std::string(entry->name));
        return 0;
    }
    try {
        lib::ComponentLibrary library(lib::ComponentLibrary::default_location());
        // Progress is for a person watching, not for a file or a pipe.
        entry->command(library, arguments.subspan(1), {standard_input, out, err, ::isatty(STDERR_FILENO) == 1});
        return 0;
    } catch (const lib::UsageError& error) {
        return usage_error(err, error.what());
    } catch (const ReadError& error) {
        err << "gjbz108a: " << error.what() << "\ngjbz108a lib: nothing imported\n";
        return 2;
    } catch (const lib::WriteError& error) {
        err << "gjbz108a lib: " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {  // the library's Error, and a database that cannot be opened
        err << "gjbz108a lib: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace gjbz108a::cli
