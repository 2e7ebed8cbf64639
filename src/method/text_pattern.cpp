#include "method/text_pattern.h"

#include <algorithm>

namespace gjbz108a {
namespace {

bool stars_met(std::string_view part, std::string_view condition) noexcept {
    const auto stars = std::count(condition.begin(), condition.end(), '*');
    if (stars == 1) {
        // "*", "AB*", "*EF" and "AB*EF" alike: the part begins with the text
        // before the star and ends with the text after it. The two may overlap
        // in the part ("AB*BC" is met by "ABC").
        const std::size_t star = condition.find('*');
        return part.starts_with(condition.substr(0, star)) && part.ends_with(condition.substr(star + 1));
    }
    if (stars == 2 && condition.front() == '*' && condition.back() == '*') {
        // The text between the stars is searched for in place, whatever its
        // length; no work area limits it.
        return part.find(condition.substr(1, condition.size() - 2)) != std::string_view::npos;
    }
    return false;  // two stars elsewhere, or more than two
}

bool question_marks_met(std::string_view part, std::string_view condition) noexcept {
    const bool has_star = condition.find('*') != std::string_view::npos;
    if (!has_star && condition.size() != part.size()) return false;
    // Position by position up to the first star; "?" takes any character, also
    // one past the end of the part.
    for (std::size_t i = 0; i < condition.size(); ++i) {
        if (condition[i] == '*') return true;
        if (condition[i] == '?') continue;
        if (i >= part.size() || part[i] != condition[i]) return false;
    }
    return true;
}

}  // namespace

bool text_condition_met(std::string_view part, std::string_view condition, std::size_t capacity) noexcept {
    if (condition.starts_with("***")) return true;
    if (part.substr(0, capacity) == condition.substr(0, capacity)) return true;
    if (condition.find('?') != std::string_view::npos) return question_marks_met(part, condition);
    if (condition.find('*') != std::string_view::npos) return stars_met(part, condition);
    return false;
}

}  // namespace gjbz108a
