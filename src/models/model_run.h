// The frame that every failure-rate model runs in.
//
// A model opens the run (clears the result slots it owns, turns its selection
// codes into 0-based indexes in place, maps the environment), answers the marker
// triple, reads its factors from tables and curves, stores each in its result
// slot and closes with the product:
//
//     ModelRun run(record, cursor);
//     if (!run.open(6, {kStyle, kQuality})) return run.refused();
//     if (run.marker_triple_set()) return run.answer_marker_triple();
//     ...
//     return run.close(rate);
//
// Every category model but the integrated circuits answers the marker triple the
// same way and reads its factors in the same few steps, so such a model reads
// as its tables plus its formula:
//
//     if (auto done = run.opening_steps(6, {kStyle, kQuality})) return *done;
//     const float pi_e = run.environment_step(kPiE, kEnvironment);
//     float pi_q, pi_t;
//     if (!run.quality_step(kQuality, kQualityTable, 100.0f, kPiQ, pi_q)) return run.refused();
//     if (!run.curve_step(kPiT, kCurve, temperature, "Temperature", pi_t)) return run.refused();
//     return run.close(pi_e * pi_q * pi_t);
//
// Refusals append one line to the host's message buffer and return 1; curve
// warnings append the validity message and make the result 2.
#pragma once

#include "records/field_tables.h"
#include "records/item_codes.h"
#include "records/record.h"
#include "models/curve.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <span>

namespace gjbz108a {

enum ModelResult : int { kNotComputed = 1, kComputedWithWarnings = 2, kComputed = 3 };

using Model = int (*)(std::uint8_t* record, char** cursor);

// Environment factors, one stored integer per environment column. The columns
// hold, in order, EnvironmentCodes 1 2 3 10 4 13 5 6 7 9 8 16 21 12 17 11 22 26 23.
using EnvironmentTable = std::array<std::int32_t, kEnvironmentColumns>;

// Factor tables are stored as scaled integers; reading one is a single-precision
// division of the integer converted to float.
constexpr float scaled(std::int32_t stored, float divisor) noexcept {
    return static_cast<float>(stored) / divisor;
}

// Where a category keeps its quality level: the SelectionCode byte, and the f32
// user factor that the list's last entry "User" selects. `name` names the field
// when its code is refused.
struct QualityField {
    std::size_t code;
    std::size_t user_factor;
    const char* name = "Quality";
};

class ModelRun {
public:
    ModelRun(std::uint8_t* record, char** cursor) noexcept : record_(record), cursor_(cursor) {}

    // Opening steps. Clears result slots 0..owned_slots-1, subtracts 1 in place
    // from the selection code at every given record offset (0 becomes 255; the
    // record keeps the new values on every path) and maps the environment. False
    // when the models do not support the environment: the line is appended.
    bool open(unsigned owned_slots, std::initializer_list<std::size_t> selection_offsets) noexcept {
        prepare(owned_slots, selection_offsets);
        return map_environment();
    }

    // The opening steps in two halves, for the models that store a factor
    // before the environment is looked at. Inline, so that the clearing of a
    // model's constant number of slots compiles to a few stores.
    void prepare(unsigned owned_slots, std::initializer_list<std::size_t> selection_offsets) noexcept {
        std::memset(record_ + item_slot(0), 0, 4 * std::size_t{owned_slots});
        for (std::size_t offset : selection_offsets) --record_[offset];
    }
    bool map_environment() noexcept {
        const int column = gjbz108a::environment_column(record_[GJBZ108A_ENVIRONMENT_CODE]);
        if (column < 0) return refuse_environment();
        column_ = static_cast<unsigned>(column);
        return true;
    }

    bool marker_triple_set() const noexcept { return gjbz108a::marker_triple_set(record_); }

    // The marker triple's answer of every model but the integrated circuits:
    // failure rate 0, every factor 0, computed.
    int answer_marker_triple() noexcept;

    unsigned environment_column() const noexcept { return column_; }

    // The 0-based list index at `offset`, checked against a list of `size`
    // entries where the model is about to index a table with it. A code beyond
    // the list (0 included) is refused with a line naming `field` and the code.
    bool choose(std::size_t offset, unsigned size, const char* field, unsigned& index) noexcept {
        index = record_[offset];
        return index < size || refuse_code(index, size, field);
    }

    // Step E: the environment table at the environment column, scaled.
    float environment_factor(const EnvironmentTable& table, float divisor = 10.0f) const noexcept {
        return scaled(table[column_], divisor);
    }

    // Step Q: the user quality factor (f32 at `user_factor_offset`) when `index`
    // is the list's last entry "User", else the table entry scaled. `index` must
    // come from choose() with the list size table.size() + 1.
    float quality_factor(unsigned index, std::span<const std::int32_t> table, float divisor,
                         std::size_t user_factor_offset) const noexcept {
        return index == table.size() ? load_f32(record_, user_factor_offset)
                                     : scaled(table[index], divisor);
    }

    // Writes a factor into its result slot and gives it back.
    float store(unsigned slot, float value) noexcept {
        gjbz108a::store(record_, item_slot(slot), value);
        return value;
    }

    // lookup_curve with the frame's handling of its status: a warning is appended
    // and remembered; an invalid value is appended and false returned, and the
    // model returns refused() at once.
    bool lookup(Curve curve, float x, const char* name, float& factor) noexcept {
        Validity status = Validity::valid;
        factor = read_factor(curve, x, name, status, cursor_);
        return status == Validity::valid || report(status);
    }

    // The steps shared by the category models (every model but the integrated
    // circuits).

    // Opening steps: open(), then the marker triple, whose answer is failure
    // rate 0 with every factor 0. Holds the model's result when it is done
    // already (1 for an unsupported environment, 3 for the marker triple).
    std::optional<int> opening_steps(unsigned owned_slots,
                                     std::initializer_list<std::size_t> selection_offsets) noexcept {
        if (!open(owned_slots, selection_offsets)) return kNotComputed;
        if (marker_triple_set()) return answer_marker_triple();
        return std::nullopt;
    }

    // Step E: the environment factor, stored in `slot`.
    float environment_step(unsigned slot, const EnvironmentTable& table, float divisor = 10.0f) noexcept {
        return store(slot, environment_factor(table, divisor));
    }

    // Step Q: the quality level chosen from the table's levels plus "User",
    // its factor stored in `slot`. False when the code is not in the list (the
    // line is appended; nothing is stored).
    bool quality_step(QualityField field, std::span<const std::int32_t> table, float divisor,
                      unsigned slot, float& factor) noexcept {
        unsigned index = 0;
        if (!choose(field.code, static_cast<unsigned>(table.size()) + 1, field.name, index)) return false;
        factor = store(slot, quality_factor(index, table, divisor, field.user_factor));
        return true;
    }

    // A factor read from a table by the selection code at `code_offset`,
    // scaled and stored in `slot`. False when the code is not in the table's
    // list, which `name` names (the line is appended; nothing is stored).
    bool table_step(std::size_t code_offset, const char* name, std::span<const std::int32_t> table,
                    float divisor, unsigned slot, float& factor) noexcept {
        unsigned index = 0;
        if (!choose(code_offset, static_cast<unsigned>(table.size()), name, index)) return false;
        factor = store(slot, scaled(table[index], divisor));
        return true;
    }

    // A curve factor: lookup() and, unless the model is invalid for x, the
    // factor stored in `slot`.
    bool curve_step(unsigned slot, Curve curve, float x, const char* name, float& factor) noexcept {
        if (!lookup(curve, x, name, factor)) return false;
        store(slot, factor);
        return true;
    }

    // The cycling factor of every category model but the integrated circuits:
    // the record's cycling rate on `curve`, named as these models name it.
    bool cycling_step(unsigned slot, Curve curve, float& factor) noexcept {
        return curve_step(slot, curve, cycling_rate(), " Circulation rate/1000 hours", factor);
    }

    float temperature() const noexcept { return load_f32(record_, GJBZ108A_TEMPERATURE); }
    float cycling_rate() const noexcept { return load_f32(record_, GJBZ108A_CYCLING_RATE); }

    // Appends one formatted line and gives the refusal result.
    [[gnu::format(printf, 2, 3)]] int refuse(const char* format, ...) noexcept;
    int refused() const noexcept { return kNotComputed; }

    // Closing step: the failure rate into slot 0 and the header; 2 when a lookup
    // warned, else 3.
    int close(float failure_rate) noexcept {
        store(0, failure_rate);
        gjbz108a::store(record_, GJBZ108A_FAILURE_RATE, failure_rate);
        return warned_ ? kComputedWithWarnings : kComputed;
    }

    const std::uint8_t* record() const noexcept { return record_; }
    char** cursor() const noexcept { return cursor_; }

private:
    // Appends the line of an environment that the models do not support; false.
    bool refuse_environment() noexcept;
    // Appends the line of a selection code beyond its list of `size` entries;
    // `index` is the decremented code that the record holds. False.
    bool refuse_code(unsigned index, unsigned size, const char* field) noexcept;
    // Ends the validity message of a lookup that was not valid, which the
    // lookup appended: false when the model is invalid for the value, true
    // after a warning.
    bool report(Validity status) noexcept;

    std::uint8_t* record_;
    char** cursor_;
    unsigned column_ = 0;
    bool warned_ = false;
};

}  // namespace gjbz108a
