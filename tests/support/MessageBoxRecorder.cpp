#include "tests/support/MessageBoxRecorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <algorithm>

namespace testsupport {

MessageBoxRecorder::MessageBoxRecorder() {
    QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
    m_timer.start(10);
}

MessageBoxRecorder::~MessageBoxRecorder() = default;

QStringList MessageBoxRecorder::texts() const {
    QStringList texts;
    for (const Seen& seen : m_seen)
        texts << seen.text;
    return texts;
}

void MessageBoxRecorder::answer() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (!box || !box->isVisible())
            continue;
        if (std::find(m_answered.begin(), m_answered.end(), box) != m_answered.end())
            continue;
        Seen seen;
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        m_seen.push_back(seen);
        m_answered.emplace_back(box);
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (!ok && !box->buttons().isEmpty())
            ok = box->buttons().front();
        if (ok) {
            QTest::mouseClick(ok, Qt::LeftButton, Qt::NoModifier, ok->rect().center());
            return; // the click may have ended a nested loop: look again at the next tick
        }
    }
}

} // namespace testsupport
