// The parser of the catalogue query language:
//
//   SELECT [DISTINCT] * | field {, field} FROM table
//       [WHERE condition {AND condition}] [ORDER BY field [ASC | DESC]] [;]
//   condition:  field = "text" | field = 'text' | field = number | field LIKE "pattern"
//
// Keywords without regard to case; a doubled quote inside a text constant
// stands for one quote; "And" may follow a closing quote directly; a field
// or table name may be written in brackets ([Parts No]).
//
// Errors: parseQuery throws CatalogError naming the query and the offending token.
#pragma once

#include "catalog/SelectQuery.h"

#include <string>

namespace catalog {

SelectQuery parseQuery(const std::string& query);

} // namespace catalog
