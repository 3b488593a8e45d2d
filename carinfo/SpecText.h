// The texts of the car information pages: the year column and its rule, the
// group header, the page caption and its page number, the column heading and
// the class number of the queries.
#pragma once

#include <QString>

namespace carinfo {

// Whether a Year value takes the 10-character column: it has at least 25
// characters and its characters 11 to 25 are all blanks.
bool yearTakesTenCharacters(const QString& year);
// The year column of a Year value: its first 10 characters in a field of 10
// when tenCharacters, else its first 25 characters in a field of 25.
QString yearColumn(const QString& year, bool tenCharacters);

// "CAR CODE:" + carCode + "   CAR NAME:" + carName + "   TYPE:" + type, the
// pieces as given (the caller trims them or puts the blanks of a Null value).
QString groupHeader(const QString& carCode, const QString& carName, const QString& type);

// "P" + pageNumber + " Maker:" + maker + "  CarName:" + model, maker and model as they stand.
QString pageCaption(int pageNumber, const QString& maker, const QString& model);

// The whole number after a leading "P" of a caption ("P12 Maker:..." gives
// 12); -1 when the caption does not begin with "P" and a digit.
int captionPageNumber(const QString& caption);

// The class number of a parts list page's Label3 caption as the queries write
// it: the number at the start of the caption, leading blanks skipped, in
// decimal without blanks ("3" for " 3", "0" for "" or a letter, "-2" for
// " -2", "1.5" for "1.50"); digits are copied, never rounded.
QString classNumberText(const QString& caption);

// The column heading above every list of a page (119 characters).
const QString& columnHeading();

} // namespace carinfo
