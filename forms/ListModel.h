// The lines of a list box or drop-down list. Lines are appended in batches:
// AddItem only stores the line, and the view learns of all lines added since
// the last batch at once (flush), so a million AddItem calls do not mean a
// million view updates.
//
// The batch goes to the view once the running handler lets the event loop run,
// and at once whenever someone needs the view to hold every line: before a key,
// mouse or wheel input reaches a watched widget, and when the owning control
// asks (flush).
//
// Internal to forms/.
#pragma once

#include <QAbstractListModel>
#include <QString>

#include <utility>
#include <vector>

namespace forms {

class ListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListModel(QObject* parent);

    // Inline: a list box takes a million lines through here.
    void append(const QString& line) {
        m_lines.push_back(line);
        if (!m_flushPosted)
            postFlush();
    }
    void append(QString&& line) {
        m_lines.push_back(std::move(line));
        if (!m_flushPosted)
            postFlush();
    }
    void clear();
    int size() const { return static_cast<int>(m_lines.size()); }
    const QString& line(int index) const { return m_lines[static_cast<std::size_t>(index)]; }
    // Tells the view of the lines appended since the last flush.
    void flush();
    // Input to widget (the view, or the drop-down list that owns it) comes after a flush.
    void watch(QWidget* widget);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void postFlush();

    std::vector<QString> m_lines;
    int m_shown = 0; // lines the view knows of
    bool m_flushPosted = false;
};

} // namespace forms
