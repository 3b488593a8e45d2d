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
    // Position in the tab order of the form (by default the order of creation).
    void setTabIndex(int index);
    int tabIndex() const { return m_tabIndex; }
    void SetFocus();
    // Family as the design names it ("Courier New", "MS Serif"); see forms/Fonts.h.
    void setFont(const QString& family, double points);

    QWidget* widget() const { return m_widget; }
    // The widget that holds the controls placed inside this one (Form::addControlIn); the control's own by default.
    virtual QWidget* containerWidget() const { return m_widget; }

protected:
    Control(QWidget* widget, const QString& name, const TwipsRect& rect);

    // Called once the control's size or font has changed, for a control that lays out what it holds.
    virtual void placeContents() {}

    // The widget's text for screen readers and tests: the caption without its access-key marks.
    void setAccessibleCaption(const QString& caption);

private:
    friend class Form;
    void applyGeometry();

    QWidget* m_widget; // owned by the form's window
    QString m_name;
    TwipsRect m_rect;
    bool m_visible = true;
    int m_tabIndex = -1;
};

template <class C> C& controlCast(Control& control) {
    if (auto* typed = dynamic_cast<C*>(&control))
        return *typed;
    throw FormError("control " + control.Name().toStdString() + " is not of the kind asked for");
}

} // namespace forms
