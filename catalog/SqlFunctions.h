// The SQL functions through which translated queries compare as the catalogue
// query language does:
//   vexorin_like(pattern, value)  1 when value matches the Jet Like pattern,
//                                 NULL for a Null value;
//   vexorin_number(value)         the number a value stands for (a number, or
//                                 a text that spells one), else NULL.
#pragma once

struct sqlite3;

namespace catalog {

// Registers the functions on a connection; they are deterministic and
// innocuous, so they are safe in any statement.
void registerSqlFunctions(sqlite3* db);

} // namespace catalog
