#include "forms/MsgBox.h"

#include "forms/RuntimeState.h"
#include "forms/Screen.h"
#include "forms/Form.h"

#include <QMessageBox>

#include <algorithm>

namespace forms {

void MsgBox(const QString& text) {
    auto& runtime = RuntimeState::instance();
    // After End no message waits: the handlers still on the stack run out.
    if (runtime.ending)
        return;
    QWidget* parent = nullptr;
    if (Form* active = Screen::ActiveForm(); active && active->Visible())
        parent = active->window();
    QPointer<QWidget> parentWindow(parent);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vexorin"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setAccessibleName(text);
    runtime.boxes.emplace_back(&box);
    ++runtime.nestedDepth;
    box.exec();
    --runtime.nestedDepth;
    std::erase_if(runtime.boxes, [&box](const QPointer<QMessageBox>& entry) { return entry == &box; });
    // The keyboard goes back to the form the box stood over, with or without a window manager.
    if (parentWindow && parentWindow->isVisible())
        parentWindow->activateWindow();
    runtime.collect();
}

} // namespace forms
