// The database schema and its versions. PRAGMA user_version holds the number
// of migrations applied; opening a database applies the missing ones in order.
#pragma once

#include "sqlite.h"

namespace gjbz108a::talwen {

// The schema version this build writes.
int current_schema_version() noexcept;

// Brings the database up to the current version inside the caller's write
// transaction and returns the version it had before (0 for a new database).
// A database of a newer version than this build knows is refused.
int migrate(Connection& db);

}  // namespace gjbz108a::talwen
