// The main menu of the real program: its layout, its four commands and the ways to end the program.
#include "tests/support/CatalogFixture.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ProgramDriver.h"
#include "tests/support/QtPrinters.h"

#include "forms/Forms.h"
#include "forms/OptionButton.h"
#include "forms/TextBox.h"

#include <QDesktopServices>
#include <QFile>
#include <QPushButton>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using testsupport::GuiDriver;
using testsupport::ProgramDriver;

namespace {

namespace fs = std::filesystem;

QStringList loadedNames() {
    QStringList names;
    for (int i = 0; i < forms::Forms::Count(); ++i)
        names << forms::Forms::Item(i).Name();
    return names;
}

// A stand-in for the viewer that notes each start (its arguments) in started.txt beside itself.
fs::path writeStandInViewer(const fs::path& driveC) {
    // Spelled in other cases than the fixed path: each component is matched regardless of case.
    const fs::path folder = driveC / "ACROBAT3" / "reader";
    fs::create_directories(folder);
    const fs::path viewer = folder / "AcroRd32.exe";
    std::ofstream(viewer) << "#!/bin/sh\nprintf '%s\\n' \"$*\" >> \"$(dirname \"$0\")/started.txt\"\n";
    fs::permissions(viewer, fs::perms::owner_all, fs::perm_options::add);
    return folder / "started.txt";
}

QStringList linesOf(const fs::path& file) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(in.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// Receives what the program hands to the desktop's default viewer.
class DesktopViewer : public QObject {
    Q_OBJECT
public:
    DesktopViewer() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~DesktopViewer() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

TEST(MenuTest, TheProgramStartsOnTheMenuAloneWithTheDesignsLayout) {
    ProgramDriver::run([](GuiDriver& gui) {
        forms::Form* menu = gui.waitForForm("Vexorin List Menu");
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->Name(), "Menu");
        EXPECT_EQ(menu->window()->objectName(), "Menu");
        EXPECT_EQ(loadedNames(), (QStringList{"Menu"})); // nothing else is loaded at start
        EXPECT_EQ(menu->window()->size(), QSize(255, 168));
        EXPECT_EQ(menu->Left(), 2235);
        EXPECT_EQ(menu->Top(), 2265);
        // No control box: no system menu, no close, minimize or maximize box.
        const Qt::WindowFlags flags = menu->window()->windowFlags();
        EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);

        struct Button {
            const char* name;
            const char* shown;
            QRect pixels;
        };
        const Button buttons[] = {
            {"Command1", "Parts Number", QRect(24, 8, 209, 25)},
            {"Command2", "Model & Application", QRect(24, 48, 209, 25)},
            {"Command3", "Bearing Information", QRect(24, 88, 209, 25)},
            {"Command4", "Return", QRect(24, 128, 209, 25)},
        };
        for (const Button& button : buttons) {
            auto* push = qobject_cast<QPushButton*>(gui.widget(*menu, button.name));
            ASSERT_NE(push, nullptr) << button.name;
            EXPECT_EQ(push->accessibleName(), button.shown) << button.name;
            EXPECT_EQ(push->geometry(), button.pixels) << button.name;
        }
        // Tab order of the design, starting at Parts Number.
        QWidget* focus = menu->window()->focusWidget();
        for (const Button& button : buttons) {
            EXPECT_EQ(focus ? focus->objectName() : QString(), button.name);
            gui.press(*menu, Qt::Key_Tab);
            focus = menu->window()->focusWidget();
        }
        // The menu has no key preview: Enter presses the focused button, here Parts Number again.
        gui.press(*menu, Qt::Key_Return);
        forms::Form* search = gui.waitForForm("Ptn1");
        ASSERT_NE(search, nullptr);
        EXPECT_FALSE(menu->Visible());
        gui.press(*search, Qt::Key_Escape);
        ASSERT_TRUE(gui.waitFor([&] { return menu->Visible(); }));
        gui.press(*menu, Qt::Key_Escape);
    });
}

struct EndCase {
    const char* name;
    std::function<void(GuiDriver&, forms::Form&)> act;
};

TEST(MenuTest, ReturnEscAndACloseRequestEndTheProgramClosingEveryForm) {
    const EndCase cases[] = {
        {"Return clicked", [](GuiDriver& gui, forms::Form& menu) { gui.click(menu, "Command4"); }},
        {"Return by Space", [](GuiDriver& gui, forms::Form& menu) {
             gui.widget(menu, "Command4")->setFocus();
             gui.press(menu, Qt::Key_Space);
         }},
        {"Return by Enter", [](GuiDriver& gui, forms::Form& menu) {
             gui.widget(menu, "Command4")->setFocus();
             gui.press(menu, Qt::Key_Return);
         }},
        {"Return by keypad Enter", [](GuiDriver& gui, forms::Form& menu) {
             gui.widget(menu, "Command4")->setFocus();
             gui.press(menu, Qt::Key_Enter, Qt::KeypadModifier);
         }},
        {"Esc", [](GuiDriver& gui, forms::Form& menu) { gui.press(menu, Qt::Key_Escape); }},
        {"close request", [](GuiDriver& gui, forms::Form& menu) { gui.closeWindow(menu); }},
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.name);
        bool ended = false;
        ProgramDriver::run([&](GuiDriver& gui) {
            forms::Form* menu = gui.waitForForm("Menu");
            ASSERT_NE(menu, nullptr);
            forms::Forms::Default("Ptn1").Load(); // a form still loaded closes with the program
            c.act(gui, *menu);
            ended = gui.programEnded();
        });
        EXPECT_TRUE(ended);
    }
}

TEST(MenuTest, PartsNumberShowsPtn1AndHidesTheMenuWhichComesBackAsItWas) {
    ProgramDriver::run([](GuiDriver& gui) {
        forms::Form* menu = gui.waitForForm("Menu");
        ASSERT_NE(menu, nullptr);
        gui.click(*menu, "Command1");
        forms::Form* search = gui.waitForForm("Ptn1");
        ASSERT_NE(search, nullptr);
        EXPECT_FALSE(menu->Visible());
        EXPECT_TRUE(menu->IsLoaded());
        gui.type(*search, "Text1", "90");
        // The lookup's Return unloads it and shows the menu again.
        gui.press(*search, Qt::Key_Escape);
        ASSERT_TRUE(gui.waitFor([&] { return menu->Visible(); }));
        EXPECT_FALSE(search->IsLoaded());
        gui.click(*menu, "Command1"); // opens again, afresh: an empty parts-number box
        EXPECT_TRUE(search->Visible());
        EXPECT_EQ(search->control<forms::TextBox>("Text1").Text(), "");
        gui.press(*search, Qt::Key_Escape);
        gui.press(*menu, Qt::Key_Escape);
    });
}

TEST(MenuTest, ModelAndApplicationLoadsPtn2AnewOnEveryOpening) {
    ProgramDriver::run([](GuiDriver& gui) {
        forms::Form* menu = gui.waitForForm("Menu");
        ASSERT_NE(menu, nullptr);
        for (int opening = 1; opening <= 2; ++opening) {
            SCOPED_TRACE(opening);
            gui.click(*menu, "Command2");
            forms::Form* carSelect = gui.waitForForm("Ptn2");
            ASSERT_NE(carSelect, nullptr);
            EXPECT_FALSE(menu->Visible());
            // Its load handler ran before it showed: "Front Suspension" is marked.
            EXPECT_TRUE(carSelect->control<forms::OptionButton>("Option1(0)").Value());
            carSelect->control<forms::OptionButton>("Option1(2)").setValue(true);
            gui.press(*carSelect, Qt::Key_Escape);
            ASSERT_TRUE(gui.waitFor([&] { return menu->Visible(); }));
            EXPECT_FALSE(carSelect->IsLoaded());
        }
        gui.press(*menu, Qt::Key_Escape);
    });
}

TEST(MenuTest, BearingInformationStartsTheViewerOnTheCatalogueEachTimeAndTheMenuStays) {
    testsupport::CatalogFolder folder;
    const fs::path started = writeStandInViewer(folder.driveC());
    std::ofstream(folder.dataDir() / "catalog.pdf") << "%PDF-1.4\n";
    ProgramDriver::run([&](GuiDriver& gui) {
        testsupport::MessageBoxRecorder messages;
        forms::Form* menu = gui.waitForForm("Menu");
        ASSERT_NE(menu, nullptr);
        gui.click(*menu, "Command3");
        gui.click(*menu, "Command3");
        EXPECT_TRUE(menu->Visible());
        EXPECT_EQ(loadedNames(), (QStringList{"Menu"}));
        EXPECT_TRUE(gui.waitFor([&] { return linesOf(started).size() == 2; }));
        EXPECT_TRUE(messages.texts().isEmpty());
        gui.press(*menu, Qt::Key_Escape);
    });
    // The document's path is mapped as well: "data" found as the folder "DATA".
    const QString document = QString::fromStdString((folder.dataDir() / "catalog.pdf").string());
    EXPECT_EQ(linesOf(started), (QStringList{document, document}));
}

TEST(MenuTest, WithoutTheViewerTheCatalogueOpensInTheDesktopsViewer) {
    testsupport::CatalogFolder folder;
    std::ofstream(folder.dataDir() / "catalog.pdf") << "%PDF-1.4\n";
    DesktopViewer desktop;
    ProgramDriver::run([&](GuiDriver& gui) {
        testsupport::MessageBoxRecorder messages;
        forms::Form* menu = gui.waitForForm("Menu");
        ASSERT_NE(menu, nullptr);
        gui.click(*menu, "Command3");
        EXPECT_TRUE(menu->Visible());
        EXPECT_TRUE(messages.texts().isEmpty());
        gui.press(*menu, Qt::Key_Escape);
    });
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened.front(), QUrl::fromLocalFile(QString::fromStdString((folder.dataDir() / "catalog.pdf").string())));
}

TEST(MenuTest, WhenNothingCanOpenTheCatalogueAMessageSaysWhatAndWhy) {
    testsupport::CatalogFolder folder; // neither viewer nor document
    DesktopViewer desktop;
    QStringList texts;
    ProgramDriver::run([&](GuiDriver& gui) {
        testsupport::MessageBoxRecorder messages;
        forms::Form* menu = gui.waitForForm("Menu");
        ASSERT_NE(menu, nullptr);
        gui.click(*menu, "Command3");
        ASSERT_TRUE(gui.waitFor([&] { return messages.texts().size() == 1; }));
        texts = messages.texts();
        EXPECT_EQ(messages.seen().front().icon, QMessageBox::Warning);
        EXPECT_TRUE(menu->Visible());
        gui.press(*menu, Qt::Key_Escape);
    });
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts.front().contains("catalog.pdf")) << texts.front().toStdString();
    EXPECT_TRUE(texts.front().contains("does not exist")) << texts.front().toStdString();
    EXPECT_TRUE(desktop.opened.isEmpty());
}

} // namespace

#include "Menu_test.moc"
