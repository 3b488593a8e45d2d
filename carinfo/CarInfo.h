// CarInfo, a car information page: up to three groups of a car's
// specification lines (group header, column heading, list), with Previous,
// Next and Return. The Information command of a parts list page creates,
// captions and fills the pages and shows page 1 modally; every further page is
// shown modally from inside the Previous or Next handler of the page before it.
//
// Pages are never referenced once the command has ended: a handler finds a
// page among the loaded forms as a CarInfo instance whose caption carries its
// number ("P12 Maker:..." is page 12).
#pragma once

#include "forms/Form.h"

namespace forms {
class CommandButton;
class Label;
class ListBox;
} // namespace forms

namespace carinfo {

class CarInfo : public forms::Form {
    Q_OBJECT
public:
    CarInfo() : Form("CarInfo") {}

    // The page number that the caption carries; -1 when it carries none.
    int PageNumber() const;

    // The names of the controls that receive the group of list slot 0, 1 or 2.
    static const QString& headerLabelName(int slot);
    static const QString& listName(int slot);

protected:
    void createControls() override;
    // Sets Previous and Next for the page asked for and closes up the empty
    // groups; runs on every modal show of the page.
    void Form_Activate() override;
    // Enter runs Previous where Previous is available.
    void Form_KeyDown(int keyCode, int shift) override;
    // The close box unloads this page alone; the waiting shows then unwind.
    void Form_CloseRequest() override;

private:
    void Previous();
    void Next();
    void Return();
    // Steps CurrentInfoPage, hides this page and shows the page asked for
    // modally; returns once that show has returned.
    void showNeighbour(int step);

    forms::Label* Label1 = nullptr;
    forms::Label* Label2 = nullptr;
    forms::ListBox* List1 = nullptr;
    forms::Label* Label3 = nullptr;
    forms::Label* Label4 = nullptr;
    forms::ListBox* List2 = nullptr;
    forms::Label* Label5 = nullptr;
    forms::Label* Label6 = nullptr;
    forms::ListBox* List3 = nullptr;
    forms::CommandButton* Command2 = nullptr;
    forms::CommandButton* Command3 = nullptr;
    forms::CommandButton* Command1 = nullptr;
};

} // namespace carinfo
