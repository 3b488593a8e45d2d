#include "PartsSample.h"

#include "catalog/CatalogSchema.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <stdexcept>

namespace benchpartsno {
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
        const std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error("sample: " + text + " in: " + sql);
    }
}

// PartsMaster in our schema, rows in random stored order: parts numbers
// "NNNNN-NNNNN" whose first block spreads over 10000 values, so that a
// five-digit beginning matches about scale / 5 rows; every tenth row marked "*"
// as another make, every twentieth with an empty mark.
void writePartsMaster(const std::filesystem::path& file, int scale) {
    std::filesystem::remove(file);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open(file.string().c_str(), &raw);
    std::unique_ptr<sqlite3, DbCloser> db(raw);
    if (rc != SQLITE_OK)
        throw std::runtime_error("sample: cannot create " + file.string());

    const catalog::TableSpec& table = catalog::catalogTables().front();
    std::string create = "CREATE TABLE " + table.name + " (";
    for (size_t i = 0; i < table.fields.size(); ++i)
        create += (i ? ", " : "") + table.fields[i].name + " " + table.fields[i].sqlType;
    exec(raw, "PRAGMA journal_mode=OFF");
    exec(raw, "PRAGMA synchronous=OFF");
    exec(raw, "BEGIN");
    exec(raw, create + ")");

    sqlite3_stmt* rawStmt = nullptr;
    if (sqlite3_prepare_v2(raw, "INSERT INTO PartsMaster VALUES (?,?,?)", -1, &rawStmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("sample: ") + sqlite3_errmsg(raw));
    std::unique_ptr<sqlite3_stmt, StmtFinalizer> insert(rawStmt);

    static const char* const bearingSeries[] = {"6203", "6204", "6205", "6301", "6302", "DAC3055", "DAC4074", "TKR"};
    std::mt19937 random(20240501u);
    const long rows = 2000L * scale;
    char partsNo[32];
    char bearingNo[32];
    for (long row = 0; row < rows; ++row) {
        std::snprintf(partsNo, sizeof partsNo, "%05u-%05u", unsigned(random() % 10000), unsigned(random() % 100000));
        std::snprintf(bearingNo, sizeof bearingNo, "%s-%02u", bearingSeries[random() % 8], unsigned(random() % 100));
        sqlite3_bind_text(rawStmt, 1, partsNo, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(rawStmt, 2, bearingNo, -1, SQLITE_TRANSIENT);
        if (row % 10 == 0)
            sqlite3_bind_text(rawStmt, 3, "*", -1, SQLITE_STATIC);
        else if (row % 20 == 5)
            sqlite3_bind_text(rawStmt, 3, "", -1, SQLITE_STATIC);
        else
            sqlite3_bind_null(rawStmt, 3);
        if (sqlite3_step(rawStmt) != SQLITE_DONE)
            throw std::runtime_error(std::string("sample: ") + sqlite3_errmsg(raw));
        sqlite3_reset(rawStmt);
    }
    for (const std::string& index : table.indexes)
        exec(raw, index);
    exec(raw, "COMMIT");
}

} // namespace

std::string makePartsSample(const std::filesystem::path& dataDir, int scale, const std::filesystem::path& binDir) {
    std::filesystem::create_directories(dataDir);
    const std::filesystem::path tool = binDir / "vexorin-catalog";
    if (std::filesystem::exists(tool)) {
        const std::string command = "\"" + tool.string() + "\" sample \"" + dataDir.string() + "\" --scale " +
                                    std::to_string(scale) + " >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0 && std::filesystem::exists(dataDir / "PartsNo.MDB"))
            return "catalogue: vexorin-catalog sample --scale " + std::to_string(scale);
    }
    writePartsMaster(dataDir / "PartsNo.MDB", scale);
    return "catalogue: PartsMaster written by the benchmark, " + std::to_string(2000L * scale) + " rows";
}

} // namespace benchpartsno
