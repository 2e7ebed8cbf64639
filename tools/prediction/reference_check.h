// The report's side of a part's way out: the lines that reading and computing
// the part told the error stream, the count of the progress line, the part's
// report, then the warnings about its reference designators (one that an
// earlier part names too, a range that names more or fewer designators than
// the part's quantity). The check for repeated references needs nothing of
// the reading but the parts in their order, so it runs where the report runs
// (on a thread of its own for a long list, see ThreadedReport), and the lines
// of the error stream are written there in the order one thread would write
// them.
#pragma once

#include "tools/parts_list/diagnostics.h"
#include "tools/parts_list/duplicate_references.h"
#include "tools/prediction/progress_line.h"
#include "tools/prediction/report.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace gjbz108a::cli {

class ReferenceCheck final : public Report {
public:
    // Problems of `file` go to `diagnostics`; `ref_column` names the column
    // of the reference designators in them. `told_after` holds the lines told
    // after the last part (the end of the list, or why it was read no
    // further); they are written at finish, or when the check ends without.
    // With `progress`, the count of parts shows there on long lists.
    ReferenceCheck(std::unique_ptr<Report> report, std::string_view file, std::ostream& diagnostics,
                   std::string ref_column, const std::string& told_after, std::ostream* progress);
    ~ReferenceCheck() override;
    ReferenceCheck(const ReferenceCheck&) = delete;
    ReferenceCheck& operator=(const ReferenceCheck&) = delete;

    void part(const PartLine& line) override;
    void finish(const Summary& summary) override;

private:
    void end_of_parts() noexcept;

    std::unique_ptr<Report> report_;
    Diagnostics diagnostics_;
    std::string ref_column_;
    const std::string& told_after_;
    std::optional<ProgressLine> progress_;
    DuplicateReferences references_;
    unsigned long parts_ = 0;
    bool ended_ = false;
};

}  // namespace gjbz108a::cli
