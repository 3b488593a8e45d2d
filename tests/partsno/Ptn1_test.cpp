// "Parts No Search" driven from the menu: what a search lists for what the box
// holds, the messages of a catalogue that fails, Enter and the wait cursor.
#include "partsno/Ptn1.h"

#include "forms/Forms.h"
#include "forms/TextBox.h"
#include "tests/partsno/PartsNoSession.h"
#include "tests/support/ProgramDriver.h"

#include <QMessageBox>
#include <QWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace partsnotest {
namespace {

using testsupport::CatalogFolder;
using testsupport::GuiDriver;
using testsupport::MessageBoxRecorder;
using testsupport::Null;
using testsupport::ProgramDriver;
using testsupport::Row;

// Stored in this order; the search asks for no order, so lines follow it.
const std::vector<Row> storedParts = {
    {std::string("12345-001"), std::string("6204"), std::string("*")},
    {std::string("22345-001"), std::string(" 6301  "), std::string("")},
    {std::string(" 12345-003"), std::string("6302"), std::string("*")},
    {std::string("12345-002"), std::string("6205"), Null},
    {std::string("AB\"C-1"), std::string("7001"), std::string("*")},
    {std::string("1A3-9"), std::string("7002"), std::string(" x ")},
    {Null, std::string("7004"), std::string("*")},
    {std::string(""), Null, Null},
    {std::string("LONG-PARTS-NUMBER-0123456"), std::string("BEARING-NUMBER-OF-25-CHAR"), std::string("*")},
    {std::string("1B3-9"), std::string("7003"), Null},
};

void writeParts(const CatalogFolder& folder) {
    folder.write("PartsNo.MDB", {partsMaster(storedParts)});
}

// A PartsMaster that lacks its OtherMk field.
void writePartsWithoutMark(const CatalogFolder& folder) {
    folder.write("PartsNo.MDB",
                 {{"PartsMaster",
                   {"PartsNo TEXT", "BearingNo TEXT"},
                   {{std::string("12345-001"), std::string("6204")}, {std::string("12345-002"), std::string("6205")}},
                   {}}});
}

struct SearchCase {
    const char* name;
    std::function<void(const CatalogFolder&)> catalogue;
    QString typed;
    QStringList lines;    // none: nothing listed, BrgInfo not loaded
    QStringList messages; // in the order shown
};

// Names the case in failure messages.
void PrintTo(const SearchCase& c, std::ostream* out) {
    *out << c.name;
}

const QStringList everyLine = {
    columns("12345-001", "6204", "*"),
    columns("22345-001", "6301", " "),
    columns("12345-003", "6302", "*"),
    columns("12345-002", "6205", " "),
    columns("AB\"C-1", "7001", "*"),
    columns("1A3-9", "7002", " x "),
    columns("", "7004", "*"),
    QString(20, ' ') + " " + QString(20, ' ') + "  ",
    "LONG-PARTS-NUMBER-0123456 BEARING-NUMBER-OF-25-CHAR *",
    columns("1B3-9", "7003", " "),
};

const QStringList notFound = {"Data not Found"};

std::vector<SearchCase> searchCases() {
    return {
        {"BeginningOfAPartsNumber", writeParts, "12345", {everyLine[0], everyLine[3]}, {}},
        {"EmptyBoxListsEveryRowInStoredOrder", writeParts, "", everyLine, {}},
        {"SpacesAreKeptSoOnlyNumbersBeginningWithThemMatch", writeParts, " ", {everyLine[2]}, {}},
        {"QuoteIsSearchedAsTyped", writeParts, "AB\"", {everyLine[4]}, {}},
        {"QuestionMarkStandsForOneCharacter", writeParts, "1?3-", {everyLine[5], everyLine[9]}, {}},
        {"StarStandsForAnyRun", writeParts, "*-00", {everyLine[0], everyLine[1], everyLine[2], everyLine[3]}, {}},
        {"LongNumbersAreShownWhole", writeParts, "LONG", {everyLine[8]}, {}},
        {"NoMatch", writeParts, "99", {}, notFound},
        {"MalformedPattern", writeParts, "[", {}, {"Table not Open", "Table not Open", "Data not Found"}},
        {"MissingDatabase",
         [](const CatalogFolder&) {},
         "12345",
         {},
         {"DataBase not Open", "DataBase not Open", "DataBase not Open", "Data not Found"}},
        {"UnreadableDatabase",
         [](const CatalogFolder& folder) { std::ofstream(folder.dataDir() / "PartsNo.MDB") << "not a catalogue"; },
         "12345",
         {},
         {"DataBase not Open", "DataBase not Open", "DataBase not Open", "Data not Found"}},
        {"MissingTable",
         [](const CatalogFolder& folder) {
             folder.write("PartsNo.MDB", {{"MakerMaster", {"MakerName TEXT"}, {{std::string("TOYOTA")}}, {}}});
         },
         "12345",
         {},
         {"Table not Open", "Table not Open", "Data not Found"}},
        // Each row reports its unreadable mark twice (the test, then the read) and
        // keeps the mark piece of the row before: none yet.
        {"MissingOtherMakeField",
         writePartsWithoutMark,
         "12345",
         {columns("12345-001", "6204", ""), columns("12345-002", "6205", "")},
         {"Table not Open", "Table not Open", "Table not Open", "Table not Open"}},
    };
}

class SearchTest : public testing::TestWithParam<SearchCase> {
protected:
    CatalogFolder folder;
};

TEST_P(SearchTest, ListsWhatTheBoxHoldsOrSaysWhy) {
    const SearchCase& c = GetParam();
    c.catalogue(folder);
    ProgramDriver::run([&](GuiDriver& gui) {
        MessageBoxRecorder messages;
        forms::Form* search = openPartsSearch(gui);
        ASSERT_NE(search, nullptr);
        gui.type(*search, "Text1", c.typed);
        gui.click(*search, "Command2");
        ASSERT_TRUE(answered(gui, messages, c.messages.size())) << messages.texts().join(", ").toStdString();
        EXPECT_EQ(messages.texts(), c.messages);
        for (const auto& seen : messages.seen()) {
            EXPECT_EQ(seen.icon, QMessageBox::Warning);
            EXPECT_EQ(seen.buttons, QStringList{"OK"});
        }

        forms::Form* brgInfo = gui.form("BrgInfo");
        if (c.lines.isEmpty()) {
            EXPECT_EQ(brgInfo, nullptr);
            EXPECT_EQ(visibleForms(), QStringList{"Ptn1"});
            EXPECT_EQ(search->control<forms::TextBox>("Text1").Text(), c.typed);
        } else {
            ASSERT_NE(brgInfo, nullptr);
            EXPECT_EQ(listedLines(*brgInfo), c.lines);
            EXPECT_EQ(visibleForms(), QStringList{"BrgInfo"});
            // A listing closes what it opened.
            EXPECT_FALSE(ptn1().PartsRs.isOpen());
            EXPECT_FALSE(ptn1().PartsDb.isOpen());
        }
        EXPECT_EQ(ptn1().MousePointer(), 0);
        EXPECT_EQ(ptn1().SearchAll, 0);
        EXPECT_EQ(ptn1().InputError, 0);
    });
}

INSTANTIATE_TEST_SUITE_P(Catalogues, SearchTest, testing::ValuesIn(searchCases()),
                         [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

// Enter runs Search from every control of the form and with any of Shift, Ctrl and Alt.
struct EnterCase {
    const char* name;
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// Names the case in failure messages.
void PrintTo(const EnterCase& c, std::ostream* out) {
    *out << c.name;
}

class EnterTest : public testing::TestWithParam<EnterCase> {
protected:
    void SetUp() override { writeParts(folder); }
    CatalogFolder folder;
};

TEST_P(EnterTest, RunsSearch) {
    const EnterCase& c = GetParam();
    ProgramDriver::run([&](GuiDriver& gui) {
        MessageBoxRecorder messages;
        forms::Form* search = openPartsSearch(gui);
        ASSERT_NE(search, nullptr);
        gui.type(*search, "Text1", "1?3-");
        gui.widget(*search, c.focus)->setFocus();
        gui.press(*search, c.key, c.modifiers);
        ASSERT_TRUE(answered(gui, messages, 0)) << messages.texts().join(", ").toStdString();
        forms::Form* brgInfo = gui.waitForForm("BrgInfo");
        ASSERT_NE(brgInfo, nullptr);
        EXPECT_EQ(listedLines(*brgInfo), (QStringList{everyLine[5], everyLine[9]}));
        EXPECT_EQ(visibleForms(), QStringList{"BrgInfo"});
    });
}

INSTANTIATE_TEST_SUITE_P(Keys, EnterTest,
                         testing::Values(EnterCase{"InTheBox", "Text1", Qt::Key_Return, Qt::NoModifier},
                                         EnterCase{"WithShift", "Text1", Qt::Key_Return, Qt::ShiftModifier},
                                         EnterCase{"WithCtrl", "Text1", Qt::Key_Return, Qt::ControlModifier},
                                         EnterCase{"WithAlt", "Text1", Qt::Key_Return, Qt::AltModifier},
                                         EnterCase{"KeypadEnter", "Text1", Qt::Key_Enter, Qt::KeypadModifier},
                                         EnterCase{"OnSearch", "Command2", Qt::Key_Return, Qt::NoModifier},
                                         EnterCase{"OnReturn", "Command1", Qt::Key_Return, Qt::NoModifier}),
                         [](const testing::TestParamInfo<EnterCase>& info) { return std::string(info.param.name); });

// The wait cursor is on while the search works and off again after each
// report, so the clerk sees it behind the first two messages only.
TEST(SearchPointerTest, HourglassWhileWorkingAndDefaultAfterEachReport) {
    CatalogFolder folder; // no database
    ProgramDriver::run([](GuiDriver& gui) {
        forms::Form* search = openPartsSearch(gui);
        ASSERT_NE(search, nullptr);
        gui.click(*search, "Command2");
        QStringList texts;
        std::vector<int> pointers;
        while (QMessageBox* box = GuiDriver::messageBox()) {
            texts << box->text();
            pointers.push_back(search->MousePointer());
            gui.answerMessageBox();
        }
        EXPECT_EQ(texts,
                  (QStringList{"DataBase not Open", "DataBase not Open", "DataBase not Open", "Data not Found"}));
        EXPECT_EQ(pointers, (std::vector<int>{11, 11, 0, 0}));
        EXPECT_EQ(search->MousePointer(), 0);
    });
}

// A result that keeps failing its move would once have listed for ever: the
// listing now ends after that failure's message and BrgInfo shows what it has.
TEST(SearchFailureTest, ListingEndsWhenTheMoveToTheNextRowFails) {
    CatalogFolder folder;
    writePartsWithoutMark(folder);
    ProgramDriver::run([](GuiDriver& gui) {
        forms::Form* search = openPartsSearch(gui);
        ASSERT_NE(search, nullptr);
        gui.click(*search, "Command2");
        // The first row's missing mark is reported; meanwhile the database goes away.
        ASSERT_NE(GuiDriver::messageBox(), nullptr);
        ptn1().PartsDb.Close();
        QStringList texts;
        for (int guard = 0; guard < 20; ++guard) {
            QMessageBox* box = GuiDriver::messageBox();
            if (!box)
                break;
            texts << box->text();
            gui.answerMessageBox();
        }
        // The mark's test and read, the move, then both closings.
        EXPECT_EQ(texts, QStringList(5, "Table not Open"));
        forms::Form* brgInfo = gui.waitForForm("BrgInfo");
        ASSERT_NE(brgInfo, nullptr);
        EXPECT_EQ(listedLines(*brgInfo), QStringList{columns("12345-001", "6204", "")});
        EXPECT_EQ(visibleForms(), QStringList{"BrgInfo"});
    });
}

} // namespace
} // namespace partsnotest
