#include "sqlite.h"

#include <sqlite3.h>

namespace gjbz108a::talwen {
namespace {

// How long a call waits for another process's write to finish before it gives up.
constexpr int kBusyTimeoutMs = 10000;

// A file: URI of the path, with the characters that a URI gives a meaning
// escaped, and the immutable parameter.
std::string immutable_uri(const std::filesystem::path& file) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : std::filesystem::absolute(file).string()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '%' || c == '?' || c == '#' || byte < 0x20 || byte >= 0x7f) {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xf];
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

}  // namespace

Connection::Connection(const std::filesystem::path& file, Access access) : file_(file) {
    int flags = SQLITE_OPEN_NOMUTEX;
    std::string name = file.string();
    switch (access) {
    case Access::create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    case Access::read_write: flags |= SQLITE_OPEN_READWRITE; break;
    case Access::read_only: flags |= SQLITE_OPEN_READONLY; break;
    case Access::immutable:
        flags |= SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
        name = immutable_uri(file);
        break;
    }
    if (sqlite3_open_v2(name.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error(file.string() + ": cannot open the database: " + message);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
}

Connection::~Connection() { sqlite3_close(db_); }

void Connection::fail(const char* what) const {
    switch (last_error()) {
    case SQLITE_BUSY:
        throw Error(file_.string() + ": another process is writing the component library and did not finish in " +
                    std::to_string(kBusyTimeoutMs / 1000) + " s of waiting; try again when it is done");
    case SQLITE_READONLY:
        throw Error(file_.string() + ": the component library is read-only here: " + sqlite3_errmsg(db_));
    default: throw Error(file_.string() + ": " + what + ": " + sqlite3_errmsg(db_));
    }
}

int Connection::last_error() const noexcept { return sqlite3_errcode(db_) & 0xff; }

bool Connection::read_only() const noexcept { return sqlite3_db_readonly(db_, "main") == 1; }

void Connection::execute(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail("database statement failed");
}

Statement Connection::prepare(std::string_view sql) { return Statement(*this, sql); }

std::int64_t Connection::query_integer(const char* sql) {
    Statement statement(*this, sql);
    if (!statement.step()) throw Error(file_.string() + ": no result from: " + sql);
    return statement.integer(0);
}

Statement::Statement(Connection& connection, std::string_view sql) : connection_(connection) {
    if (sqlite3_prepare_v2(connection.handle(), sql.data(), static_cast<int>(sql.size()), &statement_,
                           nullptr) != SQLITE_OK)
        connection.fail("cannot prepare a statement");
}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement& Statement::bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK) connection_.fail("cannot bind a value");
    return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
    if (sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        connection_.fail("cannot bind a text");
    return *this;
}

Statement& Statement::bind(int index, std::span<const std::uint8_t> bytes) {
    if (sqlite3_bind_blob(statement_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        connection_.fail("cannot bind a block");
    return *this;
}

bool Statement::step() {
    switch (sqlite3_step(statement_)) {
    case SQLITE_ROW: return true;
    case SQLITE_DONE: return false;
    default: connection_.fail("database access failed");
    }
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::int64_t Statement::integer(int column) const { return sqlite3_column_int64(statement_, column); }

std::string Statement::text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                : std::string();
}

std::vector<std::uint8_t> Statement::bytes(int column) const {
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement_, column));
    return data ? std::vector<std::uint8_t>(data, data + size) : std::vector<std::uint8_t>();
}

Transaction::Transaction(Connection& connection) : connection_(connection) {
    connection_.execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (open_) sqlite3_exec(connection_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    connection_.execute("COMMIT");
    open_ = false;
}

}  // namespace gjbz108a::talwen
