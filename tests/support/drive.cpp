#include "support/drive.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cctype>

namespace olm::testing {

using platform::Control;
using platform::Form;

namespace {

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

template <class T>
const T* as(const Control& c) {
    return dynamic_cast<const T*>(&c);
}

std::string kind(const Control& c) {
    using namespace platform;
    return as<TextBox>(c) ? "text box" : as<Button>(c) ? "button" : as<CheckBox>(c) ? "check box"
         : as<OptionButton>(c) ? "option button" : as<ComboBox>(c) ? "combo box" : as<ListBox>(c) ? "list box"
         : as<Label>(c) ? "label" : as<Frame>(c) ? "frame" : as<Picture>(c) ? "picture" : "control";
}

// The text of a box or a combo box, the caption of the others.
std::string label(const Control& c) {
    using namespace platform;
    if (auto* t = as<TextBox>(c)) {
        return t->text();
    }
    if (auto* b = as<ComboBox>(c)) {
        return b->text();
    }
    if (auto* l = as<ListBox>(c)) {
        return std::to_string(l->listCount()) + " items";
    }
    return as<Button>(c) ? as<Button>(c)->caption() : as<CheckBox>(c) ? as<CheckBox>(c)->caption()
         : as<OptionButton>(c) ? as<OptionButton>(c)->caption() : as<Label>(c) ? as<Label>(c)->caption()
         : as<Frame>(c) ? as<Frame>(c)->caption() : "";
}

bool fail(const Where& where, const std::string& what) {
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << what;
    return false;
}

std::string focusIsOn(const Form& form) {
    const Control* a = form.activeControl();
    return a ? "the focus is on " + describe(*a) : "no control of the form has the focus";
}

std::string formRefusal(const Form& form) {
    return form.unloaded() ? "its form is unloaded" : form.visible() ? "" : "its form is not shown";
}

// Why the clerk could not reach the control (and, for keys, type into it), or "".
std::string refusal(const Control& c, bool keys) {
    if (std::string why = formRefusal(c.form()); !why.empty()) {
        return why;
    }
    const QWidget* window = c.widget()->window();
    for (const QWidget* w = c.widget(); w && w != window; w = w->parentWidget()) {
        if (w->isHidden()) {
            return w == c.widget() ? "hidden" : "hidden (inside a hidden frame)";
        }
    }
    if (!c.widget()->isEnabled()) {
        return "disabled";
    }
    if (!keys) {
        return "";
    }
    if (c.widget()->focusPolicy() == Qt::NoFocus) {
        return "not focusable";
    }
    const QWidget* f = QApplication::focusWidget();
    const bool qtFocus = f && (f == c.widget() || c.widget()->isAncestorOf(f));
    return c.hasFocus() || qtFocus ? "" : "it does not have the focus (" + focusIsOn(c.form()) + ")";
}

bool allowed(const Control& c, const std::string& action, bool keys, const Where& where) {
    const std::string why = refusal(c, keys);
    return why.empty() || fail(where, "cannot " + action + " " + describe(c) + ": " + why);
}

bool formAllowed(const Form& form, const std::string& action, const Where& where) {
    const std::string why = formRefusal(form);
    return why.empty() || fail(where, "cannot " + action + " the form " + quoted(form.caption()) + ": " + why);
}

QString qtext(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

// The row of the item with this text, or -1 after a failure.
int row(const platform::ItemControl& c, const std::string& item, const std::string& action, const Where& where) {
    if (!allowed(c, action, false, where)) {
        return -1;
    }
    for (int i = 0; i < c.listCount(); ++i) {
        if (c.list(i) == item) {
            return i;
        }
    }
    fail(where, "cannot " + action + " " + quoted(item) + " in " + describe(c) + ": no such item");
    return -1;
}

// Clicks the item (twice for a double click) in the view of a list.
void clickRow(QAbstractItemView* view, const QModelIndex& index, bool twice) {
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
}

bool clickListRow(platform::ListBox& list, const std::string& item, bool twice, const Where& where) {
    const int i = row(list, item, twice ? "double-click" : "click", where);
    if (i >= 0) {
        clickRow(list.listWidget(), list.listWidget()->model()->index(i, 0), twice);
    }
    return i >= 0;
}

} // namespace

std::string describe(const Control& c) {
    const platform::Geometry g = c.geometry();
    return kind(c) + " " + quoted(label(c)) + " at (" + std::to_string(g.x) + "," + std::to_string(g.y) + ") on " +
           quoted(c.form().caption());
}

bool activate(Form& form, Where where) { return formAllowed(form, "activate", where) && activate(form.widget(), where); }

bool showActive(Form& form, Where where) {
    form.show();
    return activate(form, where);
}

bool activate(QWidget* window, Where where) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window) ||
           fail(where, "the window " + window->windowTitle().toStdString() + " did not become active");
}

bool typeInto(platform::TextBox& box, const std::string& text, Where where) {
    if (!allowed(box, "type into", false, where)) {
        return false;
    }
    if (!box.setFocus()) {
        return fail(where, "cannot type into " + describe(box) + ": not focusable");
    }
    if (!box.text().empty()) {
        box.selectAll();
        QTest::keyClick(box.widget(), Qt::Key_Backspace);
    }
    QTest::keyClicks(box.widget(), qtext(text));
    return true;
}

bool pasteInto(platform::TextBox& box, const std::string& utf8, Where where) {
    if (!allowed(box, "paste into", false, where)) {
        return false;
    }
    if (!box.setFocus()) {
        return fail(where, "cannot paste into " + describe(box) + ": not focusable");
    }
    box.selectAll();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8));
    QTest::keyClick(box.widget(), Qt::Key_V, Qt::ControlModifier);
    return true;
}

bool typeKeys(Control& c, const std::string& text, Where where) {
    if (!allowed(c, "type into", true, where)) {
        return false;
    }
    QTest::keyClicks(c.widget(), qtext(text));
    return true;
}

bool pressKey(Control& c, Qt::Key key, Qt::KeyboardModifiers modifiers, Where where) {
    if (!allowed(c, "press a key in", true, where)) {
        return false;
    }
    QTest::keyClick(c.widget(), key, modifiers);
    return true;
}

bool pressEnter(Control& c, Where where) { return pressKey(c, Qt::Key_Return, {}, where); }

bool pressAccessKey(Form& form, char letter, Where where) {
    if (QApplication::activeWindow() != form.widget()) {
        return fail(where, "cannot press an access key on " + quoted(form.caption()) + ": its window is not active");
    }
    QWidget* at = form.widget()->focusWidget();
    QTest::keyClick(at ? at : form.widget(), static_cast<Qt::Key>(std::toupper(letter)), Qt::AltModifier);
    return true;
}

bool pressTab(Control& c, Where where) { return pressKey(c, Qt::Key_Tab, {}, where); }

bool click(Control& c, Where where) {
    using namespace platform;
    const bool mark = as<CheckBox>(c) || as<OptionButton>(c);
    if (!mark && !as<Button>(c) && !as<Picture>(c) && !as<TextBox>(c)) {
        return fail(where, "cannot click " + describe(c) + ": it takes no clicks");
    }
    if (!allowed(c, "click", false, where)) {
        return false;
    }
    QWidget* w = c.widget();
    // A check box or an option button has its mark at the left edge.
    QTest::mouseClick(w, Qt::LeftButton, {}, mark ? QPoint(8, w->height() / 2) : w->rect().center());
    return true;
}

bool pick(platform::ComboBox& combo, const std::string& item, Where where) {
    const int i = row(combo, item, "pick", where);
    if (i >= 0) {
        combo.comboBox()->showPopup();
        clickRow(combo.comboBox()->view(), combo.comboBox()->model()->index(i, 0), false);
    }
    return i >= 0;
}

bool pick(platform::ListBox& list, const std::string& item, Where where) {
    return clickListRow(list, item, false, where);
}

bool doubleClick(platform::ListBox& list, const std::string& item, Where where) {
    return clickListRow(list, item, true, where);
}

bool closeByCloseBox(Form& form, Where where) { return formAllowed(form, "close", where) && form.widget()->close(); }

void runDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void unloadAllForms() {
    for (Form* f : Form::loadedForms()) {
        f->unload();
    }
    runDeferredDeletes();
}

std::vector<std::string> texts(std::initializer_list<const Control*> controls) {
    std::vector<std::string> out;
    for (const Control* c : controls) {
        if (auto* m = as<platform::CheckBox>(*c)) {
            out.push_back(std::to_string(m->value()));
        } else if (auto* o = as<platform::OptionButton>(*c)) {
            out.push_back(o->value() ? "1" : "0");
        } else {
            out.push_back(label(*c));
        }
    }
    return out;
}

QWidget* focused() { return QApplication::focusWidget(); }

bool expectFocus(const Control& c, Where where) {
    return c.hasFocus() || fail(where, "expected the focus on " + describe(c) + ", but " + focusIsOn(c.form()));
}

} // namespace olm::testing
