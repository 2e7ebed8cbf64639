#include "records/category_fields.h"

#include "records/field_tables.h"

#include <array>

namespace gjbz108a {
namespace {

using namespace fields;

struct CategoryFields {
    std::uint8_t item_code;
    std::span<const ParameterField> fields;
};

constexpr std::array<CategoryFields, 28> kCategoryFields{{
    {1, kIcMemory},       {2, kIcAnalog},     {3, kIcDigital},       {5, kResistor},
    {6, kVariableResistor}, {7, kCapacitor},  {8, kSwitch},          {9, kRelay},
    {10, kConnector},     {11, kLfDiode},     {12, kLfTransistor},   {13, kHfDiode},
    {14, kHfTransistor},  {15, kOptoelectronic}, {16, kGasLaser},    {18, kInductive},
    {19, kConnection},    {20, kPrintedBoard}, {21, kRotating},      {22, kQuartz},
    {24, kHeaderOnly},    {25, kHeaderOnly},  {27, kSaw},            {28, kLamp},
    {29, kMiscellaneous}, {30, kTube},        {31, kFilter},         {33, kHybrid},
}};

}  // namespace

std::span<const ParameterField> category_fields(unsigned item_code) noexcept {
    for (const CategoryFields& category : kCategoryFields)
        if (category.item_code == item_code) return category.fields;
    return {};
}

const ParameterField* find_field(unsigned item_code, std::string_view key) noexcept {
    for (const ParameterField& field : category_fields(item_code))
        if (field.key == key) return &field;
    return nullptr;
}

const ParameterField* type_field(unsigned item_code) noexcept {
    for (const ParameterField& field : category_fields(item_code))
        if (field.offset == kTypeOffset) return &field;
    return nullptr;
}

unsigned field_width(FieldType type) noexcept {
    switch (type) {
    case FieldType::u8:
    case FieldType::selection:
    case FieldType::code:
        return 1;
    case FieldType::u16:
        return 2;
    case FieldType::i32:
    case FieldType::u32:
    case FieldType::f32:
        return 4;
    }
    return 0;
}

}  // namespace gjbz108a
