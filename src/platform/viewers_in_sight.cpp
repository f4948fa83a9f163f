#include "platform/viewers_in_sight.h"

#include "platform/form.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace olm::platform {

namespace {

// On the window of a viewer: true while it is in sight.
constexpr const char* InSight = "olmViewerInSight";
// Milliseconds for the window manager to settle after activating a dialog.
constexpr int Settling = 250;

bool isFormWindow(const QWindow* w) {
    const auto forms = Form::loadedForms();
    return w != nullptr &&
           std::any_of(forms.begin(), forms.end(), [w](const Form* f) { return f->widget()->windowHandle() == w; });
}

bool isViewer(const QWindow* w) { return w != nullptr && w->property(InSight).isValid(); }

// Follows the clerk over the program's windows. A click into a viewer, or
// the focus going to it, brings it in sight; a click into a form, or the
// focus going to one, puts the viewers behind it, save for the focus going
// back to the window that asked for a dialog once it has closed.
class ClerkWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        const bool focus = e->type() == QEvent::FocusIn;
        if ((focus || e->type() == QEvent::MouseButtonPress) && watched->isWindowType()) {
            auto* window = static_cast<QWindow*>(watched);
            if (isViewer(window)) {
                window->setProperty(InSight, true);
            } else if (isFormWindow(window) && !(focus && fromDialog_)) {
                for (QWindow* w : QGuiApplication::topLevelWindows()) {
                    if (isViewer(w)) {
                        w->setProperty(InSight, false);
                    }
                }
            }
            if (focus) {
                fromDialog_ = !isViewer(window) && !isFormWindow(window);
            }
        }
        return false;
    }

private:
    bool fromDialog_ = false; // the focus is on a dialog, or was last
};

std::vector<QWidget*> viewersInSight() {
    std::vector<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowHandle() != nullptr && w->windowHandle()->property(InSight).toBool()) {
            found.push_back(w);
        }
    }
    return found;
}

// The viewers in sight come back over the program's windows, all but those
// that would cover `dialog`.
void raiseViewers(const QWidget* dialog) {
    for (QWidget* w : viewersInSight()) {
        if (dialog == nullptr || !w->frameGeometry().intersects(dialog->frameGeometry())) {
            w->raise();
        }
    }
}

// Raised each time the window manager activates the dialog, and once more a
// moment later.
class RaiseOnActivation : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::WindowActivate) {
            auto* dialog = static_cast<QWidget*>(watched);
            raiseViewers(dialog);
            // A viewer just shown asks for the activation when it appears,
            // perhaps after the dialog: the dialog keeps it, and the window
            // manager brings the window that asked to the front once more.
            QTimer::singleShot(Settling, dialog, [dialog] {
                if (dialog->isActiveWindow()) {
                    raiseViewers(dialog);
                    // Sent now: nothing else may come to send it.
                    QGuiApplication::sync();
                }
            });
        }
        return false;
    }
};

// Where Qt puts a dialog, centred over the window that asked, unless it would
// cover a viewer in sight; then beside the viewers, right or left, where the
// screen has room.
void placeClearOfViewers(QWidget& dialog, const QWidget* owner) {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    constexpr int Gap = 12; // the dialog's own frame, not known before it is shown
    const QRect room = screen->availableGeometry();
    dialog.adjustSize();
    QRect r(QPoint(0, 0), dialog.size().grownBy(QMargins(0, 0, Gap, Gap)));
    r.moveCenter(owner != nullptr ? owner->frameGeometry().center() : room.center());
    QRect covered;
    for (const QWidget* w : viewersInSight()) {
        if (w->frameGeometry().intersects(r)) {
            covered |= w->frameGeometry();
        }
    }
    if (covered.isNull()) {
        return;
    }
    for (const int left : {covered.right() + 1 + Gap, covered.left() - r.width()}) {
        if (left >= room.left() && left + r.width() <= room.right() + 1) {
            const int top = std::clamp(r.top(), room.top(), std::max(room.top(), room.bottom() + 1 - r.height()));
            dialog.move(left, top);
            return;
        }
    }
}

} // namespace

void viewerShown(QWidget& viewer) {
    static const bool watching = [] {
        qApp->installEventFilter(new ClerkWatch(qApp));
        return true;
    }();
    (void)watching;
    if (QWindow* w = viewer.windowHandle(); w != nullptr) {
        w->setProperty(InSight, true);
    }
}

QWidget* askingWindow() {
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && isFormWindow(active->windowHandle())) {
        return active;
    }
    const Form* last = Form::lastActive();
    return last != nullptr && last->visible() ? last->widget() : active;
}

ViewersInSight::ViewersInSight(QWidget& dialog, const QWidget* owner) {
    placeClearOfViewers(dialog, owner);
    dialog.installEventFilter(new RaiseOnActivation(&dialog));
}

ViewersInSight::~ViewersInSight() { raiseViewers(nullptr); }

} // namespace olm::platform
