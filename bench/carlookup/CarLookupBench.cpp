// The car lookup on a maker of the sample catalogue: choosing the maker (its
// models listed into Car Select) and Search on the sample's fleet car, whose
// front suspension has thousands of lines (the pages shown and filled), each
// beside its catalogue queries alone (open, query, read the fields that the
// form reads from every row, close) in the same run. Prints the ratio of each
// pair and the peak memory of each benchmark.
//
//     bench_carlookup [--scale N] [--maker NAME] [benchmark flags]
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
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>

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
    resetPeak();
    for (auto _ : state)
        if (queries() != rows)
            state.SkipWithError("the queries read another number of rows");
    state.counters["rows"] = double(rows);
    state.counters["peak_MiB"] = peakMiB();
}

void BM_ChooseMaker(benchmark::State& state) {
    auto& models = carSelect().control<forms::ComboBox>("Combo2");
    resetPeak();
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
    state.counters["peak_MiB"] = peakMiB();
}

void BM_Search(benchmark::State& state) {
    carSelect().control<forms::ComboBox>("Combo2").setListIndex(setting.fleetIndex);
    settle();
    resetPeak();
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
    state.counters["peak_MiB"] = peakMiB();
}

// Prints the benchmarks as usual, then the ratio of each form operation to its queries.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_times[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [form, alone] :
             {std::pair{"ChooseMaker", "ModelsAlone"}, std::pair{"Search", "SearchAlone"}}) {
            const auto formTime = m_times.find(form);
            const auto aloneTime = m_times.find(alone);
            if (formTime != m_times.end() && aloneTime != m_times.end() && aloneTime->second.real > 0 &&
                aloneTime->second.cpu > 0)
                GetOutputStream() << "ratio " << form << " to " << alone << ": "
                                  << formTime->second.real / aloneTime->second.real << " (CPU time "
                                  << formTime->second.cpu / aloneTime->second.cpu << ")\n";
        }
    }

private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> m_times;
};

// Makes the sample catalogue, shows Car Select with the fleet car chosen and
// counts what the benchmarks are to see.
void prepare(const std::filesystem::path& dataDir, int scale) {
    std::filesystem::create_directories(dataDir);
    const std::string command = "\"" + std::string(VEXORIN_BIN_DIR) + "/vexorin-catalog\" sample \"" +
                                dataDir.string() + "\" --scale " + std::to_string(scale) + " >/dev/null";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("vexorin-catalog sample failed: " + command);

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
    int scale = 500;
    setting.maker = "TOYOTA";
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--scale" && i + 1 < argc)
            scale = std::atoi(argv[++i]);
        else if (arg == "--maker" && i + 1 < argc)
            setting.maker = QString::fromStdString(argv[++i]);
        else
            rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(restCount, rest.data());
    benchmark::Initialize(&restCount, rest.data());

    // The catalogue lives in a drive folder of its own for this run.
    std::random_device random;
    const auto driveC = std::filesystem::temp_directory_path() / ("vexorin-bench-" + std::to_string(random()));
    setenv("VEXORIN_DRIVE_C", driveC.string().c_str(), 1);
    // A message box would wait for a user for ever: report it and stop.
    QTimer watchdog;
    watchdog.callOnTimeout([&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::cerr << "bench_carlookup: the program showed \"" << box->text().toStdString() << "\"\n";
            std::error_code ignored;
            std::filesystem::remove_all(driveC, ignored);
            std::_Exit(1);
        }
    });
    watchdog.start(200);
    int status = 0;
    try {
        prepare(driveC / "Vexorin" / "DATA", scale);
        benchmark::RegisterBenchmark("ModelsAlone", BM_Alone, modelsAlone, setting.models)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(30);
        benchmark::RegisterBenchmark("ChooseMaker", BM_ChooseMaker)->Unit(benchmark::kMillisecond)->Iterations(30);
        benchmark::RegisterBenchmark("SearchAlone", BM_Alone, searchAlone, setting.lines)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
        benchmark::RegisterBenchmark("Search", BM_Search)->Unit(benchmark::kMillisecond)->Iterations(10);
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
        // The windows go while the application still exists.
        carSelect().Unload();
        settle();
    } catch (const std::exception& error) {
        std::cerr << "bench_carlookup: " << error.what() << "\n";
        status = 1;
    }
    std::error_code ignored;
    std::filesystem::remove_all(driveC, ignored);
    return status;
}
