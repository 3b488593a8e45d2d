#include "app/Menu.h"

#include "app/CatalogViewer.h"
#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/Runtime.h"

namespace app {

void Menu::createControls() {
    setCaption("Vexorin List Menu");
    setDesignedPosition(2235, 2265);
    setClientSize(3825, 2520);
    setControlBox(false);
    setMaxButton(false);

    Command1 = addControl<forms::CommandButton>("Command1", forms::TwipsRect{360, 120, 3135, 375});
    Command1->setCaption("Parts Number");
    Command1->setTabIndex(0);
    Command1->onClick = [this] { Command1_Click(); };

    Command2 = addControl<forms::CommandButton>("Command2", forms::TwipsRect{360, 720, 3135, 375});
    Command2->setCaption("Model && Application");
    Command2->setTabIndex(1);
    Command2->onClick = [this] { Command2_Click(); };

    Command3 = addControl<forms::CommandButton>("Command3", forms::TwipsRect{360, 1320, 3135, 375});
    Command3->setCaption("Bearing Information");
    Command3->setTabIndex(2);
    Command3->onClick = [this] { Command3_Click(); };

    Command4 = addControl<forms::CommandButton>("Command4", forms::TwipsRect{360, 1920, 3135, 375});
    Command4->setCaption("Return");
    Command4->setTabIndex(3);
    Command4->setCancel(true);
    Command4->onClick = [this] { Command4_Click(); };
}

// "Parts Number": the parts-number search, loaded by its Show when needed.
void Menu::Command1_Click() {
    forms::Forms::Default("Ptn1").Show();
    Hide();
}

// "Model && Application": Ptn2 is loaded first, so its load handler runs before it shows.
void Menu::Command2_Click() {
    forms::Form& carSelect = forms::Forms::Default("Ptn2");
    carSelect.Load();
    carSelect.Show();
    Hide();
}

// "Bearing Information": the printed catalogue in a viewer beside the program; the menu stays.
void Menu::Command3_Click() {
    openCatalogDocument(ViewerPath, CatalogDocument);
}

// "Return": the end of the program, closing every form still loaded.
void Menu::Command4_Click() {
    Unload();
    forms::Runtime::End();
}

} // namespace app
