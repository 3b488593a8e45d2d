// The life of forms under the runtime: load and show, modal shows that nest,
// unloads from inside handlers, the Forms list, pages, End.
#include "tests/forms/FormsDriver.h"
#include "tests/forms/TestForms.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/QtPrinters.h"

#include "forms/FormError.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"

#include <QWidget>

#include <gtest/gtest.h>

using formstest::JournalForm;
using formstest::PageForm;
using testsupport::GuiDriver;

namespace {

JournalForm& form(const char* name) {
    return forms::Forms::Default<JournalForm>(name);
}

QStringList loadedNames() {
    QStringList names;
    for (int i = 0; i < forms::Forms::Count(); ++i)
        names << forms::Forms::Item(i).Name();
    return names;
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"A", "B", "C", "D"})
            forms::Forms::registerForm(name, [name] { return std::make_unique<JournalForm>(name); });
        JournalForm::journal().clear();
        PageForm::destroyed() = 0;
    }
    QStringList& journal() { return JournalForm::journal(); }
};

TEST_F(FormTest, ModalShowsNestAndReturnOnlyAfterTheWaitingHandlersReturn) {
    formstest::runForms("A", [this](GuiDriver& gui) {
        JournalForm& a = form("A");
        JournalForm& b = form("B");
        JournalForm& c = form("C");
        JournalForm& d = form("D");
        a.onOk = [&] {
            b.ShowModal();
            journal() << "A after B";
        };
        b.onOk = [&] {
            c.ShowModal();
            journal() << "B after C";
        };
        c.onOk = [&] {
            d.ShowModal();
            journal() << "C after D";
        };
        // D hides the form in the middle, then unloads itself from inside its own handler.
        d.onReturn = [&] {
            c.Hide();
            journal() << "C hidden";
            d.Unload();
            journal() << "D unloaded";
        };

        gui.click(a, "Command2");
        ASSERT_TRUE(b.Visible());
        EXPECT_EQ(b.window()->windowModality(), Qt::ApplicationModal);
        gui.click(b, "Command2");
        ASSERT_TRUE(c.Visible());
        gui.click(c, "Command2");
        ASSERT_TRUE(d.Visible());
        EXPECT_EQ(loadedNames(), (QStringList{"A", "B", "C", "D"}));

        gui.click(d, "Command1");
        // C was hidden while D was shown: C's show returned only after D's and C's handlers had returned.
        EXPECT_FALSE(c.Visible());
        EXPECT_FALSE(d.IsLoaded());
        EXPECT_TRUE(b.Visible());
        EXPECT_EQ(loadedNames(), (QStringList{"A", "B", "C"}));

        gui.press(b, Qt::Key_Escape);
        EXPECT_FALSE(b.IsLoaded());
        EXPECT_TRUE(a.Visible());
    });
    EXPECT_EQ(journal(), (QStringList{"A Load", "A Activate", "A OK", "B Load", "B Activate", "B OK", "C Load",
                                      "C Activate", "C OK", "D Load", "D Activate", "D Return", "C hidden",
                                      "B Activate", "D unloaded", "C after D", "B after C", "B Return",
                                      "A Activate", "A after B"}));
}

TEST_F(FormTest, FormsListsTheLoadedFormsInLoadOrderAndUnloadingMovesLaterOnesDown) {
    formstest::runForms("A", [](GuiDriver&) {
        form("B").Load();
        form("C").Load();
        form("D").Load();
        EXPECT_EQ(loadedNames(), (QStringList{"A", "B", "C", "D"}));
        EXPECT_FALSE(form("B").Visible()); // Load leaves it hidden

        forms::Forms::Item(1).Unload();
        EXPECT_EQ(loadedNames(), (QStringList{"A", "C", "D"}));
        EXPECT_EQ(&forms::Forms::Item(1), &form("C"));

        form("B").Show(); // loads it again, at the end
        EXPECT_EQ(loadedNames(), (QStringList{"A", "C", "D", "B"}));
        EXPECT_EQ(form("B").loads, 2);
        EXPECT_THROW(forms::Forms::Item(4), forms::FormError);
        EXPECT_THROW(forms::Forms::Item(-1), forms::FormError);
        EXPECT_THROW(forms::Forms::Default("NoSuchForm"), forms::FormError);
    });
}

TEST_F(FormTest, UnloadKeepsTheFormsVariablesAndDestroysItsControls) {
    formstest::runForms("A", [](GuiDriver& gui) {
        JournalForm& b = form("B");
        b.Show();
        b.Text1->setText("typed");
        QPointer<QWidget> window = b.window();
        b.Unload();
        EXPECT_FALSE(b.IsLoaded());
        EXPECT_EQ(b.window(), nullptr);
        EXPECT_THROW(b.controlNamed("Text1"), forms::FormError);
        EXPECT_EQ(b.loads, 1); // a variable of the form: kept
        ASSERT_TRUE(gui.waitFor([&] { return window.isNull(); }));
        b.Show();
        EXPECT_EQ(b.control<forms::TextBox>("Text1").Text(), ""); // controls start afresh
    });
}

TEST_F(FormTest, AWalkOverFormsUnloadsPagesWhileTheirHandlersStillWait) {
    formstest::runForms("A", [this](GuiDriver& gui) {
        JournalForm& a = form("A");
        std::vector<PageForm*> pages;
        for (int i = 1; i <= 3; ++i) {
            PageForm& page = forms::Forms::New<PageForm>();
            page.Load();
            page.setCaption("P" + QString::number(i));
            pages.push_back(&page);
        }
        // Page 1 is shown modally from A; its OK hides it and shows page 2 modally from inside its handler.
        a.onOk = [&] {
            pages[0]->ShowModal();
            journal() << "A after P1";
        };
        pages[0]->onOk = [&, page = pages[0]] {
            page->Hide();
            pages[1]->ShowModal();
            journal() << page->Caption() + " after P2"; // its form was unloaded meanwhile: the object lives on
        };
        // Return on page 2 unloads every page, the last loaded first, as the car information pages do.
        pages[1]->onReturn = [&] {
            for (int i = forms::Forms::Count() - 1; i >= 0; --i)
                if (forms::Forms::Item(i).Name() == "Page")
                    forms::Forms::Item(i).Unload();
            journal() << "pages unloaded";
        };
        gui.click(a, "Command2");
        gui.click(*pages[0], "Command2");
        ASSERT_TRUE(pages[1]->Visible());
        gui.press(*pages[1], Qt::Key_Escape);
        EXPECT_EQ(loadedNames(), (QStringList{"A"}));
        EXPECT_TRUE(gui.waitFor([] { return PageForm::destroyed() == 3; }));
        EXPECT_TRUE(a.Visible());
    });
    EXPECT_EQ(journal().mid(journal().indexOf("Page Return")),
              (QStringList{"Page Return", "A Activate", "pages unloaded", "P1 after P2", "A after P1"}));
}

TEST_F(FormTest, EndInsideNestedShowsUnwindsEveryLoopAndRunsNoFurtherHandler) {
    formstest::runForms("A", [this](GuiDriver& gui) {
        JournalForm& a = form("A");
        JournalForm& b = form("B");
        JournalForm& c = form("C");
        a.onOk = [&] {
            b.ShowModal();
            journal() << "A after B";
            form("D").Show();
        };
        b.onOk = [&] {
            c.ShowModal();
            journal() << "B after C";
        };
        c.onOk = [&] {
            forms::Runtime::End();
            journal() << "C after End";
            forms::MsgBox("not shown after End");
        };
        gui.click(a, "Command2");
        gui.click(b, "Command2");
        gui.click(c, "Command2");
        EXPECT_TRUE(gui.programEnded());
    });
    const QStringList tail = journal().mid(journal().indexOf("C OK"));
    EXPECT_EQ(tail, (QStringList{"C OK", "C after End", "B after C", "A after B"}));
    EXPECT_FALSE(journal().contains("D Load"));
}

TEST_F(FormTest, AScriptThatStopsInsideAModalShowAndAMessageBoxStillEndsTheProgram) {
    formstest::runForms("A", [this](GuiDriver& gui) {
        form("A").onOk = [] { form("B").ShowModal(); };
        form("B").onOk = [this] {
            forms::MsgBox("left waiting");
            journal() << "B after MsgBox";
        };
        gui.click(form("A"), "Command2");
        gui.click(form("B"), "Command2");
        ASSERT_NE(GuiDriver::messageBox(), nullptr);
        // The script returns here, the box still open: the driver ends the program.
    });
    EXPECT_TRUE(journal().contains("B after MsgBox"));
}

TEST_F(FormTest, ActiveFormIsTheFormWhoseHandlerRunsAndActivateRunsOnEveryShow) {
    formstest::runForms("A", [](GuiDriver& gui) {
        JournalForm& a = form("A");
        JournalForm& b = form("B");
        std::vector<forms::Form*> seen;
        a.onOk = [&] {
            seen.push_back(forms::Screen::ActiveForm());
            b.ShowModal();
            seen.push_back(forms::Screen::ActiveForm()); // back in A's handler
        };
        b.onOk = [&] {
            seen.push_back(forms::Screen::ActiveForm());
            forms::MsgBox("a box between");
        };
        testsupport::MessageBoxRecorder messages;
        gui.click(a, "Command2");
        gui.click(b, "Command2");
        ASSERT_TRUE(gui.waitFor([&] { return messages.texts().size() == 1; }));
        gui.click(b, "Command2");
        ASSERT_TRUE(gui.waitFor([&] { return messages.texts().size() == 2; }));
        EXPECT_EQ(b.activations, 1); // a message box closing is no new activation
        gui.press(b, Qt::Key_Escape);
        ASSERT_EQ(seen.size(), 4u);
        gui.click(a, "Command2"); // B loads again and activates again; its variables stayed
        EXPECT_EQ(b.activations, 2);
        gui.press(b, Qt::Key_Escape);
        EXPECT_EQ(seen[0], &a);
        EXPECT_EQ(seen[1], &b);
        EXPECT_EQ(seen[2], &b);
        EXPECT_EQ(seen[3], &a);
    });
}

TEST_F(FormTest, AStrayExceptionOfAHandlerIsReportedAndTheProgramGoesOn) {
    testing::internal::CaptureStderr();
    formstest::runForms("A", [this](GuiDriver& gui) {
        JournalForm& a = form("A");
        a.onOk = [] { throw std::runtime_error("the catalogue vanished"); };
        gui.click(a, "Command2");
        a.onOk = [this] { journal() << "second click"; };
        gui.click(a, "Command2");
        EXPECT_TRUE(journal().contains("second click"));
    });
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("form A"), std::string::npos) << errors;
    EXPECT_NE(errors.find("the catalogue vanished"), std::string::npos) << errors;
}

} // namespace
