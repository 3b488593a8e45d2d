#include "InfoSample.h"

#include "catalog/CatalogSchema.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <stdexcept>

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

void exec(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error("sample: " + text + " in: " + sql);
    }
}

void step(sqlite3* db, sqlite3_stmt* stmt) {
    if (sqlite3_step(stmt) != SQLITE_DONE)
        throw std::runtime_error(std::string("sample: ") + sqlite3_errmsg(db));
    sqlite3_reset(stmt);
}

void bindText(sqlite3_stmt* stmt, int index, const std::string& text) {
    sqlite3_bind_text(stmt, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// A TOYOTA maker database in our schema: 20 * scale cars with a parts line
// and a few specification rows in each of three classes, and one car,
// "BENCH-1", whose class 1 has 2 * scale specification rows in 27 groups of
// car code and type, as the sample's fleet car has. Rows are stored in car
// order, groups together.
void writeMakerDatabase(const std::filesystem::path& file, int scale) {
    std::filesystem::remove(file);
    DbHandle db = openFile(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    exec(db.get(), "PRAGMA journal_mode=OFF");
    exec(db.get(), "PRAGMA synchronous=OFF");
    exec(db.get(), "BEGIN");
    for (const catalog::TableSpec& table : catalog::catalogTables()) {
        if (table.name == "PartsMaster")
            continue;
        std::string create = "CREATE TABLE " + table.name + " (";
        for (size_t i = 0; i < table.fields.size(); ++i)
            create += (i ? ", " : "") + table.fields[i].name + " " + table.fields[i].sqlType;
        exec(db.get(), create + ")");
    }
    StmtHandle maker = prepare(db.get(), "INSERT INTO MakerMaster VALUES ('TOYOTA', ?, ?)");
    StmtHandle parts = prepare(db.get(), "INSERT INTO PartsStructure VALUES (?, '1', ?, 0, 'HUB BEARING', 'L', "
                                         "'90369-T0003', 'DAC3055', NULL)");
    StmtHandle spec = prepare(db.get(), "INSERT INTO CarSpecMaster VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");

    std::mt19937 random(20240611u);
    char text[64];
    auto addCar = [&](const std::string& carNo, int specRowsPerClass, int rowsPerGroup) {
        bindText(maker.get(), 1, "MODEL " + carNo);
        bindText(maker.get(), 2, carNo);
        step(db.get(), maker.get());
        for (int carClass = 1; carClass <= 3; ++carClass) {
            bindText(parts.get(), 1, carNo);
            sqlite3_bind_int(parts.get(), 2, carClass);
            step(db.get(), parts.get());
            const int rows = carClass == 1 ? specRowsPerClass : 4;
            for (int row = 0; row < rows; ++row) {
                const int group = row / rowsPerGroup;
                bindText(spec.get(), 1, carNo);
                sqlite3_bind_int(spec.get(), 2, carClass);
                std::snprintf(text, sizeof text, "E-AE%03d", group);
                bindText(spec.get(), 3, text);
                bindText(spec.get(), 4, group % 2 ? "SEDAN" : "WAGON");
                std::snprintf(text, sizeof text, "%04u.%02u-", 1985 + unsigned(random() % 20),
                              1 + unsigned(random() % 12));
                bindText(spec.get(), 5, text);
                std::snprintf(text, sizeof text, "AE%03u-%s", unsigned(random() % 1000), row % 3 ? "AEMDS" : "AEMNK");
                bindText(spec.get(), 6, text);
                std::snprintf(text, sizeof text, "%u", 1300 + 100 * unsigned(random() % 10));
                bindText(spec.get(), 7, text);
                bindText(spec.get(), 8, row % 2 ? "4A-FE" : "5A-FE");
                bindText(spec.get(), 9, row % 4 ? "5MT" : "4AT");
                step(db.get(), spec.get());
            }
        }
    };
    const int cars = 20 * scale;
    for (int car = 0; car < cars / 2; ++car) {
        std::snprintf(text, sizeof text, "T%06d", car);
        addCar(text, 12, 3);
    }
    const int benchRows = 2 * scale;
    addCar("BENCH-1", benchRows, (benchRows + 26) / 27);
    for (int car = cars / 2; car < cars; ++car) {
        std::snprintf(text, sizeof text, "T%06d", car);
        addCar(text, 12, 3);
    }
    for (const catalog::TableSpec& table : catalog::catalogTables())
        if (table.name != "PartsMaster")
            for (const std::string& index : table.indexes)
                exec(db.get(), index);
    exec(db.get(), "COMMIT");
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

BenchCar makeInfoSample(const std::filesystem::path& dataDir, int scale, const std::filesystem::path& binDir) {
    std::filesystem::create_directories(dataDir);
    const std::filesystem::path tool = binDir / "vexorin-catalog";
    if (std::filesystem::exists(tool)) {
        const std::string command = "\"" + tool.string() + "\" sample \"" + dataDir.string() + "\" --scale " +
                                    std::to_string(scale) + " >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0) {
            try {
                BenchCar car = pickCar(dataDir);
                car.source = "catalogue: vexorin-catalog sample --scale " + std::to_string(scale);
                return car;
            } catch (const std::runtime_error&) {
                // Not a sample with specification rows: write our own below.
            }
        }
    }
    writeMakerDatabase(dataDir / "Tessik-TOYOTA.MDB", scale);
    BenchCar car = pickCar(dataDir);
    car.source = "catalogue: Tessik-TOYOTA.MDB written by the benchmark, " + std::to_string(20 * scale + 1) + " cars";
    return car;
}

} // namespace benchcarinfo
