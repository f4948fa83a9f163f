// Text boxes: what typing and pasting may put in, what the program may put
// in, and what leaving the box does.

#include "sample_form.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace olm::testing {
namespace {

class TextBoxControl : public SampleFormTest {
protected:
    void SetUp() override {
        SampleFormTest::SetUp();
        form().boxA.setFocus();
    }
    static platform::TextBox& box() { return form().boxA; }
};

TEST_F(TextBoxControl, MaximumLengthLimitsTypingAndPastingOnly) {
    box().setMaxLength(5);
    typeKeys(box(), "1234567");
    EXPECT_EQ("12345", box().text());

    box().setText("");
    box().lineEdit()->insert("abcdefgh"); // what a paste does
    EXPECT_EQ("abcde", box().text());

    // The program's text stays whole and can still be shortened.
    box().setText("0123456789");
    EXPECT_EQ("0123456789", box().text());
    box().lineEdit()->end(false);
    pressKey(box(), Qt::Key_Backspace);
    EXPECT_EQ("012345678", box().text());
    typeKeys(box(), "x");
    EXPECT_EQ("012345678", box().text()) << "no room to type";

    // Typing over a selection counts the room left by what it replaces.
    box().setText("abcde");
    box().lineEdit()->setSelection(1, 3);
    typeKeys(box(), "XYZW");
    EXPECT_EQ("aXYZe", box().text());
}

TEST_F(TextBoxControl, RefusedCharactersAreDroppedFromTypingAndPasting) {
    box().setRefusedCharacters("#");
    typeKeys(box(), "ab#c");
    EXPECT_EQ("abc", box().text());
    box().lineEdit()->insert("x#y#");
    EXPECT_EQ("abcxy", box().text());
    EXPECT_EQ(5, box().lineEdit()->cursorPosition());

    // With a maximum length both apply: the refused ones do not take room.
    box().setText("");
    box().setMaxLength(3);
    box().lineEdit()->insert("#1#2#3#4");
    EXPECT_EQ("123", box().text());

    // The program may still put one in.
    box().setText("A#B");
    EXPECT_EQ("A#B", box().text());
}

TEST_F(TextBoxControl, TurnsToUpperCaseOnLeavingBeforeTheHandlerRuns) {
    box().setUpperCaseOnLeaving(true);
    std::string seen;
    box().onLostFocus([&] { seen = box().text(); });
    typeKeys(box(), "cluj-napoca 7");
    EXPECT_EQ("cluj-napoca 7", box().text()) << "not while typing";
    pressTab(box());
    EXPECT_EQ("CLUJ-NAPOCA 7", box().text());
    EXPECT_EQ("CLUJ-NAPOCA 7", seen);

    // ASCII letters only: the other bytes stay as they are.
    box().setText("\xE9t\xE9");
    box().setFocus();
    form().boxB.setFocus();
    EXPECT_EQ("\xE9T\xE9", box().text());
}

// Whatever the clipboard or a drag holds, a box keeps one line of bytes: a
// record line built from it is never split. Romanian letters, typed or
// brought, lose their diacritics rather than vanish. An undo is an edit like
// any other: Qt puts a refused edit back only on a box it held valid, never
// after an undo, so a refused undo once let anything in from then on.
TEST_F(TextBoxControl, APasteOrADropKeepsOneLineOfPlainLetters) {
    enum class Way { Type, Paste, Drop, DeleteUndoType };
    struct Row {
        const char* name;
        Way way;
        const char* start;
        int from, length; // the selection the text replaces
        const char* brought; // UTF-8
        const char* kept;
        int cursor;
        bool number = false; // a box read as a number
        int maxLength = 0;
    };
    const Row rows[] = {
        {"a copied cell ends at its line feed", Way::Paste, "", 0, 0, "POPESCU\n", "POPESCU", 7},
        {"a second line stays out", Way::Paste, "SC ", 3, 0, "ALFA, SRL\r\nLINIA2", "SC ALFA, SRL", 12},
        {"over a selection, the text around stays", Way::Paste, "ABCDEF", 2, 2, "x\ny", "ABxEF", 3},
        {"the cursor tells a paste that repeats its neighbour", Way::Paste, "AB", 1, 0, "B\n", "ABB", 2},
        {"a line break first brings nothing", Way::Paste, "AB", 1, 1, "\nX", "AB", 2},
        {"a tab or a control is a blank", Way::Paste, "", 0, 0, "A\tB\x01" "C\x7F" "D#", "A B C D", 7},
        {"both forms of the letters", Way::Paste, "", 0, 0, "ăâîșşțţ "
                                                            "ĂÂÎȘŞȚŢ",
         "aaisstt AAISSTT", 15},
        {"a mark of its own leaves the letter", Way::Paste, "", 0, 0, "Șî", "Si", 2},
        {"the cells of a copied row in a number box", Way::Paste, "", 0, 0, "1500000\t2\r\n", "1500000", 7, true},
        {"a tab first in a number box brings nothing", Way::Paste, "15", 2, 0, "\t2", "15", 2, true},
        {"an undo with no room, then typing", Way::DeleteUndoType, "ABCDEFGHIJ", 9, 1, "#Q", "ABCDEFGHI", 9, false, 8},
        {"typed", Way::Type, "", 0, 0, "Ştefănescu", "Stefanescu", 10},
        {"dropped", Way::Drop, "AB", 2, 0, "Țara\r\nX", "ABTara", 6},
    };
    box().setRefusedCharacters("#");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QLineEdit* edit = box().lineEdit();
        box().setReadAsNumber(r.number);
        box().setMaxLength(r.maxLength);
        box().setText(r.start);
        edit->setSelection(r.from, r.length);
        const QString brought = QString::fromUtf8(r.brought);
        switch (r.way) {
        case Way::DeleteUndoType:
            pressKey(box(), Qt::Key_Backspace);
            pressKey(box(), Qt::Key_Z, Qt::ControlModifier);
            [[fallthrough]];
        case Way::Type: // as a Romanian keyboard gives them: a key, its letter
            for (QChar ch : brought) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(edit, &key);
            }
            break;
        case Way::Paste:
            QGuiApplication::clipboard()->setText(brought);
            pressKey(box(), Qt::Key_V, Qt::ControlModifier);
            break;
        case Way::Drop: {
            QMimeData data;
            data.setText(brought);
            const QPoint at(edit->width() - 2, edit->height() / 2);
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edit, &enter);
            QApplication::sendEvent(edit, &drop);
            break;
        }
        }
        EXPECT_EQ(r.kept, box().text());
        EXPECT_EQ(r.cursor, edit->cursorPosition());
    }
    // Then the box's own rules: upper case on leaving.
    box().setUpperCaseOnLeaving(true);
    pressTab(box());
    EXPECT_EQ("ABTARA", box().text());
}

// The employee picker's typed text keeps to the rules of the text boxes; an
// item chosen shows whole.
TEST_F(TextBoxControl, AnEditableComboTakesAPasteAsABoxDoes) {
    platform::ComboBox combo(form(), {150, 150, 150, 24}, platform::ComboStyle::DropDownCombo);
    combo.addItem("POPESCU\tION");
    combo.setFocus();
    QGuiApplication::clipboard()->setText(QString::fromUtf8("Ionescu\tȘtefan\r\nX"));
    pressKey(combo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ("Ionescu Stefan", combo.text());
    combo.setListIndex(0);
    EXPECT_EQ("POPESCU\tION", combo.text());
    EXPECT_EQ(0, combo.listIndex());
}

TEST_F(TextBoxControl, ReportsEveryChangeOfTheText) {
    int changes = 0;
    box().onChange([&] { ++changes; });
    typeKeys(box(), "ab");
    EXPECT_EQ(2, changes);
    box().setText("xyz");
    EXPECT_EQ(3, changes);
    box().setText("xyz");
    EXPECT_EQ(3, changes) << "the same text is no change";
    box().setRefusedCharacters("#");
    typeKeys(box(), "#");
    EXPECT_EQ(3, changes) << "a refused key changes nothing";
}

TEST_F(TextBoxControl, TextIsBytes) {
    box().setText(std::string("A\xB0 \xFF", 4));
    EXPECT_EQ(std::string("A\xB0 \xFF", 4), box().text());
    EXPECT_EQ(QString::fromUtf8("A\u00B0 \u00FF"), box().lineEdit()->text());
    // A character no byte can hold is not taken from the clerk.
    box().setText("");
    box().lineEdit()->insert(QString::fromUtf8("a\u20ACb"));
    EXPECT_EQ("ab", box().text());
}

TEST_F(TextBoxControl, ALabelShowsItsCaptionAsItIs) {
    platform::Label label(form(), {0, 0, 100, 20}, "Cod & <b>angajat</b>");
    EXPECT_EQ("Cod & <b>angajat</b>", label.caption());
    EXPECT_EQ(Qt::PlainText, label.label()->textFormat());
    EXPECT_FALSE(label.setFocus());
}

} // namespace
} // namespace olm::testing
