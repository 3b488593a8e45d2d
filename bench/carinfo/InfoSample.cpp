#include "bench/carinfo/InfoSample.h"

#include "bench/support/SampleFolder.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace benchcarinfo {
namespace {

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;
using StmtHandle = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

DbHandle openFile(const std::filesystem::path& file, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(file.string().c_str(), &raw, flags, nullptr);
    DbHandle db(raw);
    if (rc != SQLITE_OK)
        throw std::runtime_error("sample: cannot open " + file.string());
    return db;
}

StmtHandle prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("sample: ") + sqlite3_errmsg(db) + " in: " + sql);
    return StmtHandle(raw);
}

// The car and class with the most specification rows among the maker databases of the folder.
BenchCar pickCar(const std::filesystem::path& dataDir) {
    BenchCar best;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Tessik-", 0) != 0 || name.size() < 12)
            continue;
        DbHandle db = openFile(entry.path(), SQLITE_OPEN_READONLY);
        StmtHandle most = prepare(db.get(), "SELECT CarNo, Class, COUNT(*) FROM CarSpecMaster "
                                            "GROUP BY CarNo, Class ORDER BY 3 DESC LIMIT 1");
        if (sqlite3_step(most.get()) != SQLITE_ROW)
            continue;
        const long rows = sqlite3_column_int64(most.get(), 2);
        if (rows <= best.rows)
            continue;
        best.maker = name.substr(7, name.size() - 7 - 4);
        best.carNo = reinterpret_cast<const char*>(sqlite3_column_text(most.get(), 0));
        best.carClass = sqlite3_column_int64(most.get(), 1);
        best.rows = rows;
    }
    if (best.rows == 0)
        throw std::runtime_error("sample: no maker database with specification rows in " + dataDir.string());
    return best;
}

} // namespace

BenchCar writeInfoSample(const benchsupport::SampleFolder& folder, int scale) {
    folder.writeSample(scale);
    BenchCar car = pickCar(folder.dataFolder());
    car.source = "catalogue: vexorin-catalog sample --scale " + std::to_string(scale);
    return car;
}

} // namespace benchcarinfo
