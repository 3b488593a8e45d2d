#include "partsno/BrgInfo.h"

#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/Label.h"
#include "forms/ListBox.h"

namespace partsno {

QString BrgInfo::headerCaption() {
    return QStringLiteral("Parts No") + QString(37, u' ') + QStringLiteral("Bearing No") + QString(28, u' ') +
           QStringLiteral("Other");
}

void BrgInfo::createControls() {
    setCaption("BearingNo Information");
    setDesignedPosition(2010, 615);
    setClientSize(5145, 6300);
    setFormFont("Arial", 8.25);

    // Created in tab order.
    auto* Label1 = addControl<forms::Label>("Label1", forms::TwipsRect{0, 120, 5055, 210});
    Label1->setFont("MS Sans Serif", 8.25);
    Label1->setCaption(headerCaption());

    auto* List1 = addControl<forms::ListBox>("List1", forms::TwipsRect{0, 360, 5070, 5310});
    List1->setFont("Courier New", 8.25);

    auto* Command1 = addControl<forms::CommandButton>("Command1", forms::TwipsRect{90, 5835, 1095, 375});
    Command1->setFont("MS Sans Serif", 8.25);
    Command1->setCaption("Return");
    Command1->setCancel(true);
    Command1->onClick = [this] { Return(); };

    auto* Label2 = addControl<forms::Label>("Label2", forms::TwipsRect{2760, 5880, 2295, 255});
    Label2->setCaption(R"(The marked "*" are other make)");
    Label2->setRightAligned(true);
}

void BrgInfo::Form_CloseRequest() {
    Return();
}

void BrgInfo::Return() {
    Unload();
    // Ptn1 was only hidden by the search, so it comes back with its text.
    forms::Forms::Default("Ptn1").Show();
}

} // namespace partsno
