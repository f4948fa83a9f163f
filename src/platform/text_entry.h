#pragma once

// What the clerk may bring into a one-line box by typing, pasting or
// dropping. The data are bytes of Romanian text without diacritics, one
// record a line, so a box keeps one line of bytes whatever it is given.

#include <QString>
#include <QValidator>

#include <functional>
#include <string>

class QLineEdit;

namespace olm::platform {

// A Romanian letter with a diacritic (comma below or cedilla, breve,
// circumflex) as its plain letter, "S" for "Ş"; any other character as it is.
char16_t withoutDiacritic(char16_t c);

// The rules of one box.
struct EntryRules {
    std::string refused; // characters never taken
    int maxLength = 0;   // the room typing and pasting may fill (0: no limit)
    // A box whose text is read as a number: a tab ends what is taken, so the
    // cells of a copied row are never run together into one amount.
    bool number = false;
};

// What a box keeps of a text brought into it: the text up to its first line
// break (a copied cell or paragraph ends there; in a number box a tab too),
// any other control character as a blank, Romanian letters without their
// diacritics, and neither the refused characters nor those a byte cannot
// hold.
QString keptOfInsertion(const QString& inserted, const EntryRules& rules);

// What an edit of the clerk's may leave of the text: `before` is the text
// before it, `after` and `cursor` the text and the cursor after it. What the
// edit put in keeps keptOfInsertion(), cut to the room the maximum length
// leaves; deleting is never limited. A null result refuses the whole edit;
// otherwise the cursor stands after what was put in.
QString filteredEdit(const QString& before, const QString& after, int& cursor, const EntryRules& rules);

// Checks every change of a line edit's text made by the clerk, undo and redo
// included; the program's own text (setText) passes whole.
class EntryFilter : public QValidator {
public:
    // Installs itself as the validator of `edit`.
    explicit EntryFilter(QLineEdit* edit);

    void setRefused(std::string chars) { rules_.refused = std::move(chars); }
    int maxLength() const { return rules_.maxLength; }
    void setMaxLength(int length) { rules_.maxLength = length; }
    void setNumber(bool on) { rules_.number = on; }
    // Sets the text as the program's own: nothing of it is filtered.
    void setProgramText(const QString& text);
    // Texts that pass whole however they come: the items of a combo box,
    // chosen from its list or set by the program.
    void setPassesWhole(std::function<bool(const QString&)> test) { passesWhole_ = std::move(test); }

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* edit_;
    EntryRules rules_;
    std::function<bool(const QString&)> passesWhole_;
    bool programSets_ = false;
    QString last_;      // the text before the edit being checked
    int lastCursor_ = 0; // and the cursor
};

} // namespace olm::platform
