#include "partsno/PartsNoForms.h"

#include "forms/Forms.h"
#include "partsno/BrgInfo.h"
#include "partsno/Ptn1.h"

namespace partsno {

void registerPartsNoForms() {
    forms::Forms::registerForm("Ptn1", [] { return std::make_unique<Ptn1>(); });
    forms::Forms::registerForm("BrgInfo", [] { return std::make_unique<BrgInfo>(); });
}

} // namespace partsno
