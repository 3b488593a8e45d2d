// The Information command of a parts list page: builds the car's specification
// pages from the hidden labels of the active parts list page and shows page 1
// modally; returns once the chain of car information pages has been closed.
//
// Error policy: failures of the catalogue and the forms are shown as the
// command's own messages ("DataBase not Open", "Table not Open", "Data not
// Found") and never leave the command.
#pragma once

namespace carinfo {

void Information();

} // namespace carinfo
