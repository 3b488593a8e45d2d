#include "tests/support/CatalogFixture.h"

#include <sqlite3.h>

#include <cstdlib>
#include <random>
#include <stdexcept>

namespace testsupport {
namespace {

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

void exec(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error("fixture: " + text + " in: " + sql);
    }
}

void writeTable(sqlite3* db, const Table& table) {
    std::string create = "CREATE TABLE \"" + table.name + "\" (";
    for (size_t i = 0; i < table.columns.size(); ++i)
        create += (i ? ", " : "") + table.columns[i];
    exec(db, create + ")");
    if (!table.rows.empty()) {
        std::string insert = "INSERT INTO \"" + table.name + "\" VALUES (";
        for (size_t i = 0; i < table.columns.size(); ++i)
            insert += i ? ",?" : "?";
        insert += ")";
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db, insert.c_str(), -1, &raw, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string("fixture: ") + sqlite3_errmsg(db));
        std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
        for (const Row& row : table.rows) {
            if (row.size() != table.columns.size())
                throw std::runtime_error("fixture: row width differs from the columns of " + table.name);
            for (size_t i = 0; i < row.size(); ++i) {
                const int index = static_cast<int>(i) + 1;
                if (const auto* text = std::get_if<std::string>(&row[i]))
                    sqlite3_bind_text(raw, index, text->c_str(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
                else if (const auto* number = std::get_if<long long>(&row[i]))
                    sqlite3_bind_int64(raw, index, *number);
                else
                    sqlite3_bind_null(raw, index);
            }
            if (sqlite3_step(raw) != SQLITE_DONE)
                throw std::runtime_error(std::string("fixture: ") + sqlite3_errmsg(db));
            sqlite3_reset(raw);
        }
    }
    for (const std::string& statement : table.statements)
        exec(db, statement);
}

} // namespace

void writeSqliteFile(const std::filesystem::path& file, const std::vector<Table>& tables) {
    std::filesystem::remove(file);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open(file.string().c_str(), &raw);
    std::unique_ptr<sqlite3, DbCloser> db(raw);
    if (rc != SQLITE_OK)
        throw std::runtime_error("fixture: cannot create " + file.string());
    exec(raw, "BEGIN");
    for (const Table& table : tables)
        writeTable(raw, table);
    exec(raw, "COMMIT");
}

CatalogFolder::CatalogFolder() {
    if (const char* previous = std::getenv("VEXORIN_DRIVE_C"))
        m_previous = previous;
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    do
        m_driveC = base / ("vexorin-drive-" + std::to_string(random()));
    while (std::filesystem::exists(m_driveC));
    std::filesystem::create_directories(dataDir());
    setenv("VEXORIN_DRIVE_C", m_driveC.string().c_str(), 1);
}

CatalogFolder::~CatalogFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_driveC, ignored);
    if (m_previous)
        setenv("VEXORIN_DRIVE_C", m_previous->c_str(), 1);
    else
        unsetenv("VEXORIN_DRIVE_C");
}

void CatalogFolder::write(const std::string& fileName, const std::vector<Table>& tables) const {
    writeSqliteFile(dataDir() / fileName, tables);
}

} // namespace testsupport
