#pragma once

// Inside the control wrappers only: a Qt widget that tells its control about
// focus and keys. The widget takes the focus (or loses it) first and the
// control is told afterwards, so a handler that moves the focus finds the
// widgets settled; keys go to the control first, so its handler can use one
// up before the widget acts on it.

#include "platform/control.h"

#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QString>

#include <string>

namespace olm::platform {

// Bytes to and from the widgets: Latin-1, one character a byte.
inline QString qtext(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string bytes(const QString& s) { return s.toLatin1().toStdString(); }

// A font with the given settings applied over it.
QFont withFont(QFont base, const Font& font);

class HookedWidget {
public:
    // Until attached (the control fully built) and after detaching (the
    // control going away) the widget reports nothing.
    void attach(WidgetHooks* hooks) { hooks_ = hooks; }

protected:
    ~HookedWidget() = default;
    WidgetHooks* hooks_ = nullptr;
};

template <class W>
class Hooked : public W, public HookedWidget {
public:
    using W::W;

protected:
    bool event(QEvent* e) override {
        if (hooks_ && hooks_->widgetEvent(e)) {
            e->accept();
            return true;
        }
        return W::event(e);
    }
    void focusInEvent(QFocusEvent* e) override {
        W::focusInEvent(e);
        if (hooks_) {
            hooks_->widgetFocusIn(e->reason());
        }
    }
    void focusOutEvent(QFocusEvent* e) override {
        W::focusOutEvent(e);
        if (hooks_) {
            hooks_->widgetFocusOut(e->reason());
        }
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (hooks_ && hooks_->widgetKeyPress(e)) {
            e->accept();
            return;
        }
        W::keyPressEvent(e);
    }
};

} // namespace olm::platform
