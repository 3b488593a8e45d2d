// The forms runtime: runs the program's event loop from its start-up form until End.
#pragma once

namespace forms {

class Form;

class Runtime {
public:
    // Loads and shows the start-up form, then runs the event loop inside the
    // existing QApplication until End. Returns after every form is unloaded and
    // the default instances are destroyed.
    static void run(Form& startup);
    // Closes every form and makes run() return; no further handler runs.
    static void End();
};

} // namespace forms
