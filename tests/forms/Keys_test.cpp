// Keys as the forms see them: key preview before the focused control, both
// Enter keys as 13, the shift state, Esc on the cancel button, Space on the
// focused button, Enter on the focused button only without key preview, close requests.
#include "tests/forms/FormsDriver.h"
#include "tests/forms/TestForms.h"
#include "tests/support/QtPrinters.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using formstest::JournalForm;
using testsupport::GuiDriver;

namespace {

class KeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::Forms::registerForm("Preview", [] { return std::make_unique<JournalForm>("Preview", true); });
        forms::Forms::registerForm("Plain", [] { return std::make_unique<JournalForm>("Plain", false); });
        JournalForm::journal().clear();
    }
    static QStringList& journal() { return JournalForm::journal(); }
};

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* focus; // the control with the focus
    QStringList previewJournal; // with key preview
    QStringList plainJournal;   // without
};

TEST_F(KeysTest, KeysReachTheFormBeforeTheFocusedControlAndEscClicksTheCancelButton) {
    const std::vector<KeyCase> cases = {
        // With key preview the form runs its own command on Enter; without, Enter presses the focused button.
        {"Enter on a button", Qt::Key_Return, Qt::NoModifier, "Command2", {"KeyDown 13/0"}, {"OK"}},
        {"keypad Enter on a button", Qt::Key_Enter, Qt::KeypadModifier, "Command2", {"KeyDown 13/0"}, {"OK"}},
        {"keypad Enter in a text box", Qt::Key_Enter, Qt::KeypadModifier, "Text1", {"KeyDown 13/0"}, {}},
        {"Shift+Enter on the cancel button", Qt::Key_Return, Qt::ShiftModifier, "Command1", {"KeyDown 13/1"},
         {"Return"}},
        {"Ctrl+Alt+Enter", Qt::Key_Return, Qt::ControlModifier | Qt::AltModifier, "Text1", {"KeyDown 13/6"}, {}},
        {"Shift+Ctrl+Alt+keypad Enter", Qt::Key_Enter,
         Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier, "Text1", {"KeyDown 13/7"}, {}},
        {"Esc", Qt::Key_Escape, Qt::NoModifier, "Text1", {"KeyDown 27/0", "Return"}, {"Return"}},
        {"Space on a button", Qt::Key_Space, Qt::NoModifier, "Command2", {"KeyDown 32/0", "OK"}, {"OK"}},
        {"F4", Qt::Key_F4, Qt::NoModifier, "Text1", {"KeyDown 115/0"}, {}},
        {"a letter", Qt::Key_X, Qt::ShiftModifier, "Text1", {"KeyDown 88/1"}, {}},
    };
    for (const KeyCase& c : cases) {
        for (const char* formName : {"Preview", "Plain"}) {
            SCOPED_TRACE(std::string(c.name) + " on " + formName);
            journal().clear();
            formstest::runForms(formName, [&](GuiDriver& gui) {
                JournalForm& form = forms::Forms::Default<JournalForm>(formName);
                form.onReturn = [] {}; // stays loaded: the journal tells what ran
                form.controlNamed(c.focus).SetFocus();
                journal().clear();
                gui.press(form, c.key, c.modifiers);
            });
            // The modifier keys come as keys of their own (16, 17, 18), as they do from a keyboard.
            QStringList seen = journal();
            seen.removeIf([](const QString& entry) {
                return entry.contains(" KeyDown 16/") || entry.contains(" KeyDown 17/") ||
                       entry.contains(" KeyDown 18/");
            });
            QStringList expected;
            for (const QString& entry : QString(formName) == "Preview" ? c.previewJournal : c.plainJournal)
                expected << QString(formName) + " " + entry;
            EXPECT_EQ(seen, expected);
        }
    }
}

TEST_F(KeysTest, TheKeyGoesOnToTheControlAfterThePreview) {
    formstest::runForms("Preview", [](GuiDriver& gui) {
        JournalForm& form = forms::Forms::Default<JournalForm>("Preview");
        journal().clear();
        gui.type(form, "Text1", "ab");
        EXPECT_EQ(form.Text1->Text(), "ab");
        EXPECT_EQ(journal(), (QStringList{"Preview KeyDown 65/0", "Preview KeyDown 66/0"}));
    });
}

TEST_F(KeysTest, AKeyWhoseHandlerClosesTheFormGoesNoFurther) {
    formstest::runForms("Preview", [](GuiDriver& gui) {
        JournalForm& form = forms::Forms::Default<JournalForm>("Preview");
        // Enter runs the form's command, which hides it; Esc would otherwise click Return as well.
        form.onKey = [&form](int code, int) {
            if (code == 27)
                form.Hide();
        };
        journal().clear();
        gui.press(form, Qt::Key_Escape);
        EXPECT_EQ(journal(), (QStringList{"Preview KeyDown 27/0"}));
        EXPECT_TRUE(form.IsLoaded());
    });
}

TEST_F(KeysTest, EscDoesNotClickADisabledCancelButton) {
    formstest::runForms("Plain", [](GuiDriver& gui) {
        JournalForm& form = forms::Forms::Default<JournalForm>("Plain");
        form.Command1->setEnabled(false);
        journal().clear();
        gui.press(form, Qt::Key_Escape);
        EXPECT_TRUE(journal().isEmpty());
    });
}

TEST_F(KeysTest, ACloseRequestClicksTheCancelButton) {
    formstest::runForms("Plain", [](GuiDriver& gui) {
        JournalForm& form = forms::Forms::Default<JournalForm>("Plain");
        journal().clear();
        gui.closeWindow(form);
        EXPECT_EQ(journal(), (QStringList{"Plain Return"}));
        EXPECT_FALSE(form.IsLoaded()); // its Return unloads it
    });
}

TEST_F(KeysTest, TabMovesTheFocusInTabOrderAndTheFormDoesNotSeeIt) {
    formstest::runForms("Preview", [](GuiDriver& gui) {
        JournalForm& form = forms::Forms::Default<JournalForm>("Preview");
        EXPECT_EQ(form.window()->focusWidget(), form.Text1->widget()); // first in tab order
        journal().clear();
        gui.press(form, Qt::Key_Tab);
        EXPECT_EQ(form.window()->focusWidget(), form.Command2->widget());
        gui.press(form, Qt::Key_Tab);
        EXPECT_EQ(form.window()->focusWidget(), form.Command1->widget());
        EXPECT_TRUE(journal().isEmpty());
    });
}

} // namespace
