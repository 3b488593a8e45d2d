// The design's font names mapped to fonts of this system.
#pragma once

#include <QFont>

namespace forms {

// "Courier New" always gives a fixed-pitch font (the system's monospace font
// where it is missing); "MS Sans Serif", "MS Serif" and "Arial" fall back to
// close system fonts. Each family and size is resolved once while the
// application runs; later calls return a copy of the same font.
QFont designFont(const QString& family, double points);

} // namespace forms
