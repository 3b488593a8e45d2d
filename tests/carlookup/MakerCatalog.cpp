#include "tests/carlookup/MakerCatalog.h"

#include "carlookup/Ptn2.h"
#include "forms/ComboBox.h"
#include "forms/Forms.h"
#include "forms/ListBox.h"
#include "tests/support/ProgramDriver.h"

#include <gtest/gtest.h>

namespace carlookuptest {

Table makerMaster(std::vector<Row> rows) {
    return {"MakerMaster", {"MakerName TEXT", "CarName TEXT", "CarNo TEXT"}, std::move(rows), {}};
}

Table partsStructure(std::vector<Row> rows) {
    return {"PartsStructure",
            {"CarNo TEXT", "Application TEXT", "Class INTEGER", "DispLevel INTEGER", "PartsName TEXT", "RL TEXT",
             "PartsNo TEXT", "BearingNo TEXT", "OtherMk TEXT"},
            std::move(rows),
            {}};
}

Table carSpecMaster(std::vector<Row> rows) {
    return {"CarSpecMaster",
            {"CarNo TEXT", "Class INTEGER", "CarCode TEXT", "Type TEXT", "Year TEXT", "Model TEXT", "Displacement TEXT",
             "Engine TEXT", "Mission TEXT"},
            std::move(rows),
            {}};
}

Row part(const std::string& carNo, const std::string& application, long long partClass, const std::string& name,
         const std::string& partsNo, const std::string& bearingNo) {
    return {carNo, application, partClass, 0LL, name, "", partsNo, bearingNo, ""};
}

forms::Form* openCarSelect(testsupport::GuiDriver& gui) {
    forms::Form* menu = gui.waitForForm("Menu");
    if (!menu)
        return nullptr;
    gui.click(*menu, "Command2");
    return gui.waitForForm("Ptn2");
}

void onCarSelect(const CarSelectScript& script) {
    testsupport::ProgramDriver::run([&](testsupport::GuiDriver& gui) {
        testsupport::MessageBoxRecorder messages;
        forms::Form* carSelect = openCarSelect(gui);
        ASSERT_NE(carSelect, nullptr);
        script(gui, *carSelect, messages);
    });
}

carlookup::Ptn2& ptn2() {
    return forms::Forms::Default<carlookup::Ptn2>("Ptn2");
}

QStringList itemsOf(forms::Form& form, const QString& controlName) {
    QStringList items;
    forms::Control& control = form.controlNamed(controlName);
    if (auto* combo = dynamic_cast<forms::ComboBox*>(&control)) {
        for (int i = 0; i < combo->ListCount(); ++i)
            items << combo->List(i);
    } else {
        auto& list = forms::controlCast<forms::ListBox>(control);
        for (int i = 0; i < list.ListCount(); ++i)
            items << list.List(i);
    }
    return items;
}

std::vector<forms::Form*> loadedForms(const QString& name) {
    std::vector<forms::Form*> found;
    for (int i = 0; i < forms::Forms::Count(); ++i)
        if (forms::Forms::Item(i).Name() == name)
            found.push_back(&forms::Forms::Item(i));
    return found;
}

bool answered(testsupport::GuiDriver& gui, const testsupport::MessageBoxRecorder& messages, qsizetype count) {
    gui.waitFor([&] { return messages.texts().size() >= count && !testsupport::GuiDriver::messageBox(); });
    gui.pause();
    return messages.texts().size() == count;
}

void search(testsupport::GuiDriver& gui, forms::Form& carSelect, const QString& maker, const QString& model,
            int option) {
    gui.choose(carSelect, "Combo1", maker);
    gui.choose(carSelect, "Combo2", model);
    gui.click(carSelect, "Option1(" + QString::number(option) + ")");
    gui.click(carSelect, "Command2");
}

} // namespace carlookuptest
