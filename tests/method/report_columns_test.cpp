// The column tables name their parameter fields by key; every key must name a
// field of its category whose storage suits the cell.
#include "method/category_fields.h"
#include "method/report_columns.h"

#include <gtest/gtest.h>

#include <string>

namespace gjbz108a {
namespace {

bool suits(CellKind kind, FieldType type) {
    switch (kind) {
    case CellKind::list: return type == FieldType::selection;
    case CellKind::integer: return type == FieldType::u8 || type == FieldType::u16 || type == FieldType::i32 ||
                                   type == FieldType::u32;
    case CellKind::real: return type == FieldType::f32;
    case CellKind::factor: return false;
    }
    return false;
}

TEST(ReportColumns, EveryParameterColumnNamesAFieldOfItsCategory) {
    unsigned categories = 0;
    for (unsigned item = 0; item <= 255; ++item) {
        const CategoryReport* report = find_report(item);
        if (report == nullptr) continue;
        ++categories;
        for (const Column& column : report->parameters.columns) {
            const Cell& cell = column.cell;
            SCOPED_TRACE("item " + std::to_string(item) + " column \"" + std::string(column.title) + '"');
            ASSERT_NE(cell.kind, CellKind::factor);
            for (std::string_view key : {cell.field, cell.type_field}) {
                if (key.empty()) continue;
                const ParameterField* field = find_field(item, key);
                ASSERT_NE(field, nullptr) << "no field \"" << key << '"';
                EXPECT_TRUE(suits(cell.kind, field->type)) << key;
            }
        }
        for (const Column& column : report->factors.columns) EXPECT_EQ(column.cell.kind, CellKind::factor);
    }
    EXPECT_EQ(categories, 28u);
}

}  // namespace
}  // namespace gjbz108a
