#include "component_library.h"

#include "locations.h"
#include "records/field_values.h"
#include "records/item_codes.h"
#include "schema.h"
#include "shipped_data.h"
#include "text.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>

namespace gjbz108a::talwen {
namespace {

constexpr std::array<std::string_view, 3> kNameKindTexts{"catalog number", "military number", "part name"};

// Names go back into fixed buffers and into one-line-per-name result files.
void check_name(std::string_view name, std::size_t longest, std::string_view what) {
    if (name.empty()) throw Error(std::string(what) + " is empty");
    if (name.size() > longest)
        throw Error(std::string(what) + " " + in_quotes(name) + " is longer than " + std::to_string(longest) +
                    " characters");
    if (std::ranges::any_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        throw Error(std::string(what) + " " + in_quotes(name) + " holds a control character");
}

std::string_view category_name(unsigned item_code) {
    const Category* category = find_category(item_code);
    return category ? category->name : std::string_view("an unsupported category");
}

void check_category(unsigned item_code) {
    if (!find_category(item_code))
        throw Error("ItemCode " + std::to_string(item_code) + " is not a supported category");
}

// A LIKE pattern that matches `key` literally: its own % and _ must not act as
// wildcards, so they (and the escape character) are escaped.
std::string like_pattern(SearchKind how, std::string_view key) {
    std::string pattern = how == SearchKind::contains ? "%" : "";
    for (char c : key) {
        if (c == '%' || c == '_' || c == '\\') pattern += '\\';
        pattern += c;
    }
    return pattern + '%';
}

Part part_from_row(const Statement& row) {
    Part part{row.text(0), static_cast<std::uint8_t>(row.integer(1)), static_cast<std::uint8_t>(row.integer(2)), {}};
    const auto block = row.bytes(3);
    std::ranges::copy_n(block.begin(), static_cast<std::ptrdiff_t>(std::min(block.size(), kBlockSize)),
                        part.block.begin());
    return part;
}

// Reading only: the file is not touched. A database in write-ahead-log mode
// needs its shared-memory index beside it; where the folder does not let a
// reader make one, the file is read as it stands.
std::unique_ptr<Connection> open_for_reading(const std::filesystem::path& file, std::int64_t& version) {
    auto db = std::make_unique<Connection>(file, Access::read_only);
    try {
        version = db->query_integer("PRAGMA user_version");
        return db;
    } catch (const Error&) {
        const int why = db->last_error();
        if (why != SQLITE_CANTOPEN && why != SQLITE_READONLY) throw;
    }
    db = std::make_unique<Connection>(file, Access::immutable);
    version = db->query_integer("PRAGMA user_version");
    return db;
}

// Readers never wait for a writer with a write-ahead log, and a process
// killed in a write leaves the last committed state.
void use_write_ahead_log(Connection& db) { db.execute("PRAGMA journal_mode = WAL"); }

bool is_empty_file(const std::filesystem::path& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    return error == std::errc::no_such_file_or_directory || (!error && size == 0);
}

}  // namespace

std::string_view name_kind_text(NameKind kind) {
    return kind == NameKind::generic_name ? "generic name" : kNameKindTexts[static_cast<std::size_t>(kind) - 2];
}

std::optional<NameKind> name_kind_from_text(std::string_view text) {
    for (std::size_t i = 0; i < kNameKindTexts.size(); ++i)
        if (same_text(text, kNameKindTexts[i])) return static_cast<NameKind>(i + 2);
    return std::nullopt;
}

std::filesystem::path ComponentLibrary::default_location() { return default_database_location(); }

ComponentLibrary::ComponentLibrary(const std::filesystem::path& file) : file_(file) {
    if (is_empty_file(file)) {
        if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
        db_ = std::make_unique<Connection>(file, Access::create);
        use_write_ahead_log(*db_);
        writable_ = true;
        bring_up_to_date();
        schema_version_ = current_schema_version();
        return;
    }
    // The version is read before anything is written, so that a database this
    // library refuses is left exactly as it was.
    std::int64_t version = 0;
    db_ = open_for_reading(file, version);
    if (version > current_schema_version())
        throw Error(file.string() + ": the database has schema version " + std::to_string(version) +
                    "; this library knows versions up to " + std::to_string(current_schema_version()));
    schema_version_ = version;
    if (version == current_schema_version()) return;
    if (version == 0 && db_->query_integer("SELECT count(*) FROM sqlite_master") > 0)
        throw Error(file.string() + ": not a component library: the database holds tables of another program");
    // An older library that this process cannot write still reads as it is;
    // what its schema lacks reads as empty, and a write says it is read-only.
    if (version > 0 && !can_write()) return;
    bring_up_to_date();
    schema_version_ = current_schema_version();
}

bool ComponentLibrary::can_write() const {
    return Connection(file_, Access::read_write).read_only() == false;
}

void ComponentLibrary::bring_up_to_date() {
    Connection& db = writable();
    Transaction transaction(db);
    // Another process may have done it since the version was read.
    if (migrate(db) == 0) {
        Writer writer(db);
        add_shipped_data(writer);
    }
    transaction.commit();
}

Connection& ComponentLibrary::writable() {
    if (writable_) return *db_;
    auto db = std::make_unique<Connection>(file_, Access::read_write);
    if (db->read_only())
        throw Error(file_.string() + ": the component library is read-only here: the file cannot be written");
    use_write_ahead_log(*db);
    db_ = std::move(db);
    writable_ = true;
    return *db_;
}

std::optional<Part> ComponentLibrary::find_part(std::string_view generic_name) {
    Statement query(*db_, "SELECT generic_name, item_class, item_code, block FROM parts WHERE generic_name = ?1");
    query.bind(1, generic_name);
    if (!query.step()) return std::nullopt;
    return part_from_row(query);
}

std::optional<CrossReference> ComponentLibrary::find_cross_reference(NameKind kind, std::string_view name) {
    Statement query(*db_, "SELECT name, generic_name FROM cross_references WHERE name_kind = ?1 AND name = ?2");
    query.bind(1, static_cast<std::int64_t>(kind)).bind(2, name);
    if (!query.step()) return std::nullopt;
    return CrossReference{kind, query.text(0), query.text(1)};
}

Defaults ComponentLibrary::defaults(unsigned item_class, unsigned item_code, unsigned type, unsigned subtype) {
    Defaults result{undefined_block(item_code), find_category(item_code) != nullptr};
    // The category's sets from the least to the most specific, so that a more
    // specific value overwrites a general one: (0, 0), (0, SubType), (Type, 0),
    // (Type, SubType).
    Statement query(*db_,
                    "SELECT type, subtype, field, value FROM default_values"
                    " WHERE item_class = ?1 AND item_code = ?2"
                    " ORDER BY (type <> 0) * 2 + (subtype <> 0)");
    query.bind(1, std::int64_t{item_class}).bind(2, std::int64_t{item_code});
    while (query.step()) {
        const auto row_type = query.integer(0), row_subtype = query.integer(1);
        if ((row_type != 0 && row_type != type) || (row_subtype != 0 && row_subtype != subtype)) continue;
        const std::string key = query.text(2);
        const ParameterField* field = find_field(item_code, key);
        const auto value = query.bytes(3);
        if (!field || value.size() != field_width(field->type))
            throw Error(file_.string() + ": the default '" + key + "' of " + std::string(category_name(item_code)) +
                        " does not fit its field");
        std::ranges::copy(value, result.block.begin() + field->offset);
    }
    result.block[kSubTypeOffset] = static_cast<std::uint8_t>(subtype);
    result.block[kTypeOffset] = static_cast<std::uint8_t>(type);
    for (const ParameterField& field : category_fields(item_code))
        if (field.offset > kTypeOffset && !field_defined(result.block.data(), field)) result.complete = false;
    return result;
}

std::vector<std::string> ComponentLibrary::search(SearchKind how, NameKind kind, unsigned item_class,
                                                  unsigned item_code, std::string_view key) {
    // No stored name is longer than this, so a longer key matches nothing; it is
    // not handed to LIKE, whose patterns have a length limit of their own.
    if (key.size() > (kind == NameKind::generic_name ? kLongestGenericName : kLongestName)) return {};
    const char* sql =
        kind == NameKind::generic_name
            ? "SELECT generic_name FROM parts"
              " WHERE (?2 = 0 OR (item_class = ?1 AND item_code = ?2)) AND generic_name LIKE ?3 ESCAPE '\\'"
              " ORDER BY generic_name"
            : "SELECT DISTINCT x.name FROM cross_references AS x JOIN parts AS p ON p.generic_name = x.generic_name"
              " WHERE x.name_kind = ?4 AND (?2 = 0 OR (p.item_class = ?1 AND p.item_code = ?2))"
              " AND x.name LIKE ?3 ESCAPE '\\' ORDER BY x.name";
    Statement query(*db_, sql);
    query.bind(1, std::int64_t{item_class}).bind(2, std::int64_t{item_code}).bind(3, like_pattern(how, key));
    if (kind != NameKind::generic_name) query.bind(4, static_cast<std::int64_t>(kind));
    std::vector<std::string> names;
    while (query.step()) names.push_back(query.text(0));
    return names;
}

std::vector<Part> ComponentLibrary::parts() {
    std::vector<Part> parts;
    Statement query(*db_,
                    "SELECT generic_name, item_class, item_code, block FROM parts ORDER BY item_code, generic_name");
    while (query.step()) parts.push_back(part_from_row(query));
    return parts;
}

std::vector<CrossReference> ComponentLibrary::cross_references() {
    std::vector<CrossReference> references;
    Statement query(*db_, "SELECT name_kind, name, generic_name FROM cross_references"
                         " ORDER BY generic_name, name_kind, name");
    while (query.step())
        references.push_back({static_cast<NameKind>(query.integer(0)), query.text(1), query.text(2)});
    return references;
}

std::vector<DefaultValue> ComponentLibrary::default_values() {
    std::vector<DefaultValue> values;
    Statement query(*db_,
                    "SELECT item_class, item_code, type, subtype, field, value, note FROM default_values"
                    " ORDER BY item_class, item_code, type, subtype");
    while (query.step()) {
        DefaultValue value{static_cast<std::uint8_t>(query.integer(0)), static_cast<std::uint8_t>(query.integer(1)),
                           static_cast<std::uint8_t>(query.integer(2)), static_cast<std::uint8_t>(query.integer(3)),
                           find_field(static_cast<unsigned>(query.integer(1)), query.text(4)), {}, query.text(6)};
        const auto bytes = query.bytes(5);
        if (!value.field || bytes.size() != field_width(value.field->type))
            throw Error(file_.string() + ": the default '" + query.text(4) + "' of " +
                        std::string(category_name(value.item_code)) + " does not fit its field");
        std::ranges::copy(bytes, value.block.begin() + value.field->offset);
        values.push_back(std::move(value));
    }
    // In each category's field order, which is how a reader expects them.
    std::ranges::stable_sort(values, [](const DefaultValue& a, const DefaultValue& b) {
        return std::tie(a.item_class, a.item_code, a.type, a.subtype, a.field->offset) <
               std::tie(b.item_class, b.item_code, b.type, b.subtype, b.field->offset);
    });
    return values;
}

std::vector<EnvironmentName> ComponentLibrary::environment_names() {
    std::vector<EnvironmentName> names;
    if (schema_version_ < 2) return names;
    Statement query(*db_, "SELECT code, name FROM environment_names ORDER BY code");
    while (query.step()) names.push_back({static_cast<unsigned>(query.integer(0)), query.text(1)});
    return names;
}

void ComponentLibrary::Writer::replace_environment_names(const std::vector<EnvironmentName>& names) {
    db_.execute("DELETE FROM environment_names");
    Statement insert(db_, "INSERT INTO environment_names (code, name) VALUES (?1, ?2)");
    for (const EnvironmentName& name : names) {
        insert.reset();
        insert.bind(1, static_cast<std::int64_t>(name.code)).bind(2, name.name).run();
    }
}

void ComponentLibrary::Writer::put_part(const Part& part) {
    check_name(part.generic_name, kLongestGenericName, "the generic name");
    check_category(part.item_code);
    if (!put_part_)
        put_part_.emplace(db_, "INSERT OR REPLACE INTO parts (generic_name, item_class, item_code, block)"
                               " VALUES (?1, ?2, ?3, ?4)");
    put_part_->reset();
    put_part_->bind(1, part.generic_name)
        .bind(2, std::int64_t{part.item_class})
        .bind(3, std::int64_t{part.item_code})
        .bind(4, std::span<const std::uint8_t>(part.block))
        .run();
}

void ComponentLibrary::Writer::put_cross_reference(const CrossReference& reference) {
    if (reference.kind == NameKind::generic_name || static_cast<unsigned>(reference.kind) > 4)
        throw Error("a cross-reference is from a catalog number, military number or part name");
    check_name(reference.name, kLongestName, "the " + std::string(name_kind_text(reference.kind)));
    check_name(reference.generic_name, kLongestGenericName, "the generic name");
    if (!put_cross_reference_)
        put_cross_reference_.emplace(db_, "INSERT OR REPLACE INTO cross_references (name_kind, name, generic_name)"
                                          " VALUES (?1, ?2, ?3)");
    put_cross_reference_->reset();
    put_cross_reference_->bind(1, static_cast<std::int64_t>(reference.kind))
        .bind(2, reference.name)
        .bind(3, reference.generic_name)
        .run();
}

void ComponentLibrary::Writer::put_default(const DefaultValue& value) {
    check_category(value.item_code);
    const std::string category(category_name(value.item_code));
    const auto fields = category_fields(value.item_code);
    const auto own_field = [&](const ParameterField* field) {
        return std::ranges::any_of(fields, [&](const ParameterField& f) { return &f == field; });
    };
    if (!own_field(value.field))
        throw Error("the default names no field of " + category);
    if (value.field->offset <= kTypeOffset)
        throw Error("the " + std::string(value.field->key) + " of " + category +
                    " selects a defaults set; it has no default of its own");
    const ParameterField* type = type_field(value.item_code);
    if (value.type > (type ? type->entries.size() : 0))
        throw Error("Type " + std::to_string(value.type) + " is not a type of " + category);
    if (!field_defined(value.block.data(), *value.field))
        throw Error("the default '" + std::string(value.field->key) + "' of " + category + " has no value");
    if (!put_default_)
        put_default_.emplace(db_, "INSERT OR REPLACE INTO default_values"
                                  " (item_class, item_code, type, subtype, field, value, note)"
                                  " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    put_default_->reset();
    put_default_->bind(1, std::int64_t{value.item_class})
        .bind(2, std::int64_t{value.item_code})
        .bind(3, std::int64_t{value.type})
        .bind(4, std::int64_t{value.subtype})
        .bind(5, value.field->key)
        .bind(6, field_bytes(value.block, *value.field))
        .bind(7, value.note)
        .run();
}

}  // namespace gjbz108a::talwen
