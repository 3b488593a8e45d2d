#include "carlookup/PartsSearch.h"

#include "carlookup/PartLine.h"
#include "carlookup/PartsList.h"
#include "carlookup/Ptn2.h"
#include "catalog/DBEngine.h"
#include "catalog/QueryText.h"
#include "forms/ComboBox.h"
#include "forms/Forms.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/MsgBox.h"
#include "forms/TextFunctions.h"

namespace carlookup {
namespace {

constexpr int Hourglass = 11;
constexpr int DefaultPointer = 0;

// The class of the current row as a number: a stored number as it is, a text
// by the number at its start. Throws catalog::CatalogError for a Null class.
double classOf(const catalog::Recordset& rows) {
    return forms::valueOfText(QString::fromStdString(rows.Fields("Class").toText()));
}

} // namespace

PartsSearch::PartsSearch(Ptn2& form) : m_form(form), m_report(&form) {}

QString PartsSearch::applicationName(const QString& code) {
    if (code == u"1")
        return QStringLiteral("FrontSuspention");
    if (code == u"2")
        return QStringLiteral("RearSuspention");
    if (code == u"3")
        return QStringLiteral("TimingBeltensioner");
    if (code == u"4")
        return QStringLiteral("ClutchReleaseBearing");
    return {};
}

QString PartsSearch::headingText(const QString& maker, const QString& model, const QString& applicationCode) {
    return QStringLiteral("  Maker:[") + forms::trimBlanks(maker) + QStringLiteral("] CarName:[") +
           forms::trimBlanks(model) + QStringLiteral("] Aplication:[") +
           forms::trimBlanks(applicationName(applicationCode)) + u']';
}

std::string PartsSearch::classQuery(const QString& carNo) {
    return std::string("SELECT DISTINCT Class From PartsStructure") + " WHERE " +
           "CarNo = " + catalog::quoteText(carNo.toStdString());
}

std::string PartsSearch::detailQuery(const QString& carNo, const QString& applicationCode) {
    return std::string("SELECT * From PartsStructure") + " WHERE " +
           "CarNo =" + catalog::quoteText(carNo.toStdString()) +
           "And Application = " + catalog::quoteText(applicationCode.toStdString());
}

void PartsSearch::run() {
    m_form.InputError = 0;
    m_form.InputCheck();
    if (m_form.InputError != 0)
        return;

    // From here on a failure shows "DataBase not Open", and once the maker
    // database has opened cleanly "Table not Open".
    auto& models = m_form.control<forms::ComboBox>("Combo2");
    m_heading = headingText(m_form.control<forms::ComboBox>("Combo1").Text(), models.Text(), m_form.ApplicationCode);
    // On failure MakerDb keeps the database of an earlier operation, or none.
    if (m_report.run([&] {
            m_form.MakerDb = catalog::DBEngine::Workspaces(0).OpenDatabase(Ptn2::makerDatabase(m_form.SelectedMaker));
        }))
        m_report.databaseOpened();
    m_report.run([&] {
        const int index = models.ListIndex();
        if (index < 0 || index >= m_form.CarNoList.size())
            throw forms::FormError("no car number for model " + std::to_string(index));
        m_carNo = m_form.CarNoList[index];
    });
    const std::string classes = classQuery(m_carNo);
    m_form.setMousePointer(Hourglass);
    // On failure MakerRs keeps the rows of an earlier operation, or none.
    m_report.run([&] { m_form.MakerRs = m_form.MakerDb.OpenRecordset(classes, 2); });
    long classCount = 0;
    if (m_report.test([&] {
            classCount = m_form.MakerRs.RecordCount();
            return classCount < 1;
        })) {
        dataNotFound();
        return;
    }

    // One page per class row.
    m_report.run([&] { m_form.MakerRs.MoveFirst(); });
    m_pages.assign(static_cast<size_t>(classCount) + 1, Page{});
    int k = 1;
    for (;;) {
        // A recordset that fails its end-of-rows test or its move would fail
        // them again for ever: the loop ends after that message.
        bool atEnd = false;
        if (!m_report.run([&] { atEnd = m_form.MakerRs.Eof(); }) || atEnd)
            break;
        makePage(k, classCount);
        ++k;
        if (!m_report.run([&] { m_form.MakerRs.MoveNext(); }))
            break;
    }
    m_pageCount = k - 1;

    // The lines of the application; the class rows are dropped without Close.
    const std::string details = detailQuery(m_carNo, m_form.ApplicationCode);
    m_report.run([&] { m_form.MakerRs = m_form.MakerDb.OpenRecordset(details, 2); });
    if (m_report.test([&] { return m_form.MakerRs.RecordCount() < 1; })) {
        dataNotFound();
        return;
    }
    m_report.run([&] { m_form.MakerRs.MoveFirst(); });
    placeLines();
    showPages();

    m_form.setMousePointer(DefaultPointer);
    m_report.run([&] { m_form.MakerRs.Close(); });
    m_report.run([&] { m_form.MakerDb.Close(); });
    m_form.Hide();
}

// Page k for the current class row: made, loaded, captioned and labelled, each
// a step of its own.
void PartsSearch::makePage(int k, long pageCount) {
    m_report.run([&] {
        Page& slot = place(k);
        slot.form = &forms::Forms::New<PartsList>();
    });
    m_report.run([&] {
        PartsList& form = pageForm(k);
        form.Load();
        place(k).list = &form.control<forms::ListBox>("List1");
    });
    m_report.run([&] { pageForm(k).setCaption(m_heading); });
    m_report.run([&] {
        const double classNumber = classOf(m_form.MakerRs);
        PartsList& form = pageForm(k);
        form.setCaption(forms::decimalText(classNumber) + u'/' + QString::number(pageCount) + form.Caption());
        place(k).classNumber = classNumber;
    });
    m_report.run([&] { pageForm(k).control<forms::Label>("Label2").setCaption(m_carNo); });
    m_report.run([&] {
        pageForm(k).control<forms::Label>("Label3").setCaption(forms::signedNumberText(classOf(m_form.MakerRs)));
    });
    m_report.run([&] { pageForm(k).control<forms::Label>("Label4").setCaption(m_form.SelectedMaker); });
}

// Each line of the application goes to the end of the list of the page made
// for its class, whatever place that page has in the table.
void PartsSearch::placeLines() {
    catalog::Recordset& rows = m_form.MakerRs;
    const auto field = [&](const char* name) { return m_report.value([&] { return rows.Fields(name); }); };
    for (;;) {
        bool atEnd = false;
        if (!m_report.run([&] { atEnd = rows.Eof(); }) || atEnd)
            break;
        PartRow row;
        row.DispLevel = field("DispLevel");
        row.PartsName = field("PartsName");
        row.RL = field("RL");
        row.PartsNo = field("PartsNo");
        row.BearingNo = field("BearingNo");
        row.OtherMk = field("OtherMk");
        const QStringList items = partLineItems(row);
        const std::optional<double> classNumber = m_report.value([&] { return classOf(rows); });
        for (const QString& item : items)
            m_report.run([&] { pageOfClass(classNumber).list->AddItem(item); });
        if (!m_report.run([&] { rows.MoveNext(); }))
            break;
    }
}

// Cascades the pages from the last to the first, so that page 1 is shown last,
// furthest right and down, in front of the others.
void PartsSearch::showPages() {
    for (int i = m_pageCount; i >= 1; --i) {
        const int behind = m_pageCount - i;
        m_report.run([&] {
            PartsList& form = pageForm(i);
            form.setLeft(10 + 150 * behind);
            form.setTop(700 + 330 * (behind + 1));
        });
        m_report.run([&] { pageForm(i).Show(); });
    }
}

PartsSearch::Page& PartsSearch::place(int k) {
    if (k < 1 || k >= static_cast<int>(m_pages.size()))
        throw forms::FormError("the page table has no place " + std::to_string(k));
    return m_pages[static_cast<size_t>(k)];
}

PartsList& PartsSearch::pageForm(int k) {
    Page& slot = place(k);
    if (!slot.form)
        throw forms::FormError("no parts list page was made for place " + std::to_string(k));
    return *slot.form;
}

PartsSearch::Page& PartsSearch::pageOfClass(const std::optional<double>& classNumber) {
    if (!classNumber)
        throw forms::FormError("the class of the line could not be read");
    for (Page& slot : m_pages)
        if (slot.list && slot.classNumber == classNumber)
            return slot;
    throw forms::FormError("no parts list page for class " + forms::decimalText(*classNumber).toStdString());
}

void PartsSearch::dataNotFound() {
    forms::MsgBox("Data not Found");
    m_form.setMousePointer(DefaultPointer);
}

} // namespace carlookup
