#include "forms/FormWindow.h"

#include "forms/CommandButton.h"
#include "forms/Dispatcher.h"
#include "forms/FormState.h"
#include "forms/KeyCodes.h"
#include "forms/RuntimeState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace forms {

FormWindow::FormWindow(Form* form) : QWidget(nullptr, Qt::Window), m_form(form) {}

FormWindow::~FormWindow() = default;

bool FormWindow::routeKeyPress(QKeyEvent* event) {
    Form* form = m_form;
    if (!form)
        return false;
    const int key = event->key();
    // Tab moves the focus; the form does not see it, as on the original forms.
    if (form->m_state->keyPreview && key != Qt::Key_Tab && key != Qt::Key_Backtab) {
        const int code = windowsKeyCode(key, event->modifiers());
        const int shift = shiftState(event->modifiers());
        Dispatcher::run(form, [form, code, shift] { form->Form_KeyDown(code, shift); });
        // The handler has closed the form (Enter ran its search, say): the key goes nowhere else.
        if (!m_form || !isVisible() || RuntimeState::instance().ending)
            return true;
    }
    // Without key preview Enter presses the focused button, as Space does; a form that previews keys runs its
    // own command on Enter instead, and a focused button there must not run a second one.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !form->m_state->keyPreview) {
        CommandButton* focused = form->m_state->buttonWithWidget(focusWidget());
        if (focused && focused->Enabled() && focused->Visible()) {
            focused->Click();
            return true;
        }
    }
    if (key == Qt::Key_Escape) {
        CommandButton* cancel = form->m_state->cancelButton();
        if (cancel && cancel->Enabled() && cancel->Visible()) {
            cancel->Click();
            return true;
        }
    }
    return false;
}

bool FormWindow::event(QEvent* event) {
    // The user brought this window to the front. Activations that the window system reports
    // late for a window beneath a modal form change nothing: the modal form is the active one.
    if (event->type() == QEvent::WindowActivate && m_form && isVisible()) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == this)
            RuntimeState::instance().makeActive(m_form);
    }
    return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides: a form without a close box closes as its Return does.
    event->ignore();
    Form* form = m_form;
    if (form)
        Dispatcher::run(form, [form] { form->Form_CloseRequest(); });
}

} // namespace forms
