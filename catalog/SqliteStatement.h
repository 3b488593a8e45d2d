// Owner of one prepared SQLite statement on a SqliteConnection.
//
// Errors: throws CatalogError naming the connection's file and SQLite's message.
#pragma once

#include "catalog/FieldValue.h"

#include <cstdint>
#include <string>

struct sqlite3_stmt;

namespace catalog {

class SqliteConnection;

class SqliteStatement {
public:
    SqliteStatement() = default;
    // The connection must outlive the statement.
    SqliteStatement(const SqliteConnection& connection, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Parameters count from 1.
    void bind(int index, const FieldValue& value);
    void bindBlob(int index, const void* data, int size);
    // True when a row is ready, false when the statement is done.
    bool step();
    void reset();
    // The connection it was prepared on.
    const SqliteConnection* connection() const { return m_connection; }

    int columnCount() const;
    std::string columnName(int column) const;
    // The declared type of a result column ("TEXT", "INTEGER"), "" when none.
    std::string columnDeclaredType(int column) const;
    FieldValue value(int column) const;
    std::int64_t int64(int column) const;
    bool isNull(int column) const;
    // Text of a column of the current row; empty for Null.
    std::string text(int column) const;

    sqlite3_stmt* handle() const { return m_stmt; }

private:
    [[noreturn]] void fail(const std::string& what) const;
    const SqliteConnection* m_connection = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace catalog
