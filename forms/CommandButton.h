// A command button. Space clicks the focused button, and so does Enter on a form
// without key preview; Esc clicks the form's cancel button.
#pragma once

#include "forms/Control.h"

#include <functional>

class QPushButton;

namespace forms {

class CommandButton : public Control {
public:
    CommandButton(QWidget* parent, const QString& name, const TwipsRect& rect);
    ~CommandButton() override;

    // "&&" shows one "&"; a single "&" marks the access key as usual.
    QString Caption() const;
    void setCaption(const QString& caption);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel);

    // Runs the click handler through the runtime's dispatcher (as a user's click does).
    void Click();
    std::function<void()> onClick;

private:
    QPushButton* button() const;
    bool m_cancel = false;
};

} // namespace forms
