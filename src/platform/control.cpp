#include "platform/control.h"

#include "platform/control_frame.h"
#include "platform/control_widgets.h"
#include "platform/form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QWidget>

namespace olm::platform {

namespace {

QColor qcolor(Color c) { return QColor(c.red, c.green, c.blue); }

void setHooks(QWidget* widget, WidgetHooks* hooks) {
    if (auto* hooked = dynamic_cast<HookedWidget*>(widget)) {
        hooked->attach(hooks);
    }
}

} // namespace

Parent::Parent(Form& form) : widget_(form.widget()), form_(&form) {}

Parent::Parent(Frame& frame) : widget_(frame.widget()), form_(&frame.form()) {}

int keyCode(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return key::Enter;
    }
    // Delete types no character even where the system gives it one.
    const QString text = event.text();
    if (text.size() == 1 && text[0].unicode() < 256 && event.key() != Qt::Key_Delete) {
        return text[0].unicode();
    }
    return event.key();
}

Control::Control(Parent parent, QWidget* widget) : form_(&parent.form()), widget_(widget) {}

void Control::ready(const Geometry& g, const std::optional<Font>& font) {
    setGeometry(g);
    if (font) {
        setFont(*font);
    }
    // Made after its window was shown: Qt leaves a new child hidden.
    if (widget_->parentWidget() && widget_->parentWidget()->isVisible()) {
        widget_->show();
    }
    setHooks(widget_, this);
    if (readableDisabled()) {
        applyPalette();
    }
}

Control::~Control() {
    form_->remove(this);
    if (widget_) {
        setHooks(widget_, nullptr);
        QObject::disconnect(widget_, nullptr, this, nullptr);
        delete widget_.data();
    }
}

QWidget* Control::widget() const {
    settleWidget();
    return widget_.data();
}

bool Control::live() const { return !form_->unloaded(); }

void Control::fire(const std::function<void()>& handler) const {
    if (handler && live()) {
        auto copy = handler; // the handler may replace itself while it runs
        copy();
    }
}

Geometry Control::geometry() const {
    const QRect r = widget_->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void Control::setGeometry(const Geometry& g) { widget_->setGeometry(g.x, g.y, g.width, g.height); }

QFont withFont(QFont base, const Font& font) {
    if (!font.name.empty()) {
        base.setFamily(qtext(font.name));
    }
    if (font.size > 0) {
        base.setPointSizeF(font.size);
    }
    base.setBold(font.bold);
    base.setItalic(font.italic);
    base.setUnderline(font.underline);
    return base;
}

void Control::setFont(const Font& font) { widget_->setFont(withFont(widget_->font(), font)); }

void Control::setBackColor(Color c) {
    back_ = c;
    applyPalette();
}

void Control::setForeColor(Color c) {
    fore_ = c;
    applyPalette();
}

void Control::setHighlighted(bool on) {
    highlighted_ = on;
    applyPalette();
}

// Only the roles set here are fixed on the widget; the rest it inherits. The
// highlight shows the box in the system's selection colours and its selected
// text in the box's normal ones.
void Control::applyPalette() {
    const QPalette system = QApplication::palette(widget_);
    const QColor back = back_ ? qcolor(*back_) : system.color(QPalette::Base);
    const QColor text = fore_ ? qcolor(*fore_) : system.color(QPalette::Text);
    QPalette p;
    if (back_) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
            p.setColor(role, back);
        }
    }
    if (fore_) {
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
                p.setColor(group, role, text);
            }
        }
    }
    if (readableDisabled()) {
        p.setColor(QPalette::Disabled, QPalette::Text, text);
    }
    if (highlighted_) {
        // Base and Text for a text box, Button for a drop-down list.
        p.setColor(QPalette::Base, system.color(QPalette::Highlight));
        p.setColor(QPalette::Button, system.color(QPalette::Highlight));
        p.setColor(QPalette::Text, system.color(QPalette::HighlightedText));
        p.setColor(QPalette::ButtonText, system.color(QPalette::HighlightedText));
        p.setColor(QPalette::Highlight, back);
        p.setColor(QPalette::HighlightedText, text);
    }
    widget_->setAutoFillBackground(back_.has_value());
    widget_->setPalette(p);
}

bool Control::enabled() const { return widget_->isEnabled(); }

void Control::setEnabled(bool on) {
    if (!on) {
        parkFocusHeldHere();
    }
    widget_->setEnabled(on);
}

// Qt hands the focus of a widget being disabled or hidden to the next one of
// the Tab chain, whose handlers then run although neither the clerk nor the
// program moved there (a code box reached so checks itself and refuses to be
// left). The focus waits on the window instead, until the clerk or the
// program moves it.
void Control::parkFocusHeldHere() {
    const QWidget* held = widget_->window()->focusWidget();
    if (held && (held == widget_ || widget_->isAncestorOf(held))) {
        form_->parkFocus();
    }
}

bool Control::visible() const {
    // A widget never shown yet counts as hidden in Qt until its window is
    // shown; only an explicit hide makes the control invisible.
    return !(widget_->isHidden() && widget_->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

void Control::setVisible(bool on) {
    if (!on) {
        parkFocusHeldHere();
    }
    widget_->setVisible(on);
}

std::string Control::toolTip() const { return bytes(widget_->toolTip()); }

void Control::setToolTip(const std::string& text) { widget_->setToolTip(qtext(text)); }

bool Control::canTakeFocus() const {
    if (!widget_ || widget_->focusPolicy() == Qt::NoFocus || !widget_->isEnabled()) {
        return false;
    }
    const QWidget* window = widget_->window();
    for (const QWidget* w = widget_; w && w != window; w = w->parentWidget()) {
        if (w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
            return false;
        }
    }
    return true;
}

bool Control::setFocus() {
    if (!live() || !canTakeFocus()) {
        return false;
    }
    ++form_->focusRequests_;
    QWidget* window = widget_->window();
    if (window->isVisible() && !window->isActiveWindow()) {
        window->activateWindow();
    }
    if (widget_->hasFocus()) {
        if (form_->activeControl() != this) {
            form_->moveFocusTo(*this);
        }
    } else {
        widget_->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

bool Control::hasFocus() const { return form_->activeControl() == this; }

void Control::widgetFocusIn(int reason) { form_->focusIn(*this, reason); }

void Control::widgetFocusOut(int reason) { form_->focusOut(*this, reason); }

void Control::reportGotFocus() {
    entering();
    fire(gotFocus_);
}

void Control::reportLostFocus() {
    leaving();
    fire(lostFocus_);
}

bool Control::widgetKeyPress(QKeyEvent* event) {
    if (!live()) {
        return true;
    }
    const int k = event->key();
    if (k == Qt::Key_Shift || k == Qt::Key_Control || k == Qt::Key_Alt || k == Qt::Key_Meta ||
        k == Qt::Key_AltGr) {
        return false;
    }
    const int code = keyCode(*event);
    const unsigned requests = form_->focusRequests_;
    if (keyPress_) {
        auto handler = keyPress_;
        if (handler(code)) {
            return true;
        }
    }
    if (code != key::Enter) {
        return false;
    }
    // The handler moved the focus itself, or a message box holds it: the
    // Enter order does not move it again.
    if (!live() || form_->focusRequests_ != requests || QApplication::focusWidget() != widget_) {
        return true;
    }
    return form_->enterPressed(*this);
}

} // namespace olm::platform
