#include "platform/control_items.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace olm::platform {

namespace {

unsigned char folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

} // namespace

namespace {

bool textLess(std::string_view a, std::string_view b) {
    // Equal bytes are passed over without folding: long lists share long
    // beginnings (the codes of one employee's lines).
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) {
            const unsigned char x = folded(a[i]);
            const unsigned char y = folded(b[i]);
            if (x != y) {
                return x < y;
            }
        }
    }
    return a.size() < b.size();
}

// The sort of both kinds of list; `Text` is std::string or std::string_view.
template <typename Text>
void sortTexts(std::vector<Text>& texts) {
    // The first 16 folded bytes of each text, as two numbers that compare as
    // the bytes do, decide most comparisons without touching the texts;
    // equal heads fall back on the whole texts, then on the places.
    struct Key {
        std::uint64_t head[2];
        std::uint32_t place;
    };
    // The beginning of a text some places ahead is asked for early: on a
    // long list the texts are far apart in memory, and waiting for each in
    // turn was most of the time of the sort.
    constexpr std::size_t Inainte = 8;
    std::vector<Key> keys(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i + Inainte < texts.size()) {
            __builtin_prefetch(std::string_view(texts[i + Inainte]).data());
        }
        const std::string_view t = texts[i];
        // A short text is padded with zero bytes.
        unsigned char head[16] = {};
        std::memcpy(head, t.data(), std::min(t.size(), sizeof head));
        Key& k = keys[i];
        for (std::size_t w = 0; w < 2; ++w) {
            std::uint64_t v = 0;
            for (std::size_t b = 0; b < 8; ++b) {
                v = (v << 8) | folded(static_cast<char>(head[w * 8 + b]));
            }
            k.head[w] = v;
        }
        k.place = static_cast<std::uint32_t>(i);
    }
    std::sort(keys.begin(), keys.end(), [&texts](const Key& a, const Key& b) {
        if (a.head[0] != b.head[0]) {
            return a.head[0] < b.head[0];
        }
        if (a.head[1] != b.head[1]) {
            return a.head[1] < b.head[1];
        }
        const std::string_view x = texts[a.place];
        const std::string_view y = texts[b.place];
        if (textLess(x, y)) {
            return true;
        }
        if (textLess(y, x)) {
            return false;
        }
        return a.place < b.place;
    });
    std::vector<Text> sorted;
    sorted.reserve(texts.size());
    for (const Key& k : keys) {
        sorted.push_back(std::move(texts[k.place]));
    }
    texts = std::move(sorted);
}

} // namespace

bool itemTextLess(const std::string& a, const std::string& b) { return textLess(a, b); }

void sortItemTexts(std::vector<std::string>& texts) { sortTexts(texts); }

void sortItemTexts(std::vector<std::string_view>& texts) { sortTexts(texts); }

ItemList::Placement ItemList::settle() {
    Placement p;
    const std::size_t old = items_.size();
    p.moved.resize(old);
    for (std::size_t i = 0; i < old; ++i) {
        p.moved[i] = static_cast<int>(i);
    }
    p.first = static_cast<int>(old);
    if (pending_.empty()) {
        return p;
    }
    if (!sorted_) {
        items_.insert(items_.end(), std::make_move_iterator(pending_.begin()),
                      std::make_move_iterator(pending_.end()));
        pending_.clear();
        return p;
    }
    auto less = [](const ListItem& x, const ListItem& y) { return itemTextLess(x.text, y.text); };
    std::stable_sort(pending_.begin(), pending_.end(), less);
    // Merge: on a tie the item already there comes first.
    std::vector<ListItem> merged;
    merged.reserve(old + pending_.size());
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < old || j < pending_.size()) {
        if (j < pending_.size() && (i == old || less(pending_[j], items_[i]))) {
            if (j == 0) {
                p.first = static_cast<int>(merged.size());
            }
            merged.push_back(std::move(pending_[j++]));
        } else {
            p.moved[i] = static_cast<int>(merged.size());
            merged.push_back(std::move(items_[i++]));
        }
    }
    items_ = std::move(merged);
    pending_.clear();
    return p;
}

void ItemList::remove(int i) {
    if (valid(i)) {
        items_.erase(items_.begin() + i);
    }
}

void ItemList::clear() {
    items_.clear();
    pending_.clear();
}

int ItemList::find(const std::string& text) const {
    for (int i = 0; i < count(); ++i) {
        const std::string& t = at(i).text;
        if (t.size() == text.size() && !itemTextLess(t, text) && !itemTextLess(text, t)) {
            return i;
        }
    }
    return -1;
}

} // namespace olm::platform
