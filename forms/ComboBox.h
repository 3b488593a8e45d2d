// A drop-down list (style 2): the user picks an item, typing nothing.
// Every change of the selection, by mouse or keyboard, runs onClick.
#pragma once

#include "forms/Control.h"

#include <functional>

class QComboBox;

namespace forms {

class ComboBox : public Control {
public:
    ComboBox(QWidget* parent, const QString& name, const TwipsRect& rect);
    ~ComboBox() override;

    void AddItem(const QString& item);
    void Clear(); // also leaves no item selected
    int ListCount() const;
    QString List(int index) const;
    // -1 when no item is selected.
    int ListIndex() const;
    // Selecting by program runs onClick as a user's choice does; -1 selects none.
    void setListIndex(int index);
    // The selected item's text, empty when none is selected.
    QString Text() const;

    std::function<void()> onClick;

    QComboBox* combo() const;

private:
    void runClick();
};

} // namespace forms
