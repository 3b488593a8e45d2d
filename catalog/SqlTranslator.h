// Translates a parsed catalogue query into SQLite, once, for one table:
// text constants become bound parameters (never pasted into the SQL), "=" and
// Like compare without regard to ASCII case, a number meets a text by value,
// and the rows come in the order the query language promises (stored order,
// DISTINCT ascending, or the Order By field).
//
// Errors: translateQuery throws CatalogError naming a field the table lacks.
#pragma once

#include "catalog/FieldValue.h"
#include "catalog/SelectQuery.h"
#include "catalog/TableSchema.h"

#include <string>
#include <vector>

namespace catalog {

struct SqlQuery {
    std::string select; // the rows
    std::string count;  // their number
    // Bound to ?1, ?2, ... of both statements.
    std::vector<FieldValue> parameters;
};

// file names the database in messages.
SqlQuery translateQuery(const SelectQuery& query, const TableSchema& table, const std::string& file);

std::string quoteIdentifier(const std::string& name);

} // namespace catalog
