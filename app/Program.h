// The program as a library: tests start it in-process, main only creates the application.
#pragma once

namespace app {

// Registers the program's forms, loads and shows Menu, and runs until End
// (the menu's Return). Needs an existing QApplication.
void runProgram();

} // namespace app
