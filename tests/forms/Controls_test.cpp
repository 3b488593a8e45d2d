// The controls of a form as the lookups use them: names, captions, geometry in
// twips, fonts, list boxes with many lines, drop-down lists and option buttons.
#include "tests/forms/FormsDriver.h"
#include "tests/support/QtPrinters.h"

#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Fonts.h"
#include "forms/FormError.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/OptionButton.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using testsupport::GuiDriver;

namespace {

// One control of every kind, laid out like a form of the program.
class Sampler : public forms::Form {
    Q_OBJECT
public:
    Sampler() : Form("Sampler") {}

    QStringList clicks;
    forms::CommandButton* Command1 = nullptr;
    forms::Label* Label1 = nullptr;
    forms::ListBox* List1 = nullptr;
    forms::ComboBox* Combo1 = nullptr;
    forms::Frame* Frame1 = nullptr;
    std::vector<forms::OptionButton*> Option1;

protected:
    void createControls() override {
        setCaption("Sampler");
        setClientSize(3825, 2520);
        setDesignedPosition(2235, 2265);
        Command1 = addControl<forms::CommandButton>("Command1", forms::TwipsRect{360, 120, 3135, 375});
        Command1->setCaption("Model && Application");
        Command1->onClick = [this] { clicks << "Command1"; };
        Label1 = addControl<forms::Label>("Label1", forms::TwipsRect{120, 600, 2000, 255});
        Label1->setCaption("Parts && Bearings");
        List1 = addControl<forms::ListBox>("List1", forms::TwipsRect{0, 900, 3000, 600});
        List1->setFont("Courier New", 8.25);
        Combo1 = addControl<forms::ComboBox>("Combo1", forms::TwipsRect{120, 1560, 2000, 315});
        Combo1->onClick = [this] { clicks << "Combo1 " + QString::number(Combo1->ListIndex()); };
        // Filled while the form loads, as the maker list of Car Select is.
        for (const char* maker : {"TOYOTA", "NISSAN", "HONDA"})
            Combo1->AddItem(maker);
        Frame1 = addControl<forms::Frame>("Frame1", forms::TwipsRect{2200, 1500, 1500, 1000});
        Frame1->setCaption("Application");
        for (int i = 0; i < 3; ++i) {
            auto* option = addControlIn<forms::OptionButton>(*Frame1, "Option1", forms::TwipsRect{90, 200 + 240 * i, 1300, 240}, i);
            option->setCaption("Option " + QString::number(i));
            option->onClick = [this](int index) { clicks << "Option1 " + QString::number(index); };
            Option1.push_back(option);
        }
    }
};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::Forms::registerForm("Sampler", [] { return std::make_unique<Sampler>(); });
    }
    static Sampler& sampler() { return forms::Forms::Default<Sampler>("Sampler"); }
};

TEST_F(ControlsTest, NamesCaptionsAndGeometryAreThoseOfTheDesign) {
    formstest::runForms("Sampler", [](GuiDriver& gui) {
        Sampler& form = sampler();
        EXPECT_EQ(form.window()->objectName(), "Sampler");
        EXPECT_EQ(form.window()->windowTitle(), "Sampler");
        // 15 twips to a pixel: the client area and every control at the design's place.
        EXPECT_EQ(form.window()->size(), QSize(255, 168));
        EXPECT_EQ(form.Left(), 2235);
        EXPECT_EQ(form.Top(), 2265);
        auto* button = qobject_cast<QPushButton*>(gui.widget(form, "Command1"));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), QRect(24, 8, 209, 25));
        EXPECT_EQ(button->text(), "Model && Application"); // Qt, too, shows "&&" as one "&"
        EXPECT_EQ(button->accessibleName(), "Model & Application");
        EXPECT_EQ(form.Command1->Caption(), "Model && Application");

        auto* label = qobject_cast<QLabel*>(gui.widget(form, "Label1"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), "Parts & Bearings");
        EXPECT_EQ(form.Label1->Caption(), "Parts && Bearings");

        ASSERT_NE(gui.widget(form, "Option1(2)"), nullptr);
        auto* frame = qobject_cast<QGroupBox*>(gui.widget(form, "Frame1"));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), "Application");
        // The options inside the frame sit below its caption and its top line, apart as the design has them.
        QPoint option[3];
        for (int i = 0; i < 3; ++i) {
            QWidget* button = gui.widget(form, "Option1(" + QString::number(i) + ")");
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(frame->isAncestorOf(button));
            option[i] = button->mapTo(frame, QPoint(0, 0));
        }
        EXPECT_GE(option[0].y(), frame->contentsRect().top());
        EXPECT_EQ(option[0].x(), 6);
        EXPECT_EQ(option[1].y() - option[0].y(), 16);
        EXPECT_EQ(option[2].y() - option[1].y(), 16);
        EXPECT_EQ(form.Option1[0]->Top(), 200);

        form.List1->setTop(1200);
        form.List1->setHeight(5960);
        EXPECT_EQ(form.List1->Top(), 1200);
        EXPECT_EQ(form.List1->Height(), 5960);
        EXPECT_EQ(form.List1->view()->geometry(), QRect(0, 80, 200, 397));
        form.Label1->setVisible(false);
        EXPECT_FALSE(form.Label1->Visible());
        EXPECT_TRUE(label->isHidden());

        EXPECT_THROW(form.control<forms::ListBox>("Command1"), forms::FormError);
        EXPECT_THROW(form.controlNamed("Command9"), forms::FormError);
    });
}

TEST_F(ControlsTest, AnAutoSizeLabelIsAsWideAsItsCaptionWhateverItSays) {
    formstest::runForms("Sampler", [](GuiDriver& gui) {
        forms::Label& label = *sampler().Label1;
        auto* text = qobject_cast<QLabel*>(gui.widget(sampler(), "Label1"));
        ASSERT_NE(text, nullptr);
        label.setFont("MS Serif", 8.25);
        label.setAutoSize(true);
        for (const char* caption : {"AE100-G", "CarCode && Type: AE100-GEMDKW (a long caption)", "X"}) {
            SCOPED_TRACE(caption);
            label.setCaption(caption);
            // As wide as Qt would make the label for its text, give or take the rounding of a pixel.
            EXPECT_NEAR(text->width(), text->sizeHint().width(), 1);
            EXPECT_EQ(label.Width(), forms::toTwips(text->width()));
        }
    });
}

TEST_F(ControlsTest, CourierNewIsAlwaysFixedPitchAndTheOtherDesignFontsFallBack) {
    for (const char* family : {"Courier New", "courier new"})
        EXPECT_TRUE(QFontInfo(forms::designFont(family, 8.25)).fixedPitch()) << family;
    for (const char* family : {"MS Sans Serif", "MS Serif", "Arial"}) {
        const QFont font = forms::designFont(family, 8.25);
        EXPECT_FALSE(QFontInfo(font).family().isEmpty()) << family;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25) << family;
    }
}

TEST_F(ControlsTest, AListBoxTakesAMillionLinesAndReadsThemBack) {
    formstest::runForms("Sampler", [](GuiDriver& gui) {
        forms::ListBox& list = *sampler().List1;
        list.setVisible(false);
        for (int i = 0; i < 1'000'000; ++i)
            list.AddItem(QString::number(i).rightJustified(10, u' '));
        list.setVisible(true);
        EXPECT_EQ(list.ListCount(), 1'000'000);
        EXPECT_EQ(list.List(0), "         0");
        EXPECT_EQ(list.List(999'999), "    999999");
        EXPECT_THROW(list.List(1'000'000), forms::FormError);
        EXPECT_THROW(list.List(-1), forms::FormError);
        gui.pause();
        EXPECT_EQ(list.view()->model()->rowCount(), 1'000'000);
        EXPECT_TRUE(list.view()->uniformItemSizes());
        // The view scrolls to the end with the keyboard as with any list.
        list.SetFocus();
        gui.pressOn(list.view(), Qt::Key_End);
        EXPECT_EQ(list.view()->currentIndex().row(), 999'999);
        list.Clear();
        EXPECT_EQ(list.ListCount(), 0);
        EXPECT_EQ(list.view()->model()->rowCount(), 0);
    });
}

TEST_F(ControlsTest, ADropDownListStartsWithNothingSelectedAndEveryChoiceRunsClick) {
    formstest::runForms("Sampler", [](GuiDriver& gui) {
        Sampler& form = sampler();
        forms::ComboBox& combo = *form.Combo1;
        gui.pause(); // the user comes once the program waits for input, as after every handler
        EXPECT_EQ(combo.ListCount(), 3);
        EXPECT_EQ(combo.ListIndex(), -1);
        EXPECT_EQ(combo.Text(), "");
        EXPECT_TRUE(form.clicks.isEmpty());

        gui.choose(form, "Combo1", "HONDA");
        EXPECT_EQ(combo.ListIndex(), 2);
        EXPECT_EQ(combo.Text(), "HONDA");
        gui.pressOn(combo.combo(), Qt::Key_Up); // the arrow keys choose, too
        EXPECT_EQ(combo.Text(), "NISSAN");
        combo.setListIndex(0);
        EXPECT_EQ(form.clicks, (QStringList{"Combo1 2", "Combo1 1", "Combo1 0"}));
        EXPECT_EQ(combo.List(1), "NISSAN");
        EXPECT_EQ(combo.ListCount(), 3);

        combo.Clear();
        EXPECT_EQ(combo.ListIndex(), -1);
        EXPECT_EQ(combo.Text(), "");
        EXPECT_EQ(combo.ListCount(), 0);
        EXPECT_THROW(combo.setListIndex(0), forms::FormError);

        // Listed anew, as choosing a maker lists its models: nothing is selected until the user chooses,
        // and items just added are there for the program and the keys at once.
        form.clicks.clear();
        for (const char* model : {"CAMRY", "COROLLA", "CROWN"})
            combo.AddItem(model);
        EXPECT_EQ(combo.ListIndex(), -1);
        EXPECT_EQ(combo.List(2), "CROWN");
        combo.setListIndex(2);
        EXPECT_EQ(combo.Text(), "CROWN");
        gui.pressOn(combo.combo(), Qt::Key_Up);
        EXPECT_EQ(combo.Text(), "COROLLA");
        for (int i = 0; i < 1000; ++i)
            combo.AddItem("MODEL " + QString::number(i));
        // A key that comes before the program has returned to the event loop reaches the last item added too.
        QTest::keyClick(gui.widget(form, "Combo1"), Qt::Key_End);
        EXPECT_EQ(combo.ListIndex(), 1002);
        EXPECT_EQ(combo.Text(), "MODEL 999");
        EXPECT_EQ(form.clicks, (QStringList{"Combo1 2", "Combo1 1", "Combo1 1002"}));
        EXPECT_EQ(combo.combo()->count(), 1003);
    });
}

TEST_F(ControlsTest, OneOptionOfTheArrayIsMarkedAndMarkingRunsClickWithItsIndex) {
    formstest::runForms("Sampler", [](GuiDriver& gui) {
        Sampler& form = sampler();
        form.Option1[0]->setValue(true);
        EXPECT_TRUE(form.Option1[0]->Value());
        gui.click(form, "Option1(2)");
        EXPECT_TRUE(form.Option1[2]->Value());
        EXPECT_FALSE(form.Option1[0]->Value());
        gui.pressOn(form.Option1[2]->widget(), Qt::Key_Up); // the arrow keys move the mark
        EXPECT_TRUE(form.Option1[1]->Value());
        EXPECT_EQ(form.clicks, (QStringList{"Option1 0", "Option1 2", "Option1 1"}));
        form.Option1[1]->setValue(false);
        EXPECT_FALSE(form.Option1[1]->Value());
        EXPECT_EQ(form.Option1[1]->Name(), "Option1(1)");
        EXPECT_EQ(form.Option1[1]->Index(), 1);
    });
}

TEST_F(ControlsTest, ADisabledButtonTakesNoClick) {
    formstest::runForms("Sampler", [](GuiDriver& gui) {
        Sampler& form = sampler();
        form.Command1->setEnabled(false);
        EXPECT_FALSE(form.Command1->Enabled());
        gui.click(form, "Command1");
        form.Command1->setEnabled(true);
        gui.pressOn(form.Command1->widget(), Qt::Key_Space);
        EXPECT_EQ(form.clicks, (QStringList{"Command1"}));
    });
}

} // namespace

#include "Controls_test.moc"
