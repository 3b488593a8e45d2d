// The message box and the mouse pointer, as a handler uses them.
#include "tests/forms/FormsDriver.h"
#include "tests/forms/TestForms.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/QtPrinters.h"

#include "forms/MsgBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QWidget>

#include <gtest/gtest.h>

using formstest::JournalForm;
using testsupport::GuiDriver;

namespace {

class MsgBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::Forms::registerForm("A", [] { return std::make_unique<JournalForm>("A"); });
        JournalForm::journal().clear();
    }
    static JournalForm& a() { return forms::Forms::Default<JournalForm>("A"); }
};

TEST_F(MsgBoxTest, TheHandlerWaitsUntilOkIsPressed) {
    formstest::runForms("A", [](GuiDriver& gui) {
        a().onOk = [] {
            JournalForm::journal() << "before";
            forms::MsgBox("Data not Found");
            JournalForm::journal() << "after";
        };
        gui.click(a(), "Command2");
        QMessageBox* box = GuiDriver::messageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Data not Found");
        EXPECT_EQ(box->windowTitle(), "Vexorin");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->buttons().front(), box->button(QMessageBox::Ok));
        EXPECT_TRUE(box->isModal());
        gui.pause(std::chrono::milliseconds(100));
        EXPECT_FALSE(JournalForm::journal().contains("after")); // still waiting
        gui.answerMessageBox();
        EXPECT_EQ(GuiDriver::messageBox(), nullptr);
        EXPECT_TRUE(JournalForm::journal().contains("after"));
    });
}

TEST_F(MsgBoxTest, TheRecorderAnswersEveryBoxInOrderAndTextsStayPlain) {
    formstest::runForms("A", [](GuiDriver& gui) {
        testsupport::MessageBoxRecorder messages;
        a().onOk = [] {
            forms::MsgBox("DataBase not Open");
            forms::MsgBox("<b>Table not Open</b>");
            forms::MsgBox("Data not Found");
        };
        gui.click(a(), "Command2");
        ASSERT_TRUE(gui.waitFor([&] { return messages.texts().size() == 3; }));
        EXPECT_EQ(messages.texts(), (QStringList{"DataBase not Open", "<b>Table not Open</b>", "Data not Found"}));
        for (const auto& seen : messages.seen()) {
            EXPECT_EQ(seen.title, "Vexorin");
            EXPECT_EQ(seen.icon, QMessageBox::Warning);
            EXPECT_EQ(seen.buttons, (QStringList{"OK"}));
        }
    });
}

TEST_F(MsgBoxTest, MousePointer11ShowsTheWaitCursorAnd0TheDefault) {
    formstest::runForms("A", [](GuiDriver& gui) {
        JournalForm& form = a();
        Qt::CursorShape during = Qt::ArrowCursor;
        form.onOk = [&] {
            form.setMousePointer(11);
            during = form.window()->cursor().shape();
        };
        EXPECT_EQ(form.MousePointer(), 0);
        gui.click(form, "Command2");
        EXPECT_EQ(during, Qt::WaitCursor);
        EXPECT_EQ(form.MousePointer(), 11);
        form.setMousePointer(0);
        EXPECT_EQ(form.MousePointer(), 0);
        EXPECT_EQ(form.window()->cursor().shape(), Qt::ArrowCursor);
    });
}

} // namespace
