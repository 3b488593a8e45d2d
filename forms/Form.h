// A form of the program: its design name, its form-level variables (members of
// the subclass), and, while loaded, its window and controls.
//
// A subclass creates its controls in createControls() and overrides the
// handlers it has. Unload destroys the window and the controls but keeps the
// Form object and with it the form's variables. Handlers run through the
// runtime's dispatcher, which records the form as Screen::ActiveForm() while
// they run and keeps any exception from reaching Qt's event loop.
//
//     class Ptn1 : public forms::Form {
//     public:
//         Ptn1() : Form("Ptn1") {}
//     protected:
//         void createControls() override {
//             setCaption("Parts No Search");
//             setClientSize(3930, 1080);
//             Command1 = addControl<forms::CommandButton>("Command1", forms::TwipsRect{1185, 570, 1050, 405});
//             Command1->setCaption("Return");
//             Command1->setCancel(true);
//             Command1->onClick = [this] { Unload(); };
//         }
//     };
#pragma once

#include "forms/Twips.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace forms {

class Control;
class CommandButton;
class FormWindow;
struct RuntimeState;

class Form : public QObject {
    Q_OBJECT
public:
    // name: the design name ("Ptn1", "PartsList"); the window's object name.
    explicit Form(const QString& name);
    ~Form() override;

    const QString& Name() const { return m_name; }

    // Creates the window hidden with its controls, then runs Form_Load. No-op when loaded.
    void Load();
    // Shows modeless; loads first when needed.
    void Show();
    // Shows modally (Show 1): loads first when needed, runs a nested event loop
    // and returns once this form has been hidden or unloaded and the handler
    // running at that moment has returned. Modal shows nest.
    void ShowModal();
    void Hide();
    // Destroys the window and its controls (after the running handlers have
    // returned) and removes the form from Forms; the form's variables stay.
    void Unload();

    bool IsLoaded() const;
    bool Visible() const;

    QString Caption() const;
    void setCaption(const QString& caption);
    int Left() const;
    int Top() const;
    void setLeft(int twips);
    void setTop(int twips);

    // 11 shows the wait cursor over the form, 0 the default cursor.
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);

    // The control of this form with that design name ("List1", "Option1(0)").
    // Throws forms::FormError when the form is not loaded or has no such control
    // or the control is of another kind.
    Control& controlNamed(const QString& name) const;
    template <class C> C& control(const QString& name) const;

    // The window while loaded, else nullptr.
    QWidget* window() const;

protected:
    // Called by Load: sets the design attributes and creates the controls.
    virtual void createControls() = 0;

    // Event handlers of the design.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // With key preview on: every key press before the focused control gets it.
    // keyCode 13 for both Enter keys, 27 for Esc, other keys as Windows key codes;
    // shift: 1 Shift, 2 Ctrl, 4 Alt, added up. The key always goes on to the control.
    virtual void Form_KeyDown(int keyCode, int shift);
    // A close request of the window manager (close box, Alt+F4). By default a
    // click of the cancel button, so a form without a control box closes as its
    // Return does; forms with a close box of their own override it.
    virtual void Form_CloseRequest();

    // Design attributes, for createControls().
    void setClientSize(int widthTwips, int heightTwips);
    void setDesignedPosition(int leftTwips, int topTwips);
    void setControlBox(bool on);
    void setMinButton(bool on);
    void setMaxButton(bool on);
    void setKeyPreview(bool on);
    // The form font, inherited by controls that set none (family as the design
    // names it: a missing family falls back to a close system font).
    void setFormFont(const QString& family, double points);

    // Creates a control of this form's window; the form owns it until Unload.
    // Tab order follows the order of creation unless setTabIndex says otherwise.
    template <class C, class... Args> C* addControl(const QString& name, const TwipsRect& rect, Args&&... args);
    // For a control inside a frame, rect is relative to the frame.
    template <class C, class... Args>
    C* addControlIn(Control& container, const QString& name, const TwipsRect& rect, Args&&... args);

private:
    friend class Control;
    friend class FormWindow;
    friend class Runtime;
    friend struct RuntimeState;
    void adopt(std::unique_ptr<Control> control);
    QWidget* parentFor(Control* container) const;
    void applyWindowFlags();
    void applyTabOrder();
    std::vector<Control*> controlsInTabOrder() const;
    // Loads the form unless End has run; its window, or nullptr when there is none to show.
    FormWindow* loadForShow();
    // Raises and activates the shown window, gives the first control the focus, runs Activate.
    void present();

    QString m_name;
    int m_mousePointer = 0;
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace forms

#include "forms/Control.h"

namespace forms {

template <class C> C& Form::control(const QString& name) const {
    return controlCast<C>(controlNamed(name));
}

template <class C, class... Args> C* Form::addControl(const QString& name, const TwipsRect& rect, Args&&... args) {
    auto owned = std::make_unique<C>(parentFor(nullptr), name, rect, std::forward<Args>(args)...);
    C* raw = owned.get();
    adopt(std::move(owned));
    return raw;
}

template <class C, class... Args>
C* Form::addControlIn(Control& container, const QString& name, const TwipsRect& rect, Args&&... args) {
    auto owned = std::make_unique<C>(parentFor(&container), name, rect, std::forward<Args>(args)...);
    C* raw = owned.get();
    adopt(std::move(owned));
    return raw;
}

} // namespace forms
