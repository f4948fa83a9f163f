#pragma once

// Driving the forms through their real widgets, as the clerk would, under the
// offscreen platform: one name per action. Every action first checks that the
// clerk could do it (the form shown, the control enabled, shown, able to take
// the focus or holding it) and otherwise fails the test at the line of the
// call, with a message naming the control and why; it then returns false and
// does nothing.

#include "platform/controls.h"

#include <Qt>

#include <initializer_list>
#include <source_location>
#include <string>
#include <vector>

class QWidget;

namespace olm::testing {

using Where = std::source_location;

// "text box "POPESCU" at (10,40) on "Date identificare angajat"": the kind,
// caption or text, place and form of a control, for failure messages.
std::string describe(const platform::Control& c);

// Makes a shown form's window the active one.
bool activate(platform::Form& form, Where where = Where::current());
// Shows a form and makes it the active window.
bool showActive(platform::Form& form, Where where = Where::current());
// Another window (standing for a message box) takes the activation.
bool activate(QWidget* window, Where where = Where::current());

// The clerk goes into the box and types over what it holds: afterwards it
// holds what the keys typed (refused characters and the maximum length apply).
bool typeInto(platform::TextBox& box, const std::string& text, Where where = Where::current());
// The clerk goes into the box and pastes over what it holds the text the
// clipboard holds, given in UTF-8 (a copied cell, a row of cells).
bool pasteInto(platform::TextBox& box, const std::string& utf8, Where where = Where::current());
// Keys typed into the control that has the focus, where its cursor stands.
bool typeKeys(platform::Control& c, const std::string& text, Where where = Where::current());
// A key pressed in the control that has the focus.
bool pressKey(platform::Control& c, Qt::Key key, Qt::KeyboardModifiers modifiers = {},
              Where where = Where::current());
bool pressEnter(platform::Control& c, Where where = Where::current());
// Alt and the access key (the letter after "&" in a caption) in the form's window, active.
bool pressAccessKey(platform::Form& form, char letter, Where where = Where::current());
bool pressTab(platform::Control& c, Where where = Where::current());

// A mouse click on a button, a check box or an option button (on its mark),
// a picture, or into a text box.
bool click(platform::Control& c, Where where = Where::current());
// The clerk chooses the item with this text from the combo's open list.
bool pick(platform::ComboBox& combo, const std::string& item, Where where = Where::current());
// The clerk clicks, or double-clicks, the item with this text.
bool pick(platform::ListBox& list, const std::string& item, Where where = Where::current());
bool doubleClick(platform::ListBox& list, const std::string& item, Where where = Where::current());

// The window's close box; true when the window closed.
bool closeByCloseBox(platform::Form& form, Where where = Where::current());
// Frees the forms that unloading left for later.
void runDeferredDeletes();
// Unloads a form's global instance if there is one, and frees it.
template <class F>
void unloadForm() {
    if (F::loaded()) {
        F::unload();
    }
    runDeferredDeletes();
}
// Unloads every loaded form and frees them.
void unloadAllForms();

// What the controls show, in order: the text of a text box or a combo box,
// "0"/"1"/"2" for a check box or an option button, the caption of the others.
std::vector<std::string> texts(std::initializer_list<const platform::Control*> controls);

// The widget that has Qt's focus.
QWidget* focused();
// The control has the focus as the program sees it; a failure says where the
// focus is instead.
bool expectFocus(const platform::Control& c, Where where = Where::current());

} // namespace olm::testing
