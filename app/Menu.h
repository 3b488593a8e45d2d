// Menu, "Vexorin List Menu": the first window of the program and the hub to
// which both lookups return. Four commands: the parts-number lookup, the car
// lookup, the printed catalogue in a document viewer, and the end of the program.
#pragma once

#include "forms/Form.h"

namespace forms {
class CommandButton;
}

namespace app {

class Menu : public forms::Form {
    Q_OBJECT
public:
    Menu() : Form("Menu") {}

    // The catalogue's command line: the viewer's fixed path, one blank, the document's.
    static constexpr const char* ViewerPath = "C:\\Acrobat3\\Reader\\Acrord32.exe";
    static constexpr const char* CatalogDocument = "C:\\Vexorin\\data\\catalog.pdf";

protected:
    void createControls() override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    forms::CommandButton* Command1 = nullptr;
    forms::CommandButton* Command2 = nullptr;
    forms::CommandButton* Command3 = nullptr;
    forms::CommandButton* Command4 = nullptr;
};

} // namespace app
