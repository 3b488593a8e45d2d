// The catalogue layer against the raw SQLite C API on a generated PartsMaster
// of 1,000,000 rows (indexed on PartsNo), in the same run: a prefix Like of
// about 100 rows, and the whole table stepped through. Also the first and a
// repeated query on the largest Jet file of the shared test data. Prints each
// ratio of ours to the raw API at the end; the goal is at most 1.3.
#include "catalog/DBEngine.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

const int RowCount = 1000000;
const char* const PrefixPattern = "01234"; // 0123400 to 0123499: 100 rows

void exec(sqlite3* db, const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "?";
        sqlite3_free(message);
        throw std::runtime_error(text);
    }
}

// A temporary folder holding the generated catalogue, removed at exit.
class GeneratedCatalogue {
public:
    GeneratedCatalogue() {
        std::random_device random;
        m_folder = fs::temp_directory_path() / ("vexorin-catalog-bench-" + std::to_string(random()));
        fs::create_directories(m_folder);
        m_file = m_folder / "PartsNo.MDB";
        sqlite3* db = nullptr;
        sqlite3_open(m_file.string().c_str(), &db);
        exec(db, "CREATE TABLE PartsMaster (PartsNo TEXT, BearingNo TEXT, OtherMk TEXT)");
        exec(db, "BEGIN");
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO PartsMaster VALUES (?1, ?2, ?3)", -1, &insert, nullptr);
        for (int i = 0; i < RowCount; ++i) {
            // Stored order differs from PartsNo order, as in a real catalogue.
            const long number = (static_cast<long>(i) * 7919) % RowCount;
            char partsNo[16], bearingNo[16];
            std::snprintf(partsNo, sizeof partsNo, "%07ld", number);
            std::snprintf(bearingNo, sizeof bearingNo, "B%06ld", number % 50000);
            sqlite3_bind_text(insert, 1, partsNo, -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, bearingNo, -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 3, number % 7 == 0 ? "*" : "", -1, SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        exec(db, "COMMIT");
        exec(db, "CREATE INDEX PartsMaster_PartsNo ON PartsMaster(PartsNo COLLATE NOCASE)");
        sqlite3_close(db);
    }
    ~GeneratedCatalogue() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    std::string file() const { return m_file.string(); }
    const fs::path& folder() const { return m_folder; }

private:
    fs::path m_folder;
    fs::path m_file;
};

const GeneratedCatalogue& catalogue() {
    static const GeneratedCatalogue generated;
    return generated;
}

// Reads every row as the bearing list does: three texts.
size_t consumeOurs(catalog::Recordset& rs) {
    size_t bytes = 0;
    rs.MoveFirst();
    for (; !rs.Eof(); rs.MoveNext())
        for (const char* field : {"PartsNo", "BearingNo", "OtherMk"}) {
            const catalog::FieldValue value = rs.Fields(field);
            bytes += value.isEmpty() ? 1 : value.toText().size();
        }
    return bytes;
}

void ours(benchmark::State& state, const std::string& query) {
    catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(catalogue().file());
    for (auto _ : state) {
        catalog::Recordset rs = db.OpenRecordset(query, 2);
        benchmark::DoNotOptimize(rs.RecordCount());
        benchmark::DoNotOptimize(consumeOurs(rs));
        rs.Close();
    }
}

// The same with the C API: prepare, bind, step, copy out each text, finalize.
void raw(benchmark::State& state, const char* sql, const char* parameter) {
    sqlite3* db = nullptr;
    // The same connection mode as ours: one thread, no connection mutex.
    sqlite3_open_v2(catalogue().file().c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        if (parameter)
            sqlite3_bind_text(statement, 1, parameter, -1, SQLITE_STATIC);
        size_t bytes = 0;
        while (sqlite3_step(statement) == SQLITE_ROW)
            for (int i = 0; i < 3; ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                const std::string value(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(statement, i)));
                bytes += value.empty() ? 1 : value.size();
            }
        benchmark::DoNotOptimize(bytes);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
}

void PrefixLikeOurs(benchmark::State& state) {
    ours(state, std::string("SELECT * From PartsMaster WHERE PartsNo Like \"") + PrefixPattern + "*\"");
}
void PrefixLikeRaw(benchmark::State& state) {
    raw(state, "SELECT * FROM PartsMaster WHERE PartsNo LIKE ?1", "01234%");
}
void FullScanOurs(benchmark::State& state) {
    ours(state, "SELECT * From PartsMaster");
}
void FullScanRaw(benchmark::State& state) {
    raw(state, "SELECT * FROM PartsMaster", nullptr);
}

fs::path largestJetFile() {
    fs::path largest;
    std::error_code error;
    for (fs::directory_iterator it(fs::path(VEXORIN_TESTDATA) / "jet", error), end; !error && it != end; ++it)
        if (it->path().extension() == ".mdb" && (largest.empty() || it->file_size() > fs::file_size(largest)))
            largest = it->path();
    return largest;
}

std::string firstTable(catalog::Database& db) {
    return "SELECT * From [" + db.tables().front().name + "]";
}

// Each iteration reads a fresh copy, so that no earlier read can serve it.
void JetFirstQuery(benchmark::State& state) {
    const fs::path source = largestJetFile();
    if (source.empty()) {
        state.SkipWithError("no Jet test files");
        return;
    }
    static int copy = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path file = catalogue().folder() / ("jet-" + std::to_string(copy++) + ".mdb");
        fs::copy_file(source, file);
        state.ResumeTiming();
        catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(file.string());
        catalog::Recordset rs = db.OpenRecordset(firstTable(db), 2);
        benchmark::DoNotOptimize(rs.RecordCount());
    }
}

void JetRepeatedQuery(benchmark::State& state) {
    const fs::path source = largestJetFile();
    if (source.empty()) {
        state.SkipWithError("no Jet test files");
        return;
    }
    {
        catalog::Database first = catalog::DBEngine::Workspaces(0).OpenDatabase(source.string());
        first.OpenRecordset(firstTable(first), 2);
    }
    for (auto _ : state) {
        catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(source.string());
        catalog::Recordset rs = db.OpenRecordset(firstTable(db), 2);
        benchmark::DoNotOptimize(rs.RecordCount());
    }
}

BENCHMARK(PrefixLikeRaw)->Unit(benchmark::kMicrosecond);
BENCHMARK(PrefixLikeOurs)->Unit(benchmark::kMicrosecond);
BENCHMARK(FullScanRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(FullScanOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(JetFirstQuery)->Unit(benchmark::kMillisecond);
BENCHMARK(JetRepeatedQuery)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration, to print the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.iterations > 0)
                m_times[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    void printRatio(const char* what, const std::string& oursName, const std::string& rawName) const {
        if (!m_times.contains(oursName) || !m_times.contains(rawName))
            return;
        std::printf("%-30s ours / raw SQLite API, CPU time = %.2f (goal: at most 1.30)\n", what,
                    m_times.at(oursName) / m_times.at(rawName));
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("prefix Like of 100 rows:", "PrefixLikeOurs", "PrefixLikeRaw");
    reporter.printRatio("SELECT * of 1,000,000 rows:", "FullScanOurs", "FullScanRaw");
    benchmark::Shutdown();
    return 0;
}
