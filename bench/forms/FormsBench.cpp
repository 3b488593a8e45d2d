// The forms runtime's own costs, each beside a baseline of the same work done
// without it in the same run, with the ratio of each pair printed at the end:
//   - AddItem of a million lines to a hidden list box, beside storing the same
//     lines in a std::vector<QString>;
//   - a drop-down list filled with 1000 items and cleared again (the model list
//     of Car Select), beside the same in a QStringList;
//   - loading a form with the controls of a car information page (6 labels, 3
//     list boxes, 3 buttons), and loading and showing it, beside the same Qt
//     widgets made directly.
//
//     bench_forms [benchmark flags]
//
// For instruction counts on a busy machine, run one benchmark under callgrind
// and count its measured function alone (one command line):
//     valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*BM_ComboFill*'
//         bench_forms --benchmark_filter='^ComboFill/'
// with '*BM_StoreLines*', '*BM_AddItem*', '*BM_StoreModels*', '*rawPage*'
// (RawPage) or 'forms::Form::Load()' (LoadPage) for the others.
#include "bench/support/BenchReport.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Fonts.h"
#include "forms/Form.h"
#include "forms/Forms.h"
#include "forms/Label.h"
#include "forms/ListBox.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int MillionLines = 1'000'000;
constexpr int ModelCount = 1000;

// A list line as the lookups build them: fixed-width fields joined by blanks.
QString listLine(int i) {
    return QStringLiteral("FRONT HUB BEARING    L  ") + QString::number(90000 + i).leftJustified(15, u' ') +
           QString::number(i).rightJustified(15, u' ');
}

// A model name as Car Select lists them.
QString modelName(int i) {
    return QStringLiteral("COROLLA ") + QString::number(i).rightJustified(4, u'0') + QStringLiteral(" (AE100)");
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A form with one list box and one drop-down list, shown, as the lookups' forms are when they fill them.
class ListsForm : public forms::Form {
public:
    ListsForm() : Form("Lists") {}
    forms::ListBox* List1 = nullptr;
    forms::ComboBox* Combo2 = nullptr;

protected:
    void createControls() override {
        setCaption("Lists");
        setClientSize(8280, 3000);
        List1 = addControl<forms::ListBox>("List1", forms::TwipsRect{0, 480, 8205, 1530});
        List1->setFont("Courier New", 8.25);
        Combo2 = addControl<forms::ComboBox>("Combo2", forms::TwipsRect{1080, 120, 4335, 315});
    }
};

// The column heading of a car information page.
QString columnHeading() {
    return QString(3, u' ') + "YEAR" + QString(19, u' ') + "MODEL(Code)" + QString(25, u' ') + "DISPLACEMENT" +
           QString(8, u' ') + "ENGINE" + QString(19, u' ') + "TRANSMISSION";
}

// The controls of a car information page, made as the page makes them.
class InfoPageForm : public forms::Form {
public:
    InfoPageForm() : Form("InfoPage") {}

protected:
    void createControls() override {
        setClientSize(8280, 6855);
        setDesignedPosition(690, 330);
        setMinButton(false);
        setMaxButton(false);
        setKeyPreview(true);
        const QString heading = columnHeading();
        for (int group = 0; group < 3; ++group) {
            const int top = 30 + 2140 * group;
            auto* header = addControl<forms::Label>("Label" + QString::number(2 * group + 1),
                                                    forms::TwipsRect{120, top, 540, 165});
            header->setFont("MS Serif", 8.25);
            header->setCaption("Label" + QString::number(2 * group + 1));
            header->setAutoSize(true);
            auto* columns = addControl<forms::Label>("Label" + QString::number(2 * group + 2),
                                                     forms::TwipsRect{120, top + 210, 8055, 195});
            columns->setFont("MS Serif", 8.25);
            columns->setCaption(heading);
            auto* list = addControl<forms::ListBox>("List" + QString::number(group + 1),
                                                    forms::TwipsRect{0, top + 450, 8205, 1530});
            list->setFont("Courier New", 8.25);
        }
        const char* captions[] = {"Return", "Previous", "Next"};
        for (int i = 0; i < 3; ++i) {
            auto* button = addControl<forms::CommandButton>("Command" + QString::number(i + 1),
                                                            forms::TwipsRect{120 + 960 * i, 6405, 855, 375});
            button->setCaption(captions[i]);
            button->setCancel(i == 0);
        }
    }
};

ListsForm& listsForm() {
    return forms::Forms::Default<ListsForm>("Lists");
}

InfoPageForm& infoPage() {
    return forms::Forms::Default<InfoPageForm>("InfoPage");
}

void BM_StoreLines(benchmark::State& state) {
    // Emptied, not destroyed, between the runs, as a list box keeps its storage across Clear.
    std::vector<QString> lines;
    for (auto _ : state) {
        for (int i = 0; i < MillionLines; ++i)
            lines.push_back(listLine(i));
        benchmark::DoNotOptimize(lines.data());
        lines.clear();
        benchmark::ClobberMemory();
    }
    state.counters["lines"] = MillionLines;
}

void BM_AddItem(benchmark::State& state) {
    forms::ListBox& list = *listsForm().List1;
    list.setVisible(false);
    for (auto _ : state) {
        for (int i = 0; i < MillionLines; ++i)
            list.AddItem(listLine(i));
        // The view learns of the lines here, and is emptied again.
        QCoreApplication::sendPostedEvents();
        list.Clear();
        benchmark::ClobberMemory();
    }
    list.setVisible(true);
    state.counters["lines"] = MillionLines;
}

void BM_StoreModels(benchmark::State& state) {
    QStringList names;
    for (auto _ : state) {
        names.clear();
        for (int i = 0; i < ModelCount; ++i)
            names.append(modelName(i));
        benchmark::DoNotOptimize(names.data());
    }
    state.counters["items"] = ModelCount;
}

void BM_ComboFill(benchmark::State& state) {
    forms::ComboBox& combo = *listsForm().Combo2;
    // The list has been opened once before, so its view exists and hears of every change.
    combo.combo()->view();
    for (auto _ : state) {
        combo.Clear();
        for (int i = 0; i < ModelCount; ++i)
            combo.AddItem(modelName(i));
        // Whatever the fill left for the event loop belongs to it.
        QCoreApplication::sendPostedEvents();
    }
    if (combo.ListCount() != ModelCount || combo.ListIndex() != -1)
        state.SkipWithError("the drop-down list does not hold the models with none selected");
    state.counters["items"] = ModelCount;
}

// The widgets of a car information page made directly, fonts made once beforehand.
struct RawFonts {
    QFont serif = forms::designFont("MS Serif", 8.25);
    QFont fixed = forms::designFont("Courier New", 8.25);
    QFont sans = forms::designFont("MS Sans Serif", 8.25);
};

// Not inlined, so that callgrind can count it alone (--toggle-collect='*rawPage*').
[[gnu::noinline]] std::unique_ptr<QWidget> rawPage(const RawFonts& fonts) {
    const QString heading = columnHeading();
    auto window = std::make_unique<QWidget>(nullptr, Qt::Window);
    window->setFont(fonts.sans);
    window->setFixedSize(552, 457);
    for (int group = 0; group < 3; ++group) {
        const int top = 2 + 143 * group;
        auto* header = new QLabel(QStringLiteral("Label1"), window.get());
        header->setFont(fonts.serif);
        header->setGeometry(8, top, header->sizeHint().width(), 11);
        auto* columns = new QLabel(heading, window.get());
        columns->setFont(fonts.serif);
        columns->setGeometry(8, top + 14, 537, 13);
        auto* list = new QListView(window.get());
        list->setUniformItemSizes(true);
        list->setModel(new QStringListModel(list));
        list->setFont(fonts.fixed);
        list->setGeometry(0, top + 30, 547, 102);
    }
    for (int i = 0; i < 3; ++i)
        (new QPushButton(QStringLiteral("Return"), window.get()))->setGeometry(8 + 64 * i, 427, 57, 25);
    return window;
}

void BM_RawPage(benchmark::State& state, bool show) {
    const RawFonts fonts;
    for (auto _ : state) {
        std::unique_ptr<QWidget> page = rawPage(fonts);
        if (show) {
            page->show();
            QCoreApplication::processEvents();
        }
        state.PauseTiming();
        page.reset();
        settle();
        state.ResumeTiming();
    }
}

void BM_Page(benchmark::State& state, bool show) {
    InfoPageForm& page = infoPage();
    for (auto _ : state) {
        page.Load();
        if (show) {
            page.Show();
            QCoreApplication::processEvents();
        }
        state.PauseTiming();
        page.Unload();
        settle();
        state.ResumeTiming();
    }
}

// Drops the offscreen platform's note on every raised window; everything else is printed.
QtMessageHandler standardHandler = nullptr;

void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    standardHandler = qInstallMessageHandler(quietRaise);
    // The heap keeps what the runs free, so that each run measures its own work and not the kernel's page
    // faults, which glibc's trimming would otherwise hand to one run and not to its baseline.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    forms::Forms::registerForm("Lists", [] { return std::make_unique<ListsForm>(); });
    forms::Forms::registerForm("InfoPage", [] { return std::make_unique<InfoPageForm>(); });
    listsForm().Show();
    settle();

    benchmark::RegisterBenchmark("StoreLines", BM_StoreLines)->Unit(benchmark::kMillisecond)->Iterations(5);
    benchmark::RegisterBenchmark("AddItem", BM_AddItem)->Unit(benchmark::kMillisecond)->Iterations(5);
    benchmark::RegisterBenchmark("StoreModels", BM_StoreModels)->Unit(benchmark::kMicrosecond)->Iterations(500);
    benchmark::RegisterBenchmark("ComboFill", BM_ComboFill)->Unit(benchmark::kMicrosecond)->Iterations(500);
    benchmark::RegisterBenchmark("RawPage", BM_RawPage, false)->Unit(benchmark::kMicrosecond)->Iterations(200);
    benchmark::RegisterBenchmark("LoadPage", BM_Page, false)->Unit(benchmark::kMicrosecond)->Iterations(200);
    benchmark::RegisterBenchmark("RawShownPage", BM_RawPage, true)->Unit(benchmark::kMicrosecond)->Iterations(100);
    benchmark::RegisterBenchmark("ShowPage", BM_Page, true)->Unit(benchmark::kMicrosecond)->Iterations(100);
    benchsupport::BenchReport report({{"AddItem", {"StoreLines"}},
                                      {"ComboFill", {"StoreModels"}},
                                      {"LoadPage", {"RawPage"}},
                                      {"ShowPage", {"RawShownPage"}}});
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();
    // The windows go while the application still exists.
    listsForm().Unload();
    settle();
    return 0;
}
