#include "forms/ComboBox.h"

#include "forms/Dispatcher.h"
#include "forms/ListModel.h"

#include <QComboBox>
#include <QListView>

namespace forms {

ComboBox::ComboBox(QWidget* parent, const QString& name, const TwipsRect& rect)
    : Control(new QComboBox(parent), name, rect), m_model(nullptr) {
    QComboBox* list = box();
    list->setEditable(false);
    list->setFocusPolicy(Qt::StrongFocus);
    m_model = new ListModel(list);
    // The model Qt makes for a drop-down list goes: it holds an item object per entry.
    list->setModel(m_model);
    m_model->watch(list);
    // Every entry has the height of the first: opening a list of a thousand models measures one.
    if (auto* entries = qobject_cast<QListView*>(list->view()))
        entries->setUniformItemSizes(true);
    // QComboBox selects the first entry of a list that was empty; a drop-down list starts with nothing selected.
    QObject::connect(m_model, &QAbstractItemModel::rowsInserted, list, [list](const QModelIndex&, int first, int last) {
        if (first == 0 && last + 1 == list->count())
            list->setCurrentIndex(-1);
    });
    // activated comes for every choice of the user: a pick from the list, arrow keys, the wheel.
    QObject::connect(list, &QComboBox::activated, list, [this](int) { runClick(); });
}

ComboBox::~ComboBox() = default;

void ComboBox::AddItem(const QString& item) {
    m_model->append(item);
}

void ComboBox::Clear() {
    m_model->clear();
}

int ComboBox::ListCount() const {
    return m_model->size();
}

QString ComboBox::List(int index) const {
    if (index < 0 || index >= m_model->size())
        throw FormError("drop-down list " + Name().toStdString() + " has no item " + std::to_string(index));
    return m_model->line(index);
}

int ComboBox::ListIndex() const {
    return box()->currentIndex();
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= m_model->size())
        throw FormError("drop-down list " + Name().toStdString() + " has no item " + std::to_string(index));
    m_model->flush();
    box()->setCurrentIndex(index);
    runClick();
}

QString ComboBox::Text() const {
    const int index = box()->currentIndex();
    return index < 0 ? QString() : m_model->line(index);
}

QComboBox* ComboBox::combo() const {
    // Whoever looks at the widget sees every item added so far.
    m_model->flush();
    return box();
}

QComboBox* ComboBox::box() const {
    return static_cast<QComboBox*>(widget());
}

void ComboBox::runClick() {
    if (!onClick)
        return;
    const std::function<void()> handler = onClick;
    Dispatcher::runFor(widget(), handler);
}

} // namespace forms
