// Checks of the failure-rate models through calc_item, driven by data.
//
// Expected factors are the documented decimal values in the layout of the
// documented tables (by EnvironmentCode, list code, x), never in a model's
// storage order, so that a slip in a model's table cannot hide behind the same
// slip in a test.
#pragma once

#include "support/item_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace gjbz108a::test {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kBlank = kNaN;  // a blank cell of a documented table: not read

// Multiplies left to right in single precision.
inline float product(std::initializer_list<float> factors) {
    float result = 1.0f;
    for (float f : factors) result = result * f;
    return result;
}

// A part of the category that computes without a warning at EnvironmentCode
// 1: its first style or type, a quality level whose factor is 1 where the list
// has one, 25 degrees (1 on every curve that reaches 25) and no cycling.
inline ItemRecord part(unsigned item_code) {
    ItemRecord r(item_code);
    r.temperature(25).cycling_rate(0);
    switch (item_code) {
    case 1: case 2: case 3:  // Type, Tech MOS, Package Dual In-Line, Qual B2, Learn 1, 16 pins, Seal
        r.u8(151, 1).u8(152, 2).u8(153, 1).u8(154, 5).u8(155, 1).u16(156, 16).u8(170, 1);
        r.ic_size(item_code == 1 ? 4096 : item_code == 2 ? 100 : 1000);
        break;
    case 33: r.u8(152, 7).u16(154, 2).u16(156, 4).u16(160, 10); break;
    case 11: case 12: case 13: case 14: case 15: r.u8(151, 1).u8(152, 6); break;
    case 5: r.u8(151, 1).u8(152, 1).u8(153, 4); break;  // one film resistor
    case 6: r.u8(151, 1).u8(152, 4); break;
    case 7: r.u8(151, 1).u8(152, 7).u8(153, 2).u8(154, 1); break;  // with lead, sealed
    case 8: r.u8(151, 1).u8(152, 3).f32(154, 100); break;
    case 9: r.u8(151, 1).u8(152, 5).u8(153, 1).f32(154, 100); break;
    case 10: r.u8(151, 1).u8(152, 4).u8(158, 1).u8(159, 1); break;
    case 18: r.u8(151, 1).u8(152, 3).u8(153, 4); break;
    case 19: r.u16(152, 1000); break;  // reflow joints
    case 20: r.u8(152, 2).u16(154, 1000); break;  // quality B, 1000 holes
    case 31: r.u8(151, 1).u8(152, 2); break;
    case 29: r.u8(151, 1).u8(152, 3).u8(153, 1).u8(158, 1); break;
    case 27: r.u8(152, 4); break;
    default: r.u8(151, 1).u8(152, 3); break;  // 16, 21, 22, 28, 30
    }
    return r;
}

// Puts one input into a part: a field of the parameter block, the temperature,
// the cycling rate, the EnvironmentCode.
using Field = std::function<void(ItemRecord&, float)>;
inline Field u8_field(std::size_t at) {
    return [at](ItemRecord& r, float v) { r.u8(at, static_cast<unsigned>(v)); };
}
inline Field u16_field(std::size_t at) {
    return [at](ItemRecord& r, float v) { r.u16(at, static_cast<std::uint16_t>(v)); };
}
inline Field f32_field(std::size_t at) {
    return [at](ItemRecord& r, float v) { r.f32(at, v); };
}
inline const Field kTemperature = [](ItemRecord& r, float t) { r.temperature(t); };
inline const Field kCycling = [](ItemRecord& r, float rate) { r.cycling_rate(rate); };
inline const Field kEnvironment = u8_field(GJBZ108A_ENVIRONMENT_CODE);

// ---- Covering rows: one calculation per row, every factor slot checked ----

using Slots = std::array<float, 12>;  // slot 0 is the failure rate

// A category: the fields that a row's inputs go into, in order (a short row
// leaves the rest of part()), and the failure rate that the expected factors
// give, multiplied in the documented order.
struct Model {
    unsigned item_code;
    std::vector<Field> fields;
    std::function<float(const Slots&)> rate;
};

// The product of the slots, left to right in the order given.
inline std::function<float(const Slots&)> in_order(std::vector<unsigned> slots) {
    return [slots](const Slots& s) {
        float result = 1.0f;
        for (unsigned slot : slots) result = result * s[slot];
        return result;
    };
}

// The EnvironmentCode, the inputs and the factors expected in slots 1, 2, ...
struct Row {
    unsigned environment;
    std::vector<float> inputs;
    std::vector<float> factors;
};

inline void expect_rows(const Model& model, std::initializer_list<Row> rows) {
    int number = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "ItemCode " << model.item_code << ", row " << ++number);
        ItemRecord r = part(model.item_code);
        kEnvironment(r, row.environment);
        for (std::size_t i = 0; i < row.inputs.size(); ++i) model.fields.at(i)(r, row.inputs[i]);
        const Calculation calc = calculate(r);
        EXPECT_EQ(calc.result, 3);
        EXPECT_EQ(calc.messages, "");
        Slots expected{};
        for (std::size_t i = 0; i < row.factors.size(); ++i) {
            expected[i + 1] = row.factors[i];
            EXPECT_EQ(r.slot(i + 1), row.factors[i]) << "slot " << i + 1;
        }
        EXPECT_EQ(r.slot(0), model.rate(expected));
        EXPECT_EQ(r.failure_rate(), model.rate(expected));
    }
}

// ---- Documented tables read back ----

// The parts that read one column of a documented table, each showing the
// column's value / scale in result slot `slot`.
struct Column {
    std::vector<ItemRecord> parts;
    unsigned slot;
    float scale = 1.0f;
};

// The parts of the category with the code at `offset` set to each of `codes`.
inline Column column_of(unsigned item_code, std::size_t offset, std::initializer_list<unsigned> codes, unsigned slot) {
    Column column{{}, slot};
    for (unsigned code : codes) column.parts.push_back(part(item_code).u8(offset, code));
    return column;
}

struct Line {
    float key;                  // put into the parts by the table's Field
    std::vector<float> values;  // one per column
};

// Every cell: the column's parts with the line's key set show the cell's value
// in the column's slot. A blank cell is skipped; a cell of 0 may be refused.
inline void expect_table(const Field& key, const std::vector<Column>& columns, const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        ASSERT_EQ(line.values.size(), columns.size()) << "key " << line.key;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (std::isnan(line.values[c])) continue;
            const float expected = line.values[c] / columns[c].scale;
            for (ItemRecord r : columns[c].parts) {
                SCOPED_TRACE(testing::Message() << "ItemCode " << unsigned{r.u8_at(GJBZ108A_ITEM_CODE)} << ", key "
                                                << line.key << ", column " << c + 1);
                key(r, line.key);
                const Calculation calc = calculate(r);
                EXPECT_EQ(r.slot(columns[c].slot), expected);
                if (expected != 0.0f) {
                    EXPECT_EQ(calc.result, 3) << calc.messages;
                }
            }
        }
    }
}

// One column given as its keys and its values, as the documents lay out a
// curve (a line of x, a line of y) or a list (keys 1..n, see codes()).
inline void expect_values(const Column& column, const Field& key, const std::vector<float>& keys,
                          const std::vector<float>& values) {
    ASSERT_EQ(keys.size(), values.size());
    std::vector<Line> lines;
    for (std::size_t i = 0; i < keys.size(); ++i) lines.push_back({keys[i], {values[i]}});
    expect_table(key, {column}, lines);
}

inline std::vector<float> codes(unsigned last) {
    std::vector<float> keys;
    for (unsigned code = 1; code <= last; ++code) keys.push_back(static_cast<float>(code));
    return keys;
}

// ---- Single parts ----

// The part after calc_item, which must compute it, for checks of its slots.
inline ItemRecord computed(ItemRecord r) {
    EXPECT_EQ(calculate(r).result, GJBZ108A_COMPUTED);
    return r;
}

inline float rate_of(const ItemRecord& r) { return computed(r).failure_rate(); }

// calc_item computes the part with exactly the warning `lines`.
inline ItemRecord expect_warned(ItemRecord r, const std::string& lines) {
    const Calculation calc = calculate(r);
    EXPECT_EQ(calc.result, 2) << lines;
    EXPECT_EQ(calc.messages, lines);
    return r;
}

// ---- Refusals ----

// The part is refused with exactly `line`; the host's failure rate stays.
// Gives the part after calc_item, for checks of the slots written before.
inline ItemRecord expect_refused(ItemRecord r, const std::string& line) {
    r.f32(GJBZ108A_FAILURE_RATE, 9.0f);
    const Calculation calc = calculate(r);
    EXPECT_EQ(calc.result, 1) << line;
    EXPECT_EQ(calc.messages, line);
    EXPECT_EQ(r.failure_rate(), 9.0f) << line;
    return r;
}

}  // namespace gjbz108a::test
