// "Car Select" driven from the menu: listing a maker's models, the input check,
// the application options and Return.
#include "carlookup/Ptn2.h"
#include "forms/ComboBox.h"
#include "forms/Forms.h"
#include "forms/OptionButton.h"
#include "tests/carlookup/MakerCatalog.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ProgramDriver.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace carlookuptest {
namespace {

using testsupport::GuiDriver;
using testsupport::MessageBoxRecorder;
using testsupport::ProgramDriver;

class CarSelectTest : public testing::Test {
protected:
    // NISSAN has two models; TOYOTA's are stored out of car-number order, with
    // names in reverse order of their numbers, beside a row of another maker.
    void SetUp() override {
        folder.write("Tessik-NISSAN.MDB", {makerMaster({{"NISSAN", "MARCH", "N001"}, {"NISSAN", "NOTE", "N002"}})});
        folder.write("Tessik-TOYOTA.MDB", {makerMaster({{"TOYOTA", "CROWN", "T010"},
                                                        {"TOYOTA", "AYGO", "T030"},
                                                        {"NISSAN", "MARCH", "N001"},
                                                        {"TOYOTA", "BB", "T020"}})});
    }

    testsupport::CatalogFolder folder;
};

TEST_F(CarSelectTest, ListsTheMakersModelsInCarNumberOrder) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        EXPECT_FALSE(gui.form("Menu")->Visible());
        gui.choose(carSelect, "Combo1", "TOYOTA");
        EXPECT_EQ(itemsOf(carSelect, "Combo2"), (QStringList{"CROWN", "BB", "AYGO"}));
        EXPECT_EQ(ptn2().CarNoList, (QStringList{"T010", "T020", "T030"}));
        EXPECT_EQ(carSelect.control<forms::ComboBox>("Combo2").ListIndex(), -1);
        EXPECT_EQ(ptn2().SelectedMaker, "TOYOTA");
        EXPECT_EQ(carSelect.MousePointer(), 0);
        EXPECT_TRUE(messages.texts().isEmpty());
    });
}

TEST_F(CarSelectTest, ArrowKeysOnTheMakerListChooseEachMakerPassed) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        gui.widget(carSelect, "Combo1")->setFocus();
        gui.press(carSelect, Qt::Key_Down); // TOYOTA
        EXPECT_EQ(ptn2().SelectedMaker, "TOYOTA");
        EXPECT_EQ(itemsOf(carSelect, "Combo2"), (QStringList{"CROWN", "BB", "AYGO"}));
        gui.press(carSelect, Qt::Key_Down); // NISSAN
        EXPECT_EQ(ptn2().SelectedMaker, "NISSAN");
        EXPECT_EQ(itemsOf(carSelect, "Combo2"), (QStringList{"MARCH", "NOTE"}));
        EXPECT_TRUE(messages.texts().isEmpty());
    });
}

TEST_F(CarSelectTest, ChoosingTheSameMakerAgainChangesNothing) {
    onCarSelect([&](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        gui.choose(carSelect, "Combo1", "TOYOTA");
        gui.choose(carSelect, "Combo2", "BB");
        // Without its database a new listing would report failures.
        std::filesystem::remove(folder.dataDir() / "Tessik-TOYOTA.MDB");
        gui.choose(carSelect, "Combo1", "TOYOTA");
        EXPECT_EQ(itemsOf(carSelect, "Combo2"), (QStringList{"CROWN", "BB", "AYGO"}));
        EXPECT_EQ(carSelect.control<forms::ComboBox>("Combo2").Text(), "BB");
        EXPECT_TRUE(messages.texts().isEmpty());
    });
}

TEST_F(CarSelectTest, ANewMakerClearsTheModelAndMarksFrontSuspension) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        gui.choose(carSelect, "Combo1", "TOYOTA");
        gui.choose(carSelect, "Combo2", "CROWN");
        gui.click(carSelect, "Option1(1)"); // Rear Suspension
        EXPECT_EQ(ptn2().ApplicationCode, "2");
        gui.choose(carSelect, "Combo1", "NISSAN");
        EXPECT_EQ(itemsOf(carSelect, "Combo2"), (QStringList{"MARCH", "NOTE"}));
        EXPECT_EQ(ptn2().ApplicationCode, "1");
        EXPECT_TRUE(carSelect.control<forms::OptionButton>("Option1(0)").Value());
        EXPECT_FALSE(carSelect.control<forms::OptionButton>("Option1(1)").Value());
        gui.click(carSelect, "Command2");
        EXPECT_TRUE(answered(gui, messages, 1));
        EXPECT_EQ(messages.texts(), QStringList{"Please Select Model(Car)"});
        EXPECT_EQ(loadedForms("PartsList").size(), 0u);
    });
}

// A new maker whose listing does not complete leaves no models behind, so that
// Search cannot look up another maker's car number in this maker's database.
struct FailedListing {
    const char* name;
    std::vector<Table> toyota; // nothing: no database file at all
    QStringList messages;
};

class FailedListingTest : public CarSelectTest, public testing::WithParamInterface<FailedListing> {};

TEST_P(FailedListingTest, ReportsInOrderAndLeavesNoModels) {
    std::filesystem::remove(folder.dataDir() / "Tessik-TOYOTA.MDB");
    if (!GetParam().toyota.empty())
        folder.write("Tessik-TOYOTA.MDB", GetParam().toyota);
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        gui.choose(carSelect, "Combo1", "NISSAN");
        gui.choose(carSelect, "Combo2", "NOTE");
        gui.choose(carSelect, "Combo1", "TOYOTA");
        answered(gui, messages, GetParam().messages.size());
        EXPECT_EQ(messages.texts(), GetParam().messages);
        EXPECT_EQ(itemsOf(carSelect, "Combo2"), QStringList{});
        EXPECT_TRUE(ptn2().CarNoList.isEmpty());
        EXPECT_EQ(ptn2().SelectedMaker, "TOYOTA");
        EXPECT_EQ(carSelect.MousePointer(), 0);
        messages.clear();
        gui.click(carSelect, "Command2");
        answered(gui, messages, 1);
        EXPECT_EQ(messages.texts(), QStringList{"Please Select Model(Car)"});
    });
}

INSTANTIATE_TEST_SUITE_P(
    Makers, FailedListingTest,
    testing::Values(
        FailedListing{"NoRowsForTheMaker", {makerMaster({{"NISSAN", "MARCH", "N001"}})}, {"Data not Found"}},
        FailedListing{
            "MissingDatabase", {}, {"DataBase not Open", "DataBase not Open", "DataBase not Open", "Data not Found"}},
        FailedListing{"MissingTable", {partsStructure({})}, {"Table not Open", "Table not Open", "Data not Found"}}),
    [](const testing::TestParamInfo<FailedListing>& info) { return std::string(info.param.name); });

// Both checks of the input, by the Search button and by Enter from another control.
struct InputCase {
    const char* name;
    bool chooseMaker;
    bool byEnter;
    const char* message;
    const char* focus;
    int inputError;
};

class InputCheckTest : public CarSelectTest, public testing::WithParamInterface<InputCase> {};

TEST_P(InputCheckTest, ShowsItsMessageAndMovesTheFocus) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        if (GetParam().chooseMaker)
            gui.choose(carSelect, "Combo1", "TOYOTA");
        if (GetParam().byEnter) {
            gui.widget(carSelect, "Option1(2)")->setFocus();
            gui.press(carSelect, Qt::Key_Return);
        } else {
            gui.click(carSelect, "Command2");
        }
        answered(gui, messages, 1);
        EXPECT_EQ(messages.texts(), QStringList{GetParam().message});
        EXPECT_EQ(ptn2().InputError, GetParam().inputError);
        EXPECT_TRUE(gui.waitFor([&] { return gui.widget(carSelect, GetParam().focus)->hasFocus(); }));
        EXPECT_TRUE(carSelect.Visible());
        EXPECT_EQ(loadedForms("PartsList").size(), 0u);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Choices, InputCheckTest,
    testing::Values(InputCase{"NoMakerBySearch", false, false, "Please Select Maker", "Combo1", 1},
                    InputCase{"NoMakerByEnter", false, true, "Please Select Maker", "Combo1", 1},
                    InputCase{"NoModelBySearch", true, false, "Please Select Model(Car)", "Combo2", 2},
                    InputCase{"NoModelByEnter", true, true, "Please Select Model(Car)", "Combo2", 2}),
    [](const testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

TEST_F(CarSelectTest, EscGoesBackToTheMenuAndTheNextOpeningStartsAfresh) {
    onCarSelect([](GuiDriver& gui, forms::Form& carSelect, MessageBoxRecorder& messages) {
        gui.choose(carSelect, "Combo1", "TOYOTA");
        gui.choose(carSelect, "Combo2", "BB");
        gui.click(carSelect, "Option1(3)");
        gui.press(carSelect, Qt::Key_Escape);
        forms::Form* menu = gui.waitForForm("Menu");
        ASSERT_NE(menu, nullptr);
        EXPECT_FALSE(ptn2().IsLoaded());

        forms::Form* again = openCarSelect(gui);
        ASSERT_NE(again, nullptr);
        EXPECT_FALSE(menu->Visible());
        EXPECT_EQ(again->control<forms::ComboBox>("Combo1").ListIndex(), -1);
        EXPECT_EQ(itemsOf(*again, "Combo2"), QStringList{});
        EXPECT_EQ(ptn2().SelectedMaker, "");
        EXPECT_EQ(ptn2().ApplicationCode, "1");
        EXPECT_TRUE(again->control<forms::OptionButton>("Option1(0)").Value());
        // The maker listed before the Return is listed anew.
        gui.choose(*again, "Combo1", "TOYOTA");
        EXPECT_EQ(itemsOf(*again, "Combo2"), (QStringList{"CROWN", "BB", "AYGO"}));
        EXPECT_TRUE(messages.texts().isEmpty());
    });
}

} // namespace
} // namespace carlookuptest
