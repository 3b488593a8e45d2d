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

    // Appends the line. The view shows it once the running handler returns to the event loop, or at once
    // when the list is used (a key or click on it, view()); a million calls cost no view update each.
    void AddItem(const QString& item);
    // The same, taking over a line built for the list.
    void AddItem(QString&& item);
    int ListCount() const;
    // Item i, from 0; throws FormError when i is out of range.
    QString List(int index) const;
    void Clear();

    QListView* view() const;

private:
    ListModel* m_model;
};

} // namespace forms
