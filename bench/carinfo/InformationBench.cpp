// The Information command on a car with many specification rows: from the
// click of "Information" on its parts list page to page 1 of its car
// information pages shown, beside the command's two queries alone (open, both
// queries, read every field that the pages show, close) in the same run.
// Prints the ratio of the command to its queries.
//
//     bench_carinfo_information [--scale N] [benchmark flags]
#include "bench/carinfo/InfoSample.h"
#include "bench/support/BenchOptions.h"
#include "bench/support/BenchReport.h"
#include "bench/support/PeakMemory.h"
#include "bench/support/SampleFolder.h"
#include "carinfo/CarInfo.h"
#include "carinfo/Module1.h"
#include "carlookup/CarLookupForms.h"
#include "carlookup/PartsList.h"
#include "carlookup/Ptn2.h"
#include "catalog/DBEngine.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/Label.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

benchcarinfo::BenchCar benchCar;
std::string problem; // the first message box or mismatch seen, for the report

std::string databasePath() {
    return "C:\\Vexorin\\DATA\\Tessik-" + benchCar.maker + ".MDB";
}

std::string condition() {
    return "CarNo = \"" + benchCar.carNo + "\" And Class = " + std::to_string(benchCar.carClass);
}

// The catalogue work of the command and nothing else.
long queriesAlone() {
    catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(databasePath());
    catalog::Recordset rs = db.OpenRecordset("SELECT DISTINCT CarCode,Type From CarSpecMaster WHERE " + condition(), 2);
    benchmark::DoNotOptimize(rs.RecordCount());
    rs = db.OpenRecordset("SELECT * From CarSpecMaster WHERE " + condition(), 2);
    long read = 0;
    if (rs.RecordCount() >= 1) {
        rs.MoveFirst();
        while (!rs.Eof()) {
            for (const char* field : {"CarCode", "Type", "Year", "Model", "Displacement", "Engine", "Mission"})
                benchmark::DoNotOptimize(rs.Fields(field));
            ++read;
            rs.MoveNext();
        }
    }
    rs.Close();
    db.Close();
    return read;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

carinfo::CarInfo* shownPage() {
    for (int i = forms::Forms::Count() - 1; i >= 0; --i)
        if (auto* page = dynamic_cast<carinfo::CarInfo*>(&forms::Forms::Item(i)); page && page->Visible())
            return page;
    return nullptr;
}

// A parts list page of the car, shown over a hidden Ptn2 that has the car's maker and model chosen.
forms::Form& partsListPage() {
    auto& ptn2 = forms::Forms::Default<carlookup::Ptn2>("Ptn2");
    ptn2.Load();
    auto& makers = ptn2.control<forms::ComboBox>("Combo1");
    for (int i = 0; i < makers.ListCount(); ++i)
        if (makers.List(i).toStdString() == benchCar.maker)
            makers.setListIndex(i);
    const int model = int(ptn2.CarNoList.indexOf(QString::fromStdString(benchCar.carNo)));
    ptn2.control<forms::ComboBox>("Combo2").setListIndex(model);

    auto& page = forms::Forms::New<carlookup::PartsList>();
    page.Load();
    page.setCaption(QString::number(benchCar.carClass) + "/1  Maker:[" + QString::fromStdString(benchCar.maker) +
                    "] CarName:[" + ptn2.control<forms::ComboBox>("Combo2").Text() + "] Aplication:[FrontSuspention]");
    page.control<forms::Label>("Label2").setCaption(QString::fromStdString(benchCar.carNo));
    page.control<forms::Label>("Label3").setCaption(" " + QString::number(benchCar.carClass));
    page.control<forms::Label>("Label4").setCaption(QString::fromStdString(benchCar.maker));
    page.Show();
    settle();
    return page;
}

void BM_QueriesAlone(benchmark::State& state) {
    benchsupport::PeakMemory::reset();
    for (auto _ : state)
        if (queriesAlone() != benchCar.rows)
            state.SkipWithError("the queries read another number of rows");
    state.counters["rows"] = double(benchCar.rows);
    state.counters["peak_MiB"] = benchsupport::PeakMemory::MiB();
}

void BM_Information(benchmark::State& state) {
    forms::Form& page = partsListPage();
    auto& information = page.control<forms::CommandButton>("Command2");
    benchsupport::PeakMemory::reset();
    for (auto _ : state) {
        QElapsedTimer clock;
        double seconds = 0;
        bool shown = false;
        // Runs inside the modal show of page 1, once the page is up.
        QTimer::singleShot(0, [&] {
            seconds = clock.nsecsElapsed() / 1e9;
            carinfo::CarInfo* first = shownPage();
            shown = first && first->PageNumber() == 1;
            if (first)
                first->control<forms::CommandButton>("Command1").Click();
        });
        clock.start();
        information.Click();
        state.SetIterationTime(seconds);
        settle();
        if (!shown)
            state.SkipWithError(problem.empty() ? "page 1 was not shown" : problem.c_str());
    }
    state.counters["rows"] = double(benchCar.rows);
    state.counters["pages"] = double(carinfo::Module1::InfoPageCount);
    state.counters["peak_MiB"] = benchsupport::PeakMemory::MiB();
    page.control<forms::CommandButton>("Command1").Click();
    settle();
}

} // namespace

int main(int argc, char* argv[]) {
    benchsupport::BenchOptions options(argc, argv);
    const int scale = options.number("--scale", 500);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(options.count(), options.arguments());
    benchmark::Initialize(&options.count(), options.arguments());

    // A message box would wait for a user who is not there: note it and close it.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (problem.empty())
                problem = "message box: " + box->text().toStdString();
            box->accept();
        }
    });
    watchdog.start(50);

    int status = 0;
    try {
        // The catalogue lives in a drive folder of its own for this run.
        benchsupport::SampleFolder folder;
        benchCar = benchcarinfo::writeInfoSample(folder, scale);
        std::cout << benchCar.source << "\ncar " << benchCar.maker << " " << benchCar.carNo << " class "
                  << benchCar.carClass << ": " << benchCar.rows << " specification rows\n";
        carlookup::registerCarLookupForms();

        benchmark::RegisterBenchmark("QueriesAlone", BM_QueriesAlone)->Unit(benchmark::kMillisecond)->Iterations(30);
        benchmark::RegisterBenchmark("Information", BM_Information)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(30)
            ->UseManualTime();
        // The command's benchmark sets its own elapsed time (to page 1 shown), so
        // its processor time, which includes closing the pages, has no ratio.
        benchsupport::BenchReport reporter({{"Information", {"QueriesAlone"}, "goal: at most 1.5", false}});
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
        // The windows go before the application does.
        while (forms::Forms::Count() > 0)
            forms::Forms::Item(forms::Forms::Count() - 1).Unload();
        settle();
    } catch (const std::exception& error) {
        std::cerr << "bench_carinfo_information: " << error.what() << "\n";
        status = 1;
    }
    return status;
}
