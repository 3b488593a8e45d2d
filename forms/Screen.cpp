#include "forms/Screen.h"

#include "forms/Form.h"
#include "forms/FormWindow.h"
#include "forms/RuntimeState.h"

#include <QApplication>

namespace forms {

Form* Screen::ActiveForm() {
    auto& runtime = RuntimeState::instance();
    if (!runtime.handlerForms.empty())
        return runtime.handlerForms.back();
    if (auto* window = qobject_cast<FormWindow*>(QApplication::activeWindow()); window && window->form())
        return window->form();
    if (runtime.activated && runtime.activated->Visible())
        return runtime.activated;
    return nullptr;
}

} // namespace forms
