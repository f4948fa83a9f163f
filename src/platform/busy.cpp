#include "platform/busy.h"

#include "platform/clock.h"
#include "platform/form.h"
#include "platform/termination.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <limits>
#include <optional>
#include <vector>

namespace olm::platform {

namespace {

// A widget given the hourglass, and the pointer of its own it had before.
struct Changed {
    QPointer<QWidget> widget;
    std::optional<QCursor> own;
};

int depth = 0;
int stoppable = 0; // unlessEnded() calls running
std::vector<Changed> changed;
double lastPaint = 0;
bool painting = false;

// Often enough for the eye, rarely enough to cost nothing.
constexpr double PaintInterval = 0.1; // seconds

bool hasWindows() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

void give(QWidget* w) {
    changed.push_back({w, w->testAttribute(Qt::WA_SetCursor) ? std::optional<QCursor>(w->cursor()) : std::nullopt});
    w->setCursor(Qt::WaitCursor);
}

// On every form's window, and on its controls that have a pointer of their
// own (a text box's I-beam), so that the whole form shows it.
void showHourglass() {
    for (Form* form : Form::loadedForms()) {
        QWidget* window = form->widget();
        if (window == nullptr) {
            continue;
        }
        give(window);
        for (QWidget* c : window->findChildren<QWidget*>()) {
            if (c->window() == window && c->testAttribute(Qt::WA_SetCursor)) {
                give(c);
            }
        }
    }
}

void hideHourglass() {
    for (auto it = changed.rbegin(); it != changed.rend(); ++it) {
        if (it->widget.isNull()) {
            continue;
        }
        if (it->own) {
            it->widget->setCursor(*it->own);
        } else {
            it->widget->unsetCursor();
        }
    }
    changed.clear();
}

} // namespace

BusyCursor::BusyCursor() {
    if (depth++ == 0 && hasWindows()) {
        // What stands on the screen is drawn again at the first chance.
        lastPaint = -std::numeric_limits<double>::infinity();
        showHourglass();
    }
}

BusyCursor::~BusyCursor() {
    if (--depth == 0) {
        hideHourglass();
    }
}

bool busy() { return depth > 0; }

bool unlessEnded(const std::function<void()>& work) {
    if (terminationRequested()) {
        return false;
    }
    struct Running {
        Running() { ++stoppable; }
        ~Running() { --stoppable; }
    } running;
    try {
        work();
    } catch (const WorkStopped&) {
        return false;
    }
    return true;
}

void keepPainted() {
    if (painting) {
        return; // a loop run by an event of the repaint: the outer one stops
    }
    if (stoppable > 0 && terminationRequested()) {
        throw WorkStopped{};
    }
    if (depth == 0 || !hasWindows()) {
        return;
    }
    const double now = clock().seconds();
    if (now - lastPaint < PaintInterval) {
        return;
    }
    lastPaint = now;
    painting = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    painting = false;
}

} // namespace olm::platform
