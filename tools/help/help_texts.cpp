#include "tools/help/help_texts.h"

#include "records/suggestions.h"

#include <algorithm>
#include <array>
#include <vector>

namespace gjbz108a::cli {
namespace {

constexpr std::string_view kPrediction = R"(Usage: gjbz108a [--format text|csv|json] [--no-defaults] [--environments FILE] PARTS_FILE
       gjbz108a report [--format text|csv|json] [--no-defaults] [--environments FILE] PARTS_FILE
       gjbz108a environments [--environments FILE] [--format text|csv]
       gjbz108a change PARTS_FILE [--category CATEGORY] [--where KEY=VALUE...]
                       --set KEY=VALUE... [-o OUT_FILE]
       gjbz108a lib show|search|add|xref|defaults|import|export|environments ...
       gjbz108a dialog ITEMCODE [--mode 0|1|2] [--variant N] [--part LIST --ref REF]
                       [--actions FILE] [--format text|json] [--environments FILE]
       gjbz108a edit LIST --ref REF [--actions FILE] [-o OUT] [--environments FILE]
       gjbz108a help [COMMAND [SUBCOMMAND]]
       gjbz108a --list-fields [CATEGORY]
       gjbz108a --version

Computes the non-operating failure rate of every part of PARTS_FILE (a CSV
parts list, or a JSON one: a .json file or one that starts with '[' or '{';
'-' reads standard input) and the total failure rate of the list, in failures
per 10^6 hours, and its MTBF. Each part is written with the values it was
computed with and its factors as soon as it is computed; problems in the list
and the parts refused go to standard error as "file:line: column 'x': why".
Empty cells take the defaults of the host component library (libtalwen.so,
whose database TALWEN_DB names), marked '*' in the output, and a row may name
a part of that library in a generic_name, catalog_number, military_number or
part_name column.

'gjbz108a help COMMAND' or 'gjbz108a COMMAND --help' tells more of a command:
report writes the report tables of every category, change changes the parts
that meet conditions, environments lists the environment codes, lib keeps
the component library, dialog opens a category's editing dialog and edit
edits one part of a list in it.

Options:
  --format text|csv|json   output format (default text: a table for people)
  --no-defaults            refuse a part that would take a library default
  --environments FILE      the names of the environments: an environment list
                           as the editing dialog reads it ("---", then the
                           name of code 1, 2, ... one a line); without it the
                           names stored with 'gjbz108a lib environments
                           import'. The environment column then takes a code
                           or a name (letter case aside), and the output
                           shows each part's environment
  --list-fields [CATEGORY] print the parameter columns of every category, or
                           of one (its ItemCode or name)
  --version                print the version
  --help                   print this help

Exit status:
  0  every part was computed (validity warnings allowed)
  1  something was refused: a part with bad input or that its model did not
     compute, or an unknown column; the other parts are still reported
  2  nothing was computed: bad options, an unreadable file, or a header row
     without the required columns; or a JSON list that is not valid JSON, read
     up to the error (the parts before it are still reported); or an input or
     output that failed
)";

constexpr std::string_view kReport = R"(Usage: gjbz108a report [--format text|csv|json] [--no-defaults]
                       [--sort category|rate] [--top N] [--environments FILE] PARTS_FILE

Writes the report tables of every category of the parts list, in ItemCode
order, as a host lays them out: the parameter table (the values each part was
computed with; * marks a default of the component library) and the factor table (the factors of the
calculation, each part's failure rate and status), then the category's sum;
then the total failure rate, the MTBF and the counts. A category's tables are
written once the whole list has been read.

With --sort rate it writes instead a Pareto view: the categories and the
computed parts by their share of the total failure rate, largest first, each
with its share and the running sum of the shares in percent. --top N shows
the N largest parts only (the categories all), keeping N parts in memory;
without it every computed part is held until the end, about 120 bytes a part.

Options:
  --format text|csv|json  output format (default text)
  --no-defaults           refuse a part that would take a library default
  --sort category|rate    the tables by category (default), or the Pareto view
  --top N                 the Pareto view of the N largest parts
  --environments FILE     the names the environment column may hold (as for
                          a prediction)

Exit status: as for a prediction (gjbz108a --help).
)";

constexpr std::string_view kChange = R"(Usage: gjbz108a change PARTS_FILE [--category CATEGORY]
                       [--where KEY=VALUE...] --set KEY=VALUE... [-o OUT_FILE]
                       [--environments FILE]

Changes the parts that meet every condition: puts the new values into them
and writes the whole list, otherwise as it was (rows, cells, notes), to
OUT_FILE or to standard output. Standard error says how many parts matched
and how many changed. PARTS_FILE '-' reads standard input; OUT_FILE may be
PARTS_FILE itself.

The parts are those of one category, given by --category CATEGORY or by the
condition category=CATEGORY (an ItemCode or a category name), or without a
category those of every category.

A KEY is one of qty, environment, temperature, cycling_rate (for every
part), one of the texts ref, generic_name, catalog_number, military_number,
part_name, or a parameter of the category (gjbz108a --list-fields). A VALUE
is written as in a parts list, or:
  ***        any value (in a condition), no change (in a new value)
  --- or ''  not defined (an empty cell) for a parameter or a text
An environment may be named as the environment list FILE names it, or
without --environments as the one the library keeps names it
(gjbz108a environments --help); a number is always a code.
A condition on a text may be a pattern: '*' stands for any text at the start,
at the end, at both ends or once inside, '?' for any one character; letter
case counts. A new text -rb1 removes the first character, -re1 the last. A
key without a condition takes any value. Conditions see a part's entered
parameters: its cells over those of the library part that the row names.

Nothing is written when an argument is invalid or the list has a problem.

Exit status:
  0  the list was written
  1  the list has problems (reported; nothing written)
  2  bad arguments, or a file that cannot be read or written (nothing written)
)";

constexpr std::string_view kLibrary = R"(Usage: gjbz108a lib COMMAND ARGUMENTS...

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
                      refer to the generic name of a part in the library
  defaults CATEGORY [TYPE [SUBTYPE]]
                      the defaults that the empty cells of such a part take
  import parts|xrefs|defaults FILE
                      adds or replaces the rows of a CSV file ('-' reads
                      standard input), all of them or, on a bad row, none
  export parts|xrefs|defaults [-o FILE]
                      writes a table as CSV; parts in the columns of a parts
                      list (generic_name, category, then the parameters)
  environments [import FILE]
                      the names of the environments, as an environment list;
                      import replaces them with those of FILE

'gjbz108a lib COMMAND --help' tells more of each. Letter case does not matter
in names. The database is the file named by TALWEN_DB, else
~/.local/share/talwen/library.db; a new one starts with the shipped defaults
and starter library.

Exit status:
  0  done
  1  nothing found, or the library refused the change (and is as it was)
  2  bad arguments, or a file that cannot be read or written
)";

constexpr std::string_view kLibraryShow = R"(Usage: gjbz108a lib show NAME

Shows the part of the component library that NAME names, as its generic
name, catalog number, military number or part name (tried in that order,
letter case aside): its category, the names that refer to it and its
parameters (--- where the category's default applies).

Exit status: 0 shown, 1 no such part, 2 bad arguments.
)";

constexpr std::string_view kLibrarySearch =
    R"(Usage: gjbz108a lib search [--contains] [--kind KIND] [--category CATEGORY] KEY

Lists the names of the component library that begin with KEY (with
--contains: that contain it), one a line. KIND is the kind of name searched:
generic_name (the default), catalog_number, military_number or part_name.
--category keeps the parts of one category (its ItemCode or name).

Exit status: 0 found, 1 nothing found, 2 bad arguments.
)";

constexpr std::string_view kLibraryAdd = R"(Usage: gjbz108a lib add CATEGORY GENERIC_NAME [KEY=VALUE...]

Stores a part of CATEGORY under GENERIC_NAME (at most 42 characters), or
replaces the part of that name. KEYs and VALUEs are those of a parts list
(gjbz108a --list-fields CATEGORY); a parameter left out is ---, so that the
category's default applies. A category with a type list needs its type, as
the editing dialog asks.

Exit status: 0 stored, 1 refused by the library, 2 bad arguments.
)";

constexpr std::string_view kLibraryXref = R"(Usage: gjbz108a lib xref KIND NAME GENERIC_NAME

Makes NAME, a name of the kind KIND (catalog_number, military_number or
part_name), refer to the part stored under GENERIC_NAME, which must be in
the library. A parts list may then name the part by NAME in its KIND column.

Exit status: 0 stored, 1 no such part (nothing stored), 2 bad arguments.
)";

constexpr std::string_view kLibraryDefaults = R"(Usage: gjbz108a lib defaults CATEGORY [TYPE [SUBTYPE]]

Shows the defaults that the empty cells of a part of CATEGORY, TYPE and
SUBTYPE take, each from the most specific set of defaults that has it. ---
marks a parameter without a default: a part must give it.

Exit status: 0 shown, 1 the library cannot be read, 2 bad arguments.
)";

constexpr std::string_view kLibraryImport = R"(Usage: gjbz108a lib import parts|xrefs|defaults FILE

Adds or replaces the rows of a CSV table of FILE ('-' reads standard input)
in one transaction: all of them, or on a bad row (named by its line) none.
The columns are those that lib export writes: parts in the columns of a
parts list (generic_name, category, then the parameters); xrefs name_kind,
name, generic_name; defaults category, type, subtype, field, value, why.

Exit status: 0 imported; else nothing was imported: 1 the library refused a
row, 2 bad arguments or a file that cannot be read.
)";

constexpr std::string_view kLibraryExport = R"(Usage: gjbz108a lib export parts|xrefs|defaults [-o FILE]

Writes a table of the component library as CSV, in the form that lib import
reads, to standard output or to FILE. FILE is replaced whole, through a
temporary file, once the table is complete.

Exit status: 0 written, 2 bad arguments or a file that cannot be written.
)";

constexpr std::string_view kEnvironments = R"(Usage: gjbz108a environments [--environments FILE] [--format text|csv]

Lists the environment codes 1 to 27 that a part's environment column takes:
whether the models support each, its column of the models' environment-factor
tables, and the environment factor PI e that three typical parts get there
(computed by the library), so that the codes can be told apart by how severe
they are.

The names of the environments are the host's: those of the environment list
FILE, the file from which the editing dialog fills its ENV list: "---" (the
entry of no environment), then the name of code 1, 2, ... one a line; "---"
leaves a code without a name. Without FILE, those stored with
'gjbz108a lib environments import'.

Exit status: 0 listed; 2 bad arguments, or an environment list that cannot be
read or is refused (its line and why on standard error).
)";

constexpr std::string_view kLibraryEnvironments = R"(Usage: gjbz108a lib environments [import FILE]

Prints the names of the environments that the library keeps, as an
environment list ("---", then the name of code 1, 2, ... one a line), or with
import replaces them by those of the environment list FILE ('-' reads
standard input), all of them or, on a bad line, none. Predictions take these
names when no --environments is given (gjbz108a environments --help).

Exit status: 0 printed or stored; 1 the library names no environments;
2 bad arguments or a list that cannot be read or is refused.
)";

constexpr std::string_view kDialog =
    R"(Usage: gjbz108a dialog ITEMCODE [--mode 0|1|2] [--variant N] [--part LIST --ref REF]
                       [--actions FILE] [--format text|json] [--environments FILE]

Opens the editing dialog of a category (ITEMCODE, or the category's name):
for one part (mode 0, the default), for the category's defaults (mode 1;
variant 1 a new set) or for a global change (mode 2; variant 0 the
conditions, 1 the new values). It edits an empty part, or the part of the CSV
parts list LIST whose reference designator is REF. It performs the actions of
FILE, one a line:
  select ID INDEX   pick item INDEX (from 0) of the list ID
  type ID TEXT      replace the text of the edit ID by the rest of the line
  click ID          click the control ID
  focus ID          move the focus to the control ID
  key F1|ENTER|ESCAPE
  hover ID          rest the pointer on ID (its tool tip)
and prints the dialog as the user sees it at the end: its controls with their
tool tips, the message boxes it showed and the part's parameters. The ENV list
shows the environments' names of FILE (--environments), else those the
component library keeps, and the code of an environment without a name. On
Windows the dialog is a real window: the actions act through its window
messages, and without --actions the user works in it until it is closed.

Exit status: 0 the dialog ran, 2 bad arguments, an unreadable file or a part
that is not in the list.
)";

constexpr std::string_view kEdit = R"(Usage: gjbz108a edit LIST --ref REF [--actions FILE] [-o OUT] [--environments FILE]

Edits the part REF of the CSV parts list LIST in its editing dialog and, on
OK, rewrites the cells of its row that the dialog changed (the quantity
included), to OUT or in place, as 'change' does: every other byte of the list
stays. Without a window system the dialog needs the actions of FILE, as
'gjbz108a dialog --help' describes them. The list's environment column may
name environments as a prediction's does (--environments FILE, else the
component library's names).

Exit status: 0 written, or the dialog was cancelled (nothing written); 1 a
change the list cannot take; 2 bad arguments or a file that cannot be read
or written.
)";

constexpr std::string_view kHelp = R"(Usage: gjbz108a help [COMMAND [SUBCOMMAND]]
       gjbz108a help --list
       gjbz108a help --all

Prints the help of a command, as 'gjbz108a COMMAND --help' does, or of
gjbz108a itself. --list names every command and subcommand that has a help,
one a line; --all prints every help, each after a line
"gjbz108a COMMAND".
)";

constexpr std::array<HelpTopic, 16> kTopics{{
    {"", kPrediction},
    {"report", kReport},
    {"change", kChange},
    {"lib", kLibrary},
    {"lib show", kLibraryShow},
    {"lib search", kLibrarySearch},
    {"lib add", kLibraryAdd},
    {"lib xref", kLibraryXref},
    {"lib defaults", kLibraryDefaults},
    {"lib import", kLibraryImport},
    {"lib export", kLibraryExport},
    {"lib environments", kLibraryEnvironments},
    {"environments", kEnvironments},
    {"dialog", kDialog},
    {"edit", kEdit},
    {"help", kHelp},
}};

}  // namespace

std::span<const HelpTopic> help_topics() noexcept { return kTopics; }

const HelpTopic* help_topic(std::string_view command) noexcept {
    const auto topic = std::ranges::find(kTopics, command, &HelpTopic::command);
    return topic == kTopics.end() ? nullptr : &*topic;
}

void print_help(std::ostream& out, std::string_view command) {
    const HelpTopic* topic = help_topic(command);
    // A subcommand without a text of its own is told of by its command's.
    while (topic == nullptr && !command.empty()) {
        const std::size_t space = command.rfind(' ');
        command = command.substr(0, space == std::string_view::npos ? 0 : space);
        topic = help_topic(command);
    }
    if (topic != nullptr) out << topic->text;
}

std::string unknown_option(std::string_view command, std::string_view option) {
    std::string why;  // appended, not summed: GCC 12 warns of a sum of temporaries here
    why.append("unknown option '").append(option).append("'");
    const HelpTopic* topic = help_topic(command);
    if (topic == nullptr) return why;
    // The options are the words of the text that start with "--".
    std::vector<std::string_view> options;
    const std::string_view text = topic->text;
    for (std::size_t at = text.find("--"); at != std::string_view::npos; at = text.find("--", at + 2)) {
        std::size_t end = at + 2;
        while (end < text.size() && ((text[end] >= 'a' && text[end] <= 'z') || text[end] == '-')) ++end;
        const bool starts_a_word = at == 0 || text[at - 1] == ' ' || text[at - 1] == '[';
        if (end > at + 2 && starts_a_word) options.push_back(text.substr(at, end - at));
    }
    append_did_you_mean(why, likely_meant(option, options));
    return why;
}

std::string_view version_line() noexcept { return "gjbz108a " GJBZ108A_VERSION "\n"; }

}  // namespace gjbz108a::cli
