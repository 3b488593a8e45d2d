// The state behind a Database: its source of rows and whether it is open.
//
// Errors: throws CatalogError naming the file, the table or the field.
#pragma once

#include "catalog/CatalogSource.h"
#include "catalog/Database.h"

#include <memory>
#include <string>
#include <vector>

namespace catalog {

class Database::Impl {
public:
    explicit Impl(std::shared_ptr<CatalogSource> source);

    Recordset openRecordset(const std::string& query, int type);
    void close();
    bool isOpen() const { return *m_open; }
    const std::string& path() const { return m_path; }
    // Tables with their fields; throws when the database is closed.
    std::vector<TableListing> listTables();

private:
    void requireOpen(const char* operation) const;

    std::string m_path;
    std::shared_ptr<CatalogSource> m_source;
    // Shared with the Recordsets, which fail once their Database has closed.
    std::shared_ptr<bool> m_open = std::make_shared<bool>(true);
};

} // namespace catalog
