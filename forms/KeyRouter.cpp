#include "forms/KeyRouter.h"

#include "forms/FormWindow.h"

#include <QKeyEvent>
#include <QWidget>

namespace forms {

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    auto* window = qobject_cast<FormWindow*>(widget->window());
    if (!window)
        return false;
    // A key the focused control ignores travels on to its parents: only its first delivery counts.
    QWidget* focus = window->focusWidget();
    if (focus ? widget != focus : widget != window)
        return false;
    return window->routeKeyPress(static_cast<QKeyEvent*>(event));
}

} // namespace forms
