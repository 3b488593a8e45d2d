// Small forms of the tests' own, built like the program's forms, to drive the runtime.
#pragma once

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Forms.h"
#include "forms/ListBox.h"
#include "forms/TextBox.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace formstest {

// A form with a Return button (cancel, Esc) that unloads it and an OK button;
// every handler writes what ran into the shared journal.
class JournalForm : public forms::Form {
    Q_OBJECT
public:
    explicit JournalForm(const QString& name, bool keyPreview = false);

    static QStringList& journal();

    std::function<void()> onOk;
    std::function<void()> onReturn;
    std::function<void(int, int)> onKey;
    int loads = 0;
    int activations = 0;

    forms::CommandButton* Command1 = nullptr; // "Return"
    forms::CommandButton* Command2 = nullptr; // "OK"
    forms::TextBox* Text1 = nullptr;

protected:
    void createControls() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    bool m_keyPreview;
};

// A page form: further instances made by Forms::New.
class PageForm : public JournalForm {
    Q_OBJECT
public:
    PageForm() : JournalForm("Page") {}
    ~PageForm() override { ++destroyed(); }
    static int& destroyed();
};

} // namespace formstest
