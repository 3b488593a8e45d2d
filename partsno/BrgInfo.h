// BrgInfo, "BearingNo Information": the bearing list that a parts-number search
// fills while the form is hidden, then shows. Return (button, Esc or the close
// box) unloads it and shows Ptn1 again.
#pragma once

#include "forms/Form.h"

namespace partsno {

class BrgInfo : public forms::Form {
    Q_OBJECT
public:
    BrgInfo() : Form("BrgInfo") {}

    // The column header over List1: 88 characters.
    static QString headerCaption();

    // The controls are reached by their design names: Label1 (the header),
    // List1 (the result lines), Command1 (Return), Label2 (the legend).

protected:
    void createControls() override;
    // The close box acts as Return, so the program is never left without a
    // visible window.
    void Form_CloseRequest() override;

private:
    void Return();
};

} // namespace partsno
