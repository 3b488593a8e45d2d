// PartsList: one parts list page of a car, made by Ptn2's Search for one class
// of the car. Its caption names class, page count, maker, model and
// application; the hidden labels Label2 (car number), Label3 (class) and
// Label4 (maker) carry the car to the Information command. Information (or
// Enter) opens the car's specification pages; Return (or Esc) closes every
// page and brings back the car selection.
#pragma once

#include "forms/Form.h"

#include <QString>

namespace carlookup {

class PartsList : public forms::Form {
    Q_OBJECT
public:
    PartsList() : Form("PartsList") {}

    // The column heading above List1 (231 characters).
    static QString columnHeading();

    // Whether the form is a parts list page or a car information page, the
    // forms that a page's Return unloads.
    static bool isPageForm(const forms::Form& form);

protected:
    void createControls() override;
    // Enter (key code 13), with or without Shift, Ctrl and Alt, runs Information.
    void Form_KeyDown(int keyCode, int shift) override;

private:
    void Return();
};

} // namespace carlookup
