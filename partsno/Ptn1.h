// Ptn1, "Parts No Search": placeholder form until the parts-number lookup lands.
#pragma once

#include "forms/Form.h"

namespace partsno {

class Ptn1 : public forms::Form {
    Q_OBJECT
public:
    Ptn1() : Form("Ptn1") {}

protected:
    void createControls() override;
};

} // namespace partsno
