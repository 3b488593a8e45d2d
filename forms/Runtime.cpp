#include "forms/Runtime.h"

#include "forms/Dispatcher.h"
#include "forms/Form.h"
#include "forms/FormError.h"
#include "forms/KeyRouter.h"
#include "forms/RuntimeState.h"

#include <QApplication>
#include <QEventLoop>

namespace forms {

void Runtime::run(Form& startup) {
    auto& runtime = RuntimeState::instance();
    if (runtime.running)
        throw FormError("the forms runtime runs already");
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw FormError("the forms runtime needs a QApplication");
    runtime.running = true;
    runtime.ending = false;
    // Hidden forms are normal here (a lookup hides the menu): only End ends the program.
    const bool quitOnLastWindow = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    KeyRouter router;
    qApp->installEventFilter(&router);

    Dispatcher::run(nullptr, [&startup] { startup.Show(); });
    if (!runtime.ending) {
        QEventLoop loop;
        runtime.mainLoop = &loop;
        loop.exec();
        runtime.mainLoop = nullptr;
    }

    qApp->removeEventFilter(&router);
    runtime.teardown();
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
}

void Runtime::End() {
    auto& runtime = RuntimeState::instance();
    if (!runtime.running) {
        while (!runtime.loaded.empty())
            runtime.loaded.back()->Unload();
        return;
    }
    runtime.end();
}

} // namespace forms
