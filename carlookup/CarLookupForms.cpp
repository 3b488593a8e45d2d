#include "carlookup/CarLookupForms.h"

#include "carlookup/Ptn2.h"
#include "forms/Forms.h"

namespace carlookup {

void registerCarLookupForms() {
    forms::Forms::registerForm("Ptn2", [] { return std::make_unique<Ptn2>(); });
}

} // namespace carlookup
