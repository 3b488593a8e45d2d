// The runtime's bookkeeping, shared by the forms, the dispatcher and Runtime:
// registered factories, the form instances, the loaded forms in load order,
// the running handlers and event loops, and the windows waiting to be destroyed.
//
// Internal to forms/: program code uses Forms, Screen and Runtime.
#pragma once

#include "forms/Forms.h"

#include <QPointer>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class QEventLoop;
class QMessageBox;

namespace forms {

class Control;
class FormWindow;

// The window and controls of an unloaded form, kept until no handler runs.
struct Burial {
    std::vector<std::unique_ptr<Control>> controls;
    std::unique_ptr<FormWindow> window;
    Burial() = default;
    Burial(Burial&&) noexcept = default;
    Burial& operator=(Burial&&) noexcept = default;
    ~Burial();
};

struct RuntimeState {
    static RuntimeState& instance();

    std::map<QString, Forms::Factory> factories;
    std::map<QString, std::unique_ptr<Form>> defaults;
    struct Page {
        std::unique_ptr<Form> form;
        bool retired = false; // unloaded: destroyed at the next collection
    };
    std::vector<Page> pages;
    std::vector<Form*> loaded;

    // Forms whose handlers run, innermost last (Screen::ActiveForm).
    std::vector<Form*> handlerForms;
    int handlerDepth = 0;
    // Modal shows and message boxes waiting in nested loops.
    int nestedDepth = 0;
    std::vector<QEventLoop*> loops;
    std::vector<QPointer<QMessageBox>> boxes;
    QEventLoop* mainLoop = nullptr;

    bool running = false;
    bool ending = false;
    // The form whose activation ran last: Activate runs when another form becomes active.
    Form* activated = nullptr;
    // Forms in the order they were last active, the most recent last: when the active
    // form is hidden, the most recent of the others still shown becomes active.
    std::vector<Form*> activationOrder;

    std::vector<Burial> graveyard;
    bool collectPosted = false;

    // Quiet time: no handler runs and no nested loop waits, so nothing buried is in use.
    bool quiet() const { return handlerDepth == 0 && nestedDepth == 0; }
    void bury(Burial burial);
    void retire(Form* page);
    void revive(Form* page);
    // Destroys the buried windows and retired pages at the next quiet time, from the event loop.
    void collect();
    // Destroys them now: only where no handler, signal or event of theirs can be running.
    void collectNow();
    // Records form as the active form; runs its Activate when another form was active before.
    void makeActive(Form* form);
    // Forgets form as the active form (hidden, unloaded or destroyed); when it was
    // the active one, the form shown and active most recently before it takes over.
    void forget(Form* form);
    // End: unloads every form and quits every loop.
    void end();
    // After the run: destroys every instance and resets the state for the next run.
    void teardown();
};

} // namespace forms
