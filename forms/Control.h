// The members every control of a form has.
#pragma once

#include "forms/FormError.h"
#include "forms/Twips.h"

#include <QString>

class QWidget;

namespace forms {

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The design name ("Command1", "Option1(2)"), also the widget's object name.
    const QString& Name() const { return m_name; }

    bool Visible() const;
    void setVisible(bool visible);
    bool Enabled() const;
    void setEnabled(bool enabled);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void setTabIndex(int index);
    void SetFocus();
    // Family as the design names it ("Courier New", "MS Serif"); see forms/Fonts.h.
    void setFont(const QString& family, double points);

    QWidget* widget() const { return m_widget; }

protected:
    Control(QWidget* widget, const QString& name, const TwipsRect& rect);

private:
    QWidget* m_widget; // owned by the form's window
    QString m_name;
    TwipsRect m_rect;
    bool m_visible = true;
};

template <class C> C& controlCast(Control& control) {
    if (auto* typed = dynamic_cast<C*>(&control))
        return *typed;
    throw FormError("control " + control.Name().toStdString() + " is not of the kind asked for");
}

} // namespace forms
