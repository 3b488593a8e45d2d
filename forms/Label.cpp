#include "forms/Label.h"

#include "forms/Captions.h"

#include <QFontMetricsF>
#include <QLabel>

#include <cmath>

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
        fitWidth();
}

void Label::setRightAligned(bool on) {
    label()->setAlignment((on ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
}

void Label::setAutoSize(bool on) {
    m_autoSize = on;
    if (on)
        fitWidth();
}

void Label::fitWidth() {
    // One measure of the line: QLabel's size hint would lay the text out three times and polish the label.
    QLabel* text = label();
    const QMargins margins = text->contentsMargins();
    const qreal advance = QFontMetricsF(text->font()).horizontalAdvance(text->text());
    setWidth(toTwips(static_cast<int>(std::ceil(advance)) + margins.left() + margins.right() + 2 * text->margin()));
}

QLabel* Label::label() const {
    return static_cast<QLabel*>(widget());
}

} // namespace forms
