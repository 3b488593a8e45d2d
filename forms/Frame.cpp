#include "forms/Frame.h"

#include <QGroupBox>

#include <algorithm>

namespace forms {

Frame::Frame(QWidget* parent, const QString& name, const TwipsRect& rect)
    : Control(new QGroupBox(parent), name, rect), m_area(new QWidget(box())) {
    m_area->setObjectName(name + "Area");
    placeContents();
    if (box()->isVisible())
        m_area->show();
}

Frame::~Frame() = default;

QString Frame::Caption() const {
    return box()->title();
}

void Frame::setCaption(const QString& caption) {
    box()->setTitle(caption);
    setAccessibleCaption(caption);
    placeContents();
}

void Frame::placeContents() {
    // Called by the base class while the frame is still being made, before the area exists.
    if (!m_area)
        return;
    // The design's controls start where its caption ends, one line of the caption's font from the top;
    // Qt's contents start below its own caption and line.
    QGroupBox* frame = box();
    const int shift = std::max(0, frame->contentsRect().top() - frame->fontMetrics().height());
    m_area->setGeometry(0, shift, frame->width(), std::max(0, frame->height() - shift));
}

QGroupBox* Frame::box() const {
    return static_cast<QGroupBox*>(widget());
}

} // namespace forms
