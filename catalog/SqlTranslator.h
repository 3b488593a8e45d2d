// Translates a parsed catalogue query into SQLite, once, for one table:
// text constants become bound parameters (never pasted into the SQL), "=" and
// Like compare without regard to ASCII case, a number meets a text by value,
// and the rows come in the order the query language promises (stored order,
// DISTINCT ascending, or the Order By field), some of them put in stored
// order by the caller (SqlQuery::leadingRowid).
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
    // The rows.
    std::string select;
    // Their number, for a query of a whole table, whose rows are stepped as
    // the caller moves (SQLite counts a table from its pages, without decoding rows).
    // Empty for any other query: its rows are all read when it opens, and
    // their number is known from that.
    std::string count;
    // True when the first column of select is the rowid: the rows come in the
    // order the query plan gives and are put in stored order by it, which
    // costs less than an ORDER BY rowid after an index lookup.
    bool leadingRowid = false;
    // Bound to ?1, ?2, ... of both statements.
    std::vector<FieldValue> parameters;
};

// file names the database in messages.
SqlQuery translateQuery(const SelectQuery& query, const TableSchema& table, const std::string& file);

std::string quoteIdentifier(const std::string& name);

} // namespace catalog
