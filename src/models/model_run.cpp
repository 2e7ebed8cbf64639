#include "models/model_run.h"

#include "records/message.h"


namespace gjbz108a {

bool ModelRun::refuse_environment() noexcept {
    append_text(cursor_, " Environment not supported\n");
    return false;
}

int ModelRun::answer_marker_triple() noexcept { return close(0.0f); }

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
    Validity status = Validity::valid;
    factor = lookup_curve(curve, x, name, status);
    if (status == Validity::valid) return true;
    // The message ends in its own line feed, so an empty line follows it.
    append_text(cursor_, validity_message());
    append_text(cursor_, "\n");
    if (status == Validity::invalid) return false;
    warned_ = true;
    return true;
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
