// The factor columns of all categories under their names, for the one-line-per-
// part CSV: its header is written before the first part is read, so it names
// every factor any category has, once ("PI e" of the resistors and of the
// tubes is one column).
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace gjbz108a::cli {

class FactorNames {
public:
    FactorNames();

    // In order of first appearance, by ItemCode and display order.
    std::span<const std::string> names() const noexcept { return names_; }

    // Where the factor shown at `index` (display order) of the category's
    // factor table goes among names().
    std::size_t position(unsigned item_code, std::size_t index) const noexcept {
        return positions_[item_code][index];
    }

private:
    std::vector<std::string> names_;
    std::vector<std::vector<std::size_t>> positions_;  // by ItemCode 0..33
};

}  // namespace gjbz108a::cli
