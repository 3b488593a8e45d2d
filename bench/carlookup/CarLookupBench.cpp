// The car lookup on a maker of the sample catalogue: choosing the maker (its
// models listed into Car Select) and Search on the sample's fleet car, whose
// front suspension has thousands of lines (the pages shown and filled), each
// beside its catalogue queries alone (open, query, read the fields that the
// form reads from every row, close) in the same run. Prints the ratio of each
// pair and the peak memory of each benchmark.
//
//     bench_carlookup [--scale N] [--maker NAME] [benchmark flags]
#include "bench/support/BenchOptions.h"
#include "bench/support/BenchReport.h"
#include "bench/support/PeakMemory.h"
#include "bench/support/SampleFolder.h"
#include "carlookup/CarLookupForms.h"
#include "carlookup/PartsSearch.h"
#include "carlookup/Ptn2.h"
#include "catalog/DBEngine.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/ListBox.h"
#include "forms/OptionButton.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const QString FleetModel = "FLEET (ALL TYPES)";

struct Setting {
    QString maker;
    long models = 0;
    QString fleetCarNo;
    int fleetIndex = -1; // its place in the model list
    long classes = 0;
    long lines = 0; // front suspension rows of the fleet car
    long items = 0; // list items they give
};
Setting setting;

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

catalog::Database openMaker() {
    return catalog::DBEngine::Workspaces(0).OpenDatabase(carlookup::Ptn2::makerDatabase(setting.maker));
}

// The listing's query alone, with the catalogue calls the listing makes: the
// count, then every model's name and number.
long modelsAlone() {
    catalog::Database db = openMaker();
    catalog::Recordset rows = db.OpenRecordset(carlookup::Ptn2::modelQuery(setting.maker), 2);
    long read = 0;
    if (rows.RecordCount() >= 1) {
        rows.MoveFirst();
        while (!rows.Eof()) {
            benchmark::DoNotOptimize(rows.Fields("CarName").toText());
            benchmark::DoNotOptimize(rows.Fields("CarNo").toText());
            ++read;
            rows.MoveNext();
        }
    }
    rows.Close();
    db.Close();
    return read;
}

// The search's queries alone, with the catalogue calls the search makes: the
// classes with their count, then the lines with their count and every field
// that the pages show.
long searchAlone() {
    catalog::Database db = openMaker();
    catalog::Recordset rows = db.OpenRecordset(carlookup::PartsSearch::classQuery(setting.fleetCarNo), 2);
    benchmark::DoNotOptimize(rows.RecordCount());
    rows.MoveFirst();
    while (!rows.Eof()) {
        benchmark::DoNotOptimize(rows.Fields("Class"));
        rows.MoveNext();
    }
    rows = db.OpenRecordset(carlookup::PartsSearch::detailQuery(setting.fleetCarNo, "1"), 2);
    benchmark::DoNotOptimize(rows.RecordCount());
    long read = 0;
    rows.MoveFirst();
    for (; !rows.Eof(); rows.MoveNext(), ++read)
        for (const char* field : {"DispLevel", "PartsName", "RL", "PartsNo", "BearingNo", "OtherMk", "Class"})
            benchmark::DoNotOptimize(rows.Fields(field));
    rows.Close();
    db.Close();
    return read;
}

carlookup::Ptn2& carSelect() {
    return forms::Forms::Default<carlookup::Ptn2>("Ptn2");
}

int makerIndex(const QString& maker) {
    auto& makers = carSelect().control<forms::ComboBox>("Combo1");
    for (int i = 0; i < makers.ListCount(); ++i)
        if (makers.List(i) == maker)
            return i;
    throw std::runtime_error("no maker " + maker.toStdString() + " in the maker list");
}

// Another maker chosen (its models listed), so that choosing the maker lists its models anew.
void chooseAnotherMaker() {
    auto& makers = carSelect().control<forms::ComboBox>("Combo1");
    makers.setListIndex((makerIndex(setting.maker) + 1) % makers.ListCount());
}

std::vector<forms::Form*> pages() {
    std::vector<forms::Form*> found;
    for (int i = 0; i < forms::Forms::Count(); ++i)
        if (forms::Forms::Item(i).Name() == "PartsList")
            found.push_back(&forms::Forms::Item(i));
    return found;
}

// A form operation's catalogue calls alone, which read rows rows each time.
void BM_Alone(benchmark::State& state, long (*queries)(), long rows) {
    benchsupport::PeakMemory::reset();
    for (auto _ : state)
        if (queries() != rows)
            state.SkipWithError("the queries read another number of rows");
    state.counters["rows"] = double(rows);
    state.counters["peak_MiB"] = benchsupport::PeakMemory::MiB();
}

void BM_ChooseMaker(benchmark::State& state) {
    auto& models = carSelect().control<forms::ComboBox>("Combo2");
    benchsupport::PeakMemory::reset();
    for (auto _ : state) {
        state.PauseTiming();
        chooseAnotherMaker();
        const int index = makerIndex(setting.maker);
        settle();
        state.ResumeTiming();
        carSelect().control<forms::ComboBox>("Combo1").setListIndex(index);
        // The model list's first paint.
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (models.ListCount() != setting.models)
            state.SkipWithError("Car Select did not list every model");
        state.ResumeTiming();
    }
    state.counters["rows"] = double(setting.models);
    state.counters["peak_MiB"] = benchsupport::PeakMemory::MiB();
}

void BM_Search(benchmark::State& state) {
    carSelect().control<forms::ComboBox>("Combo2").setListIndex(setting.fleetIndex);
    settle();
    benchsupport::PeakMemory::reset();
    for (auto _ : state) {
        carSelect().control<forms::CommandButton>("Command2").Click();
        // The pages' first paint: they are usable from here.
        QCoreApplication::processEvents();

        state.PauseTiming();
        const std::vector<forms::Form*> shown = pages();
        long items = 0;
        for (forms::Form* page : shown)
            items += page->control<forms::ListBox>("List1").ListCount();
        if (long(shown.size()) != setting.classes || items != setting.items || carSelect().Visible())
            state.SkipWithError("the pages were not shown with every line");
        if (!shown.empty())
            shown.front()->control<forms::CommandButton>("Command1").Click();
        settle();
        state.ResumeTiming();
    }
    state.counters["lines"] = double(setting.lines);
    state.counters["items"] = double(setting.items);
    state.counters["peak_MiB"] = benchsupport::PeakMemory::MiB();
}

// Makes the sample catalogue in folder, shows Car Select with the fleet car
// chosen and counts what the benchmarks are to see.
void prepare(const benchsupport::SampleFolder& folder, int scale) {
    folder.writeSample(scale);
    carlookup::registerCarLookupForms();
    carlookup::Ptn2& form = carSelect();
    form.Load();
    form.Show();
    settle();
    form.control<forms::ComboBox>("Combo1").setListIndex(makerIndex(setting.maker));
    setting.models = form.control<forms::ComboBox>("Combo2").ListCount();
    auto& models = form.control<forms::ComboBox>("Combo2");
    for (int i = 0; i < models.ListCount(); ++i)
        if (models.List(i) == FleetModel)
            setting.fleetIndex = i;
    if (setting.fleetIndex < 0)
        throw std::runtime_error("the sample's maker has no model " + FleetModel.toStdString() + "; scale 2 or more");
    setting.fleetCarNo = form.CarNoList[setting.fleetIndex];
    models.setListIndex(setting.fleetIndex);
    form.control<forms::OptionButton>("Option1(0)").setValue(true);

    // One search to count pages and items.
    form.control<forms::CommandButton>("Command2").Click();
    settle();
    for (forms::Form* page : pages()) {
        ++setting.classes;
        setting.items += page->control<forms::ListBox>("List1").ListCount();
    }
    if (setting.classes > 0)
        pages().front()->control<forms::CommandButton>("Command1").Click();
    settle();
    setting.lines = searchAlone();
    std::cout << "maker " << setting.maker.toStdString() << ": " << setting.models << " models; "
              << FleetModel.toStdString() << " (" << setting.fleetCarNo.toStdString() << "): " << setting.classes
              << " classes, " << setting.lines << " front suspension lines, " << setting.items << " list items\n";
}

} // namespace

int main(int argc, char* argv[]) {
    benchsupport::BenchOptions options(argc, argv);
    const int scale = options.number("--scale", 500);
    setting.maker = QString::fromStdString(options.text("--maker", "TOYOTA"));
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(options.count(), options.arguments());
    benchmark::Initialize(&options.count(), options.arguments());

    int status = 0;
    try {
        // The catalogue lives in a drive folder of its own for this run.
        benchsupport::SampleFolder folder;
        // A message box would wait for a user for ever: report it and stop.
        QTimer watchdog;
        watchdog.callOnTimeout([&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                std::cerr << "bench_carlookup: the program showed \"" << box->text().toStdString() << "\"\n";
                folder.remove();
                std::_Exit(1);
            }
        });
        watchdog.start(200);
        prepare(folder, scale);
        benchmark::RegisterBenchmark("ModelsAlone", BM_Alone, modelsAlone, setting.models)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(30);
        benchmark::RegisterBenchmark("ChooseMaker", BM_ChooseMaker)->Unit(benchmark::kMillisecond)->Iterations(30);
        benchmark::RegisterBenchmark("SearchAlone", BM_Alone, searchAlone, setting.lines)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
        benchmark::RegisterBenchmark("Search", BM_Search)->Unit(benchmark::kMillisecond)->Iterations(10);
        benchsupport::BenchReport reporter({{"ChooseMaker", {"ModelsAlone"}}, {"Search", {"SearchAlone"}}});
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
        // The windows go while the application still exists.
        carSelect().Unload();
        settle();
    } catch (const std::exception& error) {
        std::cerr << "bench_carlookup: " << error.what() << "\n";
        status = 1;
    }
    return status;
}
