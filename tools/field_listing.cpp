#include "tools/field_listing.h"

#include "records/category_fields.h"
#include "records/item_codes.h"
#include "records/field_values.h"
#include "tools/example_rows.h"

namespace gjbz108a::cli {
namespace {

void describe_values(std::ostream& out, const ParameterField& field) {
    if (field.type == FieldType::selection) {
        for (std::size_t i = 0; i < field.entries.size(); ++i)
            out << (i ? ", " : "") << i + 1 << " `" << field.entries[i] << '`';
        return;
    }
    const FieldRange range = field_range(field.type);
    if (!range.real)
        out << "whole number, 0 to " << range.max;
    else if (field.unit == nullptr)
        out << "number, 0 or more";
    else
        out << "number, 0 or more, bare or with its unit: " << unit_spellings(*field.unit);
}

void show_example(std::ostream& out, unsigned item_code) {
    for (const ExampleRow& example : example_rows()) {
        if (example.item_code != item_code) continue;
        out << "\nExample:\n\n```csv\n";
        write_example(out, example);
        out << "```\n";
    }
}

}  // namespace

void list_fields(std::ostream& out, const Category* only) {
    bool first = true;
    for (const Category& category : categories()) {
        if (only != nullptr && &category != only) continue;
        out << (first ? "" : "\n") << "#### " << static_cast<unsigned>(category.item_code) << ' '
            << category.name << "\n\n";
        first = false;
        out << "| Key | Field | Unit | Values |\n|---|---|---|---|\n";
        for (const ParameterField& field : category_fields(category.item_code)) {
            out << "| `" << field.key << "` | " << field.title << " | "
                << (field.unit != nullptr ? unit_text(*field.unit) : "") << " | ";
            describe_values(out, field);
            out << " |\n";
        }
        show_example(out, category.item_code);
    }
}

}  // namespace gjbz108a::cli
