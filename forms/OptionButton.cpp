#include "forms/OptionButton.h"

#include "forms/Dispatcher.h"

#include <QRadioButton>

namespace forms {

OptionButton::OptionButton(QWidget* parent, const QString& name, const TwipsRect& rect, int index)
    : Control(new QRadioButton(parent), name + "(" + QString::number(index) + ")", rect), m_index(index) {
    QRadioButton* button = radio();
    button->setAutoExclusive(true);
    // A click and the arrow keys (which move the mark within the container) both come as clicked.
    QObject::connect(button, &QRadioButton::clicked, button, [this](bool checked) {
        if (checked)
            runClick();
    });
}

OptionButton::~OptionButton() = default;

QString OptionButton::Caption() const {
    return radio()->text();
}

void OptionButton::setCaption(const QString& caption) {
    radio()->setText(caption);
    setAccessibleCaption(caption);
}

bool OptionButton::Value() const {
    return radio()->isChecked();
}

void OptionButton::setValue(bool marked) {
    QRadioButton* button = radio();
    if (!marked) {
        // An exclusive radio button refuses to unmark itself; the option may still be unmarked by program.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
        return;
    }
    button->setChecked(true);
    runClick();
}

void OptionButton::runClick() {
    if (!onClick)
        return;
    const std::function<void(int)> handler = onClick;
    const int index = m_index;
    Dispatcher::runFor(widget(), [handler, index] { handler(index); });
}

QRadioButton* OptionButton::radio() const {
    return static_cast<QRadioButton*>(widget());
}

} // namespace forms
