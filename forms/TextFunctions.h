// The text functions that the forms build their captions, list lines and
// queries with: blanks trimmed, fixed-width fields, the value of a text, a
// number written with its sign place, and the digit test of a character.
//
// A blank is the space character only; a tab or other white space is part of
// a value. A fixed-width field never cuts its text: a longer text goes in
// whole, because a cut parts or bearing number would read as another number.
//
//     QString line;
//     forms::appendFixedField(line, forms::trimBlanks(partsNo), 15);   // "90369-T0003    "
//     forms::signedNumberText(forms::valueOfText(" 3/5"));             // " 3"
//
// The ...Utf8 forms work on the bytes of UTF-8 text as the catalogue delivers
// its values, so that a listing of a million rows is converted once per
// finished line and not once per piece.
//
// Error policy: nothing here throws.
#pragma once

#include <QChar>
#include <QString>

#include <string>
#include <string_view>

namespace forms {

// The text without its leading and trailing blanks.
QString trimBlanks(const QString& text);
// The same for UTF-8 text: a view into utf8.
std::string_view trimBlanksUtf8(std::string_view utf8);

// The text left-aligned in a field of width characters, blanks added on the
// right; a longer text is returned whole. Characters are counted as QString
// counts them (UTF-16 units).
QString fixedField(QString text, int width);
// Appends the text to line as fixedField(text, width) would give it, without
// a text of its own in between.
void appendFixedField(QString& line, const QString& text, int width);
// Appends UTF-8 text to line as a field of width characters; every byte but a
// UTF-8 continuation byte counts as one character.
void appendFixedFieldUtf8(std::string& line, std::string_view utf8, int width);

// The number at the start of the text, leading blanks skipped: an optional
// sign, digits with an optional fraction and an exponent that counts only
// when digits follow it ("1E3" is 1000, "7E" is 7). 0 when the text does not
// begin with a number ("", "/", a letter, "-").
double valueOfText(const QString& text);

// A number in decimal without blanks: a whole number as its digits ("12",
// "-3"), any other in its shortest form ("1.5").
QString decimalText(double number);
// A number with its sign place: one blank before a number that is not
// negative (" 1"), "-" before a negative one ("-1").
QString signedNumberText(double number);

// Whether the character is one of "0" to "9" (no other kind of digit).
bool isDigit(QChar c);
// The value of a digit character, 0 for any other character.
int digitValue(QChar c);
// The digit value of the first character of a text; 0 when that is no digit
// or the text is empty.
int firstDigitValue(const QString& text);

} // namespace forms
