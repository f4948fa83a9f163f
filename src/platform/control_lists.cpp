#include "platform/control_lists.h"

#include "platform/control_widgets.h"
#include "platform/text_entry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>
#include <QTimer>

namespace olm::platform {

namespace {

// The texts of the items from index first on.
QStringList textsFrom(const ItemList& items, int first) {
    QStringList texts;
    texts.reserve(items.count() - first);
    for (int i = first; i < items.count(); ++i) {
        texts.append(qtext(items.at(i).text));
    }
    return texts;
}

} // namespace

void ItemControl::addItem(const std::string& text, int data, const std::string& tag) {
    items_.add({text, data, tag});
    // Placed at the latest when the event loop runs again, before any paint.
    if (!syncScheduled_) {
        syncScheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            syncScheduled_ = false;
            sync();
        });
    }
}

void ItemControl::sync() const {
    if (syncing_ || !items_.hasPending()) {
        return;
    }
    syncing_ = true;
    showItems(items_.settle());
    syncing_ = false;
}

int ItemControl::listCount() const {
    sync();
    return items_.count();
}

std::string ItemControl::list(int i) const {
    sync();
    return items_.valid(i) ? items_.at(i).text : std::string();
}

int ItemControl::itemData(int i) const {
    sync();
    return items_.valid(i) ? items_.at(i).data : 0;
}

std::string ItemControl::itemTag(int i) const {
    sync();
    return items_.valid(i) ? items_.at(i).tag : std::string();
}

void ItemControl::setItemData(int i, int data) {
    sync();
    if (items_.valid(i)) {
        items_.at(i).data = data;
    }
}

// The list is brought up to date before it is shown. The entry its list
// stands on shows selected, not only framed, also the one it opens on.
class ComboWidget : public Hooked<QComboBox> {
public:
    ComboWidget(ComboBox* owner, QWidget* parent) : Hooked<QComboBox>(parent), owner_(owner) {
        QItemSelectionModel* chosen = view()->selectionModel();
        QObject::connect(chosen, &QItemSelectionModel::currentChanged, this, [chosen](const QModelIndex& now) {
            if (now.isValid() && !chosen->isSelected(now)) {
                chosen->select(now, QItemSelectionModel::ClearAndSelect);
            }
        });
    }
    void showPopup() override {
        owner_->sync();
        Hooked<QComboBox>::showPopup();
    }

private:
    ComboBox* owner_;
};

ComboBox::ComboBox(Parent parent, const Geometry& g, ComboStyle style, const std::optional<Font>& font)
    : ItemControl(parent, new ComboWidget(this, parent.widget())), style_(style) {
    QComboBox* combo = comboBox();
    if (style_ == ComboStyle::DropDownCombo) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert); // Enter does not add the typed text
        combo->setCompleter(nullptr);
        // What is typed, pasted or dropped keeps to the rules of the text
        // boxes; an item's text, chosen or set, is the program's own.
        auto* filter = new EntryFilter(combo->lineEdit());
        filter->setPassesWhole([combo](const QString& text) {
            return combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0;
        });
    }
    QObject::connect(combo, &QComboBox::activated, this, [this](int) { clicked(); });
    ready(g, font);
}

QComboBox* ComboBox::comboBox() const { return static_cast<QComboBox*>(widget()); }

void ComboBox::showItems(const ItemList::Placement& p) const {
    QComboBox* combo = comboBox();
    const QSignalBlocker blocker(combo);
    const int current = combo->currentIndex();
    const QString typed = combo->currentText();
    if (p.first < combo->count()) {
        combo->model()->removeRows(p.first, combo->count() - p.first);
    }
    combo->insertItems(p.first, textsFrom(items_, p.first));
    combo->setCurrentIndex(current >= 0 ? p.moved[static_cast<std::size_t>(current)] : -1);
    if (style_ == ComboStyle::DropDownCombo) {
        combo->setEditText(typed);
    }
}

void ComboBox::removeItem(int i) {
    sync();
    if (items_.valid(i)) {
        items_.remove(i);
        QComboBox* combo = comboBox();
        const QSignalBlocker blocker(combo);
        // Removing the chosen item leaves none chosen.
        if (combo->currentIndex() == i) {
            combo->setCurrentIndex(-1);
        }
        combo->removeItem(i);
    }
}

void ComboBox::clear() {
    items_.clear();
    QComboBox* combo = comboBox();
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->setEditText(QString());
}

int ComboBox::listIndex() const {
    QComboBox* combo = comboBox();
    const int i = combo->currentIndex();
    // A typed text that is not the chosen item's leaves no item chosen.
    if (i >= 0 && style_ == ComboStyle::DropDownCombo && combo->currentText() != combo->itemText(i)) {
        return -1;
    }
    return i;
}

bool ComboBox::setListIndex(int i) {
    sync();
    if (i != -1 && !items_.valid(i)) {
        return false;
    }
    {
        const QSignalBlocker blocker(comboBox());
        comboBox()->setCurrentIndex(i);
    }
    clicked();
    return true;
}

std::string ComboBox::text() const { return bytes(comboBox()->currentText()); }

bool ComboBox::setText(const std::string& text) {
    if (style_ == ComboStyle::DropDownCombo) {
        const QSignalBlocker blocker(comboBox());
        comboBox()->setEditText(qtext(text));
        return true;
    }
    sync();
    const int i = items_.find(text);
    return i >= 0 && setListIndex(i);
}

// Brought up to date before it paints; reports the clerk's moves of the
// selection with the keyboard.
class ListWidget : public Hooked<QListWidget> {
public:
    ListWidget(ListBox* owner, QWidget* parent) : Hooked<QListWidget>(parent), owner_(owner) {}

protected:
    bool viewportEvent(QEvent* e) override {
        owner_->sync();
        return Hooked<QListWidget>::viewportEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        const int current = currentRow();
        const QModelIndexList chosen = selectionModel()->selectedIndexes();
        Hooked<QListWidget>::keyPressEvent(e);
        if (currentRow() != current || selectionModel()->selectedIndexes() != chosen) {
            owner_->clicked();
        }
    }

private:
    ListBox* owner_;
};

ListBox::ListBox(Parent parent, const Geometry& g, bool multiSelect, const std::optional<Font>& font)
    : ItemControl(parent, new ListWidget(this, parent.widget())) {
    QListWidget* list = listWidget();
    list->setSelectionMode(multiSelect ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    QObject::connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem*) { clicked(); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this,
                     [this](QListWidgetItem*) { fire(doubleClick_); });
    ready(g, font);
}

QListWidget* ListBox::listWidget() const { return static_cast<QListWidget*>(widget()); }

// As for the combo box; the selected items stay selected.
void ListBox::showItems(const ItemList::Placement& p) const {
    QListWidget* list = listWidget();
    const QSignalBlocker blocker(list);
    const int current = list->currentRow();
    std::vector<int> chosen;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) {
        chosen.push_back(index.row());
    }
    if (p.first < list->count()) {
        list->model()->removeRows(p.first, list->count() - p.first);
    }
    list->insertItems(p.first, textsFrom(items_, p.first));
    for (int row : chosen) {
        if (QListWidgetItem* item = list->item(p.moved[static_cast<std::size_t>(row)])) {
            item->setSelected(true);
        }
    }
    list->setCurrentRow(current >= 0 ? p.moved[static_cast<std::size_t>(current)] : -1,
                        QItemSelectionModel::NoUpdate);
}

void ListBox::removeItem(int i) {
    sync();
    if (items_.valid(i)) {
        items_.remove(i);
        QListWidget* list = listWidget();
        const QSignalBlocker blocker(list);
        if (list->currentRow() == i) {
            list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        }
        delete list->takeItem(i);
    }
}

void ListBox::clear() {
    items_.clear();
    const QSignalBlocker blocker(listWidget());
    listWidget()->clear();
}

int ListBox::listIndex() const { return listWidget()->currentRow(); }

bool ListBox::setListIndex(int i) {
    sync();
    if (i != -1 && !items_.valid(i)) {
        return false;
    }
    {
        QListWidget* list = listWidget();
        const QSignalBlocker blocker(list);
        if (i < 0) {
            list->clearSelection();
            list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        } else if (list->selectionMode() == QAbstractItemView::MultiSelection) {
            list->setCurrentRow(i, QItemSelectionModel::Select);
        } else {
            list->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
        }
    }
    clicked();
    return true;
}

bool ListBox::selected(int i) const {
    sync();
    const QListWidgetItem* item = items_.valid(i) ? listWidget()->item(i) : nullptr;
    return item && item->isSelected();
}

void ListBox::setSelected(int i, bool on) {
    sync();
    QListWidgetItem* item = items_.valid(i) ? listWidget()->item(i) : nullptr;
    if (!item || item->isSelected() == on) {
        return;
    }
    {
        QListWidget* list = listWidget();
        const QSignalBlocker blocker(list);
        if (on && list->selectionMode() != QAbstractItemView::MultiSelection) {
            list->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
        } else {
            item->setSelected(on);
        }
    }
    clicked();
}

} // namespace olm::platform
