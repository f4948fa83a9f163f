#pragma once

// The base of every control wrapper. A control owns one Qt widget, created
// with a parent (the form or a frame) and placed in pixels. The form's
// conventions live here once: focus callbacks that only report moves between
// the program's own controls, the key callback before the widget sees the key,
// and the Enter key that moves along the form's Enter order.
//
// Text given to and taken from a control is bytes (Latin-1); Qt strings stay
// inside the wrappers.

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <string>

class QEvent;
class QKeyEvent;
class QWidget;

namespace olm::platform {

class Form;
class Frame;

struct Geometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// An empty name or a size of 0 keeps what the control inherits.
struct Font {
    std::string name;
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct Color {
    int red = 0;
    int green = 0;
    int blue = 0;
};

enum class Align { Left, Right, Center };

// Key codes given to key callbacks: a key that types one Latin-1 character
// gives that character (Enter gives 13 whichever of the two Enter keys it
// was); any other key gives its Qt::Key code, which never collides with a
// character.
namespace key {
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
} // namespace key

// Where a control is created: on a form or inside a frame.
class Parent {
public:
    Parent(Form& form);   // NOLINT: implicit on purpose
    Parent(Frame& frame); // NOLINT
    QWidget* widget() const { return widget_; }
    Form& form() const { return *form_; }

private:
    QWidget* widget_;
    Form* form_;
};

// What the hooked widgets report to their control (control_widgets.h).
class WidgetHooks {
public:
    virtual void widgetFocusIn(int reason) = 0;
    virtual void widgetFocusOut(int reason) = 0;
    virtual bool widgetKeyPress(QKeyEvent* event) = 0; // true: the key is used up
    // Before the widget handles any event; true uses the event up.
    virtual bool widgetEvent(QEvent*) { return false; }

protected:
    ~WidgetHooks() = default;
};

class Control : public QObject, protected WidgetHooks {
public:
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The Qt widget, for tests driving the control (QTest) and for the few
    // things the wrapper does not offer.
    QWidget* widget() const;
    Form& form() const { return *form_; }

    Geometry geometry() const;
    void setGeometry(const Geometry& g);
    void setFont(const Font& font);
    void setBackColor(Color c);
    void setForeColor(Color c);

    // Disabling or hiding the control that has the focus moves the focus
    // nowhere: no other control is reached (and told) until the clerk or the
    // program moves the focus.
    bool enabled() const;
    void setEnabled(bool on);
    // The control's own Visible setting; a control in a hidden frame or on a
    // hidden form keeps it.
    bool visible() const;
    void setVisible(bool on);
    std::string toolTip() const;
    void setToolTip(const std::string& text);

    // Enabled, visible within its form (its frames shown) and able to hold the
    // focus at all (labels and frames never are).
    bool canTakeFocus() const;
    // Moves the focus here, activating the form's window when it is shown and
    // not active. False (and nothing happens) when the control cannot take it.
    bool setFocus();
    // The control holds the form's focus as the program sees it; stays true
    // while a message box or another window has the activation.
    bool hasFocus() const;

    // Moves between the program's own controls only: a message box or another
    // window taking the activation and giving it back reports nothing.
    void onGotFocus(std::function<void()> handler) { gotFocus_ = std::move(handler); }
    void onLostFocus(std::function<void()> handler) { lostFocus_ = std::move(handler); }
    // Runs before the widget sees the key; return true to use the key up.
    // The Tab keys never reach it (they move the focus).
    void onKeyPress(std::function<bool(int key)> handler) { keyPress_ = std::move(handler); }

protected:
    // The derived control creates its widget as a child of parent.widget()
    // and calls ready() last in its constructor, when it can take events.
    Control(Parent parent, QWidget* widget);
    void ready(const Geometry& g, const std::optional<Font>& font);

    // False once the form is unloaded: nothing is reported any more.
    bool live() const;
    // Runs a program callback unless the form is gone.
    void fire(const std::function<void()>& handler) const;

    // Brings the widget up to date before anyone looks at it (the lists
    // place their waiting items).
    virtual void settleWidget() const {}

    // The layer's own work when the control gains or loses the program's
    // focus, done before the program's callback.
    virtual void entering() {}
    virtual void leaving() {}
    // Text boxes, and the drop-down lists a form asks it of, show the focus
    // with the system's highlight colours.
    virtual bool highlightable() const { return false; }
    // Text boxes show the value of a disabled box in the normal text colour,
    // not the faint one of the system, so that a computed value can be read.
    virtual bool readableDisabled() const { return false; }
    // What Enter does when no one used it: a button clicks itself.
    virtual bool enterClicks() { return false; }

    void widgetFocusIn(int reason) override;
    void widgetFocusOut(int reason) override;
    bool widgetKeyPress(QKeyEvent* event) override;

private:
    friend class Form;
    void reportGotFocus();
    void reportLostFocus();
    void parkFocusHeldHere();
    void setHighlighted(bool on);
    void applyPalette();

    Form* form_;
    QPointer<QWidget> widget_;
    bool highlighted_ = false;
    std::optional<Color> back_;
    std::optional<Color> fore_;
    std::function<void()> gotFocus_;
    std::function<void()> lostFocus_;
    std::function<bool(int)> keyPress_;
};

// The key code of a key event, as key callbacks receive it (see key above).
int keyCode(const QKeyEvent& event);

} // namespace olm::platform
