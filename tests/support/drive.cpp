#include "support/drive.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <sstream>

namespace olm::testing {

using platform::Control;
using platform::Form;

namespace {

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

std::string kindAndText(const Control& c) {
    if (auto* t = dynamic_cast<const platform::TextBox*>(&c)) {
        return "text box " + quoted(t->text());
    }
    if (auto* b = dynamic_cast<const platform::Button*>(&c)) {
        return "button " + quoted(b->caption());
    }
    if (auto* b = dynamic_cast<const platform::CheckBox*>(&c)) {
        return "check box " + quoted(b->caption());
    }
    if (auto* b = dynamic_cast<const platform::OptionButton*>(&c)) {
        return "option button " + quoted(b->caption());
    }
    if (auto* b = dynamic_cast<const platform::ComboBox*>(&c)) {
        return "combo box " + quoted(b->text());
    }
    if (auto* l = dynamic_cast<const platform::ListBox*>(&c)) {
        return "list box of " + std::to_string(l->listCount()) + " items";
    }
    if (auto* l = dynamic_cast<const platform::Label*>(&c)) {
        return "label " + quoted(l->caption());
    }
    if (auto* f = dynamic_cast<const platform::Frame*>(&c)) {
        return "frame " + quoted(f->caption());
    }
    if (dynamic_cast<const platform::Picture*>(&c)) {
        return "picture";
    }
    return "control";
}

void fail(const Where& where, const std::string& what) {
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << what;
}

// Why the clerk could not reach the control at all, or "".
std::string unreachable(const Control& c) {
    if (c.form().unloaded()) {
        return "its form is unloaded";
    }
    if (!c.form().visible()) {
        return "its form is not shown";
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
    return "";
}

bool reachable(const Control& c, const std::string& action, const Where& where) {
    const std::string why = unreachable(c);
    if (!why.empty()) {
        fail(where, "cannot " + action + " " + describe(c) + ": " + why);
        return false;
    }
    return true;
}

bool holdsQtFocus(const Control& c) {
    const QWidget* f = QApplication::focusWidget();
    return f && (f == c.widget() || c.widget()->isAncestorOf(f));
}

std::string focusIsOn(const Form& form) {
    if (const Control* a = form.activeControl()) {
        return "the focus is on " + describe(*a);
    }
    return "no control of the form has the focus";
}

// Keys go to the control that has the focus.
bool readyForKeys(const Control& c, const std::string& action, const Where& where) {
    if (!reachable(c, action, where)) {
        return false;
    }
    if (c.widget()->focusPolicy() == Qt::NoFocus) {
        fail(where, "cannot " + action + " " + describe(c) + ": not focusable");
        return false;
    }
    if (!c.hasFocus() && !holdsQtFocus(c)) {
        fail(where, "cannot " + action + " " + describe(c) + ": it does not have the focus (" +
                        focusIsOn(c.form()) + ")");
        return false;
    }
    return true;
}

QString qtext(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

std::string describe(const Control& c) {
    std::ostringstream out;
    const platform::Geometry g = c.geometry();
    out << kindAndText(c) << " at (" << g.x << "," << g.y << ") on " << quoted(c.form().caption());
    return out.str();
}

bool activate(Form& form, Where where) {
    if (form.unloaded() || !form.visible()) {
        fail(where, "cannot activate the form " + quoted(form.caption()) + ": " +
                        (form.unloaded() ? "unloaded" : "not shown"));
        return false;
    }
    return activate(form.widget(), where);
}

bool showActive(Form& form, Where where) {
    form.show();
    return activate(form, where);
}

bool activate(QWidget* window, Where where) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window)) {
        fail(where, "the window " + window->windowTitle().toStdString() + " did not become active");
        return false;
    }
    return true;
}

bool typeInto(platform::TextBox& box, const std::string& text, Where where) {
    if (!reachable(box, "type into", where)) {
        return false;
    }
    if (!box.setFocus()) {
        fail(where, "cannot type into " + describe(box) + ": not focusable");
        return false;
    }
    if (!box.text().empty()) {
        box.selectAll();
        QTest::keyClick(box.widget(), Qt::Key_Backspace);
    }
    QTest::keyClicks(box.widget(), qtext(text));
    return true;
}

bool typeKeys(Control& c, const std::string& text, Where where) {
    if (!readyForKeys(c, "type into", where)) {
        return false;
    }
    QTest::keyClicks(c.widget(), qtext(text));
    return true;
}

bool pressKey(Control& c, Qt::Key key, Qt::KeyboardModifiers modifiers, Where where) {
    if (!readyForKeys(c, "press a key in", where)) {
        return false;
    }
    QTest::keyClick(c.widget(), key, modifiers);
    return true;
}

bool pressEnter(Control& c, Where where) { return pressKey(c, Qt::Key_Return, {}, where); }

bool pressTab(Control& c, Where where) { return pressKey(c, Qt::Key_Tab, {}, where); }

bool click(Control& c, Where where) {
    const bool mark = dynamic_cast<platform::CheckBox*>(&c) || dynamic_cast<platform::OptionButton*>(&c);
    if (!mark && !dynamic_cast<platform::Button*>(&c) && !dynamic_cast<platform::Picture*>(&c)) {
        fail(where, "cannot click " + describe(c) + ": it takes no clicks");
        return false;
    }
    if (!reachable(c, "click", where)) {
        return false;
    }
    QWidget* w = c.widget();
    // A check box or an option button has its mark at the left edge.
    const QPoint at = mark ? QPoint(8, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
    return true;
}

bool pick(platform::ComboBox& combo, const std::string& item, Where where) {
    if (!reachable(combo, "pick from", where)) {
        return false;
    }
    for (int i = 0; i < combo.listCount(); ++i) {
        if (combo.list(i) == item) {
            QComboBox* w = combo.comboBox();
            w->showPopup();
            QAbstractItemView* view = w->view();
            const QModelIndex index = w->model()->index(i, 0);
            view->scrollTo(index);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
            return true;
        }
    }
    fail(where, "cannot pick " + quoted(item) + " from " + describe(combo) + ": no such item");
    return false;
}

namespace {

QListWidgetItem* listItem(platform::ListBox& list, const std::string& item, const std::string& action,
                          const Where& where) {
    if (!reachable(list, action, where)) {
        return nullptr;
    }
    QListWidget* w = list.listWidget();
    for (int i = 0; i < list.listCount(); ++i) {
        if (list.list(i) == item) {
            w->scrollToItem(w->item(i));
            return w->item(i);
        }
    }
    fail(where, "cannot " + action + " " + quoted(item) + " in " + describe(list) + ": no such item");
    return nullptr;
}

} // namespace

bool pick(platform::ListBox& list, const std::string& item, Where where) {
    QListWidgetItem* it = listItem(list, item, "click", where);
    if (!it) {
        return false;
    }
    QListWidget* w = list.listWidget();
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, w->visualItemRect(it).center());
    return true;
}

bool doubleClick(platform::ListBox& list, const std::string& item, Where where) {
    QListWidgetItem* it = listItem(list, item, "double-click", where);
    if (!it) {
        return false;
    }
    QListWidget* w = list.listWidget();
    const QPoint at = w->visualItemRect(it).center();
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(w->viewport(), Qt::LeftButton, {}, at);
    return true;
}

bool closeByCloseBox(Form& form, Where where) {
    if (form.unloaded() || !form.visible()) {
        fail(where, "cannot close the form " + quoted(form.caption()) + ": " +
                        (form.unloaded() ? "unloaded" : "not shown"));
        return false;
    }
    return form.widget()->close();
}

void runDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void unloadAllForms() {
    for (Form* f : Form::loadedForms()) {
        f->unload();
    }
    runDeferredDeletes();
}

QWidget* focused() { return QApplication::focusWidget(); }

bool expectFocus(const Control& c, Where where) {
    if (c.hasFocus()) {
        return true;
    }
    fail(where, "expected the focus on " + describe(c) + ", but " + focusIsOn(c.form()));
    return false;
}

} // namespace olm::testing
