// The library's entries one at a time: show, search, add, xref, defaults.
#include "tools/library/library_commands.h"

#include "editing/defaults_merge.h"
#include "records/field_values.h"
#include "records/suggestions.h"

#include "block_codec.h"
#include "error.h"

#include <algorithm>
#include <optional>
#include <string>

namespace gjbz108a::cli::lib {
namespace {

using talwen::Error;

// The name kinds as the columns of a parts list name them.
constexpr std::array<std::string_view, 4> kKindKeys{"generic_name", "catalog_number", "military_number", "part_name"};

std::string_view kind_key(NameKind kind) { return kKindKeys[static_cast<std::size_t>(kind) - 1]; }

std::optional<NameKind> kind_named(std::string_view text) {
    for (std::size_t i = 0; i < kKindKeys.size(); ++i)
        if (same_text(text, kKindKeys[i])) return static_cast<NameKind>(i + 1);
    return std::nullopt;
}

const Category& category_argument(std::string_view text) {
    const Category* category = category_named(text);
    if (category == nullptr)
        throw UsageError(unknown_category(text));
    return *category;
}

void expect_count(Arguments arguments, std::size_t least, std::size_t most, std::string_view usage) {
    if (arguments.size() < least || arguments.size() > most) throw UsageError("usage: gjbz108a lib " + std::string(usage));
}

// "key    value" lines, the keys in a column.
void line(std::ostream& out, std::string_view key, std::string_view value) {
    constexpr std::size_t kKeyWidth = 21;
    out << key << std::string(key.size() < kKeyWidth ? kKeyWidth - key.size() : 1, ' ') << value << '\n';
}

void show_parameters(std::ostream& out, const Category& category, const talwen::Block& block, std::size_t first) {
    for (const ParameterField& field : category_fields(category.item_code)) {
        if (field.offset < first) continue;
        const std::string text = field_value_text(field, block.data());
        line(out, field.key, text.empty() ? "---" : text);
    }
}

}  // namespace

void show(ComponentLibrary& library, Arguments arguments, Streams streams) {
    expect_count(arguments, 1, 1, "show NAME");
    const std::string_view name = arguments[0];
    std::optional<talwen::Part> part = library.find_part(name);
    for (NameKind kind : {NameKind::catalog_number, NameKind::military_number, NameKind::part_name}) {
        if (part) break;
        if (const auto reference = library.find_cross_reference(kind, name))
            part = library.find_part(reference->generic_name);
    }
    if (!part)
        throw Error("the library has no part with the generic name, catalog number, military number or part name '" +
                    std::string(name) + "'");
    const Category* category = find_category(part->item_code);
    if (category == nullptr) throw Error("the part '" + part->generic_name + "' is of no supported category");
    line(streams.out, "generic_name", part->generic_name);
    line(streams.out, "category", category->name);
    for (const talwen::CrossReference& reference : library.cross_references())
        if (same_text(reference.generic_name, part->generic_name))
            line(streams.out, kind_key(reference.kind), reference.name);
    show_parameters(streams.out, *category, part->block, 0);
}

void search(ComponentLibrary& library, Arguments arguments, Streams streams) {
    auto how = talwen::SearchKind::begins_with;
    NameKind kind = NameKind::generic_name;
    unsigned item_code = 0;
    std::optional<std::string_view> key;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--contains") {
            how = talwen::SearchKind::contains;
        } else if (argument == "--kind" && i + 1 < arguments.size()) {
            const auto named = kind_named(arguments[++i]);
            if (!named) throw UsageError("'" + std::string(arguments[i]) + "' is not a name kind (generic_name, "
                                         "catalog_number, military_number, part_name)");
            kind = *named;
        } else if (argument == "--category" && i + 1 < arguments.size()) {
            item_code = category_argument(arguments[++i]).item_code;
        } else if (!key && !(argument.size() > 1 && argument.front() == '-')) {
            key = argument;
        } else {
            throw UsageError("usage: gjbz108a lib search [--contains] [--kind KIND] [--category CATEGORY] KEY");
        }
    }
    if (!key) throw UsageError("usage: gjbz108a lib search [--contains] [--kind KIND] [--category CATEGORY] KEY");
    const auto names = library.search(how, kind, 1, item_code, *key);
    if (names.empty())
        throw Error("no " + std::string(kind_key(kind)) +
                    (how == talwen::SearchKind::contains ? " contains '" : " begins with '") + std::string(*key) + "'");
    for (const std::string& name : names) streams.out << name << '\n';
}

void add(ComponentLibrary& library, Arguments arguments, Streams streams) {
    expect_count(arguments, 2, 200, "add CATEGORY GENERIC_NAME [KEY=VALUE...]");
    const Category& category = category_argument(arguments[0]);
    talwen::Part part{std::string(arguments[1]), 1, category.item_code, talwen::undefined_block(category.item_code)};
    for (std::string_view assignment : arguments.subspan(2)) {
        const std::size_t equals = assignment.find('=');
        const std::string_view key = assignment.substr(0, equals);
        const auto fields = category_fields(category.item_code);
        const auto field = std::ranges::find_if(fields, [&](const ParameterField& f) { return same_text(f.key, key); });
        if (equals == std::string_view::npos || field == fields.end()) {
            std::string why;  // appended, not summed: GCC 12 warns of a sum of temporaries here
            why.append("'").append(assignment).append("': ").append(category.name);
            why.append(" has no such parameter (gjbz108a --list-fields lists them)");
            std::vector<std::string_view> keys;
            for (const ParameterField& each : fields) keys.push_back(each.key);
            append_did_you_mean(why, likely_meant(key, keys));
            throw UsageError(why);
        }
        try {
            talwen::set_field(part.block, *field, assignment.substr(equals + 1));
        } catch (const Error& error) {
            throw UsageError("'" + std::string(assignment) + "': " + error.what());
        }
    }
    // As the editing dialog's add-to-library button asks.
    if (missing_type(category.item_code, part.block.data()) != nullptr) throw UsageError(kTypeRequired);
    const bool replaced = library.find_part(part.generic_name).has_value();
    library.put_part(part);
    streams.out << (replaced ? "replaced " : "added ") << category.name << " part '" << part.generic_name << "' in "
                << library.file().string() << '\n';
}

void cross_reference(ComponentLibrary& library, Arguments arguments, Streams streams) {
    expect_count(arguments, 3, 3, "xref catalog_number|military_number|part_name NAME GENERIC_NAME");
    const auto kind = kind_named(arguments[0]);
    if (!kind || *kind == NameKind::generic_name)
        throw UsageError("'" + std::string(arguments[0]) + "' is not catalog_number, military_number or part_name");
    const talwen::CrossReference reference{*kind, std::string(arguments[1]), std::string(arguments[2])};
    // A name that leads nowhere would refuse every row that uses it.
    if (!library.find_part(reference.generic_name))
        throw Error("the library has no part '" + reference.generic_name +
                    "': add it first (gjbz108a lib add); nothing written");
    library.put_cross_reference(reference);
    streams.out << kind_key(*kind) << " '" << reference.name << "' refers to '" << reference.generic_name << "' in "
                << library.file().string() << '\n';
}

void defaults(ComponentLibrary& library, Arguments arguments, Streams streams) {
    expect_count(arguments, 1, 3, "defaults CATEGORY [TYPE [SUBTYPE]]");
    const Category& category = category_argument(arguments[0]);
    talwen::Block selection = talwen::undefined_block(category.item_code);
    const ParameterField* type_list = type_field(category.item_code);
    try {
        if (arguments.size() > 1 && !arguments[1].empty()) {
            if (type_list == nullptr) throw Error(std::string(category.name) + " has no types");
            talwen::set_field(selection, *type_list, arguments[1]);
        }
        if (arguments.size() > 2) talwen::set_field(selection, category_fields(category.item_code).front(), arguments[2]);
    } catch (const Error& error) {
        throw UsageError(error.what());
    }
    const unsigned type = type_list != nullptr ? selection[kTypeOffset] : 0;
    const unsigned subtype = arguments.size() > 2 ? selection[kSubTypeOffset] : 0;
    const talwen::Defaults found = library.defaults(1, category.item_code, type, subtype);
    line(streams.out, "category", category.name);
    if (type_list != nullptr) line(streams.out, type_list->key, type ? type_list->entries[type - 1] : "any");
    line(streams.out, "subtype", subtype ? std::to_string(subtype) : "any");
    show_parameters(streams.out, category, found.block, 2);
    if (!found.complete)
        streams.err << "note: the parameters shown --- have no default: a part must give them\n";
}

}  // namespace gjbz108a::cli::lib
