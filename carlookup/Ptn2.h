// Ptn2, "Car Select": placeholder form until the car lookup lands.
#pragma once

#include "forms/Form.h"

namespace carlookup {

class Ptn2 : public forms::Form {
    Q_OBJECT
public:
    Ptn2() : Form("Ptn2") {}

protected:
    void createControls() override;
};

} // namespace carlookup
