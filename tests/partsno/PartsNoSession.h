// The parts-number catalogue of the lookup's tests and the steps a clerk takes
// on "Parts No Search" and "BearingNo Information".
#pragma once

#include "tests/support/CatalogFixture.h"
#include "tests/support/GuiDriver.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/QtPrinters.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace partsno {
class Ptn1;
}

namespace partsnotest {

// PartsMaster with rows of PartsNo, BearingNo, OtherMk.
testsupport::Table partsMaster(std::vector<testsupport::Row> rows);

// "Parts Number" on the menu: Ptn1 shown, or nullptr (a failure noted) when it does not appear.
forms::Form* openPartsSearch(testsupport::GuiDriver& gui);
// The default instance of Ptn1, for its variables.
partsno::Ptn1& ptn1();
// The lines of BrgInfo's List1.
QStringList listedLines(forms::Form& brgInfo);
// A result line as the clerk reads it: the two numbers in columns of 20
// characters (a longer number whole), the other-make mark as stored.
QString columns(const QString& partsNo, const QString& bearingNo, const QString& otherMk);
// Replaces the text of Ptn1's box by typing, as a clerk does.
void typeParts(testsupport::GuiDriver& gui, forms::Form& search, const QString& text);
// Waits until count message boxes have been answered and the program waits
// for the user again; true when exactly count were shown.
bool answered(testsupport::GuiDriver& gui, const testsupport::MessageBoxRecorder& messages, qsizetype count);
// The forms that are shown, by design name.
QStringList visibleForms();

} // namespace partsnotest
