// An open catalogue database: one of our SQLite files or an original Jet file.
//
// A default-constructed Database refers to nothing; every operation on it, or
// on a closed one, throws CatalogError. Nothing is ever written to the file.
#pragma once

#include "catalog/Recordset.h"
#include "catalog/TableListing.h"

#include <memory>
#include <string>
#include <vector>

namespace catalog {

class Database {
public:
    Database();
    ~Database();
    Database(Database&&) noexcept;
    Database& operator=(Database&&) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one query of the catalogue query language. type 2 (dynaset) is the
    // only type. Throws CatalogError naming the offending token, table or field.
    Recordset OpenRecordset(const std::string& query, int type = 2);
    void Close();
    bool isOpen() const;
    // The file this database was opened from (after drive mapping).
    const std::string& path() const;
    // The tables of the file with their fields and stored types, in stored order.
    std::vector<TableListing> tables();

    class Impl;
    explicit Database(std::unique_ptr<Impl> impl);

private:
    std::unique_ptr<Impl> m_impl;
};

} // namespace catalog
