// Ptn1, "Parts No Search": takes a parts number, or its beginning, and lists
// every matching row of PartsMaster with its bearing number and other-make mark
// in BrgInfo. Enter anywhere on the form searches; Return or Esc goes back to
// the menu.
//
// The form's variables live as long as the program: unloading Ptn1 resets only
// its window and controls.
#pragma once

#include "catalog/Database.h"
#include "catalog/Recordset.h"
#include "forms/Form.h"

#include <QString>

#include <cstdint>
#include <string>

namespace forms {
class StageReport;
}

namespace partsno {

class Ptn1 : public forms::Form {
    Q_OBJECT
public:
    Ptn1() : Form("Ptn1") {}

    // Sets SearchAll to 1 when Text1 is exactly empty (a box of spaces is not
    // empty). Accepts every input, so it never sets InputError.
    void InputCheck();

    // The statement of a search for that text of Text1: every parts number that
    // begins with it, the text put into the query as one quoted constant (Like
    // pattern characters in it keep their meaning); every row when searchAll.
    static std::string searchStatement(const QString& typed, bool searchAll);

    // The parts-number database, "C:\Vexorin\DATA\PartsNo.MDB".
    static const char* const PartsNoDatabase;

    // The database and rows of the latest search. Closed after a listing; left
    // as they are after "Data not Found" or a failure, until the next search.
    catalog::Database PartsDb;
    catalog::Recordset PartsRs;
    // Non-zero when InputCheck has rejected the input; cleared by each search.
    std::int16_t InputError = 0;
    // 1 while a search for an empty box runs, else 0.
    std::int16_t SearchAll = 0;

protected:
    void createControls() override;
    // Enter (key code 13), with or without Shift, Ctrl and Alt, runs Search.
    void Form_KeyDown(int keyCode, int shift) override;

private:
    void Search();
    void Return();
    // One line per row of PartsRs into BrgInfo's List1.
    void listRows(forms::StageReport& report, forms::Form& brgInfo);
    // "Data not Found": Ptn1 stays shown with its text.
    void notFound(forms::StageReport& report);
};

} // namespace partsno
