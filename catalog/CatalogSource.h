// Where the rows of an open catalogue database come from: SQLite, either the
// file itself or an in-memory copy of a Jet file's tables. Shared by a
// Database and its Recordsets, so that it lives while any of them does.
//
// Errors: throws CatalogError naming the file and the table.
#pragma once

#include "catalog/TableListing.h"
#include "catalog/TableSchema.h"

#include <string>
#include <vector>

namespace catalog {

class SqliteConnection;

class CatalogSource {
public:
    virtual ~CatalogSource() = default;

    // The file, after drive mapping.
    virtual const std::string& path() const = 0;
    // The connection on which queries of table run, with the table ready
    // there, and the table's schema. Throws when the file has no such table.
    virtual const TableSchema& table(const std::string& name, SqliteConnection** connection) = 0;
    virtual std::vector<TableListing> listTables() = 0;
};

} // namespace catalog
