#include "forms/TextBox.h"

#include <QLineEdit>

#include <limits>

namespace forms {

TextBox::TextBox(QWidget* parent, const QString& name, const TwipsRect& rect)
    : Control(new QLineEdit(parent), name, rect) {
    edit()->setMaxLength(std::numeric_limits<int>::max());
}

TextBox::~TextBox() = default;

QString TextBox::Text() const {
    return edit()->text();
}

void TextBox::setText(const QString& text) {
    edit()->setText(text);
}

QLineEdit* TextBox::edit() const {
    return static_cast<QLineEdit*>(widget());
}

} // namespace forms
