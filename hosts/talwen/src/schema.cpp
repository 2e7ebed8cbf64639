#include "schema.h"

#include <array>
#include <string>

namespace gjbz108a::talwen {
namespace {

// Each entry takes the database from version (index) to (index + 1). Entries
// are never edited once released: a change of schema is a new entry.
//
// Names compare with NOCASE because the dialogs treat names that differ only
// in letter case as the same name. Lengths are checked in bytes, the unit of
// the callers' fixed buffers. Blocks are the 102 bytes of a parameter block.
// A default value is one field of a block, stored as the field's bytes under
// the field's key, so that a defaults set defines only the fields it means to.
constexpr std::array kMigrations{
    R"sql(
CREATE TABLE parts (
    generic_name TEXT NOT NULL PRIMARY KEY COLLATE NOCASE
        CHECK (length(CAST(generic_name AS BLOB)) BETWEEN 1 AND 42),
    item_class INTEGER NOT NULL CHECK (item_class BETWEEN 0 AND 255),
    item_code INTEGER NOT NULL CHECK (item_code BETWEEN 0 AND 255),
    block BLOB NOT NULL CHECK (length(block) = 102)
);
CREATE INDEX parts_by_category ON parts (item_class, item_code);

CREATE TABLE cross_references (
    name_kind INTEGER NOT NULL CHECK (name_kind BETWEEN 2 AND 4),
    name TEXT NOT NULL COLLATE NOCASE CHECK (length(CAST(name AS BLOB)) BETWEEN 1 AND 62),
    generic_name TEXT NOT NULL COLLATE NOCASE,
    PRIMARY KEY (name_kind, name)
) WITHOUT ROWID;
CREATE INDEX cross_references_by_generic_name ON cross_references (generic_name);

CREATE TABLE default_values (
    item_class INTEGER NOT NULL CHECK (item_class BETWEEN 0 AND 255),
    item_code INTEGER NOT NULL CHECK (item_code BETWEEN 0 AND 255),
    type INTEGER NOT NULL CHECK (type BETWEEN 0 AND 255),
    subtype INTEGER NOT NULL CHECK (subtype BETWEEN 0 AND 255),
    field TEXT NOT NULL,
    value BLOB NOT NULL CHECK (length(value) IN (1, 2, 4)),
    note TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (item_class, item_code, type, subtype, field)
) WITHOUT ROWID;
)sql",
    // The names of the environments, which are the host's: what the host's
    // environment list file holds, code by code. A code without a name has no row.
    R"sql(
CREATE TABLE environment_names (
    code INTEGER NOT NULL PRIMARY KEY CHECK (code BETWEEN 1 AND 27),
    name TEXT NOT NULL UNIQUE COLLATE NOCASE CHECK (length(CAST(name AS BLOB)) BETWEEN 1 AND 98)
);
)sql",
};

}  // namespace

int current_schema_version() noexcept { return static_cast<int>(kMigrations.size()); }

int migrate(Connection& db) {
    const auto found = db.query_integer("PRAGMA user_version");
    if (found > current_schema_version())
        throw Error(db.file().string() + ": the database has schema version " + std::to_string(found) +
                    "; this library knows versions up to " + std::to_string(current_schema_version()));
    for (auto version = found; version < current_schema_version(); ++version)
        db.execute(kMigrations[static_cast<std::size_t>(version)]);
    // PRAGMA takes no bound parameters; the value is our own integer.
    db.execute(("PRAGMA user_version = " + std::to_string(current_schema_version())).c_str());
    return static_cast<int>(found);
}

}  // namespace gjbz108a::talwen
