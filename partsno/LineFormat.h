// Text pieces of the result lines, in UTF-8 as the catalogue delivers its
// values: trimming blanks and fixed-width fields. Working on the bytes keeps
// a listing of a million rows free of conversions until the finished line.
#pragma once

#include <string>
#include <string_view>

namespace partsno {

// The text without its leading and trailing blanks (the space character only;
// a tab or other white space is part of the value). A view into text.
std::string_view trimBlanks(std::string_view utf8);

// Appends the text left-aligned in a field of width characters, blanks added
// on the right. A longer text is appended whole, never cut: a cut parts or
// bearing number would be a different number on screen.
void appendFixedField(std::string& line, std::string_view utf8, int width);

} // namespace partsno
