// Writes a new SQLite file in the catalogue's stored form: the tables with
// their declared field types, their rows, then their indexes. The file is
// built in memory and written out whole at the end, so it never exists half
// written and its bytes depend only on what was added.
//
// Error policy of the tool's helpers (tools/): every failure throws
// std::runtime_error (catalog::CatalogError from the catalogue layer is one)
// with a description naming the file or table; the subcommands catch it and
// print it. Destructors never throw.
#pragma once

#include "catalog/CatalogSchema.h"
#include "catalog/FieldValue.h"
#include "catalog/SqliteConnection.h"
#include "catalog/SqliteStatement.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tools {

using Row = std::vector<catalog::FieldValue>;

class CatalogFileWriter {
public:
    CatalogFileWriter();

    // Creates the table and returns the statement that appends one row to it
    // (see insert). The statement must be dropped before writeTo().
    catalog::SqliteStatement addTable(const catalog::TableSpec& table);
    // Appends one row: values for the table's fields, in their order, stored as
    // they are (the declared type of a field may convert them as SQLite does).
    static void insert(catalog::SqliteStatement& statement, const Row& row);
    // Creates the indexes of every table added (after the rows, which is
    // faster) and writes the whole database into file, which must not exist.
    void writeTo(const std::filesystem::path& file);

    // The name as a quoted identifier of SQLite: "Order ""Details""".
    static std::string quoteName(const std::string& name);

private:
    catalog::SqliteConnection m_db;
    std::vector<std::string> m_indexes;
};

} // namespace tools
