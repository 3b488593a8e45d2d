#include "catalog/SqliteSource.h"

#include "catalog/CatalogError.h"
#include "catalog/SqliteStatement.h"

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

const TableSchema& SqliteSource::table(const std::string& name, const SqliteConnection** connection) {
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
