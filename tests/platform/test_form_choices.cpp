// Check boxes, option buttons, combo boxes, list boxes and control arrays:
// what the clerk and the program change, and which changes report a click.

#include "sample_form.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace olm::testing {
namespace {

class ChoiceControl : public SampleFormTest {};

std::vector<std::string> texts(const platform::ComboBox& c) {
    std::vector<std::string> out;
    for (int i = 0; i < c.listCount(); ++i) {
        out.push_back(c.list(i));
    }
    return out;
}

std::vector<std::string> rows(QComboBox* c) {
    std::vector<std::string> out;
    for (int i = 0; i < c->count(); ++i) {
        out.push_back(c->itemText(i).toStdString());
    }
    return out;
}

TEST_F(ChoiceControl, ACheckBoxReportsEveryChangeOfItsValue) {
    platform::CheckBox& mark = form().mark;
    int clicks = 0;
    mark.onClick([&] { ++clicks; });
    mark.setValue(1);
    EXPECT_EQ(1, clicks);
    mark.setValue(1);
    EXPECT_EQ(1, clicks) << "the value it already has";
    mark.setValue(2);
    EXPECT_EQ(2, mark.value());
    EXPECT_EQ(2, clicks);

    // The clerk's clicks: greyed to ticked, ticked to unticked, never greyed.
    click(mark);
    EXPECT_EQ(1, mark.value());
    click(mark);
    EXPECT_EQ(0, mark.value());
    mark.setFocus();
    pressKey(mark, Qt::Key_Space);
    EXPECT_EQ(1, mark.value());
    EXPECT_EQ(5, clicks);

    // A disabled box still takes the program's value.
    mark.setEnabled(false);
    mark.setValue(0);
    EXPECT_EQ(6, clicks);
}

TEST_F(ChoiceControl, OptionButtonsOfAGroupExcludeEachOther) {
    SampleForm& f = form();
    platform::OptionButton outside(f, {200, 150, 80, 22}, "Outside");
    std::vector<std::string> clicks;
    f.one.onClick([&] { clicks.push_back("one " + std::to_string(f.one.value()) + std::to_string(f.two.value())); });
    f.two.onClick([&] { clicks.push_back("two " + std::to_string(f.one.value()) + std::to_string(f.two.value())); });

    f.one.setValue(true);
    outside.setValue(true);
    EXPECT_TRUE(f.one.value()) << "another parent is another group";
    click(f.two);
    EXPECT_FALSE(f.one.value());
    EXPECT_TRUE(f.two.value());
    click(f.two);
    EXPECT_TRUE(f.two.value()) << "clicking the chosen one keeps it";
    f.one.setValue(true);
    f.one.setValue(true);
    EXPECT_EQ((std::vector<std::string>{"one 10", "two 01", "one 10"}), clicks)
        << "the others are cleared before the handler runs; choosing the chosen one reports nothing";

    // The program can leave a group with nothing chosen.
    f.one.setValue(false);
    EXPECT_FALSE(f.one.value());
    EXPECT_FALSE(f.two.value());
    EXPECT_TRUE(outside.value());
    EXPECT_EQ(3u, clicks.size());
    click(f.two);
    EXPECT_TRUE(f.two.value());
    EXPECT_EQ(4u, clicks.size());
}

TEST_F(ChoiceControl, AnArrowKeyChoosesTheNextOptionAndItsHandlerCanMoveTheFocus) {
    SampleForm& f = form();
    f.one.setValue(true);
    int clicks = 0;
    f.two.onClick([&] {
        ++clicks;
        f.boxC.setFocus();
    });
    ASSERT_TRUE(f.one.setFocus());
    pressKey(f.one, Qt::Key_Down);
    EXPECT_TRUE(f.two.value());
    EXPECT_EQ(1, clicks);
    expectFocus(f.boxC);
}

TEST_F(ChoiceControl, ASortedComboIgnoresCaseAndKeepsEqualItemsInOrder) {
    platform::ComboBox combo(form(), {0, 0, 100, 24});
    combo.setSorted(true);
    combo.addItem("popescu", 1);
    combo.addItem("Ionescu", 2);
    combo.addItem("POPESCU", 3);
    combo.addItem("ion", 4);
    combo.addItem("Popescu", 5);
    combo.addItem(" Z", 6);
    EXPECT_EQ((std::vector<std::string>{" Z", "ion", "Ionescu", "popescu", "POPESCU", "Popescu"}), texts(combo));
    EXPECT_EQ((std::vector<int>{6, 4, 2, 1, 3, 5}),
              (std::vector<int>{combo.itemData(0), combo.itemData(1), combo.itemData(2), combo.itemData(3),
                                combo.itemData(4), combo.itemData(5)}));
    EXPECT_EQ(texts(combo), rows(combo.comboBox())) << "the widget shows the same order";

    // Items added after a choice go to their places; the choice stays.
    combo.setListIndex(3);
    combo.addItem("ALBU", 7);
    combo.addItem("popescu", 8);
    EXPECT_EQ(4, combo.listIndex());
    EXPECT_EQ("popescu", combo.text());
    EXPECT_EQ(1, combo.itemData(4));
    EXPECT_EQ(8, combo.itemData(7));
    EXPECT_EQ(texts(combo), rows(combo.comboBox()));

    // An unsorted combo keeps the order of adding.
    platform::ComboBox plain(form(), {0, 0, 100, 24});
    plain.addItem("b");
    plain.addItem("a");
    EXPECT_EQ((std::vector<std::string>{"b", "a"}), texts(plain));
}

TEST_F(ChoiceControl, AComboReportsEveryChoiceTheSameItemAgainIncluded) {
    platform::ComboBox& pick = form().pick;
    for (const char* month : {"Ianuarie", "Februarie", "Martie"}) {
        pick.addItem(month);
    }
    int clicks = 0;
    pick.onClick([&] { ++clicks; });

    EXPECT_TRUE(pick.setListIndex(1));
    EXPECT_TRUE(pick.setListIndex(1));
    EXPECT_EQ(2, clicks) << "setting the same index reports again";
    EXPECT_TRUE(pick.setListIndex(-1));
    EXPECT_EQ(3, clicks);
    EXPECT_EQ("", pick.text());
    EXPECT_FALSE(pick.setListIndex(3));
    EXPECT_EQ(3, clicks);

    // The clerk chooses from the open list, twice the same item.
    pick.setListIndex(2);
    clicks = 0;
    testing::pick(pick, "Ianuarie");
    testing::pick(pick, "Ianuarie");
    EXPECT_EQ(2, clicks);
    EXPECT_EQ(0, pick.listIndex());

    // A move with the arrow keys is a choice as well.
    pick.setFocus();
    pressKey(pick, Qt::Key_Down);
    EXPECT_EQ(1, pick.listIndex());
    EXPECT_EQ(3, clicks);
}

TEST_F(ChoiceControl, OpeningAComboListIsNoMoveOfTheFocus) {
    platform::ComboBox& pick = form().pick;
    for (const char* month : {"Ianuarie", "Februarie"}) {
        pick.addItem(month);
    }
    pick.onGotFocus([&] { form().log.push_back("pick+"); });
    pick.onLostFocus([&] { form().log.push_back("pick-"); });
    pick.setFocus();
    form().log.clear();
    testing::pick(pick, "Februarie"); // the first opening of its list
    EXPECT_EQ(1, pick.listIndex());
    EXPECT_TRUE(form().log.empty()) << ::testing::PrintToString(form().log);
}

TEST_F(ChoiceControl, AComboListTakesOnlyTheTextOfAnItem) {
    platform::ComboBox& pick = form().pick;
    pick.setSorted(true);
    for (const char* county : {" ", "CLUJ", "ALBA", "BIHOR"}) {
        pick.addItem(county);
    }
    int clicks = 0;
    pick.onClick([&] { ++clicks; });
    EXPECT_TRUE(pick.setText("bihor"));
    EXPECT_EQ("BIHOR", pick.text());
    EXPECT_EQ(2, pick.listIndex());
    EXPECT_FALSE(pick.setText("VASLUI"));
    EXPECT_EQ("BIHOR", pick.text());
    EXPECT_TRUE(pick.setText(" "));
    EXPECT_EQ(0, pick.listIndex());
    EXPECT_EQ(2, clicks);

    pick.setListIndex(2);
    pick.removeItem(0);
    EXPECT_EQ(1, pick.listIndex()) << "the chosen item moved up";
    EXPECT_EQ("BIHOR", pick.text());
    pick.removeItem(1);
    EXPECT_EQ(-1, pick.listIndex()) << "the chosen item is gone";
    EXPECT_EQ(2, pick.listCount());
    pick.clear();
    EXPECT_EQ(0, pick.listCount());
    EXPECT_EQ("", pick.list(0));
    EXPECT_EQ(0, pick.itemData(7));
}

TEST_F(ChoiceControl, AComboWithATextTakesWhatIsTyped) {
    platform::ComboBox combo(form(), {0, 0, 150, 24}, platform::ComboStyle::DropDownCombo);
    combo.setSorted(true);
    combo.addItem("POPESCU ION--1234--FF1");
    combo.addItem("ALBU ANA--5678--FF2");
    int clicks = 0;
    combo.onClick([&] { ++clicks; });
    combo.setListIndex(1);
    EXPECT_EQ("POPESCU ION--1234--FF1", combo.text());
    combo.setText("");
    EXPECT_EQ(-1, combo.listIndex()) << "the typed text is no item";
    combo.setFocus();
    typeKeys(combo, "pop");
    EXPECT_EQ("pop", combo.text());
    EXPECT_EQ(2, combo.listCount());
    pressEnter(combo);
    EXPECT_EQ(2, combo.listCount()) << "Enter does not add the typed text";
    EXPECT_EQ(1, clicks);
}

TEST_F(ChoiceControl, AnOpenListShowsTheEntryItStandsOnSelected) {
    platform::ComboBox combo(form(), {0, 0, 150, 24}, platform::ComboStyle::DropDownCombo);
    combo.addItem("ALBU ANA--5678--FF2");
    combo.addItem("POPESCU ION--1234--FF1");
    combo.setFocus();
    combo.comboBox()->showPopup(); // nothing chosen: the list stands on its first entry
    QAbstractItemView* list = combo.comboBox()->view();
    ASSERT_TRUE(list->currentIndex().isValid());
    EXPECT_TRUE(list->selectionModel()->isSelected(list->currentIndex()));
    combo.comboBox()->hidePopup();
}

TEST_F(ChoiceControl, AListBoxReportsChoicesOfTheClerkAndOfTheProgram) {
    platform::ListBox list(form(), {0, 0, 200, 120});
    for (const char* entry : {"1. PRELUARE", "2. REGULARIZARE", "3. RESTAURARE"}) {
        list.addItem(entry);
    }
    int clicks = 0;
    int doubles = 0;
    list.onClick([&] { ++clicks; });
    list.onDoubleClick([&] { ++doubles; });

    pick(list, "2. REGULARIZARE");
    EXPECT_EQ(1, list.listIndex());
    EXPECT_TRUE(list.selected(1));
    pick(list, "2. REGULARIZARE");
    EXPECT_EQ(2, clicks) << "the same entry again";
    list.setFocus();
    pressKey(list, Qt::Key_Down);
    EXPECT_EQ(2, list.listIndex());
    EXPECT_EQ(3, clicks);
    pressKey(list, Qt::Key_Down);
    EXPECT_EQ(3, clicks) << "the last entry cannot move further";
    doubleClick(list, "1. PRELUARE");
    EXPECT_EQ(1, doubles);

    list.setListIndex(0);
    list.setListIndex(0);
    EXPECT_EQ(0, list.listIndex());
    EXPECT_FALSE(list.selected(2));
    clicks = 0;
    list.setSelected(1, true);
    EXPECT_TRUE(list.selected(1));
    EXPECT_FALSE(list.selected(0)) << "one selection only";
    list.setSelected(1, true);
    EXPECT_EQ(1, clicks);
}

TEST_F(ChoiceControl, AMultipleSelectionListKeepsItsSelectionWhileItemsAreAdded) {
    platform::ListBox list(form(), {0, 0, 200, 120}, true);
    list.setSorted(true);
    for (const char* name : {"delta", "beta", "zeta"}) {
        list.addItem(name);
    }
    list.setSelected(0, true); // beta
    list.setSelected(2, true); // zeta
    list.addItem("alfa");
    list.addItem("gama");
    ASSERT_EQ(5, list.listCount());
    std::vector<std::string> chosen;
    for (int i = 0; i < list.listCount(); ++i) {
        if (list.selected(i)) {
            chosen.push_back(list.list(i));
        }
    }
    EXPECT_EQ((std::vector<std::string>{"beta", "zeta"}), chosen);
    EXPECT_EQ("alfa", list.listWidget()->item(0)->text().toStdString());
}

TEST_F(ChoiceControl, AControlArrayTellsItsHandlersTheIndex) {
    SampleForm& f = form();
    platform::ControlArray<platform::TextBox> boxes;
    platform::ControlArray<platform::OptionButton> options;
    for (int i = 0; i < 3; ++i) {
        boxes.add(f, platform::Geometry{0, 150 + 25 * i, 50, 22});
        options.add(f.group, platform::Geometry{100, 20 + 20 * i, 50, 20}, "o" + std::to_string(i));
    }
    std::vector<std::string> log;
    boxes.bind(&platform::TextBox::onChange, [&](int i) { log.push_back("change " + std::to_string(i)); });
    boxes.bind(&platform::TextBox::onKeyPress, [&](int i, int key) {
        log.push_back("key " + std::to_string(i) + " " + std::string(1, static_cast<char>(key)));
        return key == 'z';
    });
    options.bind(&platform::OptionButton::onClick, [&](int i) { log.push_back("option " + std::to_string(i)); });

    boxes[2].setText("x");
    boxes[1].setFocus();
    typeKeys(boxes[1], "az");
    options[1].setValue(true);
    EXPECT_EQ((std::vector<std::string>{"change 2", "key 1 a", "change 1", "key 1 z", "option 1"}), log);
    EXPECT_EQ("a", boxes[1].text());
    EXPECT_EQ(3, boxes.size());
    EXPECT_EQ(2, boxes.indexOf(boxes[2]));
    EXPECT_FALSE(f.one.value()) << "the array's options share the frame's group";
}

} // namespace
} // namespace olm::testing
