// gjbz108a: predicts the non-operating failure rate of a parts list.
#include "tools/change/change_command.h"
#include "tools/dialogs/dialog_command.h"
#include "tools/field_listing.h"
#include "tools/file_streams.h"
#include "tools/library/library_command.h"
#include "tools/prediction/predict.h"

#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using namespace gjbz108a::cli;

constexpr std::string_view kUsage = R"(Usage: gjbz108a [--format text|csv|json] PARTS_FILE
       gjbz108a report [--format text|csv|json] PARTS_FILE
       gjbz108a change PARTS_FILE --where KEY=VALUE... --set KEY=VALUE...
                       [-o OUT_FILE]    (gjbz108a change --help tells more)
       gjbz108a lib show|search|add|xref|defaults|import|export ...
                                        (gjbz108a lib --help tells more)
       gjbz108a dialog ITEMCODE [--mode 0|1|2] [--variant N] [--part LIST --ref REF]
                       [--actions FILE] [--format text|json]
       gjbz108a edit LIST --ref REF [--actions FILE] [-o OUT]
                                        (gjbz108a dialog --help tells more)
       gjbz108a --list-fields
       gjbz108a --help

Computes the non-operating failure rate of every part of PARTS_FILE (a CSV
parts list, or a JSON one: a .json file or one that starts with '[' or '{';
'-' reads standard input) and the total failure rate of the list, in failures
per 10^6 hours. Each part is written with its factors as soon as it is
computed; problems in the list go to standard error as
"file:line: column 'x': why". Empty cells take the defaults of the host
component library (libtalwen.so, whose database TALWEN_DB names), and a row
may name a part of that library in a generic_name, catalog_number,
military_number or part_name column.

'report' writes instead the report tables of every category of the list: its
parameter columns and its factor columns as a host lays them out.

Options:
  --format text|csv|json  output format (default text: a table for people)
  --list-fields           print the parameter columns of every category
  --help                  print this help

Exit status:
  0  every part was computed (validity warnings allowed)
  1  something was refused: a part with bad input or that its model did not
     compute, or an unknown column; the other parts are still reported
  2  nothing was computed: bad options, an unreadable file, or a header row
     without the required columns; or a JSON list that is not valid JSON, read
     up to the error (the parts before it are still reported); or an input or
     output that failed
)";

int usage_error(std::string_view why) {
    std::cerr << "gjbz108a: " << why << "\n" << "Try 'gjbz108a --help'.\n";
    return kListUnusable;
}

int run(int argc, char** argv, std::istream& standard_input, std::ostream& out) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "dialog" || command == "edit") {
        const std::vector<std::string_view> arguments(argv + 2, argv + argc);
        return command == "dialog" ? dialog_command(arguments, standard_input, out, std::cerr)
                                   : edit_command(arguments, standard_input, out, std::cerr);
    }
    if (command == "change" || command == "lib") {
        const std::vector<std::string_view> arguments(argv + 2, argv + argc);
        return command == "change" ? change_command(arguments, standard_input, out, std::cerr)
                                   : library_command(arguments, standard_input, out, std::cerr);
    }
    Format format = Format::text;
    const View view = argc > 1 && std::string_view(argv[1]) == "report" ? View::tables : View::parts;
    std::string_view file;
    for (int i = view == View::tables ? 2 : 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return kAllComputed;
        }
        if (arg == "--list-fields") {
            list_fields(out);
            return kAllComputed;
        }
        if (arg == "--format" || arg.starts_with("--format=")) {
            std::string_view value;
            if (arg == "--format") {
                if (++i == argc) return usage_error("--format needs a value: text, csv or json");
                value = argv[i];
            } else {
                value = arg.substr(9);
            }
            if (value == "text") format = Format::text;
            else if (value == "csv") format = Format::csv;
            else if (value == "json") format = Format::json;
            else return usage_error("unknown format '" + std::string(value) + "': use text, csv or json");
            continue;
        }
        if (arg.size() > 1 && arg.front() == '-') return usage_error("unknown option '" + std::string(arg) + "'");
        if (!file.empty()) return usage_error("one parts file at a time");
        file = arg;
    }
    if (file.empty()) return usage_error("no parts file given");

    std::ostream* progress = ::isatty(STDERR_FILENO) == 1 ? &std::cerr : nullptr;
    if (file == "-") return predict(standard_input, "<stdin>", format, view, out, std::cerr, &calc_item, nullptr, progress);
    std::optional<InputFile> list;
    try {
        list.emplace(std::string(file));
    } catch (const ReadError& error) {
        std::cerr << "gjbz108a: " << error.what() << '\n';
        return kListUnusable;
    }
    InputStream in(*list);
    return predict(in, file, format, view, out, std::cerr, &calc_item, nullptr, progress);
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    hold_open(STDERR_FILENO, O_WRONLY);  // where the messages go, if anywhere
    // Every output is checked when it is closed; what a command could not
    // write makes its status 2, whatever it computed.
    OutputFile standard_output(STDOUT_FILENO, "standard output");
    int status;
    try {
        InputFile standard_input;
        InputStream in(standard_input);
        std::ostream out(&standard_output);
        status = run(argc, argv, in, out);
    } catch (const std::exception& error) {
        // The last resort: every expected failure has its own message.
        std::cerr << "gjbz108a: internal error: " << error.what() << '\n';
        status = kListUnusable;
    } catch (...) {
        std::cerr << "gjbz108a: internal error\n";
        status = kListUnusable;
    }
    if (std::string why; !standard_output.close(why)) {
        if (!why.empty()) std::cerr << "gjbz108a: " << why << '\n';
        status = kListUnusable;
    }
    return status;
}
