// Opening the printed catalogue in a document viewer that runs beside the program.
#pragma once

#include <QString>

namespace app {

// Starts the viewer on the document and never waits for it; each call starts it again.
// On Windows the command line is started as it stands. Elsewhere both paths are
// mapped onto this machine: the viewer is started with the document when it
// exists there, else the document is opened in the desktop's default viewer.
// When neither works, an exclamation message says what could not be opened and why.
void openCatalogDocument(const QString& viewerPath, const QString& documentPath);

} // namespace app
