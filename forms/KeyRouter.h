// Watches every key press of the application and hands the first delivery of
// each, at the focused control of a form's window, to that window
// (forms::FormWindow::routeKeyPress) before the control sees it.
//
// Internal to forms/; installed while Runtime::run runs.
#pragma once

#include <QObject>

namespace forms {

class KeyRouter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace forms
