#include "records/suggestions.h"

#include <algorithm>
#include <cstddef>

namespace gjbz108a {
namespace {

char lower(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Edits (insert, delete, replace, swap of neighbours) between the texts,
// letter case aside; stops counting past `most`.
std::size_t edits(std::string_view a, std::string_view b, std::size_t most) {
    if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > most) return most + 1;
    // Three rows of the table suffice for the swap of neighbours.
    std::vector<std::size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const bool same = lower(a[i - 1]) == lower(b[j - 1]);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (same ? 0 : 1)});
            if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) && lower(a[i - 2]) == lower(b[j - 1]))
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        before.swap(previous);
        previous.swap(current);
    }
    return previous[b.size()];
}

bool word_separator(char c) noexcept { return c == ' ' || c == '_' || c == '-' || c == '(' || c == ')' || c == ','; }

// Whether `typed` is one of the words of `known`.
bool is_word_of(std::string_view typed, std::string_view known) {
    for (std::size_t start = 0; start < known.size();) {
        std::size_t end = start;
        while (end < known.size() && !word_separator(known[end])) ++end;
        const std::string_view word = known.substr(start, end - start);
        if (word.size() == typed.size() &&
            std::ranges::equal(word, typed, [](char x, char y) { return lower(x) == lower(y); }))
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

std::vector<std::string_view> likely_meant(std::string_view typed, std::span<const std::string_view> known) {
    constexpr std::size_t kMostCandidates = 3, kWordMatch = 3;
    if (typed.size() <= 3) return {};
    const std::size_t most_edits = typed.size() <= 8 ? 1 : 2;
    struct Candidate {
        std::size_t rank;  // the edits, or kWordMatch for a word of the text
        std::size_t order;
    };
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < known.size(); ++i) {
        const std::size_t distance = edits(typed, known[i], most_edits);
        if (distance <= most_edits) candidates.push_back({distance, i});
        else if (is_word_of(typed, known[i])) candidates.push_back({kWordMatch, i});
    }
    std::ranges::stable_sort(candidates, {}, &Candidate::rank);
    std::vector<std::string_view> meant;
    for (const Candidate& candidate : candidates) {
        if (meant.size() == kMostCandidates) break;
        const std::string_view text = known[candidate.order];
        const auto same = [&](std::string_view other) { return edits(text, other, 0) == 0; };
        if (std::ranges::none_of(meant, same)) meant.push_back(text);  // a key of many categories, once
    }
    return meant;
}

void append_did_you_mean(std::string& message, std::span<const std::string_view> candidates) {
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        message.append(i == 0 ? "; did you mean '" : i + 1 == candidates.size() ? " or '" : ", '");
        message.append(candidates[i]).append("'");
    }
    if (!candidates.empty()) message.append("?");
}

}  // namespace gjbz108a
