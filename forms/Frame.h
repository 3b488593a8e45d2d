// A frame with a caption, holding other controls (option buttons).
#pragma once

#include "forms/Control.h"

class QGroupBox;

namespace forms {

class Frame : public Control {
public:
    Frame(QWidget* parent, const QString& name, const TwipsRect& rect);
    ~Frame() override;

    QString Caption() const;
    void setCaption(const QString& caption);

private:
    QGroupBox* box() const;
};

} // namespace forms
