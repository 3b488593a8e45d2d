// The text rules of the car lookup's captions and part lines: blanks trimmed,
// fixed-width fields, and numbers read from and written as text.
#pragma once

#include <QString>

namespace carlookup {

// The text without its leading and trailing blanks (the space character only;
// a tab or other white space is part of the value).
QString trimBlanks(const QString& text);

// Appends the text to line as a field of width characters: left-aligned,
// blanks added on the right. A longer text goes in whole, never cut: a cut
// parts or bearing number would be a different number on screen.
void appendFixedField(QString& line, const QString& text, int width);

// The number at the start of the text, leading blanks skipped: an optional
// sign, digits with an optional fraction and exponent. 0 when the text does
// not begin with a number ("", "/", a letter).
double valueOfText(const QString& text);

// A number in decimal without blanks: a whole number as its digits ("12",
// "-3"), any other in its shortest form ("1.5").
QString decimalText(double number);

// A number as the captions carry it with a sign place: one blank before a
// number that is not negative (" 1"), "-" before a negative one ("-1").
QString signedNumberText(double number);

} // namespace carlookup
