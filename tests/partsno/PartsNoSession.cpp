#include "tests/partsno/PartsNoSession.h"

#include "forms/Forms.h"
#include "forms/ListBox.h"
#include "partsno/Ptn1.h"

#include <gtest/gtest.h>

namespace partsnotest {

testsupport::Table partsMaster(std::vector<testsupport::Row> rows) {
    return {"PartsMaster", {"PartsNo TEXT", "BearingNo TEXT", "OtherMk TEXT"}, std::move(rows), {}};
}

forms::Form* openPartsSearch(testsupport::GuiDriver& gui) {
    forms::Form* menu = gui.waitForForm("Menu");
    if (!menu)
        return nullptr;
    gui.click(*menu, "Command1");
    return gui.waitForForm("Ptn1");
}

partsno::Ptn1& ptn1() {
    return forms::Forms::Default<partsno::Ptn1>("Ptn1");
}

QStringList listedLines(forms::Form& brgInfo) {
    QStringList lines;
    const auto& list = brgInfo.control<forms::ListBox>("List1");
    for (int i = 0; i < list.ListCount(); ++i)
        lines << list.List(i);
    return lines;
}

QString columns(const QString& partsNo, const QString& bearingNo, const QString& otherMk) {
    return partsNo.leftJustified(20) + " " + bearingNo.leftJustified(20) + " " + otherMk;
}

void typeParts(testsupport::GuiDriver& gui, forms::Form& search, const QString& text) {
    gui.type(search, "Text1", "");
    gui.press(search, Qt::Key_A, Qt::ControlModifier);
    gui.press(search, Qt::Key_Delete);
    gui.type(search, "Text1", text);
}

bool answered(testsupport::GuiDriver& gui, const testsupport::MessageBoxRecorder& messages, qsizetype count) {
    gui.waitFor([&] { return messages.texts().size() >= count && !testsupport::GuiDriver::messageBox(); });
    gui.pause();
    return messages.texts().size() == count;
}

QStringList visibleForms() {
    QStringList names;
    for (int i = 0; i < forms::Forms::Count(); ++i)
        if (forms::Forms::Item(i).Visible())
            names << forms::Forms::Item(i).Name();
    return names;
}

} // namespace partsnotest
