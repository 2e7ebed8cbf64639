// Which parameters a part was computed with, and which of them came from the
// component library's defaults rather than from the list. It compares the
// entered block with the effective one that the defaults merge built; it does
// not merge again.
#pragma once

#include "editing/defaults_merge.h"
#include "records/category_fields.h"

#include <cstdint>
#include <span>

namespace gjbz108a::cli {

class UsedValues {
public:
    // Nothing shown: the part got no effective block (a row refused while read).
    UsedValues() = default;

    // `edit_record` holds both blocks of a part of a supported category. Shown
    // are the fields of the category but two that a model does not read: the
    // SubType when nothing is chosen (it only picks the defaults set), and the
    // user quality factor unless a quality list says User.
    explicit UsedValues(const std::uint8_t* edit_record) noexcept;

    std::span<const ParameterField> fields() const noexcept { return fields_; }
    // Field i of fields(), as the bits of the masks count.
    bool shown(std::size_t i) const noexcept { return (shown_ >> i & 1) != 0; }
    bool defaulted(std::size_t i) const noexcept { return (defaulted_ >> i & 1) != 0; }
    bool any_defaulted() const noexcept { return defaulted_ != 0; }

    // The quality factor came from the list while no quality says User, or a
    // quality says User while the factor came from the defaults. Either is
    // worth a warning: the list's author probably meant something else.
    bool user_quality_mismatch() const noexcept { return user_quality_mismatch_; }

private:
    std::span<const ParameterField> fields_;
    std::uint32_t shown_ = 0;      // bit i: field i
    std::uint32_t defaulted_ = 0;  // bit i: field i, shown and taken from the defaults
    bool user_quality_mismatch_ = false;
};

}  // namespace gjbz108a::cli
