#include "tools/library/library_command.h"

#include "tools/file_streams.h"
#include "tools/library/library_commands.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <string>

namespace gjbz108a::cli {
namespace {

constexpr std::string_view kUsage = R"(Usage: gjbz108a lib COMMAND ARGUMENTS...

Keeps the host component library that gjbz108a and the plug-in's editing
dialogs use: parts stored under generic names, cross-references from catalog
numbers, military numbers and part names, and the defaults of every category.

  show NAME           a part, by its generic name, catalog number, military
                      number or part name
  search [--contains] [--kind KIND] [--category CATEGORY] KEY
                      the names that begin with KEY (--contains: that contain
                      it); KIND generic_name (the default), catalog_number,
                      military_number or part_name
  add CATEGORY GENERIC_NAME [KEY=VALUE...]
                      stores a part, or replaces the one of that name; KEYs
                      and VALUEs as in a parts list, a KEY left out is ---
  xref KIND NAME GENERIC_NAME
                      makes a catalog_number, military_number or part_name
                      refer to a generic name
  defaults CATEGORY [TYPE [SUBTYPE]]
                      the defaults that the empty cells of such a part take
  import parts|xrefs|defaults FILE
                      adds or replaces the rows of a CSV file ('-' reads
                      standard input), all of them or, on a bad row, none
  export parts|xrefs|defaults [-o FILE]
                      writes a table as CSV; parts in the columns of a parts
                      list (generic_name, category, then the parameters)

Letter case does not matter in names. The database is the file named by
TALWEN_DB, else ~/.local/share/talwen/library.db; a new one starts with the
shipped defaults and starter library.

Exit status:
  0  done
  1  nothing found, or the library refused the change (and is as it was)
  2  bad arguments, or a file that cannot be read or written
)";

using Command = void (*)(lib::ComponentLibrary&, lib::Arguments, lib::Streams);

struct Entry {
    std::string_view name;
    Command command;
};

constexpr std::array<Entry, 7> kCommands{{
    {"show", &lib::show},
    {"search", &lib::search},
    {"add", &lib::add},
    {"xref", &lib::cross_reference},
    {"defaults", &lib::defaults},
    {"import", &lib::import_table},
    {"export", &lib::export_table},
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
        out << kUsage << "\nThe database now: " << lib::ComponentLibrary::default_location().string() << '\n';
        return 0;
    }
    const auto entry = std::ranges::find(kCommands, arguments[0], &Entry::name);
    if (entry == kCommands.end()) return usage_error(err, "unknown command '" + std::string(arguments[0]) + "'");
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
