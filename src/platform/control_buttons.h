#pragma once

// Command buttons, check boxes and option buttons. Their captions take "&"
// before the access key ("&Ok"); "&&" shows one "&".

#include "platform/control.h"

#include <functional>
#include <string>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace olm::platform {

class Button : public Control {
public:
    Button(Parent parent, const Geometry& g, const std::string& caption = {},
           const std::optional<Font>& font = {});
    std::string caption() const;
    void setCaption(const std::string& text);
    // A caption too wide for the button breaks into lines at its blanks (on
    // unless switched off).
    void setWordWrap(bool on);
    // A caption set in a column instead: every run of two or more blanks
    // starts a new line, whatever the width of the font ("V     E" gives
    // one letter a line); single blanks stay within their line.
    void setStackedCaption(bool on);
    // The clerk's click, the access key, Space, and Enter while it has the
    // focus; each moves the focus here first (see Form::focusToAct), and a box
    // that refuses to be left stops it.
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    // Clicks it from the program, as the clerk would (the focus comes here
    // first); a disabled button does nothing.
    void click();
    QPushButton* pushButton() const;

protected:
    bool enterClicks() override;
    bool widgetEvent(QEvent* e) override;

private:
    void showCaption();
    std::string caption_;
    bool wordWrap_ = true;
    bool stacked_ = false;
    int wrappedWidth_ = -1;
    std::function<void()> click_;
};

// Value 0 unticked, 1 ticked, 2 greyed. Every change of the value, by the
// clerk or by the program, runs the click handler; setting the value it
// already has runs nothing. The clerk's click ticks an unticked or greyed box
// and unticks a ticked one.
class CheckBox : public Control {
public:
    CheckBox(Parent parent, const Geometry& g, const std::string& caption = {},
             const std::optional<Font>& font = {});
    int value() const;
    void setValue(int v);
    std::string caption() const;
    void setCaption(const std::string& text);
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    QCheckBox* checkBox() const;

protected:
    bool widgetEvent(QEvent* e) override;

private:
    std::function<void()> click_;
};

// The option buttons with one parent (a frame, or the form itself) form a
// group in which at most one is chosen. Choosing one, by the clerk or by the
// program, clears the others and runs its click handler; choosing the one
// already chosen runs nothing. The program may also clear every button of a
// group, which runs nothing. An arrow key choosing the next button of the
// group runs its handler once the focus stands on it, as a mouse click does.
class OptionButton : public Control {
public:
    OptionButton(Parent parent, const Geometry& g, const std::string& caption = {},
                 const std::optional<Font>& font = {});
    bool value() const;
    void setValue(bool on);
    std::string caption() const;
    void setCaption(const std::string& text);
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    QRadioButton* radioButton() const;

protected:
    bool widgetEvent(QEvent* e) override;

private:
    friend class OptionWidget;
    void reportClick();
    std::function<void()> click_;
};

} // namespace olm::platform
