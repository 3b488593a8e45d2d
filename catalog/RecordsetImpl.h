// The state behind a Recordset: one SQLite statement stepped forward over the
// translated query, with the row count taken when it opens.
//
// Errors: throws CatalogError naming the database file and the query.
#pragma once

#include "catalog/CatalogSource.h"
#include "catalog/Recordset.h"
#include "catalog/SqlTranslator.h"
#include "catalog/SqliteStatement.h"

#include <memory>
#include <string>
#include <vector>

namespace catalog {

class Recordset::Impl {
public:
    // Runs the query: counts its rows, then makes the first row current.
    // databaseOpen tells whether the Database it came from is still open.
    Impl(std::shared_ptr<CatalogSource> source, std::shared_ptr<const bool> databaseOpen,
         SqliteConnection& connection, const SqlQuery& query, std::string queryText);
    // Hands the statement back to the connection for the next query of the same shape.
    ~Impl();
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    long recordCount() const;
    void moveFirst();
    void moveNext();
    bool eof() const;
    FieldValue field(const std::string& name) const;
    void close();
    bool isOpen() const { return m_open && *m_databaseOpen; }
    std::vector<std::string> fieldNames() const;

private:
    void requireOpen(const char* operation) const;
    [[noreturn]] void fail(const std::string& what) const;
    void bindAll(SqliteStatement& statement) const;
    void stepOrFail(const char* operation);

    // Declared first, destroyed last: the statement must go before its connection.
    std::shared_ptr<CatalogSource> m_source;
    std::shared_ptr<const bool> m_databaseOpen;
    std::vector<FieldValue> m_parameters;
    std::string m_queryText;
    SqliteConnection* m_connection;
    std::string m_sql;
    SqliteStatement m_statement;
    std::vector<std::string> m_names;
    long m_count = 0;
    // The current row's number, 0 for the first.
    long m_position = 0;
    bool m_hasRow = false;
    bool m_open = true;
};

} // namespace catalog
