#include "forms/ComboBox.h"

#include "forms/Dispatcher.h"

#include <QComboBox>

namespace forms {

ComboBox::ComboBox(QWidget* parent, const QString& name, const TwipsRect& rect)
    : Control(new QComboBox(parent), name, rect) {
    QComboBox* box = combo();
    box->setEditable(false);
    box->setFocusPolicy(Qt::StrongFocus);
    // activated comes for every choice of the user: a pick from the list, arrow keys, the wheel.
    QObject::connect(box, &QComboBox::activated, box, [this](int) { runClick(); });
}

ComboBox::~ComboBox() = default;

void ComboBox::AddItem(const QString& item) {
    QComboBox* box = combo();
    const int selected = box->currentIndex();
    box->addItem(item);
    // QComboBox selects the first item added; a drop-down list starts with nothing selected.
    if (selected < 0)
        box->setCurrentIndex(-1);
}

void ComboBox::Clear() {
    combo()->clear();
}

int ComboBox::ListCount() const {
    return combo()->count();
}

QString ComboBox::List(int index) const {
    if (index < 0 || index >= combo()->count())
        throw FormError("drop-down list " + Name().toStdString() + " has no item " + std::to_string(index));
    return combo()->itemText(index);
}

int ComboBox::ListIndex() const {
    return combo()->currentIndex();
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= combo()->count())
        throw FormError("drop-down list " + Name().toStdString() + " has no item " + std::to_string(index));
    combo()->setCurrentIndex(index);
    runClick();
}

QString ComboBox::Text() const {
    return combo()->currentIndex() < 0 ? QString() : combo()->currentText();
}

QComboBox* ComboBox::combo() const {
    return static_cast<QComboBox*>(widget());
}

void ComboBox::runClick() {
    if (!onClick)
        return;
    const std::function<void()> handler = onClick;
    Dispatcher::runFor(widget(), handler);
}

} // namespace forms
