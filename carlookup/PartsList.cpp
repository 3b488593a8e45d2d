#include "carlookup/PartsList.h"

#include "carinfo/Information.h"
#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/Label.h"
#include "forms/ListBox.h"

namespace carlookup {

QString PartsList::columnHeading() {
    return QStringLiteral("Parts Name") + QString(113, u' ') + QStringLiteral("L/R") + QString(3, u' ') +
           QStringLiteral("Parts No") + QString(38, u' ') + QStringLiteral("Bearing No") + QString(41, u' ') +
           QStringLiteral("Other");
}

bool PartsList::isPageForm(const forms::Form& form) {
    return form.Name() == QLatin1String("PartsList") || form.Name() == QLatin1String("CarInfo");
}

void PartsList::createControls() {
    setCaption("PartsList");
    setControlBox(false);
    setMinButton(false);
    setMaxButton(false);
    setKeyPreview(true);
    setDesignedPosition(105, 2040);
    setClientSize(8985, 4320);

    auto* label1 = addControl<forms::Label>("Label1", forms::TwipsRect{120, 195, 8775, 165});
    label1->setFont("MS Serif", 8.25);
    label1->setCaption(columnHeading());

    auto* list1 = addControl<forms::ListBox>("List1", forms::TwipsRect{0, 360, 8895, 3210});
    list1->setFont("Courier New", 8.25);

    auto* label5 = addControl<forms::Label>("Label5", forms::TwipsRect{6600, 3600, 2295, 270});
    label5->setRightAligned(true);
    label5->setCaption(R"(The marked "*" are other make)");

    auto* command2 = addControl<forms::CommandButton>("Command2", forms::TwipsRect{120, 3840, 1095, 375});
    command2->setCaption("Information");
    command2->onClick = [] { carinfo::Information(); };

    auto* command1 = addControl<forms::CommandButton>("Command1", forms::TwipsRect{1305, 3840, 1095, 375});
    command1->setCaption("Return");
    command1->setCancel(true);
    command1->onClick = [this] { Return(); };

    // The car of the page, for the Information command; never shown.
    const struct {
        const char* name;
        forms::TwipsRect rect;
    } hidden[] = {
        {"Label2", {2520, 3960, 855, 375}},
        {"Label3", {3480, 3960, 855, 375}},
        {"Label4", {4440, 3960, 975, 375}},
    };
    for (const auto& [name, rect] : hidden) {
        auto* label = addControl<forms::Label>(name, rect);
        label->setFont("MS Serif", 8.25);
        label->setCaption(name);
        label->setVisible(false);
    }
}

void PartsList::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == 13)
        carinfo::Information();
}

void PartsList::Return() {
    forms::Forms::Default("Ptn2").Show();
    // Unloading the form at position p moves the later ones down, so p stays on a match.
    const int count = forms::Forms::Count();
    int p = 0;
    for (int i = 0; i < count; ++i) {
        forms::Form& form = forms::Forms::Item(p);
        if (isPageForm(form))
            form.Unload();
        else
            ++p;
    }
}

} // namespace carlookup
