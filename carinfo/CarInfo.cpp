#include "carinfo/CarInfo.h"

#include "carinfo/Module1.h"
#include "carinfo/SpecText.h"
#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/Label.h"
#include "forms/ListBox.h"

namespace carinfo {

int CarInfo::PageNumber() const {
    return captionPageNumber(Caption());
}

const QString& CarInfo::headerLabelName(int slot) {
    static const QString names[] = {QStringLiteral("Label1"), QStringLiteral("Label3"), QStringLiteral("Label5")};
    return names[slot];
}

const QString& CarInfo::listName(int slot) {
    static const QString names[] = {QStringLiteral("List1"), QStringLiteral("List2"), QStringLiteral("List3")};
    return names[slot];
}

void CarInfo::createControls() {
    setClientSize(8280, 6855);
    setDesignedPosition(690, 330);
    setMinButton(false);
    setMaxButton(false);
    setControlBox(true);
    setKeyPreview(true);

    auto header = [this](const QString& name, int top) {
        auto* label = addControl<forms::Label>(name, forms::TwipsRect{120, top, 540, 165});
        label->setFont("MS Serif", 8.25);
        label->setCaption(name);
        label->setAutoSize(true);
        return label;
    };
    auto heading = [this](const QString& name, int top) {
        auto* label = addControl<forms::Label>(name, forms::TwipsRect{120, top, 8055, 195});
        label->setFont("MS Serif", 8.25);
        label->setCaption(columnHeading());
        return label;
    };
    auto list = [this](const QString& name, int top) {
        auto* box = addControl<forms::ListBox>(name, forms::TwipsRect{0, top, 8205, 1530});
        box->setFont("Courier New", 8.25);
        return box;
    };
    Label1 = header("Label1", 30);
    Label2 = heading("Label2", 240);
    List1 = list("List1", 480);
    Label3 = header("Label3", 2160);
    Label4 = heading("Label4", 2400);
    List2 = list("List2", 2640);
    Label5 = header("Label5", 4280);
    Label6 = heading("Label6", 4560);
    List3 = list("List3", 4800);

    Command2 = addControl<forms::CommandButton>("Command2", forms::TwipsRect{120, 6405, 855, 375});
    Command2->setCaption("Previous");
    Command2->onClick = [this] { Previous(); };
    Command3 = addControl<forms::CommandButton>("Command3", forms::TwipsRect{1080, 6405, 855, 375});
    Command3->setCaption("Next");
    Command3->onClick = [this] { Next(); };
    Command1 = addControl<forms::CommandButton>("Command1", forms::TwipsRect{2025, 6405, 1095, 375});
    Command1->setCaption("Return");
    Command1->setCancel(true);
    Command1->onClick = [this] { Return(); };
}

void CarInfo::Form_Activate() {
    Command2->setEnabled(Module1::CurrentInfoPage > 1);
    Command3->setEnabled(Module1::CurrentInfoPage < Module1::InfoPageCount);
    if (List1->ListCount() == 0) {
        Label1->setVisible(false);
        Label2->setVisible(false);
        List1->setVisible(false);
    }
    if (List2->ListCount() == 0) {
        Label3->setVisible(false);
        Label4->setVisible(false);
        List2->setVisible(false);
        List1->setHeight(5960);
    }
    if (List3->ListCount() == 0) {
        Label5->setVisible(false);
        Label6->setVisible(false);
        List3->setVisible(false);
        // Two groups share the page in two halves.
        if (List2->ListCount() > 0) {
            List1->setHeight(2750);
            Label3->setTop(3150);
            Label4->setTop(3400);
            List2->setTop(3650);
            List2->setHeight(2750);
        }
    }
    Module1::InfoPagesClosing = 0;
}

void CarInfo::Form_KeyDown(int keyCode, int /*shift*/) {
    // On page 1 there is no previous page: Enter does nothing there, as the disabled button shows.
    if (keyCode == 13 && Module1::CurrentInfoPage > 1)
        Previous();
}

void CarInfo::Form_CloseRequest() {
    Unload();
}

void CarInfo::Previous() {
    showNeighbour(-1);
}

void CarInfo::Next() {
    showNeighbour(+1);
}

void CarInfo::showNeighbour(int step) {
    Module1::CurrentInfoPage = static_cast<std::int16_t>(Module1::CurrentInfoPage + step);
    Hide();
    // Pages of a chain are loaded in page order after every other form, so the
    // walk from the top meets the pages of the latest Information command
    // before any page left hidden by an earlier one. The walk is over once the
    // page asked for has been shown: when that show returns, Return or the
    // close box has ended the chain, and an older page of the same number must
    // not come back in its place.
    const int count = forms::Forms::Count();
    for (int i = count - 1; i >= 0; --i) {
        if (Module1::InfoPagesClosing == 1)
            break;
        if (i >= forms::Forms::Count())
            continue;
        auto* page = dynamic_cast<CarInfo*>(&forms::Forms::Item(i));
        if (page && !page->Visible() && page->PageNumber() == Module1::CurrentInfoPage) {
            page->ShowModal();
            break;
        }
    }
}

void CarInfo::Return() {
    // Unloading form i leaves every lower position in place, so one walk
    // downwards reaches every page, this one too.
    const int count = forms::Forms::Count();
    for (int i = count - 1; i >= 0; --i) {
        if (i >= forms::Forms::Count())
            continue;
        if (auto* page = dynamic_cast<CarInfo*>(&forms::Forms::Item(i)))
            page->Unload();
    }
    Module1::InfoPagesClosing = 1;
}

} // namespace carinfo
