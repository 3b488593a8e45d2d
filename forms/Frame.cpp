#include "forms/Frame.h"

#include <QGroupBox>

namespace forms {

Frame::Frame(QWidget* parent, const QString& name, const TwipsRect& rect) : Control(new QGroupBox(parent), name, rect) {}

Frame::~Frame() = default;

QString Frame::Caption() const {
    return box()->title();
}

void Frame::setCaption(const QString& caption) {
    box()->setTitle(caption);
    setAccessibleCaption(caption);
}

QGroupBox* Frame::box() const {
    return static_cast<QGroupBox*>(widget());
}

} // namespace forms
