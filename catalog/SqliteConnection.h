// Owner of one SQLite connection: a catalogue file opened read-only, or the
// in-memory database that holds the copies of a Jet file's tables.
//
// Errors: throws CatalogError naming the file and SQLite's own description.
#pragma once

#include "catalog/SqliteStatement.h"

#include <map>
#include <string>

struct sqlite3;

namespace catalog {

class SqliteConnection {
public:
    // Opens an existing SQLite file read-only without ever creating a journal,
    // WAL, shared-memory or lock file beside it.
    static SqliteConnection openReadOnly(const std::string& path);
    // A new, empty in-memory database, writable, for copies of Jet tables.
    static SqliteConnection openMemory(const std::string& description);

    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(SqliteConnection&& other) noexcept;
    SqliteConnection& operator=(SqliteConnection&& other) noexcept;
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* handle() const { return m_db; }
    // What the connection reads, for messages: the file's path.
    const std::string& description() const { return m_description; }
    // Runs statements without results; throws on failure.
    void exec(const std::string& sql);
    // A prepared statement of that SQL: one kept from an earlier query when
    // there is one, so that repeated queries are not prepared again.
    SqliteStatement prepare(const std::string& sql);
    // Keeps a statement for prepare() to hand out again (reset, unbound).
    void recycle(const std::string& sql, SqliteStatement statement) noexcept;
    // Throws CatalogError: what + the connection's last SQLite message.
    [[noreturn]] void fail(const std::string& what) const;

private:
    SqliteConnection(sqlite3* db, std::string description);
    sqlite3* m_db = nullptr;
    std::string m_description;
    std::multimap<std::string, SqliteStatement> m_statements;
};

} // namespace catalog
