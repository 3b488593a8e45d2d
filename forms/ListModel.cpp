#include "forms/ListModel.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace forms {

ListModel::ListModel(QObject* parent) : QAbstractListModel(parent) {}

void ListModel::postFlush() {
    m_flushPosted = true;
    // The view hears of the new lines once the running handler lets the event loop run.
    QMetaObject::invokeMethod(this, &ListModel::flush, Qt::QueuedConnection);
}

void ListModel::clear() {
    beginResetModel();
    m_lines.clear();
    m_shown = 0;
    endResetModel();
}

void ListModel::flush() {
    m_flushPosted = false;
    const int total = size();
    if (total <= m_shown)
        return;
    beginInsertRows(QModelIndex(), m_shown, total - 1);
    m_shown = total;
    endInsertRows();
}

void ListModel::watch(QWidget* widget) {
    widget->installEventFilter(this);
}

bool ListModel::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        // The user acts on what is listed: every line added so far (End goes to the last one).
        if (size() > m_shown)
            flush();
        break;
    default:
        break;
    }
    return false;
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_shown;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_shown)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return line(index.row());
    return {};
}

} // namespace forms
