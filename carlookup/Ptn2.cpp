#include "carlookup/Ptn2.h"

#include "carlookup/PartsSearch.h"
#include "catalog/DBEngine.h"
#include "catalog/QueryText.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MsgBox.h"
#include "forms/OptionButton.h"
#include "forms/StageReport.h"

#include <array>

namespace carlookup {
namespace {

constexpr std::array Makers = {"TOYOTA", "NISSAN",   "HONDA",  "MAZDA", "MITSUBISHI",
                               "SUZUKI", "DAIHATSU", "SUBARU", "ISUZU"};

struct ApplicationOption {
    const char* caption;
    int top;
};
constexpr std::array<ApplicationOption, 4> Applications = {{
    {"Front Suspension", 240},
    {"Rear Suspension", 480},
    {"Timing BeltTensioner", 720},
    {"Clutch Release Bearing", 960},
}};

QString fieldText(const catalog::FieldValue& value) {
    return QString::fromStdString(value.toText());
}

} // namespace

std::string Ptn2::makerDatabase(const QString& maker) {
    return R"(C:\Vexorin\DATA\Tessik-)" + maker.toStdString() + ".MDB";
}

std::string Ptn2::modelQuery(const QString& maker) {
    return std::string("SELECT CarName,CarNo From MakerMaster") + " WHERE " +
           "MakerName = " + catalog::quoteText(maker.toStdString()) + " Order By CarNo";
}

void Ptn2::createControls() {
    setCaption("Car Select");
    setControlBox(false);
    setMaxButton(false);
    setKeyPreview(true);
    setDesignedPosition(2220, 2250);
    setClientSize(5595, 2640);

    // Created in tab order: the maker list, the model list, the applications, Search, Return.
    auto* label2 = addControl<forms::Label>("Label2", forms::TwipsRect{240, 120, 735, 255});
    label2->setFont("MS Serif", 12);
    label2->setCaption("Maker");

    auto* combo1 = addControl<forms::ComboBox>("Combo1", forms::TwipsRect{1080, 120, 4335, 315});
    for (const char* maker : Makers)
        combo1->AddItem(maker);
    combo1->onClick = [this] { makerChosen(); };

    auto* label3 = addControl<forms::Label>("Label3", forms::TwipsRect{240, 480, 735, 255});
    label3->setFont("MS Serif", 12);
    label3->setCaption("Model");

    addControl<forms::ComboBox>("Combo2", forms::TwipsRect{1080, 480, 4335, 315});

    auto* frame1 = addControl<forms::Frame>("Frame1", forms::TwipsRect{225, 810, 5190, 1335});
    frame1->setCaption("Application");
    for (int index = 0; index < static_cast<int>(Applications.size()); ++index) {
        const ApplicationOption& application = Applications[index];
        auto* option = addControlIn<forms::OptionButton>(*frame1, "Option1",
                                                         forms::TwipsRect{360, application.top, 2055, 255}, index);
        option->setCaption(application.caption);
        option->onClick = [this](int chosen) { applicationChosen(chosen); };
    }

    auto* command2 = addControl<forms::CommandButton>("Command2", forms::TwipsRect{210, 2205, 1095, 375});
    command2->setCaption("Search");
    command2->onClick = [this] { Search(); };

    auto* command1 = addControl<forms::CommandButton>("Command1", forms::TwipsRect{1410, 2205, 975, 375});
    command1->setCaption("Return");
    command1->setCancel(true);
    command1->onClick = [this] { Return(); };
}

void Ptn2::Form_Load() {
    SelectedMaker.clear();
    // Marking the option runs its click, which sets ApplicationCode to "1".
    control<forms::OptionButton>("Option1(0)").setValue(true);
}

void Ptn2::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == 13)
        Search();
}

void Ptn2::applicationChosen(int index) {
    if (index >= 0 && index < static_cast<int>(Applications.size()))
        ApplicationCode = QString::number(index + 1);
}

// Lists the models of the maker just chosen, in car-number order, as a sequence
// of steps under the stage report: a failing step shows its stage's message and
// the listing goes on with the next step.
void Ptn2::makerChosen() {
    auto& combo1 = control<forms::ComboBox>("Combo1");
    auto& combo2 = control<forms::ComboBox>("Combo2");
    if (combo1.Text() == SelectedMaker)
        return;
    SelectedMaker = combo1.Text();
    // A new maker lists front suspension parts; its option is marked again so
    // that the marked option is always the application that Search lists.
    ApplicationCode = "1";
    control<forms::OptionButton>("Option1(0)").setValue(true);

    forms::StageReport report(this);
    // On failure MakerDb keeps the database of an earlier operation, or none.
    if (report.run([&] { MakerDb = catalog::DBEngine::Workspaces(0).OpenDatabase(makerDatabase(SelectedMaker)); }))
        report.databaseOpened();
    // The maker's text is read again for the query.
    const std::string query = modelQuery(combo1.Text());
    // On failure MakerRs keeps the rows of an earlier operation, or none.
    report.run([&] { MakerRs = MakerDb.OpenRecordset(query, 2); });
    long count = 0;
    if (report.test([&] {
            count = MakerRs.RecordCount();
            return count < 1;
        })) {
        forms::MsgBox("Data not Found");
        forgetModels();
        return;
    }

    CarNoList.clear();
    CarNoList.reserve(count);
    report.run([&] { MakerRs.MoveFirst(); });
    combo2.Clear();
    bool complete = false;
    for (;;) {
        // A recordset that fails its end-of-rows test or its move would fail
        // them again for ever: the listing ends after that message.
        bool atEnd = false;
        if (!report.run([&] { atEnd = MakerRs.Eof(); }))
            break;
        if (atEnd) {
            complete = true;
            break;
        }
        // A row goes in with its car number or not at all, so that the model
        // list and CarNoList stay in step.
        const auto name = report.value([&] { return fieldText(MakerRs.Fields("CarName")); });
        const auto carNo = report.value([&] { return fieldText(MakerRs.Fields("CarNo")); });
        if (name && carNo)
            report.run([&] {
                combo2.AddItem(*name);
                CarNoList.append(*carNo);
            });
        if (!report.run([&] { MakerRs.MoveNext(); }))
            break;
    }
    if (!complete)
        forgetModels();
    report.run([&] { MakerRs.Close(); });
    report.run([&] { MakerDb.Close(); });
}

void Ptn2::forgetModels() {
    control<forms::ComboBox>("Combo2").Clear();
    CarNoList.clear();
}

void Ptn2::InputCheck() {
    auto& combo1 = control<forms::ComboBox>("Combo1");
    auto& combo2 = control<forms::ComboBox>("Combo2");
    if (combo1.ListIndex() == -1) {
        forms::MsgBox("Please Select Maker");
        InputError = 1;
        combo1.SetFocus();
    } else if (combo2.ListIndex() == -1) {
        forms::MsgBox("Please Select Model(Car)");
        InputError = 2;
        combo2.SetFocus();
    }
}

void Ptn2::Search() {
    PartsSearch(*this).run();
}

void Ptn2::Return() {
    forms::Forms::Default("Menu").Show();
    Unload();
}

} // namespace carlookup
