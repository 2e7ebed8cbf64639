// The variables of a category dialog: one for each control of its table, of
// the control's type and zero when made. SetParams fills them from a
// ParameterBlock, GetParams writes them back, and the data exchange moves them
// to and from the controls.
#pragma once

#include "dialogs/category_dialogs.h"

#include <gjbz108a/data_exchange.h>

#include <cstdint>
#include <vector>

namespace gjbz108a {

class CategoryVariables {
public:
    explicit CategoryVariables(const CategoryDialog& dialog);

    // SetParams: every variable from its block byte.
    void set_params(const std::uint8_t* block) noexcept;

    // GetParams: every variable to its block byte; the other bytes of the block
    // are not touched.
    void get_params(std::uint8_t* block) const noexcept;

    // The category's part of the dialog's data exchange: each control in the
    // table's exchange order, lists by their selected index, edits by the
    // exchange of their variable's type, without range checks (the parameter
    // check on OK judges the values). Stops at the first failure, as `dx` does.
    void exchange(DataExchange& dx) noexcept;

    // The variable of control `id`, or nullptr when the dialog has no such
    // control or its variable is of another type. Lists are u8.
    std::uint8_t* u8(int id) noexcept { return find(id, VariableType::u8, &Value::u8); }
    std::uint16_t* u16(int id) noexcept { return find(id, VariableType::u16, &Value::u16); }
    std::uint32_t* u32(int id) noexcept { return find(id, VariableType::u32, &Value::u32); }
    std::int32_t* i32(int id) noexcept { return find(id, VariableType::i32, &Value::i32); }
    float* f32(int id) noexcept { return find(id, VariableType::f32, &Value::f32); }

    // The Type variable, 0 in the categories without a Type list.
    std::uint8_t type() const noexcept;

private:
    union Value {
        std::uint8_t u8;
        std::uint16_t u16;
        std::uint32_t u32;
        std::int32_t i32;
        float f32;
    };
    struct Variable {
        const CategoryControl* control;
        Value value;
    };

    template <typename T>
    T* find(int id, VariableType type, T Value::*member) noexcept {
        for (Variable& variable : variables_)
            if (variable.control->id == id) return variable.control->type == type ? &(variable.value.*member) : nullptr;
        return nullptr;
    }

    std::vector<Variable> variables_;  // in exchange order
};

}  // namespace gjbz108a
