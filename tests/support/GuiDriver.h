// Drives the real windows of the forms runtime as a user does, from a test
// script that reads top to bottom.
//
// GuiDriver::run starts the runtime (the whole program, see ProgramDriver, or
// forms::Runtime::run with a form of the test) and runs the script inside it,
// on a stack of its own. Every action (click, press, type, choose, close) is
// carried out from the program's event loop, with QTest on the real widget,
// and returns once the program has handled it, or once the program waits in a
// modal show or message box that the action opened: the script then goes on
// inside that show. When the script returns (also through a failed ASSERT, an
// exception or the time limit), the driver ends the program with
// forms::Runtime::End, so a failing test never leaves a window hanging.
//
//     testsupport::ProgramDriver::run([](testsupport::GuiDriver& gui) {
//         testsupport::MessageBoxRecorder messages;   // answers every message box with OK
//         forms::Form* menu = gui.waitForForm("Menu");
//         ASSERT_NE(menu, nullptr);
//         gui.click(*menu, "Command1");               // "Parts Number"
//         forms::Form* search = gui.waitForForm("Ptn1");
//         ASSERT_NE(search, nullptr);
//         gui.type(*search, "Text1", "90");
//         gui.press(*search, Qt::Key_Return);         // Enter runs the search
//         ASSERT_TRUE(gui.waitFor([&] { return messages.texts().size() == 1; }));
//         EXPECT_EQ(messages.texts().front(), "Data not Found");
//         gui.press(*search, Qt::Key_Escape);         // Return
//     });
//
// Rules for scripts: act through the driver, so that modal shows run beneath
// the script and not inside it; after an action that ends the program
// (programEnded()), touch no form any more: the runtime has destroyed them.
#pragma once

#include "forms/Form.h"

#include <QPointer>
#include <QString>
#include <Qt>

#include <chrono>
#include <functional>
#include <memory>

class QMessageBox;
class QObject;
class QWidget;

namespace testsupport {

class ScriptStack;

class GuiDriver {
public:
    using Script = std::function<void(GuiDriver&)>;

    // Runs start() (it must run the forms runtime and return when it ends) and,
    // once its event loop runs, the script. Returns after both have finished.
    // A script still running after limit is a test failure; the program is ended then.
    static void run(const std::function<void()>& start, const Script& script,
                    std::chrono::milliseconds limit = std::chrono::seconds(120));

    // --- Waiting -----------------------------------------------------------
    // Lets the program run until condition holds, at most timeout; true when it holds.
    bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Lets the program run for a while (events, timers, window-system traffic).
    void pause(std::chrono::milliseconds duration = std::chrono::milliseconds(50));
    // True once the runtime has ended (End ran, say through the menu's Return).
    bool programEnded() const { return m_programEnded; }

    // --- Finding -----------------------------------------------------------
    // The first loaded form (in load order) whose design name or caption is nameOrCaption; nullptr if none.
    forms::Form* form(const QString& nameOrCaption) const;
    // The first loaded form for which test holds; nullptr if none.
    forms::Form* formWhere(const std::function<bool(forms::Form&)>& test) const;
    // Waits until a form of that name or caption is loaded and visible; nullptr (and a failure) after timeout.
    forms::Form* waitForForm(const QString& nameOrCaption, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // The widget of the control of that design name ("Command1", "Option1(0)"); nullptr and a failure if none.
    QWidget* widget(forms::Form& form, const QString& controlName) const;
    // The message box on screen, nullptr when none is shown.
    static QMessageBox* messageBox();

    // --- Acting, as a user does ---------------------------------------------
    // A left click on the middle of the control's widget.
    void click(forms::Form& form, const QString& controlName);
    void click(QWidget* widget);
    // A key pressed and released at the form's focused control (the form itself when none has the focus).
    // Both Enter keys: Qt::Key_Return, or Qt::Key_Enter with Qt::KeypadModifier.
    void press(forms::Form& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void pressOn(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Focuses the control (a text box) and types text into it key by key.
    void type(forms::Form& form, const QString& controlName, const QString& text);
    // Opens the drop-down list, moves to the item with that text and takes it with Enter.
    void choose(forms::Form& form, const QString& comboName, const QString& item);
    // A close request of the window manager (close box, Alt+F4).
    void closeWindow(forms::Form& form);
    // Clicks OK on the message box on screen.
    void answerMessageBox();

    ~GuiDriver();
    GuiDriver(const GuiDriver&) = delete;
    GuiDriver& operator=(const GuiDriver&) = delete;

private:
    GuiDriver();
    void post(std::function<void()> call);
    // Carries out action from the program's event loop and suspends the script until it is done.
    void act(const char* what, std::function<void()> action);
    void suspendFor(std::chrono::milliseconds delay);
    void wake(unsigned ticket);
    // False (with a failure) when a modal window of another window would swallow the input.
    static bool reachable(QWidget* widget, const char* what);

    std::unique_ptr<QObject> m_context;
    ScriptStack* m_stack = nullptr;
    unsigned m_ticket = 0;
    bool m_programEnded = false;
};

} // namespace testsupport
