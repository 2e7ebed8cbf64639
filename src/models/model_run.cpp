#include "models/model_run.h"

#include "records/message.h"

#include <cstring>

namespace gjbz108a {

void ModelRun::prepare(unsigned owned_slots, std::initializer_list<std::size_t> selection_offsets) noexcept {
    std::memset(record_ + item_slot(0), 0, 4 * std::size_t{owned_slots});
    for (std::size_t offset : selection_offsets) --record_[offset];
}

bool ModelRun::map_environment() noexcept {
    const int column = gjbz108a::environment_column(record_[GJBZ108A_ENVIRONMENT_CODE]);
    if (column < 0) {
        append_line(cursor_, " Environment not supported\n");
        return false;
    }
    column_ = static_cast<unsigned>(column);
    return true;
}

int ModelRun::answer_marker_triple() noexcept { return close(0.0f); }

std::optional<int> ModelRun::opening_steps(unsigned owned_slots,
                                           std::initializer_list<std::size_t> selection_offsets) noexcept {
    if (!open(owned_slots, selection_offsets)) return kNotComputed;
    if (marker_triple_set()) return answer_marker_triple();
    return std::nullopt;
}

bool ModelRun::quality_step(QualityField field, std::span<const std::int32_t> table, float divisor,
                            unsigned slot, float& factor) noexcept {
    unsigned index = 0;
    if (!choose(field.code, static_cast<unsigned>(table.size()) + 1, field.name, index)) return false;
    factor = store(slot, quality_factor(index, table, divisor, field.user_factor));
    return true;
}

bool ModelRun::table_step(std::size_t code_offset, const char* name, std::span<const std::int32_t> table,
                          float divisor, unsigned slot, float& factor) noexcept {
    unsigned index = 0;
    if (!choose(code_offset, static_cast<unsigned>(table.size()), name, index)) return false;
    factor = store(slot, scaled(table[index], divisor));
    return true;
}

bool ModelRun::choose(std::size_t offset, unsigned size, const char* field, unsigned& index) noexcept {
    index = record_[offset];
    if (index < size) return true;
    // The record holds the decremented code; the user chose one higher.
    const unsigned code = (index + 1) & 0xFFu;
    append_line(cursor_, " %s code %u is not in the list 1..%u\n", field, code, size);
    return false;
}

bool ModelRun::lookup(Curve curve, float x, const char* name, float& factor) noexcept {
    factor = lookup_curve(curve, x, name);
    switch (validity_status()) {
    case Validity::valid:
        return true;
    case Validity::may_be_invalid:
        append_line(cursor_, "%s\n", validity_message());
        warned_ = true;
        return true;
    case Validity::invalid:
        append_line(cursor_, "%s\n", validity_message());
        return false;
    }
    return false;
}

int ModelRun::refuse(const char* format, ...) noexcept {
    std::va_list args;
    va_start(args, format);
    append_line_v(cursor_, format, args);
    va_end(args);
    return kNotComputed;
}

int ModelRun::close(float failure_rate) noexcept {
    store(0, failure_rate);
    gjbz108a::store(record_, GJBZ108A_FAILURE_RATE, failure_rate);
    return warned_ ? kComputedWithWarnings : kComputed;
}

}  // namespace gjbz108a
