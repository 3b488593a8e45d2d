// What a form holds while loaded (its window and controls) and the design
// attributes that createControls() sets. Internal to forms/.
#pragma once

#include "forms/Form.h"

#include <QFont>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QEventLoop;

namespace forms {

class Control;
class CommandButton;
class FormWindow;

struct Form::State {
    std::unique_ptr<FormWindow> window;
    std::vector<std::unique_ptr<Control>> controls;
    // The nested loops of the modal shows of this form that still wait.
    std::vector<QEventLoop*> modalLoops;

    QString caption;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    std::optional<int> left; // twips, as set
    std::optional<int> top;
    bool controlBox = true;
    bool minButton = true;
    bool maxButton = true;
    bool keyPreview = false;
    std::optional<QFont> font;

    // The cancel button (Esc), nullptr when the form has none.
    CommandButton* cancelButton() const;
    // The command button whose widget that is, nullptr when it is none of this form's buttons.
    CommandButton* buttonWithWidget(const QWidget* widget) const;
};

} // namespace forms
