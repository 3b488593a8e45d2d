#include "forms/Label.h"

#include "forms/Captions.h"

#include <QLabel>

namespace forms {

Label::Label(QWidget* parent, const QString& name, const TwipsRect& rect) : Control(new QLabel(parent), name, rect) {
    QLabel* text = label();
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(false);
}

Label::~Label() = default;

QString Label::Caption() const {
    return m_caption;
}

void Label::setCaption(const QString& caption) {
    m_caption = caption;
    label()->setText(shownCaption(caption));
    setAccessibleCaption(caption);
    if (m_autoSize)
        setWidth(toTwips(label()->sizeHint().width()));
}

void Label::setRightAligned(bool on) {
    label()->setAlignment((on ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
}

void Label::setAutoSize(bool on) {
    m_autoSize = on;
    if (on)
        setWidth(toTwips(label()->sizeHint().width()));
}

QLabel* Label::label() const {
    return static_cast<QLabel*>(widget());
}

} // namespace forms
