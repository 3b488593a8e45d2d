// The car information pages driven as a user does: from the menu through the
// car selection to a parts list page, then "Information" and the paging among
// the pages, on small maker databases written by each test.
#include "carinfo/CarInfo.h"
#include "carinfo/Module1.h"
#include "forms/CommandButton.h"
#include "forms/Forms.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "tests/support/CatalogFixture.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ProgramDriver.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using carinfo::CarInfo;
using carinfo::Module1;
using testsupport::Cell;
using testsupport::GuiDriver;
using testsupport::Null;
using testsupport::Row;
using testsupport::Table;

const std::string Model = "CROWN";
const std::string CarNo = "T-100";

// One CarSpecMaster row of the car; the columns after Type have values that fit their fields.
struct Spec {
    Cell carCode;
    Cell type;
    Cell year = std::string("1995.01-");
    Cell model = std::string("JZS151-AEPQK");
    Cell displacement = std::string("2500");
    Cell engine = std::string("1JZ-GE");
    Cell mission = std::string("4AT");
};

// The specification line of a row whose year column is yearColumn and whose other columns are those of Spec.
QString line(const QString& yearColumn) {
    return yearColumn + " " + QString("JZS151-AEPQK").leftJustified(20) + " " + QString("2500").leftJustified(10) +
           " " + QString("1JZ-GE").leftJustified(10) + " " + QString("4AT").leftJustified(20);
}

QString header(const QString& carCode, const QString& type, const QString& carName = "CROWN") {
    return "CAR CODE:" + carCode + "   CAR NAME:" + carName + "   TYPE:" + type;
}

QString groupCode(int g) {
    return QString("C%1").arg(g, 2, 10, QChar('0'));
}

// n groups of one row each: car codes C01, C02, ... all of type SEDAN.
std::vector<Spec> groups(int n) {
    std::vector<Spec> rows;
    for (int g = 1; g <= n; ++g)
        rows.push_back({groupCode(g).toStdString(), std::string("SEDAN")});
    return rows;
}

const std::vector<std::string> specColumns = {"CarNo TEXT",        "Class INTEGER", "CarCode TEXT",
                                              "Type TEXT",         "Year TEXT",     "Model TEXT",
                                              "Displacement TEXT", "Engine TEXT",   "Mission TEXT"};

struct Catalogue {
    std::vector<Spec> specs;
    std::string carName = Model;
    std::string carNo = CarNo;
    bool withSpecTable = true;
    // Column declarations of CarSpecMaster; a column left out is missing from the table.
    std::vector<std::string> columns = specColumns;
};

Row specRow(const Catalogue& catalogue, const Spec& spec) {
    const Cell all[] = {catalogue.carNo,   1LL,         spec.carCode, spec.type, spec.year, spec.model,
                        spec.displacement, spec.engine, spec.mission};
    Row row;
    for (size_t i = 0; i < specColumns.size(); ++i)
        for (const std::string& column : catalogue.columns)
            if (column == specColumns[i])
                row.push_back(all[i]);
    return row;
}

// Tessik-TOYOTA.MDB with one car of class 1 that has one front suspension part.
void writeMaker(const testsupport::CatalogFolder& folder, const Catalogue& catalogue) {
    std::vector<Table> tables = {
        {"MakerMaster",
         {"MakerName TEXT", "CarName TEXT", "CarNo TEXT"},
         {{std::string("TOYOTA"), catalogue.carName, catalogue.carNo}},
         {}},
        {"PartsStructure",
         {"CarNo TEXT", "Application TEXT", "Class INTEGER", "DispLevel INTEGER", "PartsName TEXT", "RL TEXT",
          "PartsNo TEXT", "BearingNo TEXT", "OtherMk TEXT"},
         {{catalogue.carNo, std::string("1"), 1LL, 0LL, std::string("FRONT HUB"), std::string("L"),
           std::string("90369-T0003"), std::string("DAC3055"), Null}},
         {}},
    };
    if (catalogue.withSpecTable) {
        Table spec{"CarSpecMaster", catalogue.columns, {}, {}};
        for (const Spec& row : catalogue.specs)
            spec.rows.push_back(specRow(catalogue, row));
        // A row of another car and one of another class of this car, which the queries must leave out.
        Catalogue other = catalogue;
        other.carNo = "T-200";
        spec.rows.push_back(specRow(other, {std::string("X"), std::string("X")}));
        Row otherClass = specRow(catalogue, {std::string("Y"), std::string("Y")});
        otherClass[1] = 2LL;
        spec.rows.push_back(otherClass);
        tables.push_back(spec);
    }
    folder.write("Tessik-TOYOTA.MDB", tables);
}

// The loaded car information pages in load order.
std::vector<CarInfo*> infoPages() {
    std::vector<CarInfo*> pages;
    for (int i = 0; i < forms::Forms::Count(); ++i)
        if (auto* page = dynamic_cast<CarInfo*>(&forms::Forms::Item(i)))
            pages.push_back(page);
    return pages;
}

// The one car information page on screen, nullptr when none or several are shown.
CarInfo* shownPage() {
    CarInfo* shown = nullptr;
    for (CarInfo* page : infoPages())
        if (page->Visible()) {
            if (shown)
                return nullptr;
            shown = page;
        }
    return shown;
}

QString label(const forms::Form& form, const QString& name) {
    return form.control<forms::Label>(name).Caption();
}

QStringList lines(const forms::Form& form, const QString& list) {
    const auto& box = form.control<forms::ListBox>(list);
    QStringList items;
    for (int i = 0; i < box.ListCount(); ++i)
        items << box.List(i);
    return items;
}

bool enabled(const forms::Form& form, const char* button) {
    return form.control<forms::CommandButton>(button).Enabled();
}

QString caption(int page, const QString& carName = "CROWN") {
    return "P" + QString::number(page) + " Maker:TOYOTA  CarName:" + carName;
}

// From the menu through "Model && Application", the maker and the model, and
// Search, to the parts list page of class 1; nullptr (with a failure) when it is not shown.
forms::Form* openPartsList(GuiDriver& gui, const QString& carName = "CROWN") {
    forms::Form* menu = gui.waitForForm("Menu");
    if (!menu)
        return nullptr;
    gui.click(*menu, "Command2");
    forms::Form* ptn2 = gui.waitForForm("Ptn2");
    if (!ptn2)
        return nullptr;
    gui.choose(*ptn2, "Combo1", "TOYOTA");
    gui.choose(*ptn2, "Combo2", carName);
    gui.click(*ptn2, "Command2");
    return gui.waitForForm("PartsList");
}

// "Information" on the parts list page; true once exactly one car information page is shown.
bool information(GuiDriver& gui, forms::Form& partsList) {
    gui.click(partsList, "Command2");
    return gui.waitFor([] { return shownPage() != nullptr; }, std::chrono::seconds(5));
}

// Clicks a button of the shown page and waits until the page of that number is the shown one.
bool pageTo(GuiDriver& gui, const char* button, int expected) {
    CarInfo* page = shownPage();
    if (!page)
        return false;
    gui.click(*page, button);
    return gui.waitFor([expected] { return shownPage() && shownPage()->PageNumber() == expected; });
}

using Recorder = testsupport::MessageBoxRecorder;
using PartsListScript = std::function<void(GuiDriver& gui, forms::Form* partsList, Recorder& messages)>;

// Writes the catalogue, starts the program, opens the parts list page of the
// car and runs the script on it; every message box is answered and noted.
void onPartsList(const testsupport::CatalogFolder& folder, const Catalogue& catalogue, const PartsListScript& script) {
    writeMaker(folder, catalogue);
    testsupport::ProgramDriver::run([&](GuiDriver& gui) {
        Recorder messages;
        forms::Form* partsList = openPartsList(gui, QString::fromStdString(catalogue.carName));
        ASSERT_NE(partsList, nullptr);
        script(gui, partsList, messages);
    });
}

// Information on the parts list page, then Next and Next; true once page 3 is shown.
bool toPageThree(GuiDriver& gui, forms::Form& partsList) {
    return information(gui, partsList) && pageTo(gui, "Command3", 2) && pageTo(gui, "Command3", 3);
}

// True once Information has closed its database: the waiting shows have unwound.
bool chainEnded(GuiDriver& gui) {
    const bool closed = gui.waitFor([] { return !Module1::InfoDb.isOpen(); });
    // Time for anything that would wrongly come back.
    gui.pause(std::chrono::milliseconds(200));
    return closed;
}

class CarInfoPages : public testing::Test {
protected:
    // Every test starts as the program does: no database or result of an earlier command.
    void SetUp() override {
        Module1::InfoRs = catalog::Recordset();
        Module1::InfoDb = catalog::Database();
    }

    testsupport::CatalogFolder folder;
};

struct CountCase {
    const char* name;
    int groups;
    int pages;
};

TEST_F(CarInfoPages, DistinctCountsFillThreeGroupsToAPage) {
    const CountCase cases[] = {{"one", 1, 1}, {"three", 3, 1}, {"four", 4, 2}, {"seven", 7, 3}};
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.name);
        onPartsList(folder, {groups(c.groups)}, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
            ASSERT_TRUE(information(gui, *partsList));

            EXPECT_EQ(Module1::InfoPageCount, c.pages);
            EXPECT_EQ(Module1::CurrentInfoPage, 1);
            EXPECT_EQ(Module1::ReturnListPage, 1);
            EXPECT_EQ(partsList->MousePointer(), 0);
            const std::vector<CarInfo*> pages = infoPages();
            ASSERT_EQ(int(pages.size()), c.pages);
            EXPECT_EQ(shownPage(), pages[0]);
            for (int g = 0; g < c.groups; ++g) {
                const CarInfo& page = *pages[g / 3];
                const int slot = g % 3;
                SCOPED_TRACE("group " + std::to_string(g + 1));
                EXPECT_EQ(page.Caption(), caption(g / 3 + 1));
                EXPECT_EQ(label(page, CarInfo::headerLabelName(slot)), header(groupCode(g + 1), "SEDAN"));
                EXPECT_EQ(lines(page, CarInfo::listName(slot)), QStringList{line("1995.01-" + QString(17, u' '))});
            }
            // Header labels of slots without a group keep their design text.
            if (c.groups % 3 == 1) {
                EXPECT_EQ(label(*pages.back(), "Label3"), "Label3");
            }
            const QString heading = label(*pages[0], "Label2");
            EXPECT_EQ(heading.size(), 119);
            EXPECT_TRUE(heading.startsWith("   YEAR ") && heading.endsWith(" TRANSMISSION")) << heading.toStdString();
            EXPECT_EQ(messages.texts(), QStringList{});
        });
    }
}

struct GroupCase {
    const char* name;
    std::vector<Spec> specs;
    // Per list of page 1: the header and the number of lines; an empty header for an empty list.
    std::vector<std::pair<QString, int>> lists;
};

TEST_F(CarInfoPages, ConsecutiveRowsOfEqualHeadersFormAGroup) {
    const Cell sedan = std::string("SEDAN");
    const GroupCase cases[] = {
        {"rows A, B, A give three groups",
         {{std::string("A"), sedan}, {std::string("B"), sedan}, {std::string("A"), sedan}},
         {{header("A", "SEDAN"), 1}, {header("B", "SEDAN"), 1}, {header("A", "SEDAN"), 1}}},
        {"a trailing blank of a car code falls in the group without it",
         {{std::string("AB1 "), sedan}, {std::string("AB1"), sedan}, {std::string(" AB1"), std::string(" SEDAN ")}},
         {{header("AB1", "SEDAN"), 3}, {"", 0}, {"", 0}}},
        {"codes that differ in case are two groups",
         {{std::string("ab1"), sedan}, {std::string("AB1"), sedan}},
         {{header("ab1", "SEDAN"), 1}, {header("AB1", "SEDAN"), 1}, {"", 0}}},
        {"Null car code and type are 25 blanks each",
         {{Null, Null}},
         {{header(QString(25, u' '), QString(25, u' ')), 1}, {"", 0}, {"", 0}}},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.name);
        onPartsList(folder, {c.specs}, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
            ASSERT_TRUE(information(gui, *partsList));
            ASSERT_EQ(infoPages().size(), 1u);
            const CarInfo& page = *infoPages().front();
            for (int slot = 0; slot < 3; ++slot) {
                const auto& [expectedHeader, count] = c.lists[slot];
                EXPECT_EQ(lines(page, CarInfo::listName(slot)).size(), count) << "list " << slot + 1;
                if (count > 0) {
                    EXPECT_EQ(label(page, CarInfo::headerLabelName(slot)), expectedHeader);
                }
            }
            EXPECT_EQ(messages.texts(), QStringList{});
        });
    }
}

struct YearCase {
    const char* name;
    Cell year;
    QString column;
};

TEST_F(CarInfoPages, YearRuleGivesTheFirstColumn) {
    const QString tenWide = "1990.01-  ";
    const YearCase cases[] = {
        {"4 characters", std::string("1990"), QString("1990").leftJustified(25)},
        {"15 characters", std::string("1990.01-1995.12"), QString("1990.01-1995.12").leftJustified(25)},
        {"25 characters", std::string("1990.01-1995.12 FACELIFT."), "1990.01-1995.12 FACELIFT."},
        {"25 characters, the last 15 blanks", (tenWide + QString(15, u' ')).toStdString(), tenWide},
        {"30 characters, 11 to 25 blanks", ("1990.01-95" + QString(15, u' ') + "EARLY").toStdString(), "1990.01-95"},
        {"longer than 25 is cut", std::string("1990.01-1995.12 FACELIFT MODEL"), "1990.01-1995.12 FACELIFT "},
        {"Null", Null, QString(15, u' ')},
        {"empty text is no Null", std::string(""), QString(25, u' ')},
    };
    Catalogue catalogue;
    for (const YearCase& c : cases) {
        Spec spec{std::string("C01"), std::string("SEDAN")};
        spec.year = c.year;
        catalogue.specs.push_back(spec);
    }
    onPartsList(folder, catalogue, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
        ASSERT_TRUE(information(gui, *partsList));
        const QStringList shown = lines(*infoPages().front(), "List1");
        ASSERT_EQ(shown.size(), int(std::size(cases)));
        for (size_t i = 0; i < std::size(cases); ++i)
            EXPECT_EQ(shown[int(i)], line(cases[i].column)) << cases[i].name;
        EXPECT_EQ(shown[6].size(), 79) << "a Null year";
        EXPECT_EQ(messages.texts(), QStringList{});
    });
}

TEST_F(CarInfoPages, NullColumnsAreBlanksOfTheirWidth) {
    onPartsList(folder, {{{std::string("C01"), std::string("SEDAN"), Null, Null, Null, Null, Null}}},
                [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
                    ASSERT_TRUE(information(gui, *partsList));
                    EXPECT_EQ(lines(*infoPages().front(), "List1"),
                              QStringList{QString(15, u' ') + " " + QString(20, u' ') + " " + QString(10, u' ') + " " +
                                          QString(10, u' ') + " " + QString(20, u' ')});
                    EXPECT_EQ(messages.texts(), QStringList{});
                });
}

TEST_F(CarInfoPages, CarNameIsTrimmedInHeadersAndWholeInCaptions) {
    Catalogue catalogue{groups(4)};
    catalogue.carName = "  CROWN ";
    onPartsList(folder, catalogue, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
        ASSERT_TRUE(information(gui, *partsList));
        const std::vector<CarInfo*> pages = infoPages();
        ASSERT_EQ(pages.size(), 2u);
        EXPECT_EQ(pages[0]->Caption(), caption(1, "  CROWN "));
        EXPECT_EQ(pages[1]->Caption(), caption(2, "  CROWN "));
        EXPECT_EQ(label(*pages[1], "Label1"), header("C04", "SEDAN", "CROWN"));
        EXPECT_EQ(messages.texts(), QStringList{});
    });
}

TEST_F(CarInfoPages, CarNumberWithADoubleQuoteFindsItsRows) {
    Catalogue catalogue{groups(2)};
    catalogue.carNo = "T\"100";
    onPartsList(folder, catalogue, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
        ASSERT_TRUE(information(gui, *partsList));
        EXPECT_EQ(lines(*infoPages().front(), "List2").size(), 1);
        EXPECT_EQ(messages.texts(), QStringList{});
    });
}

// The layout of a page as Activate leaves it.
struct Layout {
    bool group1, group2, group3;
    int list1Height;
    int label3Top, label4Top, list2Top, list2Height;
};

Layout layoutOf(const CarInfo& page) {
    auto visible = [&](const char* a, const char* b, const char* list) {
        const bool shown = page.controlNamed(list).Visible();
        EXPECT_EQ(page.controlNamed(a).Visible(), shown) << a;
        EXPECT_EQ(page.controlNamed(b).Visible(), shown) << b;
        return shown;
    };
    return {visible("Label1", "Label2", "List1"), visible("Label3", "Label4", "List2"),
            visible("Label5", "Label6", "List3"), page.controlNamed("List1").Height(),
            page.controlNamed("Label3").Top(),    page.controlNamed("Label4").Top(),
            page.controlNamed("List2").Top(),     page.controlNamed("List2").Height()};
}

void expectLayout(const CarInfo& page, int groupsOnPage) {
    SCOPED_TRACE(page.Caption().toStdString());
    const Layout layout = layoutOf(page);
    EXPECT_TRUE(layout.group1);
    EXPECT_EQ(page.controlNamed("List1").Top(), 480);
    switch (groupsOnPage) {
    case 3:
        EXPECT_TRUE(layout.group2 && layout.group3);
        EXPECT_EQ(layout.list1Height, 1530);
        EXPECT_EQ(layout.label3Top, 2160);
        EXPECT_EQ(layout.label4Top, 2400);
        EXPECT_EQ(layout.list2Top, 2640);
        EXPECT_EQ(layout.list2Height, 1530);
        break;
    case 2:
        EXPECT_TRUE(layout.group2 && !layout.group3);
        EXPECT_EQ(layout.list1Height, 2750);
        EXPECT_EQ(layout.label3Top, 3150);
        EXPECT_EQ(layout.label4Top, 3400);
        EXPECT_EQ(layout.list2Top, 3650);
        EXPECT_EQ(layout.list2Height, 2750);
        break;
    default:
        EXPECT_TRUE(!layout.group2 && !layout.group3);
        EXPECT_EQ(layout.list1Height, 5960);
    }
}

TEST_F(CarInfoPages, ActivateClosesUpTheEmptyGroupsAndKeepsTheLayoutWhenShownAgain) {
    struct Case {
        const char* name;
        int groups;
        int lastPageGroups;
    } cases[] = {{"one group", 1, 1}, {"two groups", 2, 2}, {"three and two groups", 5, 2}, {"three and one", 4, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        onPartsList(folder, {groups(c.groups)}, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
            ASSERT_TRUE(information(gui, *partsList));
            const std::vector<CarInfo*> pages = infoPages();
            const int firstPageGroups = pages.size() > 1 ? 3 : c.lastPageGroups;
            expectLayout(*pages[0], firstPageGroups);
            if (pages.size() > 1) {
                ASSERT_TRUE(pageTo(gui, "Command3", 2));
                expectLayout(*pages[1], c.lastPageGroups);
                ASSERT_TRUE(pageTo(gui, "Command2", 1));
                expectLayout(*pages[0], 3);
                ASSERT_TRUE(pageTo(gui, "Command3", 2));
                expectLayout(*pages[1], c.lastPageGroups);
            }
            EXPECT_EQ(messages.texts(), QStringList{});
        });
    }
}

TEST_F(CarInfoPages, PreviousNextAndEnterMoveAmongThePages) {
    onPartsList(folder, {groups(7)}, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
        ASSERT_TRUE(information(gui, *partsList));
        CarInfo* page = shownPage();
        ASSERT_EQ(page->PageNumber(), 1);
        EXPECT_FALSE(enabled(*page, "Command2"));
        EXPECT_TRUE(enabled(*page, "Command3"));

        // Enter on page 1 does nothing.
        gui.press(*page, Qt::Key_Return);
        gui.pause();
        EXPECT_EQ(shownPage(), page);
        EXPECT_EQ(Module1::CurrentInfoPage, 1);

        ASSERT_TRUE(pageTo(gui, "Command3", 2));
        EXPECT_TRUE(enabled(*shownPage(), "Command2"));
        EXPECT_TRUE(enabled(*shownPage(), "Command3"));
        ASSERT_TRUE(pageTo(gui, "Command3", 3));
        EXPECT_TRUE(enabled(*shownPage(), "Command2"));
        EXPECT_FALSE(enabled(*shownPage(), "Command3"));
        ASSERT_TRUE(pageTo(gui, "Command2", 2));
        EXPECT_EQ(Module1::CurrentInfoPage, 2);

        // Enter, with or without a modifier, is Previous.
        gui.press(*shownPage(), Qt::Key_Return, Qt::ShiftModifier);
        ASSERT_TRUE(gui.waitFor([] { return shownPage() && shownPage()->PageNumber() == 1; }));
        EXPECT_FALSE(enabled(*shownPage(), "Command2"));
        // The parts list page stays shown beneath the pages.
        EXPECT_TRUE(partsList->Visible());
        EXPECT_EQ(messages.texts(), QStringList{});
    });
}

TEST_F(CarInfoPages, ReturnFromPageThreeClosesEveryPageAndTheDatabase) {
    onPartsList(folder, {groups(7)}, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
        ASSERT_TRUE(toPageThree(gui, *partsList));
        EXPECT_TRUE(Module1::InfoDb.isOpen());

        gui.press(*shownPage(), Qt::Key_Escape);
        // The waiting shows unwind, and Information closes its result and database.
        ASSERT_TRUE(chainEnded(gui));
        EXPECT_TRUE(infoPages().empty());
        EXPECT_FALSE(Module1::InfoRs.isOpen());
        EXPECT_EQ(Module1::InfoPagesClosing, 1);
        EXPECT_TRUE(partsList->Visible());
        EXPECT_FALSE(gui.form("Ptn2")->Visible());
        EXPECT_FALSE(gui.form("Menu")->Visible());
        // Closing twice would have failed with a message.
        EXPECT_EQ(messages.texts(), QStringList{});

        // A second Information builds a new chain at once.
        ASSERT_TRUE(information(gui, *partsList));
        EXPECT_EQ(Module1::InfoPagesClosing, 0);
        EXPECT_EQ(infoPages().size(), 3u);
        EXPECT_EQ(shownPage()->Caption(), caption(1));
        ASSERT_TRUE(pageTo(gui, "Command3", 2));
        gui.click(*shownPage(), "Command1");
        ASSERT_TRUE(chainEnded(gui));
        EXPECT_TRUE(infoPages().empty());

        // Return of the parts list page brings back the car selection.
        gui.press(*partsList, Qt::Key_Escape);
        EXPECT_NE(gui.waitForForm("Ptn2"), nullptr);
        EXPECT_EQ(messages.texts(), QStringList{});
    });
}

TEST_F(CarInfoPages, CloseBoxUnloadsThePageAndTheChainUnwinds) {
    onPartsList(folder, {groups(7)}, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
        ASSERT_TRUE(toPageThree(gui, *partsList));

        gui.closeWindow(*shownPage());
        ASSERT_TRUE(chainEnded(gui));
        // Pages 1 and 2 stay loaded and hidden until the parts list page's Return.
        const std::vector<CarInfo*> pages = infoPages();
        ASSERT_EQ(pages.size(), 2u);
        EXPECT_EQ(pages[0]->PageNumber(), 1);
        EXPECT_EQ(pages[1]->PageNumber(), 2);
        EXPECT_EQ(shownPage(), nullptr);
        EXPECT_TRUE(partsList->Visible());

        // The next command's pages are the ones shown, never the hidden ones of the earlier chain.
        ASSERT_TRUE(information(gui, *partsList));
        ASSERT_EQ(infoPages().size(), 5u);
        CarInfo* newFirst = shownPage();
        EXPECT_EQ(newFirst, infoPages()[2]);
        ASSERT_TRUE(pageTo(gui, "Command3", 2));
        EXPECT_EQ(shownPage(), infoPages()[3]);
        gui.closeWindow(*shownPage());
        ASSERT_TRUE(chainEnded(gui));
        EXPECT_EQ(shownPage(), nullptr);

        gui.press(*partsList, Qt::Key_Escape);
        ASSERT_NE(gui.waitForForm("Ptn2"), nullptr);
        EXPECT_TRUE(infoPages().empty());
        EXPECT_EQ(messages.texts(), QStringList{});
    });
}

TEST_F(CarInfoPages, TwelfthPageIsPageTwelve) {
    onPartsList(folder, {groups(34)}, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
        ASSERT_TRUE(information(gui, *partsList));
        EXPECT_EQ(Module1::InfoPageCount, 12);
        for (int page = 2; page <= 12; ++page)
            ASSERT_TRUE(pageTo(gui, "Command3", page)) << "page " << page;
        EXPECT_EQ(shownPage()->Caption(), caption(12));
        EXPECT_FALSE(enabled(*shownPage(), "Command3"));
        EXPECT_EQ(label(*shownPage(), "Label1"), header("C34", "SEDAN"));
        ASSERT_TRUE(pageTo(gui, "Command2", 11));
        EXPECT_EQ(label(*shownPage(), "Label1"), header("C31", "SEDAN"));
        gui.press(*shownPage(), Qt::Key_Escape);
        ASSERT_TRUE(chainEnded(gui));
        EXPECT_TRUE(infoPages().empty());
        EXPECT_EQ(messages.texts(), QStringList{});
    });
}

TEST_F(CarInfoPages, GroupsBeyondTheCountedPagesGetPagesOfTheirOwn) {
    // Two distinct pairs counted, so one page by the count; the rows A, B, A, B
    // form four groups, and the fourth needs a second page.
    const Cell sedan = std::string("SEDAN");
    const Catalogue catalogue{
        {{std::string("A"), sedan}, {std::string("B"), sedan}, {std::string("A"), sedan}, {std::string("B"), sedan}}};
    onPartsList(folder, catalogue, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
        ASSERT_TRUE(information(gui, *partsList));
        EXPECT_EQ(Module1::InfoPageCount, 2);
        ASSERT_EQ(infoPages().size(), 2u);
        EXPECT_TRUE(enabled(*shownPage(), "Command3"));
        ASSERT_TRUE(pageTo(gui, "Command3", 2));
        EXPECT_EQ(shownPage()->Caption(), caption(2));
        EXPECT_EQ(label(*shownPage(), "Label1"), header("B", "SEDAN"));
        EXPECT_EQ(messages.texts(), QStringList{});
    });
}

TEST_F(CarInfoPages, NoMatchingRowsShowDataNotFound) {
    onPartsList(folder, {}, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
        gui.click(*partsList, "Command2");
        ASSERT_TRUE(gui.waitFor([&] { return messages.texts().size() == 1; }));
        gui.pause();
        EXPECT_EQ(messages.texts(), QStringList{"Data not Found"});
        EXPECT_TRUE(infoPages().empty());
        EXPECT_EQ(partsList->MousePointer(), 0);
        // Left open until the next command replaces them.
        EXPECT_TRUE(Module1::InfoDb.isOpen());
        EXPECT_TRUE(Module1::InfoRs.isOpen());
    });
}

struct FailureCase {
    const char* name;
    // What becomes of the catalogue once the parts list page is shown.
    std::function<void(const testsupport::CatalogFolder&)> spoil;
    QStringList messages;
    bool pagesShown;
};

TEST_F(CarInfoPages, FailuresShowTheirStageMessages) {
    const QString db = "DataBase not Open";
    const QString table = "Table not Open";
    const FailureCase cases[] = {
        {"missing database",
         [](const testsupport::CatalogFolder& folder) {
             std::filesystem::remove(folder.dataDir() / "Tessik-TOYOTA.MDB");
         },
         {db, db, db, "Data not Found"},
         false},
        {"missing table",
         [](const testsupport::CatalogFolder& folder) {
             Catalogue catalogue;
             catalogue.withSpecTable = false;
             writeMaker(folder, catalogue);
         },
         {table, table, "Data not Found"},
         false},
        {"missing column: the Null test and the read of each row",
         [](const testsupport::CatalogFolder& folder) {
             Catalogue catalogue{groups(2)};
             catalogue.columns.pop_back(); // no Mission
             writeMaker(folder, catalogue);
         },
         {table, table, table, table},
         true},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        onPartsList(folder, {groups(2)}, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
            c.spoil(folder);
            gui.click(*partsList, "Command2");
            if (c.pagesShown) {
                ASSERT_TRUE(gui.waitFor([] { return shownPage() != nullptr; }));
                EXPECT_EQ(lines(*shownPage(), "List1"),
                          QStringList{line("1995.01-" + QString(17, u' ')).left(89 - 20)});
            } else {
                ASSERT_TRUE(gui.waitFor([&] { return messages.texts().size() >= c.messages.size(); }));
                gui.pause(std::chrono::milliseconds(200));
                EXPECT_EQ(shownPage(), nullptr);
            }
            EXPECT_EQ(messages.texts(), c.messages);
            EXPECT_EQ(partsList->MousePointer(), 0);
        });
    }
}

TEST_F(CarInfoPages, MissingDatabaseAfterDataNotFoundShowsNoEarlierRows) {
    // "Data not Found" leaves the database open; the next command, whose
    // database is gone, must not read the one left open.
    onPartsList(folder, {}, [&](GuiDriver& gui, forms::Form* partsList, Recorder& messages) {
        gui.click(*partsList, "Command2");
        ASSERT_TRUE(gui.waitFor([&] { return messages.texts().size() == 1; }));
        ASSERT_TRUE(Module1::InfoDb.isOpen());

        std::filesystem::remove(folder.dataDir() / "Tessik-TOYOTA.MDB");
        messages.clear();
        gui.click(*partsList, "Command2");
        ASSERT_TRUE(gui.waitFor([&] { return messages.texts().size() >= 4; }));
        gui.pause(std::chrono::milliseconds(200));
        EXPECT_EQ(messages.texts(),
                  (QStringList{"DataBase not Open", "DataBase not Open", "DataBase not Open", "Data not Found"}));
        EXPECT_EQ(shownPage(), nullptr);
    });
}

} // namespace
