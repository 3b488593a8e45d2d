#include "tests/support/GuiDriver.h"

#include "forms/Forms.h"
#include "forms/Runtime.h"
#include "tests/support/ScriptStack.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace testsupport {

GuiDriver::GuiDriver() : m_context(std::make_unique<QObject>()) {}

GuiDriver::~GuiDriver() = default;

void GuiDriver::post(std::function<void()> call) {
    // Posted to the driver's own object: what is still queued when the driver goes is dropped with it.
    QMetaObject::invokeMethod(m_context.get(), std::move(call), Qt::QueuedConnection);
}

void GuiDriver::run(const std::function<void()>& start, const Script& script, std::chrono::milliseconds limit) {
    GuiDriver driver;
    ScriptStack stack([&driver, &script] { script(driver); });
    driver.m_stack = &stack;

    QTimer limitTimer;
    limitTimer.setSingleShot(true);
    QObject::connect(&limitTimer, &QTimer::timeout, [&driver, &stack, limit] {
        if (stack.finished())
            return;
        ADD_FAILURE() << "the script was still running after " << limit.count() << " ms; the program is ended";
        driver.m_programEnded = true;
        forms::Runtime::End();
    });
    limitTimer.start(limit);

    // The script starts once the runtime's event loop runs.
    driver.post([&driver] { driver.wake(driver.m_ticket); });
    start();
    limitTimer.stop();
    driver.m_programEnded = true;
    // The program has ended: a script still waiting runs out without acting (every wait returns at once).
    while (!stack.finished())
        stack.resume();
}

bool GuiDriver::waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (m_programEnded || clock.elapsed() >= timeout.count())
            return condition();
        suspendFor(std::chrono::milliseconds(10));
    }
    return true;
}

void GuiDriver::pause(std::chrono::milliseconds duration) {
    if (!m_programEnded)
        suspendFor(duration);
}

forms::Form* GuiDriver::form(const QString& nameOrCaption) const {
    return formWhere([&nameOrCaption](forms::Form& form) {
        return form.Name() == nameOrCaption || form.Caption() == nameOrCaption;
    });
}

forms::Form* GuiDriver::formWhere(const std::function<bool(forms::Form&)>& test) const {
    if (m_programEnded)
        return nullptr;
    for (int i = 0; i < forms::Forms::Count(); ++i)
        if (forms::Form& form = forms::Forms::Item(i); test(form))
            return &form;
    return nullptr;
}

forms::Form* GuiDriver::waitForForm(const QString& nameOrCaption, std::chrono::milliseconds timeout) {
    forms::Form* found = nullptr;
    waitFor(
        [&] {
            found = form(nameOrCaption);
            return found && found->Visible();
        },
        timeout);
    if (!found || !found->Visible()) {
        ADD_FAILURE() << "no visible form " << nameOrCaption.toStdString() << " within " << timeout.count() << " ms";
        return nullptr;
    }
    return found;
}

QWidget* GuiDriver::widget(forms::Form& form, const QString& controlName) const {
    try {
        return form.controlNamed(controlName).widget();
    } catch (const forms::FormError& error) {
        ADD_FAILURE() << error.what();
        return nullptr;
    }
}

QMessageBox* GuiDriver::messageBox() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
            return box;
    return nullptr;
}

void GuiDriver::click(forms::Form& form, const QString& controlName) {
    click(widget(form, controlName));
}

void GuiDriver::click(QWidget* target) {
    if (!target)
        return;
    QPointer<QWidget> guarded(target);
    act("click", [guarded] {
        if (!guarded || !reachable(guarded, "click"))
            return;
        QTest::mouseClick(guarded, Qt::LeftButton, Qt::NoModifier, guarded->rect().center());
    });
}

void GuiDriver::press(forms::Form& form, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* window = form.window();
    if (!window) {
        ADD_FAILURE() << "form " << form.Name().toStdString() << " is not loaded: no key can reach it";
        return;
    }
    QPointer<QWidget> guarded(window);
    act("key press", [guarded, key, modifiers] {
        if (!guarded)
            return;
        QWidget* target = guarded->focusWidget() ? guarded->focusWidget() : guarded.data();
        if (!reachable(target, "key press"))
            return;
        QTest::keyClick(target, key, modifiers);
    });
}

void GuiDriver::pressOn(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (!target)
        return;
    QPointer<QWidget> guarded(target);
    act("key press", [guarded, key, modifiers] {
        if (guarded && reachable(guarded, "key press"))
            QTest::keyClick(guarded, key, modifiers);
    });
}

void GuiDriver::type(forms::Form& form, const QString& controlName, const QString& text) {
    QPointer<QWidget> guarded(widget(form, controlName));
    if (!guarded)
        return;
    act("typing", [guarded, text] {
        if (!guarded || !reachable(guarded, "typing"))
            return;
        guarded->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(guarded, text);
    });
}

void GuiDriver::choose(forms::Form& form, const QString& comboName, const QString& item) {
    QPointer<QComboBox> combo(qobject_cast<QComboBox*>(widget(form, comboName)));
    if (!combo) {
        ADD_FAILURE() << comboName.toStdString() << " of " << form.Name().toStdString() << " is no drop-down list";
        return;
    }
    const int index = combo->findText(item, Qt::MatchExactly);
    if (index < 0) {
        ADD_FAILURE() << comboName.toStdString() << " has no item \"" << item.toStdString() << "\"";
        return;
    }
    act("choice", [combo, index] {
        if (!combo || !reachable(combo, "choice"))
            return;
        combo->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(combo, Qt::Key_F4); // opens the list
        QAbstractItemView* view = combo->view();
        if (!view->isVisible()) {
            ADD_FAILURE() << "the drop-down list did not open";
            return;
        }
        // The highlight moves to the item, as under the mouse, and Enter takes it.
        view->setCurrentIndex(combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex()));
        QTest::keyClick(view, Qt::Key_Return);
    });
}

void GuiDriver::closeWindow(forms::Form& form) {
    QPointer<QWidget> guarded(form.window());
    if (!guarded) {
        ADD_FAILURE() << "form " << form.Name().toStdString() << " is not loaded: it has no window to close";
        return;
    }
    act("close request", [guarded] {
        if (guarded)
            guarded->close();
    });
}

void GuiDriver::answerMessageBox() {
    QMessageBox* box = messageBox();
    if (!box) {
        ADD_FAILURE() << "no message box is shown";
        return;
    }
    click(box->button(QMessageBox::Ok));
}

void GuiDriver::act(const char* what, std::function<void()> action) {
    if (m_programEnded)
        return;
    const unsigned ticket = ++m_ticket;
    post([what, action = std::move(action)] {
        try {
            action();
        } catch (const std::exception& error) {
            ADD_FAILURE() << "the " << what << " failed: " << error.what();
        }
    });
    // Two hops: what the action posted runs first; or, when the action waits in a
    // modal show or message box, the script goes on inside it.
    post([this, ticket] { post([this, ticket] { wake(ticket); }); });
    m_stack->yield();
}

void GuiDriver::suspendFor(std::chrono::milliseconds delay) {
    const unsigned ticket = ++m_ticket;
    QTimer::singleShot(delay, m_context.get(), [this, ticket] { wake(ticket); });
    m_stack->yield();
}

void GuiDriver::wake(unsigned ticket) {
    if (ticket != m_ticket || m_stack->running() || m_stack->finished())
        return;
    m_stack->resume();
    if (m_stack->finished() && !m_programEnded) {
        // The script is done: the program ends, wherever it waits.
        m_programEnded = true;
        forms::Runtime::End();
    }
}

bool GuiDriver::reachable(QWidget* widget, const char* what) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != widget->window() && !modal->isAncestorOf(widget)) {
        ADD_FAILURE() << "the " << what << " on " << widget->objectName().toStdString()
                      << " cannot reach it: the modal window " << modal->objectName().toStdString()
                      << " takes all input";
        return false;
    }
    if (!widget->isVisible()) {
        ADD_FAILURE() << "the " << what << " on " << widget->objectName().toStdString()
                      << " cannot reach it: it is not visible";
        return false;
    }
    return true;
}

} // namespace testsupport
