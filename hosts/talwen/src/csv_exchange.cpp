#include "csv_exchange.h"

#include "csv.h"
#include "records/field_values.h"
#include "records/item_codes.h"
#include "text.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <tuple>

namespace gjbz108a::talwen {
namespace {

constexpr std::string_view kPartColumns[] = {"generic_name", "category", "item_class"};
constexpr std::string_view kCrossReferenceColumns[] = {"name_kind", "name", "generic_name"};
constexpr std::string_view kDefaultsColumns[] = {"item_class", "category", "type", "subtype", "field", "value", "why"};

bool is_field_key(std::string_view name) {
    for (const Category& category : categories())
        if (find_field(category.item_code, name)) return true;
    return false;
}

bool is_part_column(std::string_view name) {
    return std::ranges::find(kPartColumns, name) != std::end(kPartColumns) || is_field_key(name);
}
bool is_cross_reference_column(std::string_view name) {
    return std::ranges::find(kCrossReferenceColumns, name) != std::end(kCrossReferenceColumns);
}
bool is_defaults_column(std::string_view name) {
    return std::ranges::find(kDefaultsColumns, name) != std::end(kDefaultsColumns);
}

// Reads a file whose first row names its columns and hands every further row
// to `store`, turning the Error of a row into one that names its line.
template <typename Store>
std::size_t import_rows(std::istream& in, const std::string& source, std::span<const std::string_view> required,
                        bool (*known)(std::string_view), const ImportProgress& progress, Store&& store) {
    CsvReader reader(in, source);
    const auto header = reader.next();
    if (!header) return 0;
    const CsvColumns columns(reader, *header, required, known);
    std::size_t count = 0;
    while (const auto row = reader.next()) {
        columns.check_width(reader, *row);
        try {
            store(columns, *row);
        } catch (const Error& error) {
            reader.fail(row->line, error.what());
        }
        ++count;
        if (progress) progress(count);
    }
    return count;
}

std::uint8_t parse_category(std::string_view text) {
    const Category* category = category_named(text);
    if (!category) throw Error("category " + in_quotes(text) + " is not a supported category");
    return category->item_code;
}

std::uint8_t parse_item_class(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty()) return 1;
    if (error != std::errc() || end != text.data() + text.size() || value > 255)
        throw Error("item_class " + in_quotes(text) + " is not a number 0..255");
    return static_cast<std::uint8_t>(value);
}

// A cell into a field, naming the column when the value is refused.
void set_cell(Block& block, const ParameterField& field, std::string_view text) {
    try {
        set_field(block, field, text);
    } catch (const Error& error) {
        throw Error("column '" + std::string(field.key) + "': " + error.what());
    }
}

// Remembers where each key was first seen, to refuse a second row for it.
template <typename Key>
class FirstSeen {
public:
    void check(const Key& key, std::size_t line, std::string_view what) {
        const auto [at, added] = lines_.emplace(key, line);
        if (!added) throw Error(std::string(what) + " is already on line " + std::to_string(at->second));
    }

private:
    std::map<Key, std::size_t> lines_;
};

std::string number_text(unsigned value) { return std::to_string(value); }

}  // namespace

std::size_t import_parts(ComponentLibrary::Writer& writer, std::istream& in, const std::string& source,
                         const ImportProgress& progress) {
    const std::string_view required[] = {"generic_name", "category"};
    FirstSeen<std::string> names;
    const auto store = [&](const CsvColumns& columns, const CsvRow& row) {
        Part part;
        part.generic_name = columns.cell(row, "generic_name");
        part.item_code = parse_category(columns.cell(row, "category"));
        part.item_class = parse_item_class(columns.cell(row, "item_class"));
        part.block = undefined_block(part.item_code);
        for (const std::string& key : columns.names()) {
            const std::string_view text = columns.cell(row, key);
            if (!is_field_key(key) || text.empty()) continue;
            const ParameterField* field = find_field(part.item_code, key);
            if (!field)
                throw Error("column '" + key + "': " + std::string(find_category(part.item_code)->name) +
                            " has no such parameter");
            set_cell(part.block, *field, text);
        }
        names.check(lower_case(part.generic_name), row.line, "generic name " + in_quotes(part.generic_name));
        writer.put_part(part);
    };
    return import_rows(in, source, required, is_part_column, progress, store);
}

std::size_t import_cross_references(ComponentLibrary::Writer& writer, std::istream& in, const std::string& source,
                                    const ImportProgress& progress) {
    FirstSeen<std::pair<NameKind, std::string>> names;
    const auto store = [&](const CsvColumns& columns, const CsvRow& row) {
        const std::string_view kind_text = columns.cell(row, "name_kind");
        const auto kind = name_kind_from_text(kind_text);
        if (!kind)
            throw Error("name_kind " + in_quotes(kind_text) +
                        " is not an entry of the list (catalog number, military number, part name)");
        const CrossReference reference{*kind, std::string(columns.cell(row, "name")),
                                       std::string(columns.cell(row, "generic_name"))};
        names.check({*kind, lower_case(reference.name)}, row.line,
                    std::string(name_kind_text(*kind)) + " " + in_quotes(reference.name));
        writer.put_cross_reference(reference);
    };
    return import_rows(in, source, kCrossReferenceColumns, is_cross_reference_column, progress, store);
}

std::size_t import_defaults(ComponentLibrary::Writer& writer, std::istream& in, const std::string& source,
                            const ImportProgress& progress) {
    const std::string_view required[] = {"category", "type", "subtype", "field", "value"};
    FirstSeen<std::tuple<unsigned, unsigned, unsigned, unsigned, std::string>> seen;
    const auto store = [&](const CsvColumns& columns, const CsvRow& row) {
        DefaultValue value;
        value.item_code = parse_category(columns.cell(row, "category"));
        value.item_class = parse_item_class(columns.cell(row, "item_class"));
        const std::string category(find_category(value.item_code)->name);
        value.block = undefined_block(value.item_code);
        if (const std::string_view type = columns.cell(row, "type"); !type.empty()) {
            const ParameterField* field = type_field(value.item_code);
            if (!field) throw Error("column 'type': " + category + " has no types");
            set_cell(value.block, *field, type);
            value.type = value.block[field->offset];
        }
        if (const std::string_view subtype = columns.cell(row, "subtype"); !subtype.empty()) {
            set_cell(value.block, category_fields(value.item_code).front(), subtype);
            value.subtype = value.block[kSubTypeOffset];
        }
        const std::string_view key = columns.cell(row, "field");
        value.field = find_field(value.item_code, key);
        if (!value.field) throw Error("column 'field': " + category + " has no parameter " + in_quotes(key));
        set_cell(value.block, *value.field, columns.cell(row, "value"));
        value.note = columns.cell(row, "why");
        seen.check({value.item_class, value.item_code, value.type, value.subtype, std::string(key)}, row.line,
                   "the default '" + std::string(key) + "' of this set");
        writer.put_default(value);
    };
    return import_rows(in, source, required, is_defaults_column, progress, store);
}

void export_parts(ComponentLibrary& library, std::ostream& out) {
    const std::vector<Part> parts = library.parts();
    // The parameter columns of the categories present, in category and block order.
    std::vector<std::string> header(std::begin(kPartColumns), std::end(kPartColumns));
    const std::size_t fixed = header.size();
    for (const Category& category : categories()) {
        if (std::ranges::none_of(parts, [&](const Part& p) { return p.item_code == category.item_code; })) continue;
        for (const ParameterField& field : category_fields(category.item_code))
            if (std::ranges::find(header, field.key) == header.end()) header.emplace_back(field.key);
    }
    write_csv_row(out, header);
    for (const Part& part : parts) {
        std::vector<std::string> cells(header.size());
        cells[0] = part.generic_name;
        cells[1] = find_category(part.item_code)->name;
        cells[2] = number_text(part.item_class);
        for (std::size_t column = fixed; column < header.size(); ++column)
            if (const ParameterField* field = find_field(part.item_code, header[column]))
                cells[column] = field_value_text(*field, part.block.data());
        write_csv_row(out, cells);
    }
}

void export_cross_references(ComponentLibrary& library, std::ostream& out) {
    write_csv_row(out, std::vector<std::string>(std::begin(kCrossReferenceColumns), std::end(kCrossReferenceColumns)));
    for (const CrossReference& reference : library.cross_references())
        write_csv_row(out, std::vector<std::string>{std::string(name_kind_text(reference.kind)), reference.name,
                                                    reference.generic_name});
}

void export_defaults(ComponentLibrary& library, std::ostream& out) {
    write_csv_row(out, std::vector<std::string>(std::begin(kDefaultsColumns), std::end(kDefaultsColumns)));
    for (const DefaultValue& value : library.default_values()) {
        const ParameterField* type = type_field(value.item_code);
        const std::string type_text =
            value.type == 0 ? "" : type ? std::string(type->entries[value.type - 1u]) : number_text(value.type);
        write_csv_row(out, std::vector<std::string>{number_text(value.item_class),
                                                    std::string(find_category(value.item_code)->name),
                                                    type_text, value.subtype ? number_text(value.subtype) : "",
                                                    std::string(value.field->key),
                                                    field_value_text(*value.field, value.block.data()), value.note});
    }
}

}  // namespace gjbz108a::talwen
