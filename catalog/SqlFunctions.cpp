#include "catalog/SqlFunctions.h"

#include "catalog/CatalogError.h"
#include "catalog/JetPattern.h"
#include "catalog/NumberText.h"

#include <sqlite3.h>

#include <memory>
#include <string>

namespace catalog {
namespace {

std::string_view textOf(sqlite3_value* value) {
    const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return {data ? data : "", static_cast<size_t>(sqlite3_value_bytes(value))};
}

void like(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[1]) == SQLITE_NULL || sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // The pattern is the same for every row of a statement: compile it once.
    auto* pattern = static_cast<JetPattern*>(sqlite3_get_auxdata(context, 0));
    if (!pattern) {
        try {
            pattern = new JetPattern(textOf(args[0]));
        } catch (const CatalogError& error) {
            sqlite3_result_error(context, error.what(), -1);
            return;
        }
        sqlite3_set_auxdata(context, 0, pattern, [](void* p) { delete static_cast<JetPattern*>(p); });
        pattern = static_cast<JetPattern*>(sqlite3_get_auxdata(context, 0));
        if (!pattern) {
            sqlite3_result_error_nomem(context);
            return;
        }
    }
    bool matched = false;
    switch (sqlite3_value_type(args[1])) {
    case SQLITE_INTEGER:
        matched = pattern->matches(std::to_string(sqlite3_value_int64(args[1])));
        break;
    case SQLITE_FLOAT:
        matched = pattern->matches(FieldValue::real(sqlite3_value_double(args[1])).toText());
        break;
    default:
        matched = pattern->matches(textOf(args[1]));
        break;
    }
    sqlite3_result_int(context, matched ? 1 : 0);
}

void number(sqlite3_context* context, int, sqlite3_value** args) {
    switch (sqlite3_value_type(args[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        sqlite3_result_value(context, args[0]);
        return;
    case SQLITE_TEXT:
        if (const auto value = numberFromText(textOf(args[0]))) {
            if (const auto integer = value->integerValue())
                sqlite3_result_int64(context, *integer);
            else
                sqlite3_result_double(context, *value->realValue());
            return;
        }
        break;
    default:
        break;
    }
    sqlite3_result_null(context);
}

} // namespace

void registerSqlFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_function_v2(db, "vexorin_like", 2, flags, nullptr, like, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "vexorin_number", 1, flags, nullptr, number, nullptr, nullptr, nullptr);
}

} // namespace catalog
