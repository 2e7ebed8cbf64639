// A global change of a parts list, done on its text: the parts of the category
// whose entered parameters and texts meet the conditions (gchg_cmprec) get the
// new values (gchg_chgrec), and the cells whose value changed are rewritten.
// Every other byte of the list stays as it was: rows, cells, quoting, notes,
// line ends.
//
// The entered parameters are what a report shows: the row's cells over the
// parameters of the library part that the row names. The changed list is read
// back before it is handed out, and a part that would not read back as changed
// (an emptied cell of a row whose library part defines that field) refuses the
// change.
#pragma once

#include "tools/change/change_blocks.h"
#include "editing/part_library.h"
#include "tools/prediction/predict.h"

#include <ostream>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

class EnvironmentNames;

struct ListChange {
    ExitStatus status;  // kAllComputed: `text` is the changed list
    std::string text;
    unsigned long matched = 0, changed = 0;
};

// Changes the parts of `category`, or of every category when it is nullptr.
// Problems of the list go to `diagnostics` as "file:line: column 'x': why".
// A list with a problem is not changed: the status says why (kListUnusable for
// the header or a new value without a column, kSomethingRefused for rows).
// The environment column may name environments by `environments`.
ListChange change_list(std::string_view list, std::string_view file_name, const Category* category,
                       const ChangeBlocks& conditions, const ChangeBlocks& new_values, PartLibrary& library,
                       std::ostream& diagnostics, const EnvironmentNames* environments = nullptr);

}  // namespace gjbz108a::cli
