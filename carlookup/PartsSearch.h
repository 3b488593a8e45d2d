// One Search of Ptn2: the parts of the chosen car for the chosen application,
// listed on one new PartsList page per class of the car, cascaded with page 1
// in front; Ptn2 is hidden once the pages are shown.
//
// The search runs as a sequence of steps under a StageReport: a failing step
// shows its stage's message, has no effect, and the search goes on with the
// next step. "Data not Found" ends it with Ptn2 still shown; pages already made
// stay loaded and hidden until the next Return of a parts list page.
#pragma once

#include "forms/StageReport.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace forms {
class ListBox;
}

namespace carlookup {

class PartsList;
class Ptn2;

class PartsSearch {
public:
    // form must outlive the search.
    explicit PartsSearch(Ptn2& form);

    void run();

    // The application name of an application code in the page captions
    // ("1" gives "FrontSuspention"); empty for any other code.
    static QString applicationName(const QString& code);
    // The text that follows class and page count in every page caption.
    static QString headingText(const QString& maker, const QString& model, const QString& applicationCode);
    static std::string classQuery(const QString& carNo);
    static std::string detailQuery(const QString& carNo, const QString& applicationCode);

private:
    // A place of the page table; the page made for it, with its class once read.
    struct Page {
        PartsList* form = nullptr;
        forms::ListBox* list = nullptr;
        std::optional<double> classNumber;
    };

    void makePage(int k, long pageCount);
    void placeLines();
    void showPages();
    // Place k of the page table; throws forms::FormError when there is no such place.
    Page& place(int k);
    // The page made for place k; throws forms::FormError when none was made.
    PartsList& pageForm(int k);
    // The page made for a line's class; throws forms::FormError when none was made.
    Page& pageOfClass(const std::optional<double>& classNumber);
    void dataNotFound();

    Ptn2& m_form;
    forms::StageReport m_report;
    QString m_carNo;
    QString m_heading;
    // Places 0 to the class count; place 0 stays empty.
    std::vector<Page> m_pages;
    // The number of pages made (N).
    int m_pageCount = 0;
};

} // namespace carlookup
