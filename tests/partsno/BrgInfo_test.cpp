// The round trip of a parts-number lookup: the forms as designed, the ways back
// from "BearingNo Information" and "Parts No Search", and what each keeps.
#include "partsno/BrgInfo.h"

#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/TextBox.h"
#include "partsno/Ptn1.h"
#include "tests/partsno/PartsNoSession.h"
#include "tests/support/ProgramDriver.h"

#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace partsnotest {
namespace {

using testsupport::CatalogFolder;
using testsupport::GuiDriver;
using testsupport::MessageBoxRecorder;
using testsupport::Null;
using testsupport::ProgramDriver;

class PartsNoLookupTest : public testing::Test {
protected:
    void SetUp() override {
        folder.write("PartsNo.MDB", {partsMaster({{std::string("12345-001"), std::string("6204"), std::string("*")},
                                                  {std::string("12345-002"), std::string("6205"), Null},
                                                  {std::string("22345-001"), std::string("6301"), Null}})});
    }
    CatalogFolder folder;
};

struct Placed {
    const char* control;
    int left, top, width, height;
    QString caption; // empty: not checked
};

void expectPlaced(forms::Form& form, const std::vector<Placed>& controls) {
    for (const Placed& p : controls) {
        SCOPED_TRACE(form.Name().toStdString() + "." + p.control);
        forms::Control& control = form.controlNamed(p.control);
        EXPECT_EQ(control.Left(), p.left);
        EXPECT_EQ(control.Top(), p.top);
        EXPECT_EQ(control.Width(), p.width);
        EXPECT_EQ(control.Height(), p.height);
        if (p.caption.isEmpty())
            continue;
        if (auto* label = dynamic_cast<forms::Label*>(&control)) {
            EXPECT_EQ(label->Caption(), p.caption);
        } else if (auto* button = dynamic_cast<forms::CommandButton*>(&control)) {
            EXPECT_EQ(button->Caption(), p.caption);
        }
    }
}

TEST_F(PartsNoLookupTest, FormsAsDesigned) {
    ProgramDriver::run([](GuiDriver& gui) {
        MessageBoxRecorder messages;
        forms::Form* search = openPartsSearch(gui);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->Caption(), "Parts No Search");
        expectPlaced(*search, {{"Label1", 120, 180, 735, 255, "Parts No"},
                               {"Text1", 960, 120, 2895, 375, ""},
                               {"Command2", 105, 570, 1050, 420, "Search"},
                               {"Command1", 1185, 570, 1050, 405, "Return"}});
        // The box has the focus; Tab goes on to Search, then Return.
        EXPECT_TRUE(gui.waitFor([&] { return gui.widget(*search, "Text1")->hasFocus(); }));
        gui.press(*search, Qt::Key_Tab);
        EXPECT_TRUE(gui.widget(*search, "Command2")->hasFocus());
        gui.press(*search, Qt::Key_Tab);
        EXPECT_TRUE(gui.widget(*search, "Command1")->hasFocus());

        gui.type(*search, "Text1", "12345");
        gui.click(*search, "Command2");
        forms::Form* brgInfo = gui.waitForForm("BrgInfo");
        ASSERT_NE(brgInfo, nullptr);
        EXPECT_EQ(brgInfo->Caption(), "BearingNo Information");
        const QString header = "Parts No" + QString(37, ' ') + "Bearing No" + QString(28, ' ') + "Other";
        ASSERT_EQ(header.size(), 88);
        expectPlaced(*brgInfo, {{"Label1", 0, 120, 5055, 210, header},
                                {"List1", 0, 360, 5070, 5310, ""},
                                {"Command1", 90, 5835, 1095, 375, "Return"},
                                {"Label2", 2760, 5880, 2295, 255, "The marked \"*\" are other make"}});
        // The columns line up only in a fixed-pitch font.
        EXPECT_TRUE(QFontInfo(gui.widget(*brgInfo, "List1")->font()).fixedPitch());
        EXPECT_TRUE(qobject_cast<QLabel*>(gui.widget(*brgInfo, "Label2"))->alignment() & Qt::AlignRight);
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(", ").toStdString();
    });
}

// The list takes the focus when it opens and moves with the keys of a list.
TEST_F(PartsNoLookupTest, ListMovesWithTheKeys) {
    ProgramDriver::run([](GuiDriver& gui) {
        MessageBoxRecorder messages;
        forms::Form* search = openPartsSearch(gui);
        ASSERT_NE(search, nullptr);
        gui.click(*search, "Command2");
        forms::Form* brgInfo = gui.waitForForm("BrgInfo");
        ASSERT_NE(brgInfo, nullptr);
        QListView* view = brgInfo->control<forms::ListBox>("List1").view();
        ASSERT_TRUE(gui.waitFor([&] { return view->hasFocus(); }));
        // The first key takes the first line, as in any list without a current line.
        gui.press(*brgInfo, Qt::Key_Down);
        EXPECT_EQ(view->currentIndex().row(), 0);
        gui.press(*brgInfo, Qt::Key_End);
        EXPECT_EQ(view->currentIndex().row(), 2);
        gui.press(*brgInfo, Qt::Key_Up);
        EXPECT_EQ(view->currentIndex().row(), 1);
        gui.press(*brgInfo, Qt::Key_Home);
        EXPECT_EQ(view->currentIndex().row(), 0);
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(", ").toStdString();
    });
}

// Every way back from the list: the button, Esc and the window's close box.
struct ReturnCase {
    const char* name;
    std::function<void(GuiDriver&, forms::Form&)> leave;
};

// Names the case in failure messages.
void PrintTo(const ReturnCase& c, std::ostream* out) {
    *out << c.name;
}

// Both forms have their Return as Command1, the cancel button.
const ReturnCase byReturnButton{"ReturnButton", [](GuiDriver& gui, forms::Form& f) { gui.click(f, "Command1"); }};
const ReturnCase byEsc{"Esc", [](GuiDriver& gui, forms::Form& f) { gui.press(f, Qt::Key_Escape); }};

class BrgInfoReturnTest : public PartsNoLookupTest, public testing::WithParamInterface<ReturnCase> {};

TEST_P(BrgInfoReturnTest, ShowsPtn1WithItsTextAndTheNextSearchListsAfresh) {
    ProgramDriver::run([](GuiDriver& gui) {
        MessageBoxRecorder messages;
        forms::Form* search = openPartsSearch(gui);
        ASSERT_NE(search, nullptr);
        gui.type(*search, "Text1", "12345");
        gui.press(*search, Qt::Key_Return);
        forms::Form* brgInfo = gui.waitForForm("BrgInfo");
        ASSERT_NE(brgInfo, nullptr);
        EXPECT_EQ(listedLines(*brgInfo).size(), 2);

        GetParam().leave(gui, *brgInfo);
        ASSERT_TRUE(gui.waitFor([] { return visibleForms() == QStringList{"Ptn1"}; }))
            << visibleForms().join(", ").toStdString();
        EXPECT_FALSE(brgInfo->IsLoaded());
        EXPECT_EQ(search->control<forms::TextBox>("Text1").Text(), "12345");
        EXPECT_EQ(search->MousePointer(), 0);

        // A narrower search lists into a new, empty BrgInfo.
        typeParts(gui, *search, "22");
        gui.click(*search, "Command2");
        brgInfo = gui.waitForForm("BrgInfo");
        ASSERT_NE(brgInfo, nullptr);
        EXPECT_EQ(listedLines(*brgInfo), QStringList{columns("22345-001", "6301", " ")});
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(", ").toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(Ways, BrgInfoReturnTest,
                         testing::Values(byReturnButton, byEsc,
                                         ReturnCase{"SpaceOnReturn",
                                                    [](GuiDriver& gui, forms::Form& f) {
                                                        gui.widget(f, "Command1")->setFocus();
                                                        gui.press(f, Qt::Key_Space);
                                                    }},
                                         ReturnCase{"CloseBox",
                                                    [](GuiDriver& gui, forms::Form& f) { gui.closeWindow(f); }}),
                         [](const testing::TestParamInfo<ReturnCase>& info) { return std::string(info.param.name); });

// Every way back to the menu; the next opening starts with an empty box.
class Ptn1ReturnTest : public PartsNoLookupTest, public testing::WithParamInterface<ReturnCase> {};

TEST_P(Ptn1ReturnTest, ShowsTheMenuAndTheNextOpeningStartsEmpty) {
    ProgramDriver::run([](GuiDriver& gui) {
        MessageBoxRecorder messages;
        forms::Form* search = openPartsSearch(gui);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(visibleForms(), QStringList{"Ptn1"});
        // A listing and its Return first: the text survives that, not this Return.
        gui.type(*search, "Text1", "12345");
        gui.click(*search, "Command2");
        forms::Form* brgInfo = gui.waitForForm("BrgInfo");
        ASSERT_NE(brgInfo, nullptr);
        gui.press(*brgInfo, Qt::Key_Escape);
        ASSERT_TRUE(gui.waitFor([&] { return search->Visible(); }));

        GetParam().leave(gui, *search);
        ASSERT_TRUE(gui.waitFor([] { return visibleForms() == QStringList{"Menu"}; }))
            << visibleForms().join(", ").toStdString();
        EXPECT_FALSE(search->IsLoaded());

        search = openPartsSearch(gui);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->control<forms::TextBox>("Text1").Text(), "");
        EXPECT_TRUE(gui.waitFor([&] { return gui.widget(*search, "Text1")->hasFocus(); }));
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(", ").toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(Ways, Ptn1ReturnTest,
                         testing::Values(byReturnButton, byEsc,
                                         ReturnCase{"CloseRequest",
                                                    [](GuiDriver& gui, forms::Form& f) { gui.closeWindow(f); }}),
                         [](const testing::TestParamInfo<ReturnCase>& info) { return std::string(info.param.name); });

// A search that found nothing leaves its database and result open, as they
// were; the next search replaces them.
TEST_F(PartsNoLookupTest, NotFoundLeavesTheSearchAsItWasUntilTheNextOne) {
    ProgramDriver::run([](GuiDriver& gui) {
        MessageBoxRecorder messages;
        forms::Form* search = openPartsSearch(gui);
        ASSERT_NE(search, nullptr);
        gui.type(*search, "Text1", "9");
        gui.click(*search, "Command2");
        ASSERT_TRUE(answered(gui, messages, 1));
        EXPECT_EQ(messages.texts(), QStringList{"Data not Found"});
        EXPECT_TRUE(ptn1().PartsDb.isOpen());
        EXPECT_TRUE(ptn1().PartsRs.isOpen());

        typeParts(gui, *search, "");
        gui.click(*search, "Command2");
        forms::Form* brgInfo = gui.waitForForm("BrgInfo");
        ASSERT_NE(brgInfo, nullptr);
        EXPECT_EQ(listedLines(*brgInfo).size(), 3);
        EXPECT_FALSE(ptn1().PartsDb.isOpen());
        EXPECT_EQ(messages.texts(), QStringList{"Data not Found"});
    });
}

} // namespace
} // namespace partsnotest
