// The program's only message box: exclamation icon, one OK button, title "Vexorin".
#pragma once

#include <QString>

namespace forms {

// Shows the text and waits in a nested event loop until the box is closed.
void MsgBox(const QString& text);

} // namespace forms
