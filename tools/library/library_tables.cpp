// The library's tables as CSV files: import and export, through the library's
// own CSV exchange, so that a team can review and edit them in a spreadsheet.
#include "tools/library/library_commands.h"

#include "tools/prediction/progress_line.h"
#include "tools/whole_file.h"

#include "csv_exchange.h"
#include "error.h"

#include <optional>
#include <sstream>

namespace gjbz108a::cli::lib {
namespace {

enum class Table { parts, cross_references, defaults };

Table table_named(std::string_view name) {
    if (name == "parts") return Table::parts;
    if (name == "xrefs" || name == "cross_references") return Table::cross_references;
    if (name == "defaults") return Table::defaults;
    throw UsageError("'" + std::string(name) + "' is not a table: parts, xrefs or defaults");
}

}  // namespace

void import_table(ComponentLibrary& library, Arguments arguments, Streams streams) {
    if (arguments.size() != 2) throw UsageError("usage: gjbz108a lib import parts|xrefs|defaults FILE");
    const Table table = table_named(arguments[0]);
    const std::string file(arguments[1]);
    std::istringstream in(read_whole_file(file, streams.in));
    const std::string source = file == "-" ? "<stdin>" : file;
    std::size_t rows = 0;
    {
        std::optional<ProgressLine> progress;
        if (streams.progress) progress.emplace(streams.err, "rows imported");
        const talwen::ImportProgress report = [&](std::size_t count) {
            if (progress) progress->count(count);
        };
        try {
            library.write([&](ComponentLibrary::Writer& writer) {
                switch (table) {
                case Table::parts: rows = talwen::import_parts(writer, in, source, report); break;
                case Table::cross_references: rows = talwen::import_cross_references(writer, in, source, report); break;
                case Table::defaults: rows = talwen::import_defaults(writer, in, source, report); break;
                }
            });
        } catch (const talwen::Error& error) {
            // One transaction: a file lands whole or not at all.
            throw talwen::Error(std::string(error.what()) + "\nnothing imported: the library is as it was");
        }
    }
    streams.out << "imported " << rows << (rows == 1 ? " row" : " rows") << " of " << arguments[0] << " into "
                << library.file().string() << '\n';
}

void export_table(ComponentLibrary& library, Arguments arguments, Streams streams) {
    const bool to_file = arguments.size() == 3 && arguments[1] == "-o";
    if (arguments.size() != 1 && !to_file) throw UsageError("usage: gjbz108a lib export parts|xrefs|defaults [-o FILE]");
    std::ostringstream csv;
    switch (table_named(arguments[0])) {
    case Table::parts: talwen::export_parts(library, csv); break;
    case Table::cross_references: talwen::export_cross_references(library, csv); break;
    case Table::defaults: talwen::export_defaults(library, csv); break;
    }
    if (!to_file) {
        streams.out << csv.str();
        return;
    }
    if (!write_whole_file(std::string(arguments[2]), csv.view(), streams.err)) throw WriteError("nothing exported");
}

}  // namespace gjbz108a::cli::lib
