#include "catalog/TableSchema.h"

#include "catalog/SqliteConnection.h"
#include "catalog/SqliteStatement.h"

#include <algorithm>
#include <cctype>

namespace catalog {
namespace {

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// SQLite's own rules for the affinity of a declared type.
ColumnSchema::Affinity affinityOf(const std::string& declaredType) {
    const std::string type = upper(declaredType);
    const auto has = [&](const char* part) { return type.find(part) != std::string::npos; };
    if (has("INT"))
        return ColumnSchema::Affinity::Numeric;
    if (has("CHAR") || has("CLOB") || has("TEXT"))
        return ColumnSchema::Affinity::Text;
    if (has("BLOB") || type.empty())
        return ColumnSchema::Affinity::None;
    return ColumnSchema::Affinity::Numeric;
}

} // namespace

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    // Without the C locale's tolower: only ASCII letters fold, whatever the locale.
    const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](unsigned char x, unsigned char y) {
               return x == y || fold(x) == fold(y);
           });
}

const ColumnSchema* TableSchema::column(const std::string& wanted) const {
    for (const ColumnSchema& candidate : columns)
        if (equalsIgnoringAsciiCase(candidate.name, wanted))
            return &candidate;
    return nullptr;
}

std::optional<TableSchema> readTableSchema(const SqliteConnection& connection, const std::string& table) {
    SqliteStatement find(connection, "SELECT name, type, sql FROM sqlite_master WHERE type IN ('table', 'view') "
                                     "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' AND name = ?1 COLLATE NOCASE");
    find.bind(1, FieldValue::text(table));
    if (!find.step())
        return std::nullopt;
    TableSchema schema;
    schema.name = find.text(0);
    schema.hasRowid = find.text(1) == "table" && upper(find.text(2)).find("WITHOUT ROWID") == std::string::npos;
    SqliteStatement columns(connection, "SELECT name, type FROM pragma_table_info(?1)");
    columns.bind(1, FieldValue::text(schema.name));
    while (columns.step())
        schema.columns.push_back({columns.text(0), columns.text(1), affinityOf(columns.text(1))});
    return schema;
}

std::vector<std::string> readTableNames(const SqliteConnection& connection) {
    SqliteStatement list(connection, "SELECT name FROM sqlite_master WHERE type = 'table' "
                                     "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid");
    std::vector<std::string> names;
    while (list.step())
        names.push_back(list.text(0));
    return names;
}

} // namespace catalog
