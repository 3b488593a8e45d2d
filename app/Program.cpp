#include "app/Program.h"

#include "app/Menu.h"
#include "carlookup/CarLookupForms.h"
#include "forms/Forms.h"
#include "forms/Runtime.h"
#include "partsno/PartsNoForms.h"

#include <memory>

namespace app {

void runProgram() {
    partsno::registerPartsNoForms();
    carlookup::registerCarLookupForms();
    forms::Forms::registerForm("Menu", [] { return std::make_unique<Menu>(); });
    forms::Runtime::run(forms::Forms::Default("Menu"));
}

} // namespace app
