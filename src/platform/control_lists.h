#pragma once

// Combo boxes and list boxes. Their items (control_items.h) may be kept
// sorted; each item may carry a number and a text of data. An index outside
// the list reads as an empty text and 0, and setting it changes nothing.

#include "platform/control.h"
#include "platform/control_items.h"

#include <functional>
#include <string>

class QComboBox;
class QListWidget;

namespace olm::platform {

// What combo and list boxes share: the items, placed into the widget before
// anyone looks at it.
class ItemControl : public Control {
public:
    // Set before adding items.
    void setSorted(bool on) { items_.setSorted(on); }
    void addItem(const std::string& text, int data = 0, const std::string& tag = {});
    int listCount() const;
    std::string list(int i) const;
    int itemData(int i) const;
    std::string itemTag(int i) const;
    void setItemData(int i, int data);

    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

protected:
    ItemControl(Parent parent, QWidget* widget) : Control(parent, widget) {}
    // Places the waiting items into the widget.
    void sync() const;
    // Makes the widget's rows from p.first on again, keeping its choice.
    virtual void showItems(const ItemList::Placement& p) const = 0;
    bool widgetEvent(QEvent*) override {
        sync();
        return false;
    }
    void settleWidget() const override { sync(); }
    void clicked() const { fire(click_); }

    mutable ItemList items_;

private:
    mutable bool syncing_ = false;
    bool syncScheduled_ = false;
    std::function<void()> click_;
};

enum class ComboStyle {
    DropDownCombo, // a text the clerk may type, and a list to choose from
    DropDownList,  // choose only
};

// The click handler runs when the clerk chooses an item (the one already
// chosen too) and whenever the program sets the index.
class ComboBox : public ItemControl {
public:
    ComboBox(Parent parent, const Geometry& g, ComboStyle style = ComboStyle::DropDownList,
             const std::optional<Font>& font = {});

    void removeItem(int i);
    // Empties the list and the text.
    void clear();

    // The chosen item, -1 for none. Setting it (to the same index too, and to
    // -1) reports a click.
    int listIndex() const;
    bool setListIndex(int i);

    // The typed text of a drop-down combo, the chosen item's text of a list.
    std::string text() const;
    // A drop-down list takes the text only by choosing the item that has it
    // (compared without regard to case), as setListIndex does; false, and
    // nothing changes, when no item has it.
    bool setText(const std::string& text);

    // Shown in the text boxes' highlight colours while it has the focus; off
    // unless the form asks for it.
    void setHighlightOnFocus(bool on) { highlightOnFocus_ = on; }

    QComboBox* comboBox() const;

protected:
    void showItems(const ItemList::Placement& p) const override;
    bool highlightable() const override { return highlightOnFocus_; }

private:
    friend class ComboWidget;
    ComboStyle style_;
    bool highlightOnFocus_ = false;
};

// The click handler runs on a click on an item (the current one too), a move
// of the selection with the keyboard, the program setting the index, and the
// program changing a selection.
class ListBox : public ItemControl {
public:
    ListBox(Parent parent, const Geometry& g, bool multiSelect = false,
            const std::optional<Font>& font = {});

    void removeItem(int i);
    void clear();

    // The current item, -1 for none; setting it (to the same index too)
    // selects it and reports a click.
    int listIndex() const;
    bool setListIndex(int i);
    bool selected(int i) const;
    // Reports a click when the selection changes.
    void setSelected(int i, bool on);

    void onDoubleClick(std::function<void()> handler) { doubleClick_ = std::move(handler); }

    QListWidget* listWidget() const;

protected:
    void showItems(const ItemList::Placement& p) const override;

private:
    friend class ListWidget;
    std::function<void()> doubleClick_;
};

} // namespace olm::platform
