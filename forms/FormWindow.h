// The top-level window of a loaded form: routes the key preview, Enter, Esc,
// close requests and activations of the window manager to its form.
//
// Internal to forms/.
#pragma once

#include <QWidget>

class QKeyEvent;

namespace forms {

class Form;

class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(Form* form);
    ~FormWindow() override;

    // The form while loaded; nullptr once the form has unloaded this window.
    Form* form() const { return m_form; }
    void detach() { m_form = nullptr; }

    // A key press arriving at the focused control of this window (or at the
    // window when nothing has the focus). Runs the key preview, then Enter on
    // the focused button of a form without key preview, then Esc's cancel
    // button. Returns true when the key is used up.
    bool routeKeyPress(QKeyEvent* event);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Form* m_form;
};

} // namespace forms
