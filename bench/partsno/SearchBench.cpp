// The parts-number search on a catalogue of about a million parts numbers: from
// the Search click to BrgInfo shown and filled, beside the catalogue query
// alone (open, query, read the three fields of every row, close) and the
// storing of as many lines alone, in the same run. Prints the ratios and the
// peak memory of each benchmark.
//
//     bench_partsno_search [--scale N] [benchmark flags]
#include "PartsSample.h"

#include "catalog/DBEngine.h"
#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/ListBox.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"
#include "partsno/PartsNoForms.h"
#include "partsno/Ptn1.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

namespace {

struct Case {
    std::string name; // "prefix" or "all"
    QString typed;
    long rows = 0;
};

// Resident set peak of the process in MiB; resetPeak() starts a new peak at
// the current size, so each benchmark reports its own.
double peakMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

long queryAlone(const std::string& statement) {
    catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(partsno::Ptn1::PartsNoDatabase);
    catalog::Recordset rows = db.OpenRecordset(statement, 2);
    long read = 0;
    if (rows.RecordCount() >= 1) {
        rows.MoveFirst();
        while (!rows.Eof()) {
            // Each value is kept (not a temporary), so the read cannot be optimised away.
            const catalog::FieldValue partsNo = rows.Fields("PartsNo");
            const catalog::FieldValue bearingNo = rows.Fields("BearingNo");
            const catalog::FieldValue otherMk = rows.Fields("OtherMk");
            bool anyNull = partsNo.isNull() || bearingNo.isNull() || otherMk.isNull();
            benchmark::DoNotOptimize(anyNull);
            ++read;
            rows.MoveNext();
        }
    }
    rows.Close();
    db.Close();
    return read;
}

long countRows(const QString& typed) {
    catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(partsno::Ptn1::PartsNoDatabase);
    return db.OpenRecordset(partsno::Ptn1::searchStatement(typed, typed.isEmpty()), 2).RecordCount();
}

// A beginning of a stored parts number that matches about a hundred rows:
// the longest beginning of one that still matches at least 50.
QString prefixOfAboutHundredRows() {
    catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(partsno::Ptn1::PartsNoDatabase);
    catalog::Recordset rows = db.OpenRecordset("SELECT * From PartsMaster", 2);
    for (long skip = rows.RecordCount() / 2; skip > 0 && !rows.Eof(); --skip)
        rows.MoveNext();
    const QString partsNo = QString::fromStdString(rows.Fields("PartsNo").toText());
    QString best = partsNo.left(1);
    for (qsizetype length = 1; length <= partsNo.size(); ++length) {
        const QString prefix = partsNo.left(length);
        if (countRows(prefix) < 50)
            break;
        best = prefix;
    }
    return best;
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform notes for every shown window that it cannot raise it.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")) && previousHandler)
        previousHandler(type, context, message);
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BM_QueryAlone(benchmark::State& state, const Case& c) {
    const std::string statement = partsno::Ptn1::searchStatement(c.typed, c.typed.isEmpty());
    resetPeak();
    for (auto _ : state)
        if (queryAlone(statement) != c.rows) {
            state.SkipWithError("the query read another number of rows");
            break;
        }
    state.counters["rows"] = double(c.rows);
    state.counters["peak_MiB"] = peakMiB();
}

// The floor of any listing of that many lines: the lines alone, made as
// texts of a typical length and kept until the end, then freed (as BrgInfo's
// Return frees them). On a machine where first-touched memory is dear this is
// much of the search's cost beyond the query.
void BM_LinesAlone(benchmark::State& state, const Case& c) {
    const std::string typical(43, '0'); // the length of a line with a one-character mark
    resetPeak();
    for (auto _ : state) {
        std::vector<QString> lines;
        for (long row = 0; row < c.rows; ++row)
            lines.push_back(QString::fromUtf8(typical));
        benchmark::DoNotOptimize(lines.data());
        state.PauseTiming();
        lines = {};
        state.ResumeTiming();
    }
    state.counters["rows"] = double(c.rows);
    state.counters["peak_MiB"] = peakMiB();
}

void BM_Search(benchmark::State& state, const Case& c) {
    auto& ptn1 = forms::Forms::Default("Ptn1");
    settle();
    resetPeak();
    for (auto _ : state) {
        ptn1.control<forms::TextBox>("Text1").setText(c.typed);
        ptn1.control<forms::CommandButton>("Command2").Click();
        // BrgInfo's first paint: the window is usable from here.
        QCoreApplication::processEvents();

        state.PauseTiming();
        auto& brgInfo = forms::Forms::Default("BrgInfo");
        const bool listed = brgInfo.Visible() && brgInfo.control<forms::ListBox>("List1").ListCount() == c.rows;
        if (brgInfo.IsLoaded())
            brgInfo.control<forms::CommandButton>("Command1").Click();
        settle();
        if (!listed) {
            state.SkipWithError("BrgInfo was not shown with every row");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["rows"] = double(c.rows);
    state.counters["peak_MiB"] = peakMiB();
}

// Prints the benchmarks as usual, then the ratio of each search to its query,
// in elapsed time and in processor time (which a busy machine disturbs less).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_times[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const char* name : {"prefix", "all"}) {
            const auto query = m_times.find(std::string("QueryAlone/") + name);
            const auto search = m_times.find(std::string("Search/") + name);
            if (query == m_times.end() || search == m_times.end() || query->second.real <= 0 || query->second.cpu <= 0)
                continue;
            GetOutputStream() << "ratio Search/" << name << " to QueryAlone/" << name << ": "
                              << search->second.real / query->second.real << " elapsed, "
                              << search->second.cpu / query->second.cpu << " processor\n";
            const auto lines = m_times.find(std::string("LinesAlone/") + name);
            if (lines != m_times.end())
                GetOutputStream() << "ratio Search/" << name << " to QueryAlone/" << name << " + LinesAlone/" << name
                                  << ": " << search->second.real / (query->second.real + lines->second.real)
                                  << " elapsed, " << search->second.cpu / (query->second.cpu + lines->second.cpu)
                                  << " processor\n";
        }
    }

private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> m_times;
};

} // namespace

int main(int argc, char* argv[]) {
    int scale = 500;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--scale" && i + 1 < argc)
            scale = std::atoi(argv[++i]);
        else if (arg.rfind("--scale=", 0) == 0)
            scale = std::atoi(arg.c_str() + 8);
        else
            rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    previousHandler = qInstallMessageHandler(quietOffscreenNotes);
    QApplication application(restCount, rest.data());
    benchmark::Initialize(&restCount, rest.data());

    // The catalogue lives in a drive folder of its own for this run.
    std::random_device random;
    const auto driveC = std::filesystem::temp_directory_path() / ("vexorin-bench-" + std::to_string(random()));
    setenv("VEXORIN_DRIVE_C", driveC.string().c_str(), 1);
    int status = 0;
    try {
        benchpartsno::makePartsSample(driveC / "Vexorin" / "DATA", scale, VEXORIN_BIN_DIR);
        partsno::registerPartsNoForms();

        const QString prefix = prefixOfAboutHundredRows();
        const std::vector<Case> cases = {{"prefix", prefix, countRows(prefix)},
                                         {"all", QString(), countRows(QString())}};
        std::cout << "sample catalogue at --scale " << scale << "; prefix \"" << prefix.toStdString()
                  << "\": " << cases[0].rows << " rows; all: " << cases[1].rows << " rows\n";
        for (const Case& c : cases) {
            const int iterations = c.rows > 10000 ? 3 : 30;
            benchmark::RegisterBenchmark(("QueryAlone/" + c.name).c_str(), BM_QueryAlone, c)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(iterations);
            benchmark::RegisterBenchmark(("LinesAlone/" + c.name).c_str(), BM_LinesAlone, c)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(iterations);
            benchmark::RegisterBenchmark(("Search/" + c.name).c_str(), BM_Search, c)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(iterations);
        }
        // The benchmarks run inside the forms runtime, as the program does, with
        // Ptn1 as the start-up form.
        RatioReporter reporter;
        QTimer::singleShot(0, [&reporter] {
            benchmark::RunSpecifiedBenchmarks(&reporter);
            forms::Runtime::End();
        });
        forms::Runtime::run(forms::Forms::Default("Ptn1"));
        benchmark::Shutdown();
    } catch (const std::exception& error) {
        std::cerr << "bench_partsno_search: " << error.what() << "\n";
        status = 1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(driveC, ignored);
    return status;
}
