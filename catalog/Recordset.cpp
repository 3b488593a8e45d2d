#include "catalog/Recordset.h"

#include "catalog/CatalogError.h"
#include "catalog/RecordsetImpl.h"
#include "catalog/SqliteConnection.h"
#include "catalog/TableSchema.h"

#include <limits>

namespace catalog {

Recordset::Impl::Impl(std::shared_ptr<CatalogSource> source, std::shared_ptr<const bool> databaseOpen,
                      SqliteConnection& connection, const SqlQuery& query, std::string queryText)
    : m_source(std::move(source)), m_databaseOpen(std::move(databaseOpen)), m_parameters(query.parameters),
      m_queryText(std::move(queryText)), m_connection(&connection), m_sql(query.select) {
    try {
        SqliteStatement count = connection.prepare(query.count);
        bindAll(count);
        count.step();
        const auto total = count.int64(0);
        connection.recycle(query.count, std::move(count));
        m_count = total > static_cast<std::int64_t>(std::numeric_limits<long>::max()) ? std::numeric_limits<long>::max()
                                                                                      : static_cast<long>(total);
        m_statement = connection.prepare(query.select);
        bindAll(m_statement);
        for (int i = 0; i < m_statement.columnCount(); ++i)
            m_names.push_back(m_statement.columnName(i));
        m_hasRow = m_statement.step();
    } catch (const CatalogError& error) {
        fail(error.what());
    }
}

Recordset::Impl::~Impl() {
    m_connection->recycle(m_sql, std::move(m_statement));
}

void Recordset::Impl::bindAll(SqliteStatement& statement) const {
    for (size_t i = 0; i < m_parameters.size(); ++i)
        statement.bind(static_cast<int>(i) + 1, m_parameters[i]);
}

void Recordset::Impl::fail(const std::string& what) const {
    throw CatalogError("Query \"" + m_queryText + "\" on " + m_source->path() + ": " + what);
}

void Recordset::Impl::requireOpen(const char* operation) const {
    if (!*m_databaseOpen)
        fail(std::string(operation) + " on a result whose database has been closed");
    if (!m_open)
        fail(std::string(operation) + " on a closed result");
}

void Recordset::Impl::stepOrFail(const char* operation) {
    try {
        m_hasRow = m_statement.step();
    } catch (const CatalogError& error) {
        m_hasRow = false;
        fail(std::string(operation) + ": " + error.what());
    }
}

long Recordset::Impl::recordCount() const {
    requireOpen("RecordCount");
    return m_count;
}

void Recordset::Impl::moveFirst() {
    requireOpen("MoveFirst");
    if (m_count == 0)
        fail("MoveFirst: the result has no rows");
    // Callers move first right after the open: the statement already stands
    // on the first row, and running the query again would repeat all its work.
    if (m_hasRow && m_position == 0)
        return;
    m_statement.reset();
    m_position = 0;
    stepOrFail("MoveFirst");
}

void Recordset::Impl::moveNext() {
    requireOpen("MoveNext");
    if (!m_hasRow)
        fail("MoveNext: there is no current row (already past the last row)");
    ++m_position;
    stepOrFail("MoveNext");
}

bool Recordset::Impl::eof() const {
    requireOpen("EOF");
    return !m_hasRow;
}

FieldValue Recordset::Impl::field(const std::string& name) const {
    requireOpen("Fields");
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (equalsIgnoringAsciiCase(m_names[i], name)) {
            if (!m_hasRow)
                fail("Fields(\"" + name + "\"): there is no current row");
            return m_statement.value(static_cast<int>(i));
        }
    }
    fail("Fields(\"" + name + "\"): the result has no such field");
}

std::vector<std::string> Recordset::Impl::fieldNames() const {
    requireOpen("Fields");
    return m_names;
}

void Recordset::Impl::close() {
    requireOpen("Close");
    m_open = false;
    m_hasRow = false;
    m_connection->recycle(m_sql, std::move(m_statement));
}

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;
Recordset::Recordset(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

namespace {

[[noreturn]] void nothing(const char* operation) {
    throw CatalogError(std::string(operation) + " on a Recordset that refers to no result");
}

} // namespace

long Recordset::RecordCount() const {
    if (!m_impl)
        nothing("RecordCount");
    return m_impl->recordCount();
}

void Recordset::MoveFirst() {
    if (!m_impl)
        nothing("MoveFirst");
    m_impl->moveFirst();
}

void Recordset::MoveNext() {
    if (!m_impl)
        nothing("MoveNext");
    m_impl->moveNext();
}

bool Recordset::Eof() const {
    if (!m_impl)
        nothing("EOF");
    return m_impl->eof();
}

FieldValue Recordset::Fields(const std::string& name) const {
    if (!m_impl)
        nothing("Fields");
    return m_impl->field(name);
}

void Recordset::Close() {
    if (!m_impl)
        nothing("Close");
    m_impl->close();
}

std::vector<std::string> Recordset::fieldNames() const {
    if (!m_impl)
        nothing("Fields");
    return m_impl->fieldNames();
}

bool Recordset::isOpen() const {
    return m_impl && m_impl->isOpen();
}

} // namespace catalog
