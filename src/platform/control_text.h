#pragma once

// Text boxes and labels.

#include "platform/control.h"

#include <QString>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace olm::platform {

class EntryFilter;

// A one-line text box. While it has the focus it shows the system's highlight
// colours, and taking the focus selects its whole text (switchable), however
// the focus came: the mouse press that gives it does not place the cursor. A
// disabled box is shown, its text in the normal colour, but never takes the
// focus.
class TextBox : public Control {
public:
    TextBox(Parent parent, const Geometry& g, const std::optional<Font>& font = {});
    ~TextBox() override;

    std::string text() const;
    // Text set by the program stays whole, whatever the maximum length.
    void setText(const std::string& text);
    // Typing, pasting and setText all report a change of the text.
    void onChange(std::function<void()> handler) { change_ = std::move(handler); }

    // Limits what the clerk types or pastes (0: no limit). A longer text set
    // by the program stays whole and can still be shortened.
    int maxLength() const;
    void setMaxLength(int length);
    // Characters the clerk cannot type or paste; they are dropped. Whatever
    // the box, a paste or a drop keeps one line of bytes and Romanian letters
    // lose their diacritics (text_entry.h).
    void setRefusedCharacters(const std::string& chars);
    // A box whose text is read as a number (an amount, a coefficient, a day):
    // a tab brought in ends what is taken, as a line break does.
    void setReadAsNumber(bool on);
    // Turns the text to upper case (ASCII letters) when the box is left.
    void setUpperCaseOnLeaving(bool on) { upperOnLeaving_ = on; }
    void setSelectAllOnFocus(bool on) { selectAllOnFocus_ = on; }
    void setAlignment(Align a);

    void selectAll();
    std::string selectedText() const;
    QLineEdit* lineEdit() const;

protected:
    void entering() override;
    void leaving() override;
    bool highlightable() const override { return true; }
    bool readableDisabled() const override { return true; }
    void widgetFocusIn(int reason) override;
    void widgetFocusOut(int reason) override;
    bool widgetEvent(QEvent* e) override;

private:
    std::function<void()> change_;
    QString reported_; // the text the last change reported
    EntryFilter* filter_ = nullptr; // owned by the line edit
    bool upperOnLeaving_ = false;
    bool selectAllOnFocus_ = true;
    bool focusByMouse_ = false; // the focus just came by a press not yet seen
    bool keepSelection_ = false; // the press that gave the focus, until released
};

// A label: a caption the clerk cannot change. "&" shows as it is.
class Label : public Control {
public:
    Label(Parent parent, const Geometry& g, const std::string& caption = {},
          const std::optional<Font>& font = {});
    std::string caption() const;
    void setCaption(const std::string& text);
    void setAlignment(Align a);
    void setWordWrap(bool on);
    // In the label's font: how wide a text is, and how far apart its lines stand.
    int textWidth(const std::string& text) const;
    int lineHeight() const;
    QLabel* label() const;
};

} // namespace olm::platform
