// A one-line text box without length limit.
#pragma once

#include "forms/Control.h"

class QLineEdit;

namespace forms {

class TextBox : public Control {
public:
    TextBox(QWidget* parent, const QString& name, const TwipsRect& rect);
    ~TextBox() override;

    QString Text() const;
    void setText(const QString& text);

private:
    QLineEdit* edit() const;
};

} // namespace forms
