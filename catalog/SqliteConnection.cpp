#include "catalog/SqliteConnection.h"

#include "catalog/CatalogError.h"
#include "catalog/SqlFunctions.h"

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <utility>

namespace catalog {
namespace {

// A file URI for sqlite3_open_v2, every character that a URI reserves
// percent-encoded, so that any path names exactly that file.
std::string fileUri(const std::string& path) {
    std::string uri = "file:";
    std::string normalised = path;
#ifdef _WIN32
    for (char& c : normalised)
        if (c == '\\')
            c = '/';
    if (normalised.size() > 1 && normalised[1] == ':')
        uri += "///";
#endif
    for (const unsigned char c : normalised) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~' || c == ':';
        if (plain) {
            uri += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        }
    }
    return uri;
}

// True when the file's header marks it as a WAL database (read and write
// versions 2): reading such a file through the ordinary path would create
// its -shm file beside it.
bool isWalFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char header[20] = {};
    if (!in.read(header, sizeof header))
        return false;
    return header[18] == 2 || header[19] == 2;
}

} // namespace

SqliteConnection::SqliteConnection(sqlite3* db, std::string description)
    : m_db(db), m_description(std::move(description)) {}

SqliteConnection SqliteConnection::openReadOnly(const std::string& path) {
    // mode=ro never writes and, for an ordinary (rollback-journal) file, never
    // creates anything. A WAL file would still get its shared-memory file, so
    // it is read as immutable: the program never writes a catalogue, and a
    // catalogue is not changed while the program reads it.
    std::string uri = fileUri(path) + "?mode=ro";
    if (isWalFile(path))
        uri += "&immutable=1";
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(uri.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    SqliteConnection connection(raw, path);
    if (rc != SQLITE_OK)
        connection.fail("Cannot open the catalogue database " + path);
    registerSqlFunctions(raw);
    return connection;
}

SqliteConnection SqliteConnection::openMemory(const std::string& description) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    SqliteConnection connection(raw, description);
    if (rc != SQLITE_OK)
        connection.fail("Cannot create the in-memory copy of " + description);
    registerSqlFunctions(raw);
    return connection;
}

SqliteConnection::~SqliteConnection() {
    // sqlite3_close_v2 defers the close until every statement is finalized,
    // and never fails in a way a destructor could report.
    m_statements.clear();
    if (m_db)
        sqlite3_close_v2(m_db);
}

SqliteConnection::SqliteConnection(SqliteConnection&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)), m_description(std::move(other.m_description)) {
    // Kept statements refer to the connection object they were made on.
    other.m_statements.clear();
}

SqliteConnection& SqliteConnection::operator=(SqliteConnection&& other) noexcept {
    if (this != &other) {
        m_statements.clear();
        if (m_db)
            sqlite3_close_v2(m_db);
        m_db = std::exchange(other.m_db, nullptr);
        m_description = std::move(other.m_description);
        // Kept statements refer to the connection object they were made on.
        other.m_statements.clear();
    }
    return *this;
}

SqliteStatement SqliteConnection::prepare(const std::string& sql) {
    const auto kept = m_statements.find(sql);
    if (kept == m_statements.end())
        return SqliteStatement(*this, sql);
    SqliteStatement statement = std::move(kept->second);
    m_statements.erase(kept);
    return statement;
}

void SqliteConnection::recycle(const std::string& sql, SqliteStatement statement) noexcept {
    // A few shapes of query recur; beyond that many, keeping more only costs memory.
    const size_t Kept = 32;
    if (!statement.handle() || m_statements.size() >= Kept)
        return;
    statement.reset();
    sqlite3_clear_bindings(statement.handle());
    try {
        m_statements.emplace(sql, std::move(statement));
    } catch (...) {
        // Out of memory: the statement is simply finalized.
    }
}

void SqliteConnection::exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw CatalogError("SQLite failed on " + m_description + ": " + text);
    }
}

void SqliteConnection::fail(const std::string& what) const {
    const char* message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
    throw CatalogError(what + ": " + message);
}

} // namespace catalog
