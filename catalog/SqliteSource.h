// The rows of one of our SQLite catalogue files, read in place.
//
// Errors: throws CatalogError naming the file and what went wrong.
#pragma once

#include "catalog/CatalogSource.h"
#include "catalog/SqliteConnection.h"

#include <map>
#include <memory>
#include <optional>

namespace catalog {

class SqliteSource : public CatalogSource {
public:
    // Opens the file read-only and reads its schema, so that a damaged or
    // foreign file fails here.
    explicit SqliteSource(const std::string& path);
    // The source of the file's current version (path, size, modification
    // time): kept from an earlier open when the file has not changed, so that
    // repeated lookups reuse the connection and its prepared statements.
    static std::shared_ptr<SqliteSource> open(const std::string& path);

    const std::string& path() const override { return m_path; }
    const TableSchema& table(const std::string& name, SqliteConnection** connection) override;
    std::vector<TableListing> listTables() override;

private:
    std::string m_path;
    SqliteConnection m_connection;
    // By the name as asked for: the file never changes while it is open.
    std::map<std::string, std::optional<TableSchema>> m_schemas;
};

} // namespace catalog
