// The lines of a list box. Lines are appended in batches: AddItem only stores
// the line, and the view learns of all lines added since the last batch at
// once (flush), so a million AddItem calls do not mean a million view updates.
//
// Internal to forms/.
#pragma once

#include <QAbstractListModel>
#include <QString>

#include <vector>

namespace forms {

class ListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListModel(QObject* parent);

    void append(const QString& line);
    void clear();
    int size() const { return static_cast<int>(m_lines.size()); }
    const QString& line(int index) const { return m_lines[static_cast<std::size_t>(index)]; }
    // Tells the view of the lines appended since the last flush.
    void flush();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<QString> m_lines;
    int m_shown = 0; // lines the view knows of
    bool m_flushPosted = false;
};

} // namespace forms
