// The catalogue layer against the raw SQLite C API on a generated PartsMaster
// of 1,000,000 rows (indexed on PartsNo), in the same run: a prefix Like of
// about 100 rows, and the whole table stepped through. Also the first and a
// repeated query on the largest Jet file of the shared test data. Prints each
// ratio of ours to the raw API at the end; the goal is at most 1.3.
//
//     catalog_bench [benchmark flags]
//
// VEXORIN_CATALOG_BENCH_ROWS sets another size of the generated table. Each
// timed loop runs inside runTimed() after one untimed warm-up lookup, so that
// instruction counts of exactly the timed lookups can be taken:
//
//     VEXORIN_CATALOG_BENCH_ROWS=100000 valgrind --tool=callgrind --collect-atstart=no
//         --toggle-collect='*runTimed*' catalog_bench --benchmark_filter='^FullScanOurs$' --benchmark_min_time=0
//
// (one command) counts the instructions of the timed lookups alone; runs with
// the same flags make the same number of lookups, so their counts compare.
#include "catalog/DBEngine.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

long rowCount() {
    static const long rows = [] {
        const char* set = std::getenv("VEXORIN_CATALOG_BENCH_ROWS");
        const long asked = set ? std::atol(set) : 0;
        return asked >= 1000 ? asked : 1000000L;
    }();
    return rows;
}

// Five leading digits of the seven-digit parts numbers: 100 of them share it
// (at 1,000,000 rows "01234", 0123400 to 0123499).
std::string prefixPattern() {
    char number[24];
    std::snprintf(number, sizeof number, "%07ld", rowCount() * 1234 / 10000 / 100 * 100);
    return std::string(number, 5);
}

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
        const long rows = rowCount();
        for (long i = 0; i < rows; ++i) {
            // Stored order differs from PartsNo order, as in a real catalogue;
            // 7919 is prime, so each number comes once unless it divides the size.
            const long number = (i * 7919) % rows;
            char partsNo[24], bearingNo[24];
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

// The timed loop, apart from the warm-up, for instruction counts (see the top).
[[gnu::noinline]] void runTimed(benchmark::State& state, const std::function<size_t()>& lookup) {
    for (auto _ : state)
        benchmark::DoNotOptimize(lookup());
}

void timeLookups(benchmark::State& state, const std::function<size_t()>& lookup) {
    // Both sides start warm: the file's pages cached, the schema read.
    benchmark::DoNotOptimize(lookup());
    runTimed(state, lookup);
}

// One lookup as the bearing list makes it: the record count at once, then
// every row with its three fields read by name as texts.
size_t lookupOurs(catalog::Database& db, const std::string& query) {
    catalog::Recordset rs = db.OpenRecordset(query, 2);
    size_t bytes = static_cast<size_t>(rs.RecordCount());
    rs.MoveFirst();
    for (; !rs.Eof(); rs.MoveNext())
        for (const char* field : {"PartsNo", "BearingNo", "OtherMk"}) {
            const catalog::FieldValue value = rs.Fields(field);
            bytes += value.isEmpty() ? 1 : value.toText().size();
        }
    rs.Close();
    return bytes;
}

void ours(benchmark::State& state, const std::string& query) {
    catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(catalogue().file());
    timeLookups(state, [&] { return lookupOurs(db, query); });
}

struct RawStatement {
    sqlite3_stmt* statement = nullptr;
    RawStatement(sqlite3* db, const std::string& sql, const std::string& parameter) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
        if (!parameter.empty())
            sqlite3_bind_text(statement, 1, parameter.c_str(), -1, SQLITE_STATIC);
    }
    ~RawStatement() { sqlite3_finalize(statement); }
};

// The same lookup written directly on the C API, as a caller that needs the
// count first would write it: a count(*) of the same condition, then the rows,
// each field found by name once per statement and copied out as text.
size_t lookupRaw(sqlite3* db, const std::string& condition, const std::string& parameter) {
    size_t bytes = 0;
    {
        RawStatement count(db, "SELECT count(*) FROM PartsMaster" + condition, parameter);
        if (sqlite3_step(count.statement) == SQLITE_ROW)
            bytes += static_cast<size_t>(sqlite3_column_int64(count.statement, 0));
    }
    RawStatement rows(db, "SELECT * FROM PartsMaster" + condition, parameter);
    int columns[3] = {};
    const char* const names[3] = {"PartsNo", "BearingNo", "OtherMk"};
    for (int f = 0; f < 3; ++f)
        for (int i = 0; i < sqlite3_column_count(rows.statement); ++i)
            if (sqlite3_stricmp(sqlite3_column_name(rows.statement, i), names[f]) == 0)
                columns[f] = i;
    while (sqlite3_step(rows.statement) == SQLITE_ROW)
        for (const int column : columns) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(rows.statement, column));
            const std::string value(text ? text : "",
                                    static_cast<size_t>(sqlite3_column_bytes(rows.statement, column)));
            bytes += value.empty() ? 1 : value.size();
        }
    return bytes;
}

void raw(benchmark::State& state, const std::string& condition, const std::string& parameter) {
    sqlite3* db = nullptr;
    // The same connection mode as ours: read only, one thread, no connection mutex.
    sqlite3_open_v2(catalogue().file().c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    timeLookups(state, [&] { return lookupRaw(db, condition, parameter); });
    sqlite3_close(db);
}

void PrefixLikeOurs(benchmark::State& state) {
    ours(state, "SELECT * From PartsMaster WHERE PartsNo Like \"" + prefixPattern() + "*\"");
}
void PrefixLikeRaw(benchmark::State& state) {
    raw(state, " WHERE PartsNo LIKE ?1", prefixPattern() + "%");
}
void FullScanOurs(benchmark::State& state) {
    ours(state, "SELECT * From PartsMaster");
}
void FullScanRaw(benchmark::State& state) {
    raw(state, "", "");
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
    // With --benchmark_repetitions the medians are compared, which a loaded machine disturbs least.
    void printRatio(const char* what, const std::string& oursName, const std::string& rawName) const {
        const auto time = [&](const std::string& name) {
            const auto median = m_times.find(name + "_median");
            return median != m_times.end() ? median->second : m_times.at(name);
        };
        if (!m_times.contains(oursName) || !m_times.contains(rawName))
            return;
        std::printf("%-30s ours / raw SQLite API, CPU time = %.2f (goal: at most 1.30)\n", what,
                    time(oursName) / time(rawName));
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
    reporter.printRatio("SELECT * of the whole table:", "FullScanOurs", "FullScanRaw");
    benchmark::Shutdown();
    return 0;
}
