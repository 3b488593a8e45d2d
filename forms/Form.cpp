#include "forms/Form.h"

#include "forms/CommandButton.h"
#include "forms/Dispatcher.h"
#include "forms/FormState.h"
#include "forms/FormWindow.h"
#include "forms/Fonts.h"
#include "forms/RuntimeState.h"

#include <QEventLoop>

#include <algorithm>

namespace forms {

namespace {

// The font of a form that sets none: the design's default form font.
constexpr const char* DefaultFontFamily = "MS Sans Serif";
constexpr double DefaultFontPoints = 8.25;

} // namespace

CommandButton* Form::State::cancelButton() const {
    for (const auto& control : controls)
        if (auto* button = dynamic_cast<CommandButton*>(control.get()); button && button->Cancel())
            return button;
    return nullptr;
}

CommandButton* Form::State::buttonWithWidget(const QWidget* widget) const {
    if (!widget)
        return nullptr;
    for (const auto& control : controls)
        if (control->widget() == widget)
            return dynamic_cast<CommandButton*>(control.get());
    return nullptr;
}

Form::Form(const QString& name) : m_name(name), m_state(std::make_unique<State>()) {
    setObjectName(name);
}

Form::~Form() {
    auto& runtime = RuntimeState::instance();
    if (IsLoaded()) {
        std::erase(runtime.loaded, this);
        for (QEventLoop* loop : m_state->modalLoops)
            loop->quit();
        m_state->window->detach();
        // The window (and with it every widget) goes before the controls that refer to its widgets.
        m_state->window.reset();
        m_state->controls.clear();
    }
    runtime.forget(this);
}

void Form::Load() {
    auto& runtime = RuntimeState::instance();
    if (IsLoaded() || runtime.ending)
        return;
    m_state->window = std::make_unique<FormWindow>(this);
    m_state->window->setObjectName(m_name);
    m_state->window->setFont(designFont(DefaultFontFamily, DefaultFontPoints));
    m_mousePointer = 0;
    runtime.loaded.push_back(this);
    runtime.revive(this);
    try {
        createControls();
    } catch (...) {
        // A form that cannot build its controls does not stay half loaded.
        Unload();
        throw;
    }
    applyWindowFlags();
    applyTabOrder();
    Dispatcher::run(nullptr, [this] { Form_Load(); });
}

FormWindow* Form::loadForShow() {
    if (RuntimeState::instance().ending)
        return nullptr;
    Load();
    return m_state->window.get(); // nullptr when the load handler unloaded the form again
}

void Form::Show() {
    FormWindow* window = loadForShow();
    if (!window)
        return;
    if (!window->isVisible()) {
        window->setWindowModality(Qt::NonModal);
        window->show();
    }
    present();
}

void Form::ShowModal() {
    FormWindow* window = loadForShow();
    if (!window)
        return;
    auto& runtime = RuntimeState::instance();
    // A form already waited on in a modal show is only brought to the front.
    if (window->isVisible() && !m_state->modalLoops.empty()) {
        present();
        return;
    }
    if (window->isVisible())
        window->hide();
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    present();
    if (!IsLoaded() || !m_state->window->isVisible() || runtime.ending)
        return; // the Activate handler has closed it again

    QEventLoop loop;
    m_state->modalLoops.push_back(&loop);
    runtime.loops.push_back(&loop);
    ++runtime.nestedDepth;
    loop.exec(QEventLoop::DialogExec);
    --runtime.nestedDepth;
    std::erase(runtime.loops, &loop);
    std::erase(m_state->modalLoops, &loop);
    runtime.collect();
}

void Form::Hide() {
    Load();
    if (!IsLoaded())
        return;
    m_state->window->hide();
    for (QEventLoop* loop : m_state->modalLoops)
        loop->quit();
    RuntimeState::instance().forget(this);
}

void Form::Unload() {
    if (!IsLoaded())
        return;
    auto& runtime = RuntimeState::instance();
    std::erase(runtime.loaded, this);
    for (QEventLoop* loop : m_state->modalLoops)
        loop->quit();
    Burial burial;
    burial.window = std::move(m_state->window);
    burial.controls = std::move(m_state->controls);
    m_state->controls.clear();
    burial.window->detach();
    burial.window->hide();
    runtime.forget(this);
    runtime.retire(this);
    // Handlers may still run in this window's widgets: they are destroyed once none runs.
    runtime.bury(std::move(burial));
    runtime.collect();
}

bool Form::IsLoaded() const {
    return m_state->window != nullptr;
}

bool Form::Visible() const {
    return IsLoaded() && m_state->window->isVisible();
}

QString Form::Caption() const {
    return m_state->caption;
}

void Form::setCaption(const QString& caption) {
    m_state->caption = caption;
    if (IsLoaded())
        m_state->window->setWindowTitle(caption);
}

int Form::Left() const {
    if (!IsLoaded())
        return m_state->left.value_or(0);
    const int x = m_state->window->x();
    // Read back exactly what was set while the window stands there.
    if (m_state->left && toPixels(*m_state->left) == x)
        return *m_state->left;
    return toTwips(x);
}

int Form::Top() const {
    if (!IsLoaded())
        return m_state->top.value_or(0);
    const int y = m_state->window->y();
    if (m_state->top && toPixels(*m_state->top) == y)
        return *m_state->top;
    return toTwips(y);
}

void Form::setLeft(int twips) {
    m_state->left = twips;
    if (IsLoaded())
        m_state->window->move(toPixels(twips), m_state->window->y());
}

void Form::setTop(int twips) {
    m_state->top = twips;
    if (IsLoaded())
        m_state->window->move(m_state->window->x(), toPixels(twips));
}

void Form::setMousePointer(int pointer) {
    m_mousePointer = pointer;
    if (!IsLoaded())
        return;
    if (pointer == 11)
        m_state->window->setCursor(Qt::WaitCursor);
    else
        m_state->window->unsetCursor();
}

Control& Form::controlNamed(const QString& name) const {
    if (!IsLoaded())
        throw FormError("form " + m_name.toStdString() + " is not loaded (asked for its control " +
                        name.toStdString() + ")");
    for (const auto& control : m_state->controls)
        if (control->Name() == name)
            return *control;
    throw FormError("form " + m_name.toStdString() + " has no control " + name.toStdString());
}

QWidget* Form::window() const {
    return m_state->window.get();
}

void Form::Form_KeyDown(int, int) {}

void Form::Form_CloseRequest() {
    if (CommandButton* cancel = IsLoaded() ? m_state->cancelButton() : nullptr)
        cancel->Click();
    else
        Unload();
}

void Form::setClientSize(int widthTwips, int heightTwips) {
    m_state->clientWidth = widthTwips;
    m_state->clientHeight = heightTwips;
    if (IsLoaded())
        m_state->window->setFixedSize(toPixels(widthTwips), toPixels(heightTwips));
}

void Form::setDesignedPosition(int leftTwips, int topTwips) {
    m_state->left = leftTwips;
    m_state->top = topTwips;
    if (IsLoaded())
        m_state->window->move(toPixels(leftTwips), toPixels(topTwips));
}

void Form::setControlBox(bool on) {
    m_state->controlBox = on;
    applyWindowFlags();
}

void Form::setMinButton(bool on) {
    m_state->minButton = on;
    applyWindowFlags();
}

void Form::setMaxButton(bool on) {
    m_state->maxButton = on;
    applyWindowFlags();
}

void Form::setKeyPreview(bool on) {
    m_state->keyPreview = on;
}

void Form::setFormFont(const QString& family, double points) {
    m_state->font = designFont(family, points);
    if (IsLoaded())
        m_state->window->setFont(*m_state->font);
}

void Form::adopt(std::unique_ptr<Control> control) {
    m_state->controls.push_back(std::move(control));
    if (m_state->controls.back()->tabIndex() < 0)
        m_state->controls.back()->m_tabIndex = static_cast<int>(m_state->controls.size()) - 1;
}

QWidget* Form::parentFor(Control* container) const {
    if (!IsLoaded())
        throw FormError("form " + m_name.toStdString() + " is not loaded: its controls are created by Load");
    return container ? container->containerWidget() : m_state->window.get();
}

void Form::applyWindowFlags() {
    if (!IsLoaded())
        return;
    // Without a control box the title bar has no system menu, no close box and no minimize or maximize box.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (m_state->controlBox) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (m_state->minButton)
            flags |= Qt::WindowMinimizeButtonHint;
        if (m_state->maxButton)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    FormWindow* window = m_state->window.get();
    if (window->windowFlags() != flags) {
        const bool visible = window->isVisible();
        window->setWindowFlags(flags);
        if (visible)
            window->show();
    }
}

void Form::applyTabOrder() {
    if (!IsLoaded())
        return;
    const std::vector<Control*> order = controlsInTabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
}

std::vector<Control*> Form::controlsInTabOrder() const {
    std::vector<Control*> order;
    for (const auto& control : m_state->controls)
        order.push_back(control.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    return order;
}

void Form::present() {
    FormWindow* window = m_state->window.get();
    window->raise();
    window->activateWindow();
    // The first control in tab order that takes the focus gets it, as when the form opens.
    if (!window->focusWidget()) {
        for (Control* control : controlsInTabOrder()) {
            QWidget* widget = control->widget();
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(window)) {
                widget->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    RuntimeState::instance().makeActive(this);
}

} // namespace forms
