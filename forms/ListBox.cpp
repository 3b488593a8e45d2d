#include "forms/ListBox.h"

#include "forms/ListModel.h"

#include <QListView>

namespace forms {

ListBox::ListBox(QWidget* parent, const QString& name, const TwipsRect& rect)
    : Control(new QListView(parent), name, rect), m_model(nullptr) {
    QListView* list = static_cast<QListView*>(widget());
    m_model = new ListModel(list);
    // Every line has the height of the first: the view never measures a million lines.
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setTextElideMode(Qt::ElideNone);
    list->setWordWrap(false);
    list->setModel(m_model);
    // Keys come to the view, clicks and the wheel to its viewport.
    m_model->watch(list);
    m_model->watch(list->viewport());
}

ListBox::~ListBox() = default;

void ListBox::AddItem(const QString& item) {
    m_model->append(item);
}

void ListBox::AddItem(QString&& item) {
    m_model->append(std::move(item));
}

int ListBox::ListCount() const {
    return m_model->size();
}

QString ListBox::List(int index) const {
    if (index < 0 || index >= m_model->size())
        throw FormError("list box " + Name().toStdString() + " has no item " + std::to_string(index) + " (it holds " +
                        std::to_string(m_model->size()) + ")");
    return m_model->line(index);
}

void ListBox::Clear() {
    m_model->clear();
}

QListView* ListBox::view() const {
    // Whoever looks at the view sees every line added so far.
    m_model->flush();
    return static_cast<QListView*>(widget());
}

} // namespace forms
