#pragma once

// The items of a combo box or a list box, without the widget.
//
// A sorted list compares whole item texts without regard to ASCII case; an
// item goes after every item that is not greater, so equal items stay in the
// order they were added. Additions wait and are placed together when the list
// is next settled, so adding n items costs n log n, not n squared.

#include <string>
#include <string_view>
#include <vector>

namespace olm::platform {

struct ListItem {
    std::string text;
    int data = 0;     // the item's number
    std::string tag;  // the item's text data
};

// Orders texts as a sorted list does.
bool itemTextLess(const std::string& a, const std::string& b);

// Puts texts in the order a sorted list gives them, equal texts in the order
// they stand: what adding them all to a sorted list and reading them back
// gives, in n log n, fast on long lists of long lines.
void sortItemTexts(std::vector<std::string>& texts);
// The same order for views of texts held elsewhere.
void sortItemTexts(std::vector<std::string_view>& texts);

class ItemList {
public:
    // Set before adding: items already there are not reordered.
    void setSorted(bool on) { sorted_ = on; }
    bool sorted() const { return sorted_; }

    void add(ListItem item) { pending_.push_back(std::move(item)); }
    bool hasPending() const { return !pending_.empty(); }

    // Where the last settle put things: the first index whose item is new,
    // and the new index of every item that was there before.
    struct Placement {
        int first = 0;
        std::vector<int> moved;
    };
    // Places the waiting additions.
    Placement settle();

    // The settled items.
    int count() const { return static_cast<int>(items_.size()); }
    const ListItem& at(int i) const { return items_[static_cast<std::size_t>(i)]; }
    ListItem& at(int i) { return items_[static_cast<std::size_t>(i)]; }
    bool valid(int i) const { return i >= 0 && i < count(); }
    void remove(int i);
    void clear();
    // The first settled item whose text equals this one without regard to
    // ASCII case, or -1.
    int find(const std::string& text) const;

private:
    bool sorted_ = false;
    std::vector<ListItem> items_;
    std::vector<ListItem> pending_;
};

} // namespace olm::platform
