#include "forms/CommandButton.h"

#include "forms/Dispatcher.h"

#include <QPushButton>

namespace forms {

CommandButton::CommandButton(QWidget* parent, const QString& name, const TwipsRect& rect)
    : Control(new QPushButton(parent), name, rect) {
    QPushButton* push = button();
    // Qt's own Enter handling stays off: the form window decides what Enter does (FormWindow::routeKeyPress).
    push->setAutoDefault(false);
    push->setDefault(false);
    push->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(push, &QPushButton::clicked, push, [this] { Click(); });
}

CommandButton::~CommandButton() = default;

QString CommandButton::Caption() const {
    return button()->text();
}

void CommandButton::setCaption(const QString& caption) {
    button()->setText(caption);
    setAccessibleCaption(caption);
}

void CommandButton::setCancel(bool cancel) {
    m_cancel = cancel;
}

void CommandButton::Click() {
    if (!onClick)
        return;
    const std::function<void()> handler = onClick;
    Dispatcher::runFor(widget(), handler);
}

QPushButton* CommandButton::button() const {
    return static_cast<QPushButton*>(widget());
}

} // namespace forms
