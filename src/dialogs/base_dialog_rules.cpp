#include "dialogs/base_dialog_rules.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/header_controls.h"


namespace gjbz108a {
namespace {

// Reference designator, quantity, ENV and temperature with their labels and
// the temperature's unit.
constexpr int kPlacement[]{1028, 1029, 1027, 1030, 1123, 1128, 1129, 1130, 1046};
// The four name edits and their labels.
constexpr int kNames[]{1026, 1040, 1041, 1042, 1124, 1125, 1126, 1127};

constexpr int kLockedByReviewDefaults[]{1029, 1028, 1042, 1041, 1040, 1026};
constexpr int kHiddenByReviewDefaults[]{kLibraryLookupId, kAddToLibraryId, kUpdateCrossReferenceId, kSearchId,
                                        kSearchAnywhereId, kHelpId, kCancelId, kOkId};

constexpr std::size_t kTitleCapacity = 59;

constexpr std::string_view kHelpFile = "BIN\\User Manual.chm::/";
constexpr std::string_view kHelpTopic = "relcal_frpediction.htm";

constexpr MessageText kEmptySearchKeys[]{
    {kGenericNameMissing, kMethodCaption},
    {kCatalogNumberMissing, kMethodCaption},
    {kMilitaryNumberMissing, kMethodCaption},
    {kPartNameMissing, kPartNameMissingCaption},
};

}  // namespace

std::vector<int> hidden_on_open(EditingMode mode, std::int32_t variant) {
    if (mode == EditingMode::single_part) return {};
    std::vector<int> hidden(std::begin(kPlacement), std::end(kPlacement));
    for (const HeaderButton& button : header_buttons())
        if (button.image) hidden.push_back(button.id);
    if (mode != EditingMode::global_change || variant != 0)
        hidden.insert(hidden.end(), std::begin(kNames), std::end(kNames));
    return hidden;
}

std::span<const int> locked_by_review_defaults() noexcept { return kLockedByReviewDefaults; }

std::span<const int> hidden_by_review_defaults() noexcept { return kHiddenByReviewDefaults; }

std::string global_change_title(std::string_view title, std::int32_t variant) {
    std::string result(title.substr(0, kTitleCapacity));
    result += variant == 0 ? kConditionsSuffix : kNewValuesSuffix;
    return result;
}

std::optional<std::string> help_topic(std::string_view env_list_path, bool on_network_drive) {
    const std::size_t scr = env_list_path.find("SCR");
    if (scr == std::string_view::npos) return std::nullopt;
    std::string topic(env_list_path.substr(0, scr));
    topic += kHelpFile;
    topic += kHelpTopic;
    if (on_network_drive) topic.front() = 'C';
    return topic;
}

std::optional<MessageText> empty_search_key(std::uint8_t name_kind) noexcept {
    if (name_kind < 1 || name_kind > std::size(kEmptySearchKeys)) return std::nullopt;
    return kEmptySearchKeys[name_kind - 1];
}

}  // namespace gjbz108a
