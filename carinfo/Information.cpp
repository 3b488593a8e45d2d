#include "carinfo/Information.h"

#include "carinfo/CarInfo.h"
#include "carinfo/Module1.h"
#include "carinfo/SpecText.h"
#include "catalog/DBEngine.h"
#include "catalog/QueryText.h"
#include "forms/ComboBox.h"
#include "forms/Forms.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"
#include "forms/StageReport.h"
#include "forms/TextFunctions.h"

#include <QStringBuilder>

#include <optional>
#include <string>
#include <vector>

namespace carinfo {
namespace {

// One field of the current row, fetched once for its Null test and the reads
// after it. When the fetch of the test failed, each read fetches again and so
// fails again, as a step of its own.
class RowField {
public:
    explicit RowField(const char* name) : m_name(name) {}
    bool notNull() {
        m_value = Module1::InfoRs.Fields(m_name);
        return !m_value->isNull();
    }
    QString text() const {
        return QString::fromStdString((m_value ? *m_value : Module1::InfoRs.Fields(m_name)).toText());
    }

private:
    const char* m_name;
    std::optional<catalog::FieldValue> m_value;
};

// One run of the Information command on the active parts list page. Every
// action that can fail runs as a step of the stage report; a failed read
// leaves its text as the previous row left it.
class InformationRun {
public:
    InformationRun() : m_listPage(forms::Screen::ActiveForm()), m_report(m_listPage) {}
    void run();

private:
    forms::Form& listPage() const;
    QString listPageLabel(const char* name) const;
    // "CarNo = <quoted car number> And Class = <class number>", read anew from the page's labels.
    std::string conditionText() const;
    QString selectionText(const char* comboName) const;
    // Creates and loads the page of that index (0 for page 1), hidden and without a caption.
    void newPage(int pageIndex);
    // "P<n> Maker:<maker box>  CarName:<model box>" on the page of that index.
    void writeCaption(int pageIndex);
    CarInfo& pageAt(int pageIndex) const;
    // The group header of the current row, in m_rowHeader.
    void readRowHeader();
    // The specification line of the current row.
    QString readSpecLine();
    // A header piece: the field trimmed, 25 blanks when Null.
    void readHeaderPiece(const char* field, QString& text);
    // A column: the field in a field of width characters, blanks when Null.
    void readColumn(const char* field, int width, QString& text);
    void readYear();
    void noDataEnd();

    forms::Form* m_listPage;
    forms::StageReport m_report;
    std::vector<CarInfo*> m_pages; // page index to page; nullptr where creating the page failed
    int m_slot = 0;
    int m_pageIndex = 0;
    QString m_groupHeader;
    // The texts of the current row, kept from row to row.
    QString m_carCode, m_carName, m_type, m_rowHeader;
    QString m_year, m_model, m_displacement, m_engine, m_mission;
};

forms::Form& InformationRun::listPage() const {
    if (!m_listPage)
        throw forms::FormError("Information runs without an active parts list page");
    return *m_listPage;
}

QString InformationRun::listPageLabel(const char* name) const {
    return listPage().control<forms::Label>(name).Caption();
}

std::string InformationRun::conditionText() const {
    return "CarNo = " + catalog::quoteText(listPageLabel("Label2").toStdString()) +
           " And Class = " + classNumberText(listPageLabel("Label3")).toStdString();
}

QString InformationRun::selectionText(const char* comboName) const {
    return forms::Forms::Default("Ptn2").control<forms::ComboBox>(comboName).Text();
}

CarInfo& InformationRun::pageAt(int pageIndex) const {
    if (pageIndex < 0 || pageIndex >= static_cast<int>(m_pages.size()) || !m_pages[pageIndex])
        throw forms::FormError("car information page " + std::to_string(pageIndex + 1) + " was not created");
    return *m_pages[pageIndex];
}

void InformationRun::newPage(int pageIndex) {
    // The first query's count only estimates the pages: rows of one car code
    // and type that do not come together open further groups, and every group
    // gets a page.
    if (static_cast<int>(m_pages.size()) <= pageIndex)
        m_pages.resize(pageIndex + 1, nullptr);
    m_report.run([&] {
        CarInfo& page = forms::Forms::New<CarInfo>();
        m_pages[pageIndex] = &page;
        page.Load();
    });
}

void InformationRun::writeCaption(int pageIndex) {
    m_report.run([&] {
        pageAt(pageIndex).setCaption(pageCaption(pageIndex + 1, selectionText("Combo1"), selectionText("Combo2")));
    });
}

void InformationRun::readHeaderPiece(const char* name, QString& text) {
    RowField field(name);
    if (m_report.test([&] { return field.notNull(); }))
        m_report.run([&] { text = forms::trimBlanks(field.text()); });
    else
        text = QString(25, u' ');
}

void InformationRun::readRowHeader() {
    readHeaderPiece("CarCode", m_carCode);
    m_report.run([&] { m_carName = forms::trimBlanks(selectionText("Combo2")); });
    readHeaderPiece("Type", m_type);
    m_rowHeader = groupHeader(m_carCode, m_carName, m_type);
}

void InformationRun::readColumn(const char* name, int width, QString& text) {
    RowField field(name);
    if (m_report.test([&] { return field.notNull(); }))
        m_report.run([&] { text = forms::fixedField(field.text(), width); });
    else
        text = QString(width, u' ');
}

void InformationRun::readYear() {
    RowField year("Year");
    if (!m_report.test([&] { return year.notNull(); })) {
        m_year = QString(15, u' ');
        return;
    }
    // Asked the other way round, so that a failed test takes the 25-character column.
    const bool wide = m_report.test([&] { return !yearTakesTenCharacters(year.text()); });
    m_report.run([&] { m_year = yearColumn(year.text(), !wide); });
}

QString InformationRun::readSpecLine() {
    readYear();
    readColumn("Model", 20, m_model);
    readColumn("Displacement", 10, m_displacement);
    readColumn("Engine", 10, m_engine);
    readColumn("Mission", 20, m_mission);
    return m_year % u' ' % m_model % u' ' % m_displacement % u' ' % m_engine % u' ' % m_mission;
}

void InformationRun::noDataEnd() {
    forms::MsgBox(QStringLiteral("Data not Found"));
    m_report.run([&] { listPage().setMousePointer(0); });
}

void InformationRun::run() {
    using catalog::DBEngine;
    using forms::Label;
    using forms::ListBox;

    std::string path;
    m_report.run([&] { path = "C:\\Vexorin\\DATA\\Tessik-" + listPageLabel("Label4").toStdString() + ".MDB"; });
    // A successful open enters the table stage. databaseOpened() asks besides
    // that no earlier step failed, which adds nothing here: the only earlier
    // step forms the path, and when it fails the path stays empty and the open
    // fails too.
    if (m_report.run([&] { Module1::InfoDb = DBEngine::Workspaces(0).OpenDatabase(path); })) {
        m_report.databaseOpened();
    } else {
        // An earlier command that ended at "Data not Found" left its database
        // and result open; querying them would show another database's rows
        // under "DataBase not Open". Without them the later steps fail as on a
        // closed database.
        Module1::InfoRs = catalog::Recordset();
        Module1::InfoDb = catalog::Database();
    }
    m_report.run([&] { listPage().setMousePointer(11); });

    std::string query;
    m_report.run([&] { query = "SELECT DISTINCT CarCode,Type From CarSpecMaster WHERE " + conditionText(); });
    m_report.run([&] { Module1::InfoRs = Module1::InfoDb.OpenRecordset(query, 2); });
    long pairs = 0;
    if (m_report.test([&] {
            pairs = Module1::InfoRs.RecordCount();
            return pairs < 1;
        }))
        return noDataEnd();
    // Three groups to a page: the distinct pairs of car code and type, divided by 3 and rounded up.
    m_pages.reserve(static_cast<size_t>((pairs + 2) / 3));
    newPage(0);

    m_report.run([&] { query = "SELECT * From CarSpecMaster WHERE " + conditionText(); });
    m_report.run([&] { Module1::InfoRs = Module1::InfoDb.OpenRecordset(query, 2); });
    if (m_report.test([&] { return Module1::InfoRs.RecordCount() < 1; }))
        return noDataEnd();

    m_slot = 0;
    m_pageIndex = 0;
    m_groupHeader.clear();
    writeCaption(0);
    // Right after the open the current row is the first row.
    readRowHeader();
    m_groupHeader = m_rowHeader;
    m_report.run([&] { pageAt(0).control<Label>("Label1").setCaption(m_groupHeader); });
    m_report.run([&] { Module1::InfoRs.MoveFirst(); });

    for (;;) {
        // A failing end-of-rows test or move would otherwise never end the loop.
        bool atEnd = true;
        if (!m_report.run([&] { atEnd = Module1::InfoRs.Eof(); }) || atEnd)
            break;
        readRowHeader();
        if (m_rowHeader != m_groupHeader) {
            if (++m_slot > 2) {
                m_slot = 0;
                ++m_pageIndex;
                newPage(m_pageIndex);
                writeCaption(m_pageIndex);
            }
            m_report.run(
                [&] { pageAt(m_pageIndex).control<Label>(CarInfo::headerLabelName(m_slot)).setCaption(m_rowHeader); });
            m_groupHeader = m_rowHeader;
        }
        const QString line = readSpecLine();
        m_report.run([&] { pageAt(m_pageIndex).control<ListBox>(CarInfo::listName(m_slot)).AddItem(line); });
        if (!m_report.run([&] { Module1::InfoRs.MoveNext(); }))
            break;
    }

    Module1::CurrentInfoPage = 1;
    Module1::InfoPageCount = static_cast<std::int16_t>(m_pageIndex + 1);
    m_report.run(
        [&] { Module1::ReturnListPage = static_cast<std::int16_t>(forms::firstDigitValue(listPage().Caption())); });
    m_report.run([&] { listPage().setMousePointer(0); });

    // Waits here until Return or the close box has ended the chain of pages.
    m_report.run([&] { pageAt(0).ShowModal(); });

    m_report.run([&] { Module1::InfoRs.Close(); });
    m_report.run([&] { Module1::InfoDb.Close(); });
}

} // namespace

void Information() {
    InformationRun().run();
}

} // namespace carinfo
