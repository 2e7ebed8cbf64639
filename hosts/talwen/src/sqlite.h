// A thin RAII layer over the SQLite C interface: a connection, prepared
// statements with bound parameters, and transactions that roll back unless
// committed. Every failure throws talwen::Error with SQLite's own message.
#pragma once

#include "error.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace gjbz108a::talwen {

class Statement;

// How a connection opens its file. `read_only` changes nothing on disk but the
// shared-memory index of a database in write-ahead-log mode; `immutable` reads
// the file as it stands, without locks or any file beside it, for a database
// in a folder where that index cannot be made.
enum class Access { create, read_write, read_only, immutable };

class Connection {
public:
    // Opens the database file with a busy timeout, so that a writer in another
    // process makes us wait rather than fail at once.
    explicit Connection(const std::filesystem::path& file, Access access = Access::create);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs one or more statements without parameters.
    void execute(const char* sql);
    Statement prepare(std::string_view sql);

    // A single integer from a statement without parameters (pragmas, counts).
    std::int64_t query_integer(const char* sql);

    sqlite3* handle() const noexcept { return db_; }
    const std::filesystem::path& file() const noexcept { return file_; }
    // Throws Error with the file, `what` and SQLite's reason; a lock that
    // another process held longer than the busy timeout and a write to a
    // read-only database are said in words a user understands.
    [[noreturn]] void fail(const char* what) const;
    // The primary result code of the last failed call: SQLITE_BUSY, ...
    int last_error() const noexcept;
    // True when the file was opened (or fell back to) read only.
    bool read_only() const noexcept;

private:
    sqlite3* db_ = nullptr;
    std::filesystem::path file_;
};

class Statement {
public:
    Statement(Connection& connection, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are numbered from 1, as in the SQL text (?1, ?2, ...).
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, std::span<const std::uint8_t> bytes);

    // Advances to the next row; false when there is none.
    bool step();
    // Steps a statement that returns no rows.
    void run();
    void reset();

    std::int64_t integer(int column) const;
    std::string text(int column) const;
    std::vector<std::uint8_t> bytes(int column) const;

private:
    Connection& connection_;
    sqlite3_stmt* statement_ = nullptr;
};

// BEGIN IMMEDIATE takes the write lock at once, so two writers queue on the
// busy timeout instead of one failing when it tries to upgrade a read lock.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& connection_;
    bool open_ = true;
};

}  // namespace gjbz108a::talwen
