#include "catalog/SqliteStatement.h"

#include "catalog/CatalogError.h"
#include "catalog/SqliteConnection.h"

#include <sqlite3.h>

#include <utility>

namespace catalog {

SqliteStatement::SqliteStatement(const SqliteConnection& connection, const std::string& sql)
    : m_connection(&connection) {
    if (sqlite3_prepare_v2(connection.handle(), sql.c_str(), static_cast<int>(sql.size()), &m_stmt, nullptr) !=
        SQLITE_OK)
        connection.fail("Cannot prepare a query on " + connection.description());
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_stmt);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : m_connection(other.m_connection), m_stmt(std::exchange(other.m_stmt, nullptr)) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_connection = other.m_connection;
        m_stmt = std::exchange(other.m_stmt, nullptr);
    }
    return *this;
}

void SqliteStatement::fail(const std::string& what) const {
    m_connection->fail(what + " on " + m_connection->description());
}

void SqliteStatement::bind(int index, const FieldValue& value) {
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else if (value.isText()) {
        const std::string text = value.toText();
        rc = sqlite3_bind_text64(m_stmt, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    } else if (const auto integer = value.integerValue()) {
        rc = sqlite3_bind_int64(m_stmt, index, *integer);
    } else {
        rc = sqlite3_bind_double(m_stmt, index, *value.realValue());
    }
    if (rc != SQLITE_OK)
        fail("Cannot bind a query parameter");
}

void SqliteStatement::bindBlob(int index, const void* data, int size) {
    if (sqlite3_bind_blob(m_stmt, index, data, size, SQLITE_TRANSIENT) != SQLITE_OK)
        fail("Cannot bind a query parameter");
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail("Cannot read the rows of a query");
}

void SqliteStatement::reset() {
    sqlite3_reset(m_stmt);
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

std::string SqliteStatement::columnName(int column) const {
    const char* name = sqlite3_column_name(m_stmt, column);
    return name ? name : "";
}

std::string SqliteStatement::columnDeclaredType(int column) const {
    const char* type = sqlite3_column_decltype(m_stmt, column);
    return type ? type : "";
}

FieldValue SqliteStatement::value(int column) const {
    // One call to SQLite for the column, not one per question about it: the
    // statement belongs to one thread, so its unprotected value is safe to read.
    sqlite3_value* const value = sqlite3_column_value(m_stmt, column);
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return FieldValue::null();
    case SQLITE_INTEGER:
        return FieldValue::integer(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return FieldValue::real(sqlite3_value_double(value));
    default: {
        // Text, and a blob read as its bytes.
        const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(value));
        return FieldValue::text(data ? data : "", data ? static_cast<size_t>(sqlite3_value_bytes(value)) : 0);
    }
    }
}

std::int64_t SqliteStatement::int64(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

std::string SqliteStatement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return std::string(data ? data : "", static_cast<size_t>(sqlite3_column_bytes(m_stmt, column)));
}

} // namespace catalog
