#include "forms/Dispatcher.h"

#include "forms/Form.h"
#include "forms/FormWindow.h"
#include "forms/RuntimeState.h"

#include <QWidget>

#include <exception>
#include <iostream>

namespace forms {

namespace {

void reportStray(const QString& formName, const char* what) {
    std::cerr << "vexorin: a handler of form " << (formName.isEmpty() ? "(none)" : formName.toStdString())
              << " failed and was stopped: " << what << std::endl;
}

} // namespace

bool Dispatcher::run(Form* form, const std::function<void()>& handler) {
    auto& runtime = RuntimeState::instance();
    // After End no further handler runs.
    if (runtime.ending || !handler)
        return false;
    const QString formName = form ? form->Name() : QString();
    ++runtime.handlerDepth;
    if (form)
        runtime.handlerForms.push_back(form);
    bool ran = true;
    try {
        handler();
    } catch (const std::exception& error) {
        ran = false;
        reportStray(formName, error.what());
    } catch (...) {
        ran = false;
        reportStray(formName, "unknown exception");
    }
    if (form)
        runtime.handlerForms.pop_back();
    --runtime.handlerDepth;
    runtime.collect();
    return ran;
}

Form* Dispatcher::formOf(const QWidget* widget) {
    if (!widget)
        return nullptr;
    const auto* window = qobject_cast<const FormWindow*>(widget->window());
    return window ? window->form() : nullptr;
}

void Dispatcher::runFor(const QWidget* widget, const std::function<void()>& handler) {
    if (Form* form = formOf(widget))
        run(form, handler);
}

} // namespace forms
