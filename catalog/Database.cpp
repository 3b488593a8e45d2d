#include "catalog/Database.h"

#include "catalog/CatalogError.h"
#include "catalog/DatabaseImpl.h"
#include "catalog/QueryParser.h"
#include "catalog/RecordsetImpl.h"
#include "catalog/SqlTranslator.h"

namespace catalog {

Database::Impl::Impl(std::shared_ptr<CatalogSource> source) : m_path(source->path()), m_source(std::move(source)) {}

void Database::Impl::requireOpen(const char* operation) const {
    if (!*m_open)
        throw CatalogError(std::string(operation) + " on the closed database " + m_path);
}

Recordset Database::Impl::openRecordset(const std::string& query, int type) {
    requireOpen("OpenRecordset");
    if (type != 2)
        throw CatalogError("OpenRecordset on " + m_path + ": type " + std::to_string(type) +
                           " is not supported; results are dynasets (type 2)");
    const SelectQuery parsed = parseQuery(query);
    SqliteConnection* connection = nullptr;
    const TableSchema& table = m_source->table(parsed.table, &connection);
    const SqlQuery sql = translateQuery(parsed, table, m_path);
    return Recordset(std::make_unique<Recordset::Impl>(m_source, m_open, *connection, sql, query));
}

void Database::Impl::close() {
    requireOpen("Close");
    *m_open = false;
    m_source.reset();
}

std::vector<TableListing> Database::Impl::listTables() {
    requireOpen("Listing the tables");
    return m_source->listTables();
}

Database::Database() = default;
Database::~Database() = default;
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;
Database::Database(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

namespace {

[[noreturn]] void nothing(const char* operation) {
    throw CatalogError(std::string(operation) + " on a Database that refers to no database");
}

} // namespace

Recordset Database::OpenRecordset(const std::string& query, int type) {
    if (!m_impl)
        nothing("OpenRecordset");
    return m_impl->openRecordset(query, type);
}

void Database::Close() {
    if (!m_impl)
        nothing("Close");
    m_impl->close();
}

bool Database::isOpen() const {
    return m_impl && m_impl->isOpen();
}

const std::string& Database::path() const {
    if (!m_impl)
        nothing("path");
    return m_impl->path();
}

std::vector<TableListing> Database::tables() {
    if (!m_impl)
        nothing("Listing the tables");
    return m_impl->listTables();
}

} // namespace catalog
