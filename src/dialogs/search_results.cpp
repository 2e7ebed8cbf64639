#include "dialogs/search_results.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/template_layout.h"

#include <algorithm>

namespace gjbz108a {

CSrchres::CSrchres(platform::Hwnd parent)
    : CDesignDialog(search_results_template(), parent, toolkit::app_style()) {}

void CSrchres::set_result_path(std::string_view path) {
    const std::size_t length = std::min(path.size(), result_path_.size() - 1);
    std::copy_n(path.data(), length, result_path_.data());
    result_path_[length] = '\0';
}

bool CSrchres::OnInitDialog() {
    const bool result = CDesignDialog::OnInitDialog();
    // A file that cannot be opened leaves the list empty, without a message.
    LBfromFileNoDuplic(window(), kSearchResultsListId, result_path_.data());
    return result;
}

void CSrchres::DoDataExchange(DataExchange& dx) { toolkit::exchange_list_text(dx, kSearchResultsListId, selection_); }

bool CSrchres::OnHelp(const platform::HelpInfo&) {
    platform::message_box(window(), kSearchHelpMissing, kLibrarySearchCaption, platform::box::kOk);
    return true;
}

}  // namespace gjbz108a
