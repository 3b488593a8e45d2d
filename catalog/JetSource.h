// The rows of an original Jet file, read from its in-memory copy. Copies are
// kept for the life of the program, one per file version (path, size and
// modification time), so that repeated lookups cost no re-read.
//
// Errors: throws CatalogError naming the file, the table and what went wrong.
#pragma once

#include "catalog/CatalogSource.h"

#include <memory>

namespace catalog {

class JetCopy;

class JetSource : public CatalogSource {
public:
    // The copy of the file's current version, read now when there is none.
    explicit JetSource(const std::string& path);

    const std::string& path() const override;
    const TableSchema& table(const std::string& name, SqliteConnection** connection) override;
    std::vector<TableListing> listTables() override;

private:
    std::shared_ptr<JetCopy> m_copy;
};

} // namespace catalog
