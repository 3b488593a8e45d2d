#include "forms/ListModel.h"

#include <QMetaObject>

namespace forms {

ListModel::ListModel(QObject* parent) : QAbstractListModel(parent) {}

void ListModel::append(const QString& line) {
    m_lines.push_back(line);
    if (!m_flushPosted) {
        m_flushPosted = true;
        // The view hears of the new lines once the running handler lets the event loop run.
        QMetaObject::invokeMethod(this, &ListModel::flush, Qt::QueuedConnection);
    }
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
