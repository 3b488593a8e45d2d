#include "tests/forms/TestForms.h"

namespace formstest {

JournalForm::JournalForm(const QString& name, bool keyPreview) : Form(name), m_keyPreview(keyPreview) {}

QStringList& JournalForm::journal() {
    static QStringList entries;
    return entries;
}

void JournalForm::createControls() {
    setCaption(Name());
    setClientSize(3000, 1500);
    setKeyPreview(m_keyPreview);
    Text1 = addControl<forms::TextBox>("Text1", forms::TwipsRect{120, 120, 2000, 300});
    Command2 = addControl<forms::CommandButton>("Command2", forms::TwipsRect{120, 600, 1000, 375});
    Command2->setCaption("OK");
    Command2->onClick = [this] {
        journal() << Name() + " OK";
        if (onOk)
            onOk();
    };
    Command1 = addControl<forms::CommandButton>("Command1", forms::TwipsRect{1200, 600, 1000, 375});
    Command1->setCaption("Return");
    Command1->setCancel(true);
    Command1->onClick = [this] {
        journal() << Name() + " Return";
        if (onReturn)
            onReturn();
        else
            Unload();
    };
}

void JournalForm::Form_Load() {
    ++loads;
    journal() << Name() + " Load";
}

void JournalForm::Form_Activate() {
    ++activations;
    journal() << Name() + " Activate";
}

void JournalForm::Form_KeyDown(int keyCode, int shift) {
    journal() << Name() + " KeyDown " + QString::number(keyCode) + "/" + QString::number(shift);
    if (onKey)
        onKey(keyCode, shift);
}

int& PageForm::destroyed() {
    static int count = 0;
    return count;
}

} // namespace formstest
