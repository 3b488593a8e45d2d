// The state behind a Recordset. A query of a whole table steps its SQLite
// statement forward as the caller moves, its row count taken from a count of
// the table; any other query reads all its rows into a compact store when it
// opens, which gives their number from the same pass and lets them be put in
// stored order without a sort inside SQLite.
//
// Errors: throws CatalogError naming the database file and the query.
#pragma once

#include "catalog/CatalogError.h"
#include "catalog/CatalogSource.h"
#include "catalog/Recordset.h"
#include "catalog/ResultRows.h"
#include "catalog/SqlTranslator.h"
#include "catalog/SqliteStatement.h"

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
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
    // The named field in the current row; Name is a std::string_view or a C string.
    template <class Name>
    FieldValue field(Name name) const;
    void close();
    bool isOpen() const { return m_open && *m_databaseOpen; }
    std::vector<std::string> fieldNames() const;

private:
    // Fails unless both this result and its database are open. Checked on
    // every read of every row, so the check itself stays inline.
    void requireOpen(const char* operation) const {
        if (!m_open || !*m_databaseOpen) [[unlikely]]
            failClosed(operation);
    }
    [[noreturn]] void failClosed(const char* operation) const;
    [[noreturn]] void failField(std::string_view name, const char* why) const;
    [[noreturn]] void failMove(const char* operation, const CatalogError& error);
    [[noreturn]] void failPastEnd() const;
    [[noreturn]] void fail(const std::string& what) const;
    void bindAll(SqliteStatement& statement) const;
    // Makes the row at m_position current, stepping the statement of a streamed result.
    void stepOrFail(const char* operation) {
        if (!m_streamed) {
            m_hasRow = m_position < m_count;
            return;
        }
        try {
            m_hasRow = m_statement.step();
        } catch (const CatalogError& error) {
            failMove(operation, error);
        }
    }
    void readAllRows(bool leadingRowid);
    // The index of the named field in m_names, matched anew; -1 when the result has none.
    int matchField(std::string_view name) const;

    // Declared first, destroyed last: the statement must go before its connection.
    std::shared_ptr<CatalogSource> m_source;
    std::shared_ptr<const bool> m_databaseOpen;
    std::vector<FieldValue> m_parameters;
    std::string m_queryText;
    SqliteConnection* m_connection;
    std::string m_sql;
    // Stepped as the caller moves; handed back at the open when the rows are stored.
    SqliteStatement m_statement;
    bool m_streamed = false;
    ResultRows m_rows;
    std::vector<std::string> m_names;
    // Field names as callers ask for them, each with its index: callers read
    // the same few fields of every row, so a name is matched once per result.
    struct KnownName {
        std::string name;
        int index;
    };
    mutable std::vector<KnownName> m_known;
    // The entry of m_known tried first: the one after the last one read.
    mutable unsigned m_nextKnown = 0;
    long m_count = 0;
    // The current row's number, 0 for the first.
    long m_position = 0;
    bool m_hasRow = false;
    bool m_open = true;
};

// Called for every row and every field: inline, so that each call of a Recordset
// member costs one call of ours.

inline void Recordset::Impl::moveNext() {
    requireOpen("MoveNext");
    if (!m_hasRow) [[unlikely]]
        failPastEnd();
    ++m_position;
    stepOrFail("MoveNext");
}

inline bool Recordset::Impl::eof() const {
    requireOpen("EOF");
    return !m_hasRow;
}

namespace recordsetdetail {

inline bool sameName(const std::string& known, std::string_view name) {
    return known == name;
}

// Without measuring the C string first. Known names hold no NUL (each matched
// one of SQLite's column names), so equal first bytes mean the name is at least that long.
inline bool sameName(const std::string& known, const char* name) {
    return std::strncmp(known.c_str(), name, known.size()) == 0 && name[known.size()] == '\0';
}

} // namespace recordsetdetail

template <class Name>
inline FieldValue Recordset::Impl::field(Name name) const {
    requireOpen("Fields");
    // Callers read the same fields in the same order row after row: the
    // field after the last one read is the one asked for next.
    int index = -1;
    if (m_nextKnown < m_known.size() && recordsetdetail::sameName(m_known[m_nextKnown].name, name)) [[likely]] {
        index = m_known[m_nextKnown].index;
        ++m_nextKnown;
        if (m_nextKnown == m_known.size())
            m_nextKnown = 0;
    } else {
        index = matchField(name);
        if (index < 0)
            failField(name, "the result has no such field");
    }
    if (!m_hasRow) [[unlikely]]
        failField(name, "there is no current row");
    return m_streamed ? m_statement.value(index) : m_rows.value(static_cast<size_t>(m_position), index);
}

} // namespace catalog
