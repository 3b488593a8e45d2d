// Ptn2, "Car Select": the user picks one of nine makers, which lists that
// maker's models from its own database, then a model and an application.
// Search (or Enter) checks the choice and lists the car's parts on parts list
// pages; Return (or Esc) goes back to the menu.
//
// The form's variables live as long as the program: unloading Ptn2 resets only
// its window and controls. While parts list pages are shown, Ptn2 stays loaded
// and hidden with its choices, which the pages' Information command reads.
#pragma once

#include "catalog/Database.h"
#include "catalog/Recordset.h"
#include "forms/Form.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

namespace carlookup {

class Ptn2 : public forms::Form {
    Q_OBJECT
public:
    Ptn2() : Form("Ptn2") {}

    // Checks the choice: with no maker chosen shows "Please Select Maker",
    // sets InputError to 1 and moves the focus to the maker list; else with no
    // model chosen shows "Please Select Model(Car)", sets InputError to 2 and
    // moves the focus to the model list. Never sets InputError back to 0.
    void InputCheck();

    // The database of a maker, "C:\Vexorin\DATA\Tessik-" + maker + ".MDB".
    static std::string makerDatabase(const QString& maker);
    // The query of a maker's models, in car-number order; the maker goes in as one quoted constant.
    static std::string modelQuery(const QString& maker);

    // The maker whose models were listed last ("" after each load). Searches
    // open its database and write it on the pages.
    QString SelectedMaker;
    // The application that Search lists: "1" front suspension, "2" rear
    // suspension, "3" timing belt tensioner, "4" clutch release bearing.
    QString ApplicationCode;
    // Entry k is the car number of item k of the model list Combo2.
    QStringList CarNoList;
    // Result of InputCheck: 0 complete, 1 no maker, 2 no model.
    std::int16_t InputError = 0;
    // The maker database and rows of the latest listing or search. Closed when
    // it completed; left as they are after "Data not Found" or a failure, until
    // the next listing or search replaces them.
    catalog::Database MakerDb;
    catalog::Recordset MakerRs;

protected:
    void createControls() override;
    void Form_Load() override;
    // Enter (key code 13), with or without Shift, Ctrl and Alt, runs Search
    // whichever control has the focus.
    void Form_KeyDown(int keyCode, int shift) override;

private:
    // Click of Combo1: every change of the maker list's selection.
    void makerChosen();
    void applicationChosen(int index);
    void Search();
    void Return();
    // The models of a new maker whose listing did not complete: none, so that
    // Search asks for a model instead of using another maker's car number.
    void forgetModels();
};

} // namespace carlookup
