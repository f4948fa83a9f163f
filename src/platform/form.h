#pragma once

// A form: one top-level window of the program, always modeless, with its
// controls as members. Each form class has one global instance, created on
// first use by SingleForm<T>::instance(); unloading destroys it, so the next
// use starts again from the designed state. Hiding is not unloading.
//
// The form keeps the focus as the program sees it (see Control): the control
// that last reported "got focus", the Enter order, and the highlight of the
// text box that has the focus.

#include "platform/busy.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace olm::platform {

class Control;
struct Font;
class FormWindow;

class Form : public QObject {
public:
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The window, for tests and for placing dialogs over it.
    QWidget* widget() const;

    // Shows the window, raises and activates it. Loading does not show. Shown
    // for the first time it stands centred on the screen, wholly on it (as far
    // as it fits); shown again after hiding, where it stood.
    void show();
    void hide();
    bool visible() const;
    std::string caption() const;
    void setCaption(const std::string& text);
    void setSize(int width, int height);
    void setFont(const Font& font); // the default of every control on the form

    // The fixed order in which Enter moves the focus: from a control in the
    // list to the next one that can take the focus (disabled and hidden ones
    // skipped), after the last back to the first. Enter in a control whose key
    // handler used the key up, or moved the focus itself, moves nothing.
    void setEnterOrder(std::vector<Control*> order);
    // The Tab order (by default the order in which the controls were made).
    void setTabOrder(const std::vector<Control*>& order);
    // Moves the focus from a control to the next of the Enter order.
    bool focusNext(const Control& from);
    // Moves the focus to the first of these that can take it; false if none.
    bool focusFirstAvailable(const std::vector<Control*>& candidates);
    // The control that has the focus as the program sees it, or none.
    Control* activeControl() const { return current_; }
    // Moves the focus to a control about to act on a click, an access key or
    // Space, as the clerk's click moves it: the control left runs its leave
    // handler first, so that the action sees the value it stored. False when
    // that handler kept the focus (sent it back, or elsewhere) or unloaded the
    // form: the action does not run.
    bool focusToAct(Control& c);

    // Runs the unload handler; unless it cancels, hides the window and
    // destroys the form once the current handler has returned. A form may
    // unload itself from its own handlers. A form shown over this one
    // (showOver) is unloaded first. False when cancelled.
    bool unload();
    bool unloaded() const { return unloaded_; }
    // Every form loaded and not unloaded, in the order they were loaded.
    static std::vector<Form*> loadedForms();
    // The loaded form whose window was activated last: the one that asks for
    // a dialog, even when a window of another kind (a text viewer it opened)
    // has taken the activation since. Null when there is none.
    static Form* lastActive();

    // Closing by the close box first runs the leave handler of the control
    // that has the focus, as leaving it by a click would, so that the unload
    // handler sees the last value typed as that handler leaves it.
    void setLeaveFocusOnClose(bool on) { leaveFocusOnClose_ = on; }
    // Runs the leave handler of the control that has the focus, if any; the
    // control keeps the widget focus but no longer counts as focused.
    void leaveFocusedControl();

    // Shows the window over the owner's, modal to it: the owner takes no input
    // while this window is open, other windows (text viewer, print dialog)
    // stay usable, and this one stays in front of its owner (the window
    // manager is told it is the owner's); activating the owner activates this
    // one. Shown for the first time it opens centred over its owner, kept on
    // the owner's screen.
    void showOver(Form& owner);

protected:
    Form();

    // Runs once, right after the form is made (its controls in their
    // designed state), before it is first shown.
    virtual void formLoad() {}
    // Runs when the program unloads the form or the clerk closes its window;
    // setting cancel keeps the form (and its window open).
    virtual void formUnload(bool& cancel) { (void)cancel; }
    // The window gains or loses the activation.
    virtual void formActivate() {}
    virtual void formDeactivate() {}

    // Drops the global instance pointer (SingleForm).
    virtual void forget() {}
    void runLoad();

private:
    friend class Control;
    friend class FormWindow;

    // A control going away.
    void remove(Control* c);

    // Focus bookkeeping, from the controls' widgets.
    void focusIn(Control& c, int reason);
    void focusOut(Control& c, int reason);
    void moveFocusTo(Control& c);
    // The widget focus to the window itself, no move reported: the control
    // that had the focus keeps it as the program sees it.
    void parkFocus();
    void report(Control& c, bool got);
    void setHighlighted(Control* c);
    // Enter key not used by the control's handler.
    bool enterPressed(Control& c);

    void closeRequested(bool& accepted);
    void showNear(const QWidget* owner);
    void place(const QWidget* owner);
    void activationChanged(bool active);

    QPointer<FormWindow> window_;
    std::vector<Control*> enterOrder_;
    Control* current_ = nullptr;     // has the focus as the program sees it
    Control* deferred_ = nullptr;    // reached while a focus callback ran
    Control* highlighted_ = nullptr; // shows the focus colours
    int callbacks_ = 0;              // focus callbacks running
    bool parking_ = false;           // the widget focus going to the window
    unsigned focusRequests_ = 0;     // setFocus calls, to see a handler move the focus
    bool inUnload_ = false;
    bool unloaded_ = false;
    bool leaveFocusOnClose_ = false;
    std::optional<QPoint> lastPlace_; // where the window stood when last hidden
};

// The one global instance of a form class T (class T : public SingleForm<T>).
// Make T's constructor private and befriend SingleForm<T>.
template <class T>
class SingleForm : public Form {
public:
    // The instance, created and loaded on first use. A form that unloads
    // itself while loading is still returned, unloaded: showing it does
    // nothing, and the next call makes a new one.
    static T& instance() {
        if (instance_) {
            return *instance_;
        }
        T* made = new T();
        instance_ = made;
        made->runLoad();
        return *made;
    }
    static bool loaded() { return instance_ != nullptr; }
    // Unloads the instance if there is one; false when its handler cancelled.
    static bool unload() { return instance_ ? instance_->Form::unload() : true; }

protected:
    SingleForm() = default;
    ~SingleForm() override { forget(); }

private:
    void forget() override {
        if (instance_ && static_cast<Form*>(instance_) == static_cast<Form*>(this)) {
            instance_ = nullptr;
        }
    }
    inline static T* instance_ = nullptr;
};

} // namespace olm::platform
