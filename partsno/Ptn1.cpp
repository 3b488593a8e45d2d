#include "partsno/Ptn1.h"

#include "catalog/DBEngine.h"
#include "catalog/QueryText.h"
#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/MsgBox.h"
#include "forms/StageReport.h"
#include "forms/TextBox.h"
#include "forms/TextFunctions.h"

#include <optional>

namespace partsno {
namespace {

constexpr int NumberWidth = 20;
constexpr int Hourglass = 11;
constexpr int DefaultPointer = 0;

// The piece of a parts or bearing number for the current row: the trimmed value
// in a fixed field, or blanks for an empty or Null value. A piece whose field
// cannot be read keeps its text from the previous row.
void numberPiece(forms::StageReport& report, const catalog::Recordset& rows, const char* field, std::string& piece) {
    std::optional<catalog::FieldValue> value;
    if (report.test([&] {
            value = rows.Fields(field);
            return !value->isEmpty();
        })) {
        // After a failed emptiness test the field is read again, as the non-empty branch does.
        report.run([&] {
            const std::string text = value ? value->toText() : rows.Fields(field).toText();
            piece.clear();
            forms::appendFixedFieldUtf8(piece, forms::trimBlanksUtf8(text), NumberWidth);
        });
    } else {
        piece.assign(NumberWidth, ' ');
    }
}

// The other-make piece: the value as stored, or one blank for an empty or Null value.
void otherMakePiece(forms::StageReport& report, const catalog::Recordset& rows, std::string& piece) {
    std::optional<catalog::FieldValue> value;
    if (report.test([&] {
            value = rows.Fields("OtherMk");
            return !value->isEmpty();
        })) {
        report.run([&] { piece = value ? value->toText() : rows.Fields("OtherMk").toText(); });
    } else {
        piece = " ";
    }
}

// The line of one row from its three pieces (UTF-8), joined by blanks; buffer
// is scratch space kept from line to line.
QString bearingLine(std::string& buffer, const std::string& partsPiece, const std::string& bearingPiece,
                    const std::string& otherPiece) {
    buffer.clear();
    buffer += partsPiece;
    buffer += ' ';
    buffer += bearingPiece;
    buffer += ' ';
    buffer += otherPiece;
    return QString::fromUtf8(buffer);
}

} // namespace

const char* const Ptn1::PartsNoDatabase = R"(C:\Vexorin\DATA\PartsNo.MDB)";

void Ptn1::createControls() {
    setCaption("Parts No Search");
    setControlBox(false);
    setMinButton(false);
    setMaxButton(false);
    setKeyPreview(true);
    setDesignedPosition(2235, 2280);
    setClientSize(3930, 1080);

    // Created in tab order; Text1, the first that takes the focus, has it when the form opens.
    auto* label1 = addControl<forms::Label>("Label1", forms::TwipsRect{120, 180, 735, 255});
    label1->setCaption("Parts No");

    addControl<forms::TextBox>("Text1", forms::TwipsRect{960, 120, 2895, 375});

    auto* command2 = addControl<forms::CommandButton>("Command2", forms::TwipsRect{105, 570, 1050, 420});
    command2->setCaption("Search");
    command2->onClick = [this] { Search(); };

    auto* command1 = addControl<forms::CommandButton>("Command1", forms::TwipsRect{1185, 570, 1050, 405});
    command1->setCaption("Return");
    command1->setCancel(true);
    command1->onClick = [this] { Return(); };
}

void Ptn1::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == 13)
        Search();
}

void Ptn1::InputCheck() {
    if (control<forms::TextBox>("Text1").Text().isEmpty())
        SearchAll = 1;
}

std::string Ptn1::searchStatement(const QString& typed, bool searchAll) {
    std::string statement = "SELECT * From PartsMaster";
    if (!searchAll)
        statement += " WHERE PartsNo Like " + catalog::quoteText(typed.toStdString() + "*");
    return statement;
}

// The search runs as a sequence of steps under a stage report: a failing step
// shows the stage's message, has no effect, and the search goes on with the
// next step.
void Ptn1::Search() {
    // The input check; Ptn1 accepts every input.
    InputError = 0;
    InputCheck();
    if (InputError != 0)
        return;

    // From here on a failure shows "DataBase not Open", and once the database
    // has opened cleanly "Table not Open".
    forms::StageReport report(this);
    report.run([&] { setMousePointer(Hourglass); });
    // On failure PartsDb keeps the database of an earlier search, or none.
    report.run([&] { PartsDb = catalog::DBEngine::Workspaces(0).OpenDatabase(PartsNoDatabase); });
    report.databaseOpened();
    std::string statement;
    report.run([&] { statement = searchStatement(control<forms::TextBox>("Text1").Text(), SearchAll == 1); });
    report.run([&] { setMousePointer(Hourglass); });
    // On failure PartsRs keeps the rows of an earlier search, or none.
    report.run([&] { PartsRs = PartsDb.OpenRecordset(statement, 2); });
    // A record count that cannot be read counts as no rows.
    if (report.test([&] { return PartsRs.RecordCount() < 1; })) {
        notFound(report);
        return;
    }
    // BrgInfo stays hidden while it is filled.
    forms::Form& brgInfo = forms::Forms::Default("BrgInfo");
    report.run([&] { brgInfo.Load(); });
    report.run([&] { PartsRs.MoveFirst(); });
    listRows(report, brgInfo);
    report.run([&] { brgInfo.Show(); });
    report.run([&] { setMousePointer(DefaultPointer); });
    // Each closing is tried on its own.
    report.run([&] { PartsRs.Close(); });
    report.run([&] { PartsDb.Close(); });
    // The report is done with; BrgInfo is left the only visible form.
    setMousePointer(DefaultPointer);
    Hide();
    SearchAll = 0;
}

void Ptn1::listRows(forms::StageReport& report, forms::Form& brgInfo) {
    // The pieces live across rows: one whose field cannot be read keeps the
    // previous row's text.
    std::string partsPiece;
    std::string bearingPiece;
    std::string otherPiece;
    std::string line;
    forms::ListBox* list = nullptr;
    for (;;) {
        // A recordset that fails its end-of-rows test or its move would fail
        // them again for ever: the listing ends after that message.
        bool atEnd = false;
        if (!report.run([&] { atEnd = PartsRs.Eof(); }) || atEnd)
            break;
        numberPiece(report, PartsRs, "PartsNo", partsPiece);
        numberPiece(report, PartsRs, "BearingNo", bearingPiece);
        otherMakePiece(report, PartsRs, otherPiece);
        report.run([&] {
            // Found once: BrgInfo stays hidden and loaded while it is filled.
            if (!list)
                list = &brgInfo.control<forms::ListBox>(QStringLiteral("List1"));
            list->AddItem(bearingLine(line, partsPiece, bearingPiece, otherPiece));
        });
        if (!report.run([&] { PartsRs.MoveNext(); }))
            break;
    }
}

void Ptn1::notFound(forms::StageReport& report) {
    report.run([] { forms::MsgBox("Data not Found"); });
    setMousePointer(DefaultPointer);
    SearchAll = 0;
}

void Ptn1::Return() {
    Unload();
    forms::Forms::Default("Menu").Show();
}

} // namespace partsno
