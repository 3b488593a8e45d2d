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
      m_queryText(std::move(queryText)), m_connection(&connection), m_sql(query.select),
      m_streamed(!query.count.empty()) {
    try {
        if (m_streamed) {
            SqliteStatement count = connection.prepare(query.count);
            bindAll(count);
            count.step();
            const auto total = count.int64(0);
            connection.recycle(query.count, std::move(count));
            m_count = total > static_cast<std::int64_t>(std::numeric_limits<long>::max())
                          ? std::numeric_limits<long>::max()
                          : static_cast<long>(total);
        }
        m_statement = connection.prepare(query.select);
        bindAll(m_statement);
        for (int i = query.leadingRowid ? 1 : 0; i < m_statement.columnCount(); ++i)
            m_names.push_back(m_statement.columnName(i));
        if (m_streamed)
            m_hasRow = m_statement.step();
        else
            readAllRows(query.leadingRowid);
    } catch (const CatalogError& error) {
        fail(error.what());
    }
}

Recordset::Impl::~Impl() {
    m_connection->recycle(m_sql, std::move(m_statement));
}

void Recordset::Impl::readAllRows(bool leadingRowid) {
    m_rows = ResultRows(static_cast<int>(m_names.size()));
    std::vector<std::int64_t> rowids;
    bool inStoredOrder = true;
    while (m_statement.step()) {
        if (leadingRowid) {
            const std::int64_t rowid = m_statement.int64(0);
            inStoredOrder = inStoredOrder && (rowids.empty() || rowids.back() < rowid);
            rowids.push_back(rowid);
        }
        m_rows.append(m_statement, leadingRowid ? 1 : 0);
    }
    // An index lookup yields the rows in the index's order.
    if (!inStoredOrder)
        m_rows.sortBy(rowids);
    m_connection->recycle(m_sql, std::move(m_statement));
    const size_t total = m_rows.size();
    m_count = total > static_cast<size_t>(std::numeric_limits<long>::max()) ? std::numeric_limits<long>::max()
                                                                            : static_cast<long>(total);
    m_hasRow = total > 0;
}

void Recordset::Impl::bindAll(SqliteStatement& statement) const {
    for (size_t i = 0; i < m_parameters.size(); ++i)
        statement.bind(static_cast<int>(i) + 1, m_parameters[i]);
}

void Recordset::Impl::fail(const std::string& what) const {
    throw CatalogError("Query \"" + m_queryText + "\" on " + m_source->path() + ": " + what);
}

void Recordset::Impl::failClosed(const char* operation) const {
    if (!*m_databaseOpen)
        fail(std::string(operation) + " on a result whose database has been closed");
    fail(std::string(operation) + " on a closed result");
}

void Recordset::Impl::failField(std::string_view name, const char* why) const {
    fail("Fields(\"" + std::string(name) + "\"): " + why);
}

void Recordset::Impl::failPastEnd() const {
    fail("MoveNext: there is no current row (already past the last row)");
}

void Recordset::Impl::failMove(const char* operation, const CatalogError& error) {
    m_hasRow = false;
    fail(std::string(operation) + ": " + error.what());
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
    if (m_streamed)
        m_statement.reset();
    m_position = 0;
    stepOrFail("MoveFirst");
}

int Recordset::Impl::matchField(std::string_view name) const {
    const size_t known = m_known.size();
    for (size_t i = 0; i < known; ++i) {
        if (m_known[i].name == name) {
            m_nextKnown = i + 1 < known ? static_cast<unsigned>(i + 1) : 0;
            return m_known[i].index;
        }
    }
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (equalsIgnoringAsciiCase(m_names[i], name)) {
            // A few names at most are asked for; past that many, matching anew is cheap enough.
            if (known < 16)
                m_known.push_back({std::string(name), static_cast<int>(i)});
            m_nextKnown = 0;
            return static_cast<int>(i);
        }
    }
    return -1;
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
    m_rows = ResultRows();
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
    return m_impl->field(std::string_view(name));
}

FieldValue Recordset::Fields(const char* name) const {
    if (!m_impl)
        nothing("Fields");
    if (!name)
        throw CatalogError("Fields without a field name");
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
