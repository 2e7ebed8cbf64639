// The parts of the base dialog's behaviour that are rules rather than window
// work: what it hides when it opens for defaults or a global change, what
// review defaults locks, the global-change title, the help topic, and the
// message of a search whose key is empty.
#pragma once

#include "dialogs/category_rules.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a {

// The header controls hidden when the dialog opens in `mode`: none for a
// single part; else the image buttons, the reference designator, quantity,
// ENV and temperature with their labels and unit, and the four name edits
// with their labels unless the global change asks for its conditions
// (variant 0).
std::vector<int> hidden_on_open(EditingMode mode, std::int32_t variant);

// Review defaults disables the quantity, the reference designator and the
// four names, and hides the image buttons but itself, Help, Cancel and OK.
std::span<const int> locked_by_review_defaults() noexcept;
std::span<const int> hidden_by_review_defaults() noexcept;

// The title of a global-change dialog: the template's title as the window
// gives it back (at most 59 characters), then " : Conditions" for variant 0 or
// " : New Values" for any other.
std::string global_change_title(std::string_view title, std::int32_t variant);

// The help topic for `env_list_path`: the text before its first "SCR", then
// the help file and the topic; nothing when the path holds no "SCR" (as in
// defaults and global-change mode, where the dialog keeps no path). When the
// path starts on a network drive the topic is looked for on drive C.
std::optional<std::string> help_topic(std::string_view env_list_path, bool on_network_drive);

struct MessageText {
    std::string_view text;
    std::string_view caption;
};

// What a search says when the name field that last had the focus (nameKind
// 1..4) is empty; nothing for 0, where the search stops without a message.
std::optional<MessageText> empty_search_key(std::uint8_t name_kind) noexcept;

}  // namespace gjbz108a
