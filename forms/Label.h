// A label: a caption, left- or right-aligned, optionally sizing itself to its text.
#pragma once

#include "forms/Control.h"

class QLabel;

namespace forms {

class Label : public Control {
public:
    Label(QWidget* parent, const QString& name, const TwipsRect& rect);
    ~Label() override;

    // The caption exactly as set ("&&" stays as set; shown as one "&").
    QString Caption() const;
    void setCaption(const QString& caption);
    void setRightAligned(bool on);
    // AutoSize: the width follows the caption.
    void setAutoSize(bool on);

private:
    QLabel* label() const;
    // AutoSize: the width of the caption's one line in the label's font.
    void fitWidth();
    QString m_caption;
    bool m_autoSize = false;
};

} // namespace forms
