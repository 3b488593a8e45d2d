// Search on "Car Select" and the parts list pages it makes, driven from the
// menu: captions, hidden labels, cascade, lines, "Data not Found", Return and
// Information.
#include "carlookup/PartsList.h"
#include "carlookup/Ptn2.h"
#include "forms/ComboBox.h"
#include "forms/Forms.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/OptionButton.h"
#include "forms/Screen.h"
#include "tests/carlookup/MakerCatalog.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ProgramDriver.h"

#include <QMessageBox>

#include <gtest/gtest.h>

namespace carlookuptest {
namespace {

using testsupport::GuiDriver;
using testsupport::MessageBoxRecorder;
using testsupport::ProgramDriver;

QString label(forms::Form& page, const char* name) {
    return page.control<forms::Label>(name).Caption();
}

QString spaces(int n) {
    return QString(n, u' ');
}

// The columns behind the name field: L/R, parts number, bearing number, other-make mark.
QString columns(const QString& rl, const QString& partsNo, const QString& bearingNo, const QString& otherMk) {
    return rl + u' ' + partsNo.leftJustified(15) + u' ' + bearingNo.leftJustified(20) + u' ' + otherMk;
}

class PartsSearchTest : public testing::Test {
protected:
    // TOYOTA: COROLLA (T100) has classes 1 to 3 with its timing belt tensioner
    // parts all in class 2; YARIS (T200) has rows, none for rear suspension;
    // PRIUS (T300) has no rows; CAMRY (T400) has classes 1, 2 and 5; HIACE
    // (T500) has eleven classes.
    void SetUp() override {
        std::vector<Row> parts = {
            part("T100", "1", 1, "FRONT HUB"),
            part("T100", "3", 2, "TENSIONER PULLEY", "13505-00001", "TKR6503"),
            part("T100", "3", 2, "IDLER PULLEY", "13503-00002", "TKR6504"),
            part("T100", "1", 3, "STRUT MOUNT"),
            part("T200", "1", 1, "FRONT HUB"),
            part("T400", "1", 1, "CLASS ONE"),
            part("T400", "1", 2, "CLASS TWO"),
            part("T400", "1", 5, "CLASS FIVE"),
        };
        for (long long c = 1; c <= 11; ++c)
            parts.push_back(part("T500", "1", c, "PART OF CLASS " + std::to_string(c)));
        folder.write(
            "Tessik-TOYOTA.MDB",
            {makerMaster({{"TOYOTA", " COROLLA ", "T100"},
                          {"TOYOTA", "YARIS", "T200"},
                          {"TOYOTA", "PRIUS", "T300"},
                          {"TOYOTA", "CAMRY", "T400"},
                          {"TOYOTA", "HIACE", "T500"}}),
             partsStructure(parts),
             carSpecMaster({{"T100", 1LL, "AE100", "SEDAN", "1991-1995", "AE100-AEMDK", "1500", "5A-FE", "5MT"},
                            {"T100", 1LL, "AE101", "SEDAN", "1991-1995", "AE101-AEMDK", "1600", "4A-FE", "4AT"},
                            {"T100", 1LL, "AE102", "WAGON", "1992-1995", "AE102-AEMDK", "1600", "4A-FE", "4AT"},
                            {"T100", 1LL, "AE104", "WAGON", "1992-1995", "AE104-AEMDK", "1600", "4A-FE", "4AT"}})});
    }

    testsupport::CatalogFolder folder;
};

TEST_F(PartsSearchTest, ThreeClassesGiveThreeCascadedPagesWithPage1InFront) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        search(gui, carSelect, "TOYOTA", " COROLLA ", 2); // Timing BeltTensioner
        const std::vector<forms::Form*> pages = loadedForms("PartsList");
        ASSERT_EQ(pages.size(), 3u);
        EXPECT_TRUE(messages.texts().isEmpty());

        const QString heading = "  Maker:[TOYOTA] CarName:[COROLLA] Aplication:[TimingBeltensioner]";
        const struct {
            QString caption;
            const char* classLabel;
            int left;
            int top;
            QStringList lines;
        } expected[] = {
            {"1/3" + heading, " 1", 310, 1690, {}},
            {"2/3" + heading,
             " 2",
             160,
             1360,
             {QString("TENSIONER PULLEY").leftJustified(100), spaces(41) + columns(" ", "13505-00001", "TKR6503", " "),
              QString("IDLER PULLEY").leftJustified(100), spaces(41) + columns(" ", "13503-00002", "TKR6504", " ")}},
            {"3/3" + heading, " 3", 10, 1030, {}},
        };
        for (size_t i = 0; i < pages.size(); ++i) {
            SCOPED_TRACE("page " + std::to_string(i + 1));
            forms::Form& page = *pages[i];
            EXPECT_EQ(page.Caption(), expected[i].caption);
            EXPECT_EQ(label(page, "Label2"), "T100");
            EXPECT_EQ(label(page, "Label3"), expected[i].classLabel);
            EXPECT_EQ(label(page, "Label4"), "TOYOTA");
            EXPECT_FALSE(page.control<forms::Label>("Label2").Visible());
            EXPECT_EQ(page.Left(), expected[i].left);
            EXPECT_EQ(page.Top(), expected[i].top);
            EXPECT_EQ(itemsOf(page, "List1"), expected[i].lines);
            EXPECT_TRUE(page.Visible());
            EXPECT_EQ(label(page, "Label1"), carlookup::PartsList::columnHeading());
        }
        EXPECT_EQ(carlookup::PartsList::columnHeading().size(), 231);
        EXPECT_TRUE(gui.waitFor([&] { return forms::Screen::ActiveForm() == pages[0]; }));
        EXPECT_FALSE(carSelect.Visible());
        EXPECT_EQ(carSelect.MousePointer(), 0);
    });
}

TEST_F(PartsSearchTest, ClassesWithAGapPlaceEveryLineOnThePageOfItsClass) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        search(gui, carSelect, "TOYOTA", "CAMRY");
        const std::vector<forms::Form*> pages = loadedForms("PartsList");
        ASSERT_EQ(pages.size(), 3u);
        EXPECT_TRUE(messages.texts().isEmpty());
        const char* const names[] = {"CLASS ONE", "CLASS TWO", "CLASS FIVE"};
        const char* const captions[] = {"1/3", "2/3", "5/3"};
        for (size_t i = 0; i < pages.size(); ++i) {
            EXPECT_TRUE(pages[i]->Caption().startsWith(QString(captions[i]) + "  Maker:[TOYOTA] CarName:[CAMRY]"))
                << pages[i]->Caption().toStdString();
            const QStringList lines = itemsOf(*pages[i], "List1");
            ASSERT_EQ(lines.size(), 2);
            EXPECT_EQ(lines[0].trimmed(), names[i]);
        }
        EXPECT_EQ(label(*pages[2], "Label3"), " 5");
    });
}

TEST_F(PartsSearchTest, ReturnFromPageTwoClosesEveryPageAndASecondSearchWorksAtOnce) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        search(gui, carSelect, "TOYOTA", " COROLLA ", 2);
        std::vector<forms::Form*> pages = loadedForms("PartsList");
        ASSERT_EQ(pages.size(), 3u);
        gui.click(*pages[1], "Command1");
        EXPECT_TRUE(loadedForms("PartsList").empty());
        ASSERT_TRUE(gui.waitFor([&] { return carSelect.Visible(); }));
        EXPECT_EQ(carSelect.control<forms::ComboBox>("Combo1").Text(), "TOYOTA");
        EXPECT_EQ(carSelect.control<forms::ComboBox>("Combo2").Text(), " COROLLA ");
        EXPECT_TRUE(carSelect.control<forms::OptionButton>("Option1(2)").Value());
        EXPECT_FALSE(gui.form("Menu")->Visible());

        gui.press(carSelect, Qt::Key_Return);
        pages = loadedForms("PartsList");
        ASSERT_EQ(pages.size(), 3u);
        EXPECT_EQ(itemsOf(*pages[1], "List1").size(), 4);
        // Esc on a page is its Return.
        gui.press(*pages[0], Qt::Key_Escape);
        EXPECT_TRUE(loadedForms("PartsList").empty());
        EXPECT_TRUE(messages.texts().isEmpty());
    });
}

TEST_F(PartsSearchTest, ElevenClassesGiveElevenPagesThatReturnCloses) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        search(gui, carSelect, "TOYOTA", "HIACE");
        const std::vector<forms::Form*> pages = loadedForms("PartsList");
        ASSERT_EQ(pages.size(), 11u);
        EXPECT_TRUE(pages[9]->Caption().startsWith("10/11  Maker:")) << pages[9]->Caption().toStdString();
        EXPECT_EQ(itemsOf(*pages[10], "List1").first().trimmed(), "PART OF CLASS 11");
        EXPECT_EQ(pages[10]->Left(), 10);
        EXPECT_EQ(pages[0]->Left(), 10 + 150 * 10);
        EXPECT_EQ(pages[0]->Top(), 700 + 330 * 11);
        gui.click(*pages[9], "Command1");
        EXPECT_TRUE(loadedForms("PartsList").empty());
        EXPECT_TRUE(gui.waitFor([&] { return carSelect.Visible(); }));
        EXPECT_TRUE(messages.texts().isEmpty());
    });
}

// Searches that end at "Data not Found": Car Select stays shown with the
// default pointer, and no page is shown.
struct NotFoundCase {
    const char* name;
    const char* model;
    int option;
    bool removeDatabase; // after the listing
    QStringList messages;
    size_t hiddenPages;
};

class NotFoundTest : public PartsSearchTest, public testing::WithParamInterface<NotFoundCase> {};

TEST_P(NotFoundTest, LeavesCarSelectShown) {
    onCarSelect([&](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        gui.choose(carSelect, "Combo1", "TOYOTA");
        if (GetParam().removeDatabase)
            std::filesystem::remove(folder.dataDir() / "Tessik-TOYOTA.MDB");
        gui.choose(carSelect, "Combo2", GetParam().model);
        gui.click(carSelect, "Option1(" + QString::number(GetParam().option) + ")");
        gui.click(carSelect, "Command2");
        answered(gui, messages, GetParam().messages.size());
        EXPECT_EQ(messages.texts(), GetParam().messages);
        const std::vector<forms::Form*> pages = loadedForms("PartsList");
        EXPECT_EQ(pages.size(), GetParam().hiddenPages);
        for (forms::Form* page : pages)
            EXPECT_FALSE(page->Visible());
        EXPECT_TRUE(carSelect.Visible());
        EXPECT_EQ(carSelect.MousePointer(), 0);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Cars, NotFoundTest,
    testing::Values(NotFoundCase{"CarWithoutRows", "PRIUS", 0, false, {"Data not Found"}, 0},
                    NotFoundCase{"NoRowsForTheApplication", "YARIS", 1, false, {"Data not Found"}, 1},
                    NotFoundCase{"MissingDatabase",
                                 "YARIS",
                                 0,
                                 true,
                                 {"DataBase not Open", "DataBase not Open", "DataBase not Open", "Data not Found"},
                                 0}),
    [](const testing::TestParamInfo<NotFoundCase>& info) { return std::string(info.param.name); });

TEST_F(PartsSearchTest, TheHourglassShowsWhileTheSearchWorks) {
    ProgramDriver::run([](GuiDriver& gui) {
        forms::Form* carSelect = openCarSelect(gui);
        ASSERT_NE(carSelect, nullptr);
        gui.choose(*carSelect, "Combo1", "TOYOTA");
        EXPECT_EQ(carSelect->MousePointer(), 0);
        gui.choose(*carSelect, "Combo2", "PRIUS");
        gui.click(*carSelect, "Command2");
        // The search waits in its "Data not Found" box.
        QMessageBox* box = GuiDriver::messageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Data not Found");
        EXPECT_EQ(carSelect->MousePointer(), 11);
        gui.answerMessageBox();
        EXPECT_EQ(carSelect->MousePointer(), 0);
    });
}

TEST_F(PartsSearchTest, PagesLeftHiddenAreClosedByTheNextReturn) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        search(gui, carSelect, "TOYOTA", " COROLLA ", 1); // no rear suspension parts
        answered(gui, messages, 1);
        EXPECT_EQ(messages.texts(), QStringList{"Data not Found"});
        ASSERT_EQ(loadedForms("PartsList").size(), 3u);
        gui.click(carSelect, "Option1(0)");
        gui.click(carSelect, "Command2");
        const std::vector<forms::Form*> pages = loadedForms("PartsList");
        ASSERT_EQ(pages.size(), 6u);
        EXPECT_FALSE(pages[0]->Visible());
        EXPECT_TRUE(pages[3]->Visible());
        gui.click(*pages[3], "Command1");
        EXPECT_TRUE(loadedForms("PartsList").empty());
    });
}

TEST_F(PartsSearchTest, LinesOfACarWhoseNumberHoldsAQuote) {
    folder.write("Tessik-MAZDA.MDB", {makerMaster({{"MAZDA", "DEMIO", "M\"1"}}),
                                      partsStructure({{"M\"1", "1", 1LL, 1LL, std::string("HUB ASSY").append(52, ' '),
                                                       "L", "B25D-33-04X", "DAC3055W", "*"},
                                                      {"M\"1", "1", 1LL, 0LL, "", "RL", Null, "6203", Null},
                                                      {"M\"2", "1", 1LL, 0LL, "NOT THIS CAR", "", "", "", ""}})});
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        search(gui, carSelect, "MAZDA", "DEMIO");
        const std::vector<forms::Form*> pages = loadedForms("PartsList");
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_TRUE(messages.texts().isEmpty());
        EXPECT_EQ(label(*pages[0], "Label2"), "M\"1");
        EXPECT_EQ(pages[0]->Left(), 10);
        EXPECT_EQ(pages[0]->Top(), 1030);
        EXPECT_EQ(itemsOf(*pages[0], "List1"), (QStringList{QString("  HUB ASSY").leftJustified(40) + u' ' +
                                                                columns("L", "B25D-33-04X", "DAC3055W", "*"),
                                                            spaces(40) + u' ' + columns("RL", "", "6203", " ")}));
    });
}

TEST_F(PartsSearchTest, EnterOnAPageRunsInformationAndReturnClosesItsPagesToo) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        search(gui, carSelect, "TOYOTA", " COROLLA ");
        std::vector<forms::Form*> pages = loadedForms("PartsList");
        ASSERT_EQ(pages.size(), 3u);
        gui.press(*pages[0], Qt::Key_Return);
        // Four car code and type groups: two car information pages, page 1 shown modally.
        forms::Form* info = gui.waitForForm("P1 Maker:TOYOTA  CarName: COROLLA ");
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(loadedForms("PartsList").size(), 3u);
        gui.click(*info, "Command3"); // Next
        forms::Form* second = gui.waitForForm("P2 Maker:TOYOTA  CarName: COROLLA ");
        ASSERT_NE(second, nullptr);
        // Its close box leaves page 1 loaded and hidden.
        gui.closeWindow(*second);
        ASSERT_TRUE(gui.waitFor([&] { return loadedForms("CarInfo").size() == 1; }));
        EXPECT_FALSE(loadedForms("CarInfo").front()->Visible());

        gui.click(*pages[0], "Command1");
        EXPECT_TRUE(loadedForms("PartsList").empty());
        EXPECT_TRUE(loadedForms("CarInfo").empty());
        EXPECT_TRUE(gui.waitFor([&] { return carSelect.Visible(); }));
        EXPECT_TRUE(messages.texts().isEmpty());
    });
}

} // namespace
} // namespace carlookuptest
