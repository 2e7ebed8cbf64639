// "Did you mean" for a name or an entry that was typed a little wrong: the
// known texts within a typo or two of it, or of which it is a whole word
// (`quality` for `coil_quality`), letter case aside.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a {

// The known texts that `typed` most likely means, best first, at most three.
// A typed text of three characters or fewer has none (B3 is no typo of B2).
std::vector<std::string_view> likely_meant(std::string_view typed, std::span<const std::string_view> known);

// Appends "; did you mean 'A'?", "'A' or 'B'?" or "'A', 'B' or 'C'?"; nothing
// for no candidate.
void append_did_you_mean(std::string& message, std::span<const std::string_view> candidates);

}  // namespace gjbz108a
