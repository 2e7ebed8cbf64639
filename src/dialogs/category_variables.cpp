#include "dialogs/category_variables.h"

#include "records/record.h"

#include <algorithm>

namespace gjbz108a {

CategoryVariables::CategoryVariables(const CategoryDialog& dialog) {
    variables_.reserve(dialog.controls.size());
    for (const CategoryControl& control : dialog.controls) {
        Variable variable{&control, {}};
        // Make the member of the control's type the union's active one.
        switch (control.type) {
        case VariableType::u8: variable.value.u8 = 0; break;
        case VariableType::u16: variable.value.u16 = 0; break;
        case VariableType::u32: variable.value.u32 = 0; break;
        case VariableType::i32: variable.value.i32 = 0; break;
        case VariableType::f32: variable.value.f32 = 0; break;
        }
        variables_.push_back(variable);
    }
    std::ranges::sort(variables_, {}, [](const Variable& variable) { return variable.control->order; });
}

void CategoryVariables::set_params(const std::uint8_t* block) noexcept {
    for (Variable& variable : variables_) {
        const std::size_t at = variable.control->block_byte;
        switch (variable.control->type) {
        case VariableType::u8: variable.value.u8 = load<std::uint8_t>(block, at); break;
        case VariableType::u16: variable.value.u16 = load<std::uint16_t>(block, at); break;
        case VariableType::u32: variable.value.u32 = load<std::uint32_t>(block, at); break;
        case VariableType::i32: variable.value.i32 = load<std::int32_t>(block, at); break;
        case VariableType::f32: variable.value.f32 = load<float>(block, at); break;
        }
    }
}

void CategoryVariables::get_params(std::uint8_t* block) const noexcept {
    for (const Variable& variable : variables_) {
        const std::size_t at = variable.control->block_byte;
        switch (variable.control->type) {
        case VariableType::u8: store(block, at, variable.value.u8); break;
        case VariableType::u16: store(block, at, variable.value.u16); break;
        case VariableType::u32: store(block, at, variable.value.u32); break;
        case VariableType::i32: store(block, at, variable.value.i32); break;
        case VariableType::f32: store(block, at, variable.value.f32); break;
        }
    }
}

void CategoryVariables::exchange(DataExchange& dx) noexcept {
    for (Variable& variable : variables_) {
        const int id = variable.control->id;
        if (variable.control->kind == ControlKind::list) {
            DDX_ToggleByte(&dx, id, &variable.value.u8);
            continue;
        }
        switch (variable.control->type) {
        case VariableType::u8: DDX_EditByte(&dx, id, &variable.value.u8); break;
        case VariableType::u16: DDX_EditWord(&dx, id, &variable.value.u16); break;
        case VariableType::u32: DDX_EditDWord(&dx, id, &variable.value.u32); break;
        case VariableType::i32: DDX_Editlong(&dx, id, &variable.value.i32); break;
        case VariableType::f32: DDX_Editfloat(&dx, id, &variable.value.f32); break;
        }
    }
}

std::uint8_t CategoryVariables::type() const noexcept {
    for (const Variable& variable : variables_)
        if (variable.control->id == kTypeListId) return variable.value.u8;
    return 0;
}

}  // namespace gjbz108a
