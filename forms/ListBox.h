// An unsorted list box, backed by a model and a view with uniform item sizes so
// that it stays fast with a million lines.
#pragma once

#include "forms/Control.h"

class QListView;

namespace forms {

class ListModel;

class ListBox : public Control {
public:
    ListBox(QWidget* parent, const QString& name, const TwipsRect& rect);
    ~ListBox() override;

    void AddItem(const QString& item);
    int ListCount() const;
    // Item i, from 0; throws FormError when i is out of range.
    QString List(int index) const;
    void Clear();

    QListView* view() const;

private:
    ListModel* m_model;
};

} // namespace forms
