#include "forms/RuntimeState.h"

#include "forms/Control.h"
#include "forms/Dispatcher.h"
#include "forms/FormWindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QMetaObject>

#include <algorithm>

namespace forms {

Burial::~Burial() {
    // The window and its widgets go first: the controls only refer to them.
    window.reset();
    controls.clear();
}

RuntimeState& RuntimeState::instance() {
    static RuntimeState state;
    return state;
}

void RuntimeState::bury(Burial burial) {
    graveyard.push_back(std::move(burial));
}

void RuntimeState::retire(Form* page) {
    for (Page& entry : pages)
        if (entry.form.get() == page)
            entry.retired = true;
}

void RuntimeState::revive(Form* page) {
    for (Page& entry : pages)
        if (entry.form.get() == page)
            entry.retired = false;
}

void RuntimeState::collect() {
    const bool pending = !graveyard.empty() || std::any_of(pages.begin(), pages.end(), [](const Page& entry) {
                             return entry.retired;
                         });
    if (!pending || collectPosted || !QCoreApplication::instance())
        return;
    // Destroyed from the event loop, never from inside the signal or event of a widget that goes with them.
    collectPosted = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this] {
            collectPosted = false;
            if (quiet())
                collectNow();
        },
        Qt::QueuedConnection);
}

void RuntimeState::collectNow() {
    std::vector<Burial> graves = std::move(graveyard);
    graveyard.clear();
    graves.clear();
    std::vector<std::unique_ptr<Form>> doomed;
    for (auto entry = pages.begin(); entry != pages.end();) {
        if (entry->retired && !entry->form->IsLoaded()) {
            doomed.push_back(std::move(entry->form));
            entry = pages.erase(entry);
        } else {
            ++entry;
        }
    }
    doomed.clear();
}

void RuntimeState::makeActive(Form* form) {
    if (activated == form)
        return;
    activated = form;
    std::erase(activationOrder, form);
    activationOrder.push_back(form);
    Dispatcher::run(form, [form] { form->Form_Activate(); });
}

void RuntimeState::forget(Form* form) {
    std::erase(activationOrder, form);
    if (activated != form)
        return;
    activated = nullptr;
    if (ending)
        return;
    for (auto next = activationOrder.rbegin(); next != activationOrder.rend(); ++next) {
        if ((*next)->Visible()) {
            Form* successor = *next;
            successor->window()->activateWindow();
            makeActive(successor);
            return;
        }
    }
}

void RuntimeState::end() {
    if (ending)
        return;
    ending = true;
    // The last loaded first, as a user would close them.
    while (!loaded.empty())
        loaded.back()->Unload();
    for (const QPointer<QMessageBox>& box : boxes)
        if (box)
            box->done(QMessageBox::Ok);
    for (QEventLoop* loop : loops)
        loop->quit();
    if (mainLoop)
        mainLoop->quit();
}

void RuntimeState::teardown() {
    ending = true;
    while (!loaded.empty())
        loaded.back()->Unload();
    collectNow();
    std::vector<Page> lastPages = std::move(pages);
    pages.clear();
    lastPages.clear();
    std::map<QString, std::unique_ptr<Form>> lastDefaults = std::move(defaults);
    defaults.clear();
    lastDefaults.clear();
    graveyard.clear();
    handlerForms.clear();
    loops.clear();
    boxes.clear();
    mainLoop = nullptr;
    activated = nullptr;
    activationOrder.clear();
    handlerDepth = 0;
    nestedDepth = 0;
    running = false;
    ending = false;
}

} // namespace forms
