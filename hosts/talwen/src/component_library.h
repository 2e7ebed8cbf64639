// The component library: parts stored under their generic names, cross-
// references from other names to generic names, and the default parameters of
// each category, in one SQLite database. This is the C++ interface that the
// exported functions and the command-line host's library commands share.
#pragma once

#include "block_codec.h"
#include "editing/host_library_constants.h"
#include "sqlite.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gjbz108a::talwen {

enum class SearchKind : std::uint8_t { begins_with = 1, contains = 2 };

struct Part {
    std::string generic_name;
    std::uint8_t item_class = 1;
    std::uint8_t item_code = 0;
    Block block{};
};

struct CrossReference {
    NameKind kind = NameKind::catalog_number;
    std::string name;
    std::string generic_name;
};

// One default value. A defaults set is the values that share item class,
// ItemCode, Type and SubType; Type 0 and SubType 0 mean "any".
struct DefaultValue {
    std::uint8_t item_class = 1;
    std::uint8_t item_code = 0;
    std::uint8_t type = 0;
    std::uint8_t subtype = 0;
    const ParameterField* field = nullptr;  // a field of the category, not its Type or SubType
    Block block{};                          // holds the value at the field's offset
    std::string note;                       // why this value
};

// The name of an environment, code 1 to 27.
struct EnvironmentName {
    unsigned code;
    std::string name;
};

struct Defaults {
    Block block;
    bool complete;  // a supported category, and every parameter has a default
};

class ComponentLibrary {
public:
    // The database named by TALWEN_DB, else talwen/library.db in the user's data
    // directory ($XDG_DATA_HOME, or ~/.local/share).
    static std::filesystem::path default_location();

    // Opens the database, creating it (with its folder) when missing. A new
    // database (a missing or empty file, or one without tables) gets the
    // current schema and the shipped defaults and starter library in one
    // transaction; an older one is migrated, or read as it is where it cannot be
    // written (a read-only file or folder). A database of a newer schema, or
    // one of another program, is refused unchanged. An up-to-date database is
    // opened for reading only, so that it reads in a folder the user cannot
    // write; the first write reopens it for writing.
    explicit ComponentLibrary(const std::filesystem::path& file);

    const std::filesystem::path& file() const noexcept { return file_; }

    // Reads. Names compare without regard to ASCII letter case.
    std::optional<Part> find_part(std::string_view generic_name);
    std::optional<CrossReference> find_cross_reference(NameKind kind, std::string_view name);
    // The layered defaults of a part type (see GetDflt in talwen.h).
    Defaults defaults(unsigned item_class, unsigned item_code, unsigned type, unsigned subtype);
    // Names of `kind` that begin with or contain `key`, of parts of the category
    // (item code 0: any), sorted and each once.
    std::vector<std::string> search(SearchKind how, NameKind kind, unsigned item_class, unsigned item_code,
                                    std::string_view key);

    std::vector<Part> parts();
    std::vector<CrossReference> cross_references();
    std::vector<DefaultValue> default_values();
    // By code; empty for a library of schema version 1, which has no names.
    std::vector<EnvironmentName> environment_names();

    // Writes go through a Writer inside one transaction: all or none land.
    class Writer {
    public:
        void put_part(const Part& part);
        void put_cross_reference(const CrossReference& reference);
        void put_default(const DefaultValue& value);
        // The names replace every stored one; the caller has checked them.
        void replace_environment_names(const std::vector<EnvironmentName>& names);

    private:
        friend class ComponentLibrary;
        explicit Writer(Connection& db) : db_(db) {}
        Connection& db_;
        std::optional<Statement> put_part_, put_cross_reference_, put_default_;
    };

    template <typename Body>
    void write(Body&& body) {
        Connection& db = writable();
        Transaction transaction(db);
        Writer writer(db);
        body(writer);
        transaction.commit();
    }

    void put_part(const Part& part) {
        write([&](Writer& w) { w.put_part(part); });
    }
    void put_cross_reference(const CrossReference& reference) {
        write([&](Writer& w) { w.put_cross_reference(reference); });
    }

private:
    // The connection, reopened for writing (in write-ahead-log mode) the first
    // time a write needs it.
    Connection& writable();
    // Brings an empty or older database up to the current schema.
    void bring_up_to_date();
    // Whether this process may write the database.
    bool can_write() const;

    std::filesystem::path file_;
    std::unique_ptr<Connection> db_;
    bool writable_ = false;
    std::int64_t schema_version_ = 0;  // below the current one for an older library read where it cannot be migrated
};

// The text that names a kind in files and messages ("catalog number" ...), and back.
std::string_view name_kind_text(NameKind kind);
std::optional<NameKind> name_kind_from_text(std::string_view text);

}  // namespace gjbz108a::talwen
