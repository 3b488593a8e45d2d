// A frame with a caption, holding other controls (option buttons).
//
// The design places a frame's controls from the frame's top edge, with the
// frame's line running through the middle of its caption. Qt draws the
// caption above the line, lower by about half a caption's height; the
// frame's controls therefore sit in an area moved down by that difference, so
// that each keeps its place below the caption and clear of the line.
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

    // The area that holds the frame's controls (their positions are relative to it).
    QWidget* containerWidget() const override { return m_area; }

protected:
    void placeContents() override;

private:
    QGroupBox* box() const;
    QWidget* m_area = nullptr; // owned by the frame's widget
};

} // namespace forms
