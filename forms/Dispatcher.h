// The one way handlers run: records the form as Screen::ActiveForm while its
// handler runs, counts running handlers so that unloaded windows are destroyed
// only when none runs, refuses handlers once End has run, and keeps every
// exception from reaching Qt's event loop (reported on stderr: a handler's own
// failure reporting has caught everything it expects).
//
// Internal to forms/, and to drivers of the real windows that act as a handler would.
#pragma once

#include <functional>

class QWidget;

namespace forms {

class Form;

class Dispatcher {
public:
    // Runs handler for form (nullptr: the active form stays as it is).
    // Returns false when the handler did not run (End has run) or failed.
    static bool run(Form* form, const std::function<void()>& handler);
    // The loaded form whose window holds widget, or nullptr.
    static Form* formOf(const QWidget* widget);
    // Runs handler for the form of widget; skipped when widget belongs to no loaded form.
    static void runFor(const QWidget* widget, const std::function<void()>& handler);
};

} // namespace forms
