// One option button of a control array ("Option1(0)" ...): within its container
// one option is marked at a time; arrow keys move among them.
#pragma once

#include "forms/Control.h"

#include <functional>

class QRadioButton;

namespace forms {

class OptionButton : public Control {
public:
    // name: the array name ("Option1"); the object name becomes "Option1(index)".
    OptionButton(QWidget* parent, const QString& name, const TwipsRect& rect, int index);
    ~OptionButton() override;

    int Index() const { return m_index; }
    QString Caption() const;
    void setCaption(const QString& caption);
    bool Value() const;
    // Marking an option (true) runs onClick with its index, as a user's click does.
    void setValue(bool marked);

    std::function<void(int index)> onClick;

private:
    void runClick();
    QRadioButton* radio() const;
    int m_index;
};

} // namespace forms
