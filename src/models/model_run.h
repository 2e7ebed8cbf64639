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
// Refusals append one line to the host's message buffer and return 1; curve
// warnings append the validity message and make the result 2.
#pragma once

#include "method/item_codes.h"
#include "method/record.h"
#include "models/curve.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace gjbz108a {

enum ModelResult : int { kNotComputed = 1, kComputedWithWarnings = 2, kComputed = 3 };

using Model = int (*)(std::uint8_t* record, char** cursor);

// Environment factors, one stored integer per environment column.
using EnvironmentTable = std::array<std::int32_t, kEnvironmentColumns>;

// Factor tables are stored as scaled integers; reading one is a single-precision
// division of the integer converted to float.
constexpr float scaled(std::int32_t stored, float divisor) noexcept {
    return static_cast<float>(stored) / divisor;
}

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
    // before the environment is looked at.
    void prepare(unsigned owned_slots, std::initializer_list<std::size_t> selection_offsets) noexcept;
    bool map_environment() noexcept;

    bool marker_triple_set() const noexcept { return gjbz108a::marker_triple_set(record_); }

    // The marker triple's answer of every model but the integrated circuits:
    // failure rate 0, every factor 0, computed.
    int answer_marker_triple() noexcept;

    unsigned environment_column() const noexcept { return column_; }

    // The 0-based list index at `offset`, checked against a list of `size`
    // entries where the model is about to index a table with it. A code beyond
    // the list (0 included) is refused with a line naming `field` and the code.
    bool choose(std::size_t offset, unsigned size, const char* field, unsigned& index) noexcept;

    // Step E: the environment table at the environment column, scaled.
    float environment_factor(const EnvironmentTable& table, float divisor = 10.0f) const noexcept {
        return scaled(table[column_], divisor);
    }

    // Step Q: the user quality factor (f32 at `user_factor_offset`) when `index`
    // is the list's last entry "User", else the table entry scaled. `index` must
    // come from choose() with the list size table.size() + 1.
    template <std::size_t N>
    float quality_factor(unsigned index, const std::array<std::int32_t, N>& table, float divisor,
                         std::size_t user_factor_offset) const noexcept {
        return index == N ? load_f32(record_, user_factor_offset) : scaled(table[index], divisor);
    }

    void store(unsigned slot, float value) noexcept { gjbz108a::store(record_, item_slot(slot), value); }

    // lookup_curve with the frame's handling of its status: a warning is appended
    // and remembered; an invalid value is appended and false returned, and the
    // model returns refused() at once.
    bool lookup(Curve curve, float x, const char* name, float& factor) noexcept;

    // Appends one formatted line and gives the refusal result.
    [[gnu::format(printf, 2, 3)]] int refuse(const char* format, ...) noexcept;
    int refused() const noexcept { return kNotComputed; }

    // Closing step: the failure rate into slot 0 and the header; 2 when a lookup
    // warned, else 3.
    int close(float failure_rate) noexcept;

    const std::uint8_t* record() const noexcept { return record_; }
    char** cursor() const noexcept { return cursor_; }

private:
    std::uint8_t* record_;
    char** cursor_;
    unsigned column_ = 0;
    bool warned_ = false;
};

}  // namespace gjbz108a
