#include "catalog/SqliteSource.h"

#include "catalog/CatalogError.h"
#include "catalog/SqliteStatement.h"

#include <filesystem>
#include <list>

namespace catalog {

SqliteSource::SqliteSource(const std::string& path)
    : m_path(path), m_connection(SqliteConnection::openReadOnly(path)) {
    try {
        SqliteStatement check(m_connection, "SELECT count(*) FROM sqlite_master");
        check.step();
    } catch (const CatalogError& error) {
        throw CatalogError("Cannot open the catalogue database " + path + ": " + error.what());
    }
}

std::shared_ptr<SqliteSource> SqliteSource::open(const std::string& path) {
    namespace fs = std::filesystem;
    struct Kept {
        std::string path;
        std::uintmax_t size;
        fs::file_time_type modified;
        std::shared_ptr<SqliteSource> source;
    };
    // Most recently opened first. The program has one thread: no lock. Few
    // files are kept, since each holds its file open.
    static std::list<Kept> kept;
    const size_t MaxKept = 12;
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    const fs::file_time_type modified = fs::last_write_time(path, error);
    if (error)
        throw CatalogError("Cannot open the catalogue database " + path + ": " + error.message());
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        if (it->path != path)
            continue;
        if (it->size == size && it->modified == modified) {
            kept.splice(kept.begin(), kept, it);
            return it->source;
        }
        kept.erase(it);
        break;
    }
    auto source = std::make_shared<SqliteSource>(path);
    kept.push_front({path, size, modified, source});
    if (kept.size() > MaxKept)
        kept.pop_back();
    return source;
}

const TableSchema& SqliteSource::table(const std::string& name, SqliteConnection** connection) {
    auto found = m_schemas.find(name);
    if (found == m_schemas.end())
        found = m_schemas.emplace(name, readTableSchema(m_connection, name)).first;
    if (!found->second)
        throw CatalogError("Table \"" + name + "\" not found in " + m_path);
    *connection = &m_connection;
    return *found->second;
}

std::vector<TableListing> SqliteSource::listTables() {
    std::vector<TableListing> listings;
    for (const std::string& name : readTableNames(m_connection)) {
        TableListing listing{name, {}};
        if (const auto schema = readTableSchema(m_connection, name))
            for (const ColumnSchema& column : schema->columns)
                listing.fields.emplace_back(column.name, column.declaredType);
        listings.push_back(std::move(listing));
    }
    return listings;
}

} // namespace catalog
