// The variables that the Information command shares with the car information
// pages: the page asked for, the page count, the parts list page to return to,
// the closing flag, and the database and result of the last command.
//
// Each integer is 0 and each handle refers to nothing when the program starts;
// they keep their values from one command to the next.
#pragma once

#include "catalog/Database.h"
#include "catalog/Recordset.h"

#include <cstdint>

namespace carinfo {

struct Module1 {
    // Number of the car information page to show, counted from 1. Set to 1 by
    // Information; Previous and Next step it.
    static inline std::int16_t CurrentInfoPage = 0;
    // Number of pages that the last Information command filled.
    static inline std::int16_t InfoPageCount = 0;
    // Digit value of the first caption character of the parts list page on
    // which Information was given, 0 when that character is no digit.
    static inline std::int16_t ReturnListPage = 0;
    // 1 once Return on a car information page has closed the pages, 0 again
    // when a page is activated; Previous and Next stop looking for a page while 1.
    static inline std::int16_t InfoPagesClosing = 0;
    // The maker database and the result of the last Information command. A
    // completed command leaves both closed; one that ended at "Data not Found"
    // leaves them open until the next command replaces them.
    static inline catalog::Database InfoDb;
    static inline catalog::Recordset InfoRs;
};

} // namespace carinfo
