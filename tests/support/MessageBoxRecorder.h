// Answers every message box of the program while it lives, as a user would:
// it finds the box on screen, notes what it says, and clicks its OK button.
//
//     testsupport::MessageBoxRecorder messages;
//     gui.click(*search, "Command2");
//     ASSERT_TRUE(gui.waitFor([&] { return messages.texts().size() == 2; }));
//     EXPECT_EQ(messages.texts(), (QStringList{"DataBase not Open", "Data not Found"}));
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <vector>

namespace testsupport {

class MessageBoxRecorder {
public:
    struct Seen {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons; // the texts of its buttons
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // The texts of the boxes answered so far, in order.
    QStringList texts() const;
    const std::vector<Seen>& seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

private:
    void answer();

    QTimer m_timer;
    std::vector<Seen> m_seen;
    std::vector<QPointer<QMessageBox>> m_answered;
};

} // namespace testsupport
