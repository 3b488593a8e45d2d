#include "forms/Control.h"

#include "forms/Captions.h"
#include "forms/Dispatcher.h"
#include "forms/Fonts.h"
#include "forms/Form.h"

#include <QWidget>

namespace forms {

Control::Control(QWidget* widget, const QString& name, const TwipsRect& rect)
    : m_widget(widget), m_name(name), m_rect(rect) {
    m_widget->setObjectName(name);
    applyGeometry();
    // A control made while its window is hidden (as Load makes them) shows with the window, polished once then;
    // only one added to a window on screen needs showing now.
    if (QWidget* parent = m_widget->parentWidget(); parent && parent->isVisible())
        m_widget->show();
}

Control::~Control() = default;

bool Control::Visible() const {
    return m_visible;
}

void Control::setVisible(bool visible) {
    m_visible = visible;
    m_widget->setVisible(visible);
}

bool Control::Enabled() const {
    return m_widget->isEnabled();
}

void Control::setEnabled(bool enabled) {
    m_widget->setEnabled(enabled);
}

int Control::Left() const {
    return m_rect.left;
}

int Control::Top() const {
    return m_rect.top;
}

int Control::Width() const {
    return m_rect.width;
}

int Control::Height() const {
    return m_rect.height;
}

void Control::setLeft(int twips) {
    m_rect.left = twips;
    applyGeometry();
}

void Control::setTop(int twips) {
    m_rect.top = twips;
    applyGeometry();
}

void Control::setWidth(int twips) {
    m_rect.width = twips;
    applyGeometry();
}

void Control::setHeight(int twips) {
    m_rect.height = twips;
    applyGeometry();
}

void Control::setTabIndex(int index) {
    m_tabIndex = index;
    if (Form* form = Dispatcher::formOf(m_widget))
        form->applyTabOrder();
}

void Control::SetFocus() {
    m_widget->setFocus(Qt::OtherFocusReason);
}

void Control::setFont(const QString& family, double points) {
    m_widget->setFont(designFont(family, points));
    placeContents();
}

void Control::setAccessibleCaption(const QString& caption) {
    m_widget->setAccessibleName(shownCaption(caption));
}

void Control::applyGeometry() {
    m_widget->setGeometry(toPixels(m_rect.left), toPixels(m_rect.top), toPixels(m_rect.width),
                          toPixels(m_rect.height));
    placeContents();
}

} // namespace forms
