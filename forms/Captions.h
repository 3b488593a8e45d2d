// Captions of the design as the user reads them.
#pragma once

#include <QString>

namespace forms {

// The caption as shown: "&&" gives one "&", a single "&" (an access-key mark) is dropped.
// "Model && Application" reads "Model & Application".
QString shownCaption(const QString& caption);

} // namespace forms
