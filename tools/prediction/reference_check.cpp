#include "tools/prediction/reference_check.h"

#include "tools/parts_list/reference_designators.h"

#include <utility>

namespace gjbz108a::cli {

ReferenceCheck::ReferenceCheck(std::unique_ptr<Report> report, std::string_view file, std::ostream& diagnostics,
                               std::string ref_column, const std::string& told_after, std::ostream* progress)
    : report_(std::move(report)), diagnostics_(file, diagnostics), ref_column_(std::move(ref_column)),
      told_after_(told_after) {
    if (progress == nullptr) return;
    progress_.emplace(*progress, "parts read");
    diagnostics_.share_terminal_with(&*progress_);
}

ReferenceCheck::~ReferenceCheck() { end_of_parts(); }

void ReferenceCheck::part(const PartLine& line) {
    diagnostics_.write_held(line.told_before);
    if (progress_) progress_->count(++parts_);
    // The designator's slot is fetched while the part is reported.
    const DuplicateReferences::Probe reference = references_.probe(line.ref);
    report_->part(line);
    // Worth a look but no reason to refuse: both parts are computed.
    if (const DuplicateReferences::Earlier earlier = references_.earlier(reference, line.line); earlier.line != 0)
        diagnostics_.report(line.line, ref_column_, DuplicateReferences::message(line.ref, reference, earlier));
    if (reference.designators.form == Designators::Form::range && line.quantity != 0)
        if (const std::string warning = range_count_warning(line.ref, reference.designators, line.quantity);
            !warning.empty())
            diagnostics_.report(line.line, ref_column_, warning);
}

void ReferenceCheck::finish(const Summary& summary) {
    end_of_parts();
    report_->finish(summary);
}

// The progress line leaves the terminal before the lines after it and the
// report's end.
void ReferenceCheck::end_of_parts() noexcept {
    if (std::exchange(ended_, true)) return;
    diagnostics_.share_terminal_with(nullptr);
    progress_.reset();
    diagnostics_.write_held(told_after_);
}

}  // namespace gjbz108a::cli
