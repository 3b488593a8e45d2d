// Runs the real program in-process (app::runProgram, from the menu on) with a
// test script driving its windows; see tests/support/GuiDriver.h.
//
//     testsupport::ProgramDriver::run([](testsupport::GuiDriver& gui) {
//         forms::Form* menu = gui.waitForForm("Vexorin List Menu");
//         ASSERT_NE(menu, nullptr);
//         gui.press(*menu, Qt::Key_Escape); // Return: the program ends
//         EXPECT_TRUE(gui.waitFor([&] { return gui.programEnded(); }));
//     });
#pragma once

#include "tests/support/GuiDriver.h"

namespace testsupport {

class ProgramDriver {
public:
    // Needs the test's QApplication. Returns when the program has ended and the script has finished.
    static void run(const GuiDriver::Script& script, std::chrono::milliseconds limit = std::chrono::seconds(120));
};

} // namespace testsupport
