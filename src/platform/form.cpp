#include "platform/form.h"

#include "platform/control.h"
#include "platform/control_widgets.h"
#include "platform/focus_mark.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace olm::platform {

// The window of a form: passes the close box and the activation to it.
class FormWindow : public QWidget {
public:
    explicit FormWindow(Form* form) : form_(form) {}
    void detach() { form_ = nullptr; }

protected:
    // The close box, or the program closing every window: the form's
    // unload handler decides, once the long work under way is done.
    void closeEvent(QCloseEvent* e) override {
        if (busy()) {
            e->ignore(); // its work is still running
            return;
        }
        bool accepted = true;
        if (form_) {
            form_->closeRequested(accepted);
        }
        e->setAccepted(accepted);
    }
    bool event(QEvent* e) override {
        if (form_ && (e->type() == QEvent::WindowActivate || e->type() == QEvent::WindowDeactivate)) {
            form_->activationChanged(e->type() == QEvent::WindowActivate);
        }
        return QWidget::event(e);
    }
    // Where it stood, so that it comes back there when shown again.
    void hideEvent(QHideEvent* e) override {
        if (form_ && !e->spontaneous()) {
            form_->lastPlace_ = pos();
        }
        QWidget::hideEvent(e);
    }

private:
    Form* form_;
};

namespace {

// The forms loaded, in the order they were made.
std::vector<Form*>& loaded() {
    static std::vector<Form*> forms;
    return forms;
}

Form* lastActivated = nullptr;

bool isActivationReason(int reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

Form::Form() : window_(new FormWindow(this)) {
    installFocusMark();
    loaded().push_back(this);
}

Form::~Form() {
    std::erase(loaded(), this);
    if (lastActivated == this) {
        lastActivated = nullptr;
    }
    unloaded_ = true;
    if (window_) {
        window_->detach();
        delete window_.data();
    }
}

QWidget* Form::widget() const { return window_.data(); }

void Form::runLoad() { formLoad(); }

void Form::show() { showNear(nullptr); }

void Form::showNear(const QWidget* owner) {
    if (unloaded_) {
        return;
    }
    const bool wasVisible = window_->isVisible();
    if (!wasVisible) {
        place(owner);
    }
    window_->show();
    if (wasVisible) {
        window_->raise(); // a window just shown is on top already
    }
    window_->activateWindow();
}

void Form::hide() {
    if (window_) {
        window_->hide();
    }
}

bool Form::visible() const { return window_ && window_->isVisible(); }

std::string Form::caption() const { return bytes(window_->windowTitle()); }

void Form::setCaption(const std::string& text) { window_->setWindowTitle(qtext(text)); }

void Form::setSize(int width, int height) { window_->resize(width, height); }

void Form::setFont(const Font& font) { window_->setFont(withFont(window_->font(), font)); }

void Form::setEnterOrder(std::vector<Control*> order) { enterOrder_ = std::move(order); }

void Form::setTabOrder(const std::vector<Control*>& order) {
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
    }
}

bool Form::focusNext(const Control& from) {
    auto at = std::find(enterOrder_.begin(), enterOrder_.end(), &from);
    if (at == enterOrder_.end()) {
        return false;
    }
    const std::size_t n = enterOrder_.size();
    const std::size_t start = static_cast<std::size_t>(at - enterOrder_.begin());
    for (std::size_t step = 1; step < n; ++step) {
        Control* next = enterOrder_[(start + step) % n];
        if (next->setFocus()) {
            return true;
        }
    }
    return false;
}

bool Form::focusFirstAvailable(const std::vector<Control*>& candidates) {
    for (Control* c : candidates) {
        if (c->setFocus()) {
            return true;
        }
    }
    return false;
}

bool Form::focusToAct(Control& c) {
    if (unloaded_) {
        return false;
    }
    if (current_ == &c || !c.canTakeFocus()) {
        return true;
    }
    const unsigned requests = focusRequests_;
    c.setFocus();
    // Any request beyond this one came from a handler run by the move.
    return !unloaded_ && focusRequests_ == requests + 1;
}

bool Form::unload() {
    if (unloaded_) {
        return true;
    }
    if (inUnload_) {
        return false; // asked again from its own unload handler
    }
    // A window shown over this one goes first: it would go with this window.
    for (Form* over : loadedForms()) {
        if (over != this && over->window_ && over->window_->parentWidget() == window_ && !over->unload()) {
            return false;
        }
    }
    inUnload_ = true;
    bool cancel = false;
    formUnload(cancel);
    inUnload_ = false;
    if (cancel) {
        return false;
    }
    unloaded_ = true;
    std::erase(loaded(), this);
    if (lastActivated == this) {
        lastActivated = nullptr;
    }
    forget();
    current_ = deferred_ = nullptr;
    setHighlighted(nullptr);
    if (window_) {
        window_->detach();
        window_->hide();
    }
    // Later, so that the handler that unloaded the form (perhaps its own)
    // can finish on live objects.
    deleteLater();
    return true;
}

std::vector<Form*> Form::loadedForms() { return loaded(); }

Form* Form::lastActive() { return lastActivated; }

void Form::closeRequested(bool& accepted) {
    if (leaveFocusOnClose_) {
        leaveFocusedControl();
        if (unloaded_) {
            return; // the leave handler unloaded the form itself
        }
    }
    accepted = unload();
}

void Form::leaveFocusedControl() {
    if (Control* c = std::exchange(current_, nullptr)) {
        report(*c, false);
    }
}

void Form::showOver(Form& owner) {
    if (unloaded_ || !owner.window_) {
        return;
    }
    if (window_->parentWidget() != owner.window_) {
        // A dialog, not a plain window: only a dialog is marked for the window
        // manager as standing over its owner, and kept in front of it. (The
        // reparenting hides a shown window; it comes back where it stood.)
        window_->setParent(owner.window_, Qt::Dialog);
        window_->setWindowModality(Qt::WindowModal);
    }
    showNear(owner.window_);
}

// Shown again, the window comes back where it stood; shown for the first
// time, it stands centred over its owner or on the screen, wholly within the
// room the screen leaves for windows (as far as it fits).
void Form::place(const QWidget* owner) {
    if (lastPlace_) {
        window_->move(*lastPlace_);
        return;
    }
    const QScreen* screen = owner ? owner->screen() : window_->screen();
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    // The frame the window manager adds is known only once a window is
    // shown: the owner's, or another shown window's, stands for it.
    QMargins frame;
    const QWidget* framed = owner && owner->isVisible() ? owner : nullptr;
    for (const Form* f : loadedForms()) {
        if (framed) {
            break;
        }
        if (f != this && f->window_ && f->window_->isVisible()) {
            framed = f->window_;
        }
    }
    if (framed) {
        const QRect outer = framed->frameGeometry();
        const QRect inner = framed->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    }
    QRect r(QPoint(0, 0), window_->size().grownBy(frame));
    if (owner) {
        r.moveCenter(owner->frameGeometry().center());
    } else if (screen) {
        r.moveCenter(screen->availableGeometry().center());
    }
    if (screen) {
        const QRect room = screen->availableGeometry();
        r.moveLeft(std::clamp(r.left(), room.left(), std::max(room.left(), room.right() + 1 - r.width())));
        r.moveTop(std::clamp(r.top(), room.top(), std::max(room.top(), room.bottom() + 1 - r.height())));
    }
    window_->move(r.topLeft());
}

void Form::activationChanged(bool active) {
    if (unloaded_) {
        return;
    }
    if (active) {
        lastActivated = this;
        // The clerk clicked a window that waits for one shown over it: that
        // one takes the activation, so that keys reach a window that takes them.
        for (Form* over : loadedForms()) {
            if (over != this && over->window_ && over->window_->parentWidget() == window_ &&
                over->window_->isVisible() && over->window_->isModal()) {
                over->window_->raise();
                over->window_->activateWindow();
                return;
            }
        }
        formActivate();
    } else {
        formDeactivate();
    }
}

void Form::remove(Control* c) {
    std::erase(enterOrder_, c);
    if (current_ == c) {
        current_ = nullptr;
    }
    if (deferred_ == c) {
        deferred_ = nullptr;
    }
    if (highlighted_ == c) {
        highlighted_ = nullptr;
    }
}

// The focus as the program sees it.
//
// A move made by the clerk (Tab, mouse, Enter) or by the program (setFocus)
// reports "lost" on the control left and "got" on the control reached. When a
// message box or another window takes the activation, Qt tells the focused
// widget it lost the focus, and tells it again it has the focus when the
// activation comes back; neither is a move, and reporting it would make a
// handler that shows a message on "got focus" run for ever. So losing the
// focus for a reason of activation is never reported, and gaining it is
// reported only when it lands elsewhere than where the program's focus was:
// on the box the clerk tabbed to while the handler of the box left had a
// message up, on the box the program sent the focus to while the window was
// not active, or on the first control of a form just shown.

void Form::focusIn(Control& c, int reason) {
    if (unloaded_) {
        return;
    }
    setHighlighted(&c);
    if (&c == current_) {
        return;
    }
    if (isActivationReason(reason) && callbacks_ > 0) {
        // The activation came back inside a focus handler (its message box
        // just closed): the move waits until the handlers have returned.
        deferred_ = &c;
        return;
    }
    moveFocusTo(c);
}

void Form::focusOut(Control& c, int reason) {
    // A popup taking the focus (a combo's own list, the first time it opens,
    // takes it for no reason of activation) is no move either.
    if (unloaded_ || isActivationReason(reason) || QApplication::activePopupWidget()) {
        return;
    }
    if (highlighted_ == &c) {
        setHighlighted(nullptr);
    }
    if (parking_) {
        return;
    }
    if (current_ != &c) {
        return;
    }
    current_ = nullptr;
    // The control reached is told once this returns, unless the handler
    // moves the focus itself.
    report(c, false);
}

void Form::parkFocus() {
    parking_ = true;
    window_->setFocus(Qt::OtherFocusReason);
    parking_ = false;
    setHighlighted(nullptr);
}

void Form::moveFocusTo(Control& c) {
    if (Control* from = std::exchange(current_, nullptr)) {
        const unsigned requests = focusRequests_;
        report(*from, false);
        if (unloaded_ || current_ || focusRequests_ != requests || !c.widget() || !c.widget()->hasFocus()) {
            return; // the handler moved the focus on, or a message box holds it
        }
    }
    current_ = &c;
    report(c, true);
}

// Runs a focus callback; a move whose activation came back meanwhile is made
// once the outermost callback has returned, if the focus is still there.
void Form::report(Control& c, bool got) {
    ++callbacks_;
    if (got) {
        c.reportGotFocus();
    } else {
        c.reportLostFocus();
    }
    --callbacks_;
    if (callbacks_ > 0 || !deferred_) {
        return;
    }
    Control* waiting = std::exchange(deferred_, nullptr);
    if (!unloaded_ && waiting != current_ && waiting->widget() && waiting->widget()->hasFocus()) {
        moveFocusTo(*waiting);
    }
}

void Form::setHighlighted(Control* c) {
    if (c && !c->highlightable()) {
        c = nullptr;
    }
    if (highlighted_ == c) {
        return;
    }
    if (highlighted_) {
        highlighted_->setHighlighted(false);
    }
    highlighted_ = c;
    if (c) {
        c->setHighlighted(true);
    }
}

bool Form::enterPressed(Control& c) {
    if (c.enterClicks()) {
        return true;
    }
    return focusNext(c);
}

} // namespace olm::platform
