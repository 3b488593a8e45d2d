#include "tests/support/ProgramDriver.h"

#include "app/Program.h"

namespace testsupport {

void ProgramDriver::run(const GuiDriver::Script& script, std::chrono::milliseconds limit) {
    GuiDriver::run([] { app::runProgram(); }, script, limit);
}

} // namespace testsupport
