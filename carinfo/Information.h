// The Information command of a parts list page: builds the car's specification
// pages from the hidden labels of the active parts list page and shows page 1
// modally; returns once the chain of car information pages has been closed.
#pragma once

namespace carinfo {

void Information();

} // namespace carinfo
