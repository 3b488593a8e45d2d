// A drop-down list (style 2): the user picks an item, typing nothing.
// Every change of the selection, by mouse or keyboard, runs onClick.
//
// Its items live in a light model of its own (the lines of forms::ListModel):
// AddItem stores the item and the list hears of a batch of them at once, so
// that listing a thousand models costs one update of the list.
#pragma once

#include "forms/Control.h"

#include <functional>

class QComboBox;

namespace forms {

class ListModel;

class ComboBox : public Control {
public:
    ComboBox(QWidget* parent, const QString& name, const TwipsRect& rect);
    ~ComboBox() override;

    void AddItem(const QString& item);
    void Clear(); // also leaves no item selected
    int ListCount() const;
    // Item i, from 0; throws FormError when i is out of range.
    QString List(int index) const;
    // -1 when no item is selected.
    int ListIndex() const;
    // Selecting by program runs onClick as a user's choice does; -1 selects none.
    // Throws FormError when index is out of range.
    void setListIndex(int index);
    // The selected item's text, empty when none is selected.
    QString Text() const;

    std::function<void()> onClick;

    // The widget, holding every item added so far.
    QComboBox* combo() const;

private:
    QComboBox* box() const;
    void runClick();
    ListModel* m_model;
};

} // namespace forms
