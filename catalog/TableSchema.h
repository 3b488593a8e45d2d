// What a query needs to know of one table as SQLite holds it: its stored
// name, its fields with their declared types, and whether rows have a rowid.
//
// Errors: readTableSchema throws CatalogError when SQLite cannot read the schema.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

class SqliteConnection;

struct ColumnSchema {
    enum class Affinity { Text, Numeric, None };
    std::string name;
    std::string declaredType;
    Affinity affinity = Affinity::None;
};

struct TableSchema {
    std::string name;
    std::vector<ColumnSchema> columns;
    bool hasRowid = true;

    // The column of that name, compared without regard to case; nullptr when absent.
    const ColumnSchema* column(const std::string& name) const;
};

// The table of that name (without regard to case); nullopt when there is none.
std::optional<TableSchema> readTableSchema(const SqliteConnection& connection, const std::string& table);
// The names of the tables, in the order SQLite lists them.
std::vector<std::string> readTableNames(const SqliteConnection& connection);

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace catalog
