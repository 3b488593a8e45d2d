// Runs the forms runtime from a registered test form with a script (see tests/support/GuiDriver.h).
#pragma once

#include "forms/Forms.h"
#include "forms/Runtime.h"
#include "tests/support/GuiDriver.h"

namespace formstest {

inline void runForms(const QString& startup, const testsupport::GuiDriver::Script& script) {
    testsupport::GuiDriver::run([&startup] { forms::Runtime::run(forms::Forms::Default(startup)); }, script,
                                std::chrono::seconds(60));
}

} // namespace formstest
