// The items of combo and list boxes without a widget: the sorted order and
// where each settle puts the items.

#include "platform/control_items.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace olm::platform {
namespace {

std::vector<std::string> texts(const ItemList& items) {
    std::vector<std::string> out;
    for (int i = 0; i < items.count(); ++i) {
        out.push_back(items.at(i).text);
    }
    return out;
}

TEST(ItemListControl, ComparesWholeTextsWithoutRegardToCase) {
    EXPECT_FALSE(itemTextLess("abc", "ABC"));
    EXPECT_FALSE(itemTextLess("ABC", "abc"));
    EXPECT_TRUE(itemTextLess("ab", "ABC")) << "a prefix comes first";
    EXPECT_TRUE(itemTextLess("POP$$x", "popa")) << "the whole text, separators included";
    EXPECT_TRUE(itemTextLess(" ", "A"));
    EXPECT_TRUE(itemTextLess("Z", "\xC9")) << "bytes above ASCII by their value";
    EXPECT_TRUE(itemTextLess("Z", "_")) << "letters compare as capitals";
}

TEST(ItemListControl, SettlingMergesTheAdditionsAndTellsWhereEverythingWent) {
    ItemList items;
    items.setSorted(true);
    for (const char* t : {"m", "c", "x"}) {
        items.add({t, 0, {}});
    }
    ItemList::Placement first = items.settle();
    EXPECT_EQ(0, first.first);
    EXPECT_TRUE(first.moved.empty());
    EXPECT_EQ((std::vector<std::string>{"c", "m", "x"}), texts(items));

    items.add({"z", 0, {}});
    items.add({"M", 2, {}});
    items.add({"d", 0, {}});
    ItemList::Placement second = items.settle();
    EXPECT_EQ((std::vector<std::string>{"c", "d", "m", "M", "x", "z"}), texts(items));
    EXPECT_EQ(1, second.first) << "the first new item";
    EXPECT_EQ((std::vector<int>{0, 2, 4}), second.moved);
    EXPECT_EQ(2, items.at(3).data);

    // Only appended items: nothing before them moves.
    items.add({"zz", 0, {}});
    ItemList::Placement third = items.settle();
    EXPECT_EQ(6, third.first);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5}), third.moved);
    EXPECT_FALSE(items.hasPending());

    EXPECT_EQ(2, items.find("M")) << "the first equal one";
    EXPECT_EQ(4, items.find("X"));
    EXPECT_EQ(-1, items.find("mm"));
}

TEST(ItemListControl, ManyItemsEndInTheOrderOfAStableSort) {
    std::mt19937 random(7);
    std::vector<ListItem> all;
    for (int i = 0; i < 20000; ++i) {
        std::string t(1 + random() % 3, 'a');
        for (char& c : t) {
            c = static_cast<char>((random() % 2 ? 'a' : 'A') + random() % 4);
        }
        all.push_back({t, i, {}});
    }
    ItemList items;
    items.setSorted(true);
    // Added in batches with reads between them, as a form fills a list.
    for (std::size_t i = 0; i < all.size(); ++i) {
        items.add(all[i]);
        if (i % 5000 == 4999) {
            items.settle();
        }
    }
    items.settle();
    std::stable_sort(all.begin(), all.end(),
                     [](const ListItem& a, const ListItem& b) { return itemTextLess(a.text, b.text); });
    ASSERT_EQ(static_cast<int>(all.size()), items.count());
    for (int i = 0; i < items.count(); ++i) {
        ASSERT_EQ(all[static_cast<std::size_t>(i)].data, items.at(i).data) << "at " << i;
    }
}

TEST(ItemListControl, SortedTextsComeInTheOrderOfAStableSort) {
    // Long common heads, case differences and NUL bytes beyond them: the
    // quick comparison of the heads must not change the order.
    std::mt19937 random(11);
    std::vector<std::string> texte;
    for (int i = 0; i < 20000; ++i) {
        std::string t = random() % 2 ? "1800101221145,15/01/2002" : "1800101221145,";
        t.resize(random() % (t.size() + 1));
        for (int n = static_cast<int>(random() % 4); n > 0; --n) {
            t += "aAb\0"[random() % 4];
        }
        texte.push_back(t);
    }
    std::vector<std::string> asteptat = texte;
    std::stable_sort(asteptat.begin(), asteptat.end(), itemTextLess);
    sortItemTexts(texte);
    EXPECT_EQ(texte, asteptat);
}

TEST(ItemListControl, ViewsSortAsTheirTexts) {
    // Heads alike beyond 16 bytes, texts equal but for case (they keep their
    // order), a NUL byte, a prefix, signs between the letters.
    const std::vector<std::string> texte = {"1800101221145,15/01/2002,b", "1800101221145,15/01/2002,A",
                                            "1800101221145,15/01/2002,a", "abc", "ABC", "ab", std::string("ab\0c", 4),
                                            "1800101221145,", "Z", "_", "abc"};
    std::vector<std::string> asteptat = texte;
    std::stable_sort(asteptat.begin(), asteptat.end(), itemTextLess);
    std::vector<std::string_view> vederi(texte.begin(), texte.end());
    sortItemTexts(vederi);
    EXPECT_TRUE(std::equal(vederi.begin(), vederi.end(), asteptat.begin(), asteptat.end()));
}

} // namespace
} // namespace olm::platform
