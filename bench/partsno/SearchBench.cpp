// The parts-number search on a catalogue of about a million parts numbers: from
// the Search click to BrgInfo shown and filled, beside the catalogue query
// alone (open, query, read the three fields of every row, close) and the
// storing of as many lines alone, in the same run. Prints the ratios and the
// peak memory of each benchmark.
//
//     bench_partsno_search [--scale N] [benchmark flags]
#include "bench/support/BenchOptions.h"
#include "bench/support/BenchReport.h"
#include "bench/support/PeakMemory.h"
#include "bench/support/SampleFolder.h"
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
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Case {
    std::string name; // "prefix" or "all"
    QString typed;
    long rows = 0;
};

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
    benchsupport::PeakMemory::reset();
    for (auto _ : state)
        if (queryAlone(statement) != c.rows) {
            state.SkipWithError("the query read another number of rows");
            break;
        }
    state.counters["rows"] = double(c.rows);
    state.counters["peak_MiB"] = benchsupport::PeakMemory::MiB();
}

// The floor of any listing of that many lines: the lines alone, made as
// texts of a typical length and kept until the end, then freed (as BrgInfo's
// Return frees them). On a machine where first-touched memory is dear this is
// much of the search's cost beyond the query.
void BM_LinesAlone(benchmark::State& state, const Case& c) {
    const std::string typical(43, '0'); // the length of a line with a one-character mark
    benchsupport::PeakMemory::reset();
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
    state.counters["peak_MiB"] = benchsupport::PeakMemory::MiB();
}

void BM_Search(benchmark::State& state, const Case& c) {
    auto& ptn1 = forms::Forms::Default("Ptn1");
    settle();
    benchsupport::PeakMemory::reset();
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
    state.counters["peak_MiB"] = benchsupport::PeakMemory::MiB();
}

} // namespace

int main(int argc, char* argv[]) {
    benchsupport::BenchOptions options(argc, argv);
    const int scale = options.number("--scale", 500);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    previousHandler = qInstallMessageHandler(quietOffscreenNotes);
    QApplication application(options.count(), options.arguments());
    benchmark::Initialize(&options.count(), options.arguments());

    int status = 0;
    try {
        // The catalogue lives in a drive folder of its own for this run.
        benchsupport::SampleFolder folder;
        folder.writeSample(scale);
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
        // Each search beside its query, and beside its query and the storing of
        // its lines together.
        std::vector<benchsupport::BenchReport::Ratio> ratios;
        for (const Case& c : cases) {
            ratios.push_back({"Search/" + c.name, {"QueryAlone/" + c.name}});
            ratios.push_back({"Search/" + c.name, {"QueryAlone/" + c.name, "LinesAlone/" + c.name}});
        }
        benchsupport::BenchReport reporter(ratios);
        // The benchmarks run inside the forms runtime, as the program does, with
        // Ptn1 as the start-up form.
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
    return status;
}
