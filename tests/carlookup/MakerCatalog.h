// Maker databases of the car lookup tests and the steps a clerk takes on "Car Select".
#pragma once

#include "tests/support/CatalogFixture.h"
#include "tests/support/GuiDriver.h"
#include "tests/support/MessageBoxRecorder.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Texts in test failures as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace carlookup {
class Ptn2;
}

namespace carlookuptest {

using testsupport::Null;
using testsupport::Row;
using testsupport::Table;

// MakerMaster rows: MakerName, CarName, CarNo.
Table makerMaster(std::vector<Row> rows);
// PartsStructure rows: CarNo, Application, Class, DispLevel, PartsName, RL, PartsNo, BearingNo, OtherMk.
Table partsStructure(std::vector<Row> rows);
// CarSpecMaster rows: CarNo, Class, CarCode, Type, Year, Model, Displacement, Engine, Mission.
Table carSpecMaster(std::vector<Row> rows);

// A PartsStructure row of level 0 with an empty RL and other-make mark.
Row part(const std::string& carNo, const std::string& application, long long partClass, const std::string& name,
         const std::string& partsNo = "90043-00001", const std::string& bearingNo = "6203");

// "Model && Application" on the menu: Ptn2 shown, or nullptr (a failure noted) when it does not appear.
forms::Form* openCarSelect(testsupport::GuiDriver& gui);

using CarSelectScript =
    std::function<void(testsupport::GuiDriver& gui, forms::Form& carSelect, testsupport::MessageBoxRecorder& messages)>;
// Runs the program with a recorder answering every message box, opens "Car
// Select" from the menu and runs the script on it.
void onCarSelect(const CarSelectScript& script);
// The default instance of Ptn2, for its variables.
carlookup::Ptn2& ptn2();
// The items of a drop-down list or list box of a form.
QStringList itemsOf(forms::Form& form, const QString& controlName);
// The loaded forms of that design name, in load order.
std::vector<forms::Form*> loadedForms(const QString& name);
// Waits until count message boxes have been answered and the program waits
// for the user again; true when exactly count were shown.
bool answered(testsupport::GuiDriver& gui, const testsupport::MessageBoxRecorder& messages, qsizetype count);
// Chooses maker and model, marks the option of that index and clicks Search.
void search(testsupport::GuiDriver& gui, forms::Form& carSelect, const QString& maker, const QString& model,
            int option = 0);

} // namespace carlookuptest
