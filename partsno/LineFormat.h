// Text pieces of the result lines: trimming blanks and fixed-width fields.
#pragma once

#include <QString>

namespace partsno {

// The text without its leading and trailing blanks (the space character only;
// a tab or other white space is part of the value).
QString trimBlanks(const QString& text);

// The text left-aligned in a field of width characters, blanks added on the
// right. A longer text is returned whole, never cut: a cut parts or bearing
// number would be a different number on screen.
QString fixedField(const QString& text, int width);

} // namespace partsno
