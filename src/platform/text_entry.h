#pragma once

// What the clerk may bring into a one-line box by typing, pasting or
// dropping. The data are bytes of Romanian text without diacritics, one
// record a line, so a box keeps one line of bytes whatever it is given.

#include <QString>
#include <QValidator>

#include <string>

class QLineEdit;

namespace olm::platform {

// A Romanian letter with a diacritic (comma below or cedilla, breve,
// circumflex) as its plain letter, "S" for "Ş"; any other character as it is.
char16_t withoutDiacritic(char16_t c);

// What a box keeps of a text brought into it: the text up to its first line
// break (a copied cell or paragraph ends there), a tab or any other control
// character as a blank, Romanian letters without their diacritics, and
// neither the refused characters nor those a byte cannot hold.
QString keptOfInsertion(const QString& inserted, const std::string& refused);

// What an edit of the clerk's may leave of the text: `before` is the text
// before it, `after` and `cursor` the text and the cursor after it. What the
// edit put in keeps keptOfInsertion(), cut to the room the maximum length
// leaves (0: none); deleting is never limited. A null result refuses the
// whole edit; otherwise the cursor stands after what was put in.
QString filteredEdit(const QString& before, const QString& after, int& cursor,
                     const std::string& refused, int maxLength);

// Checks every change of a line edit's text made by the clerk; the program's
// own text (setText) passes whole.
class EntryFilter : public QValidator {
public:
    // Installs itself as the validator of `edit`.
    explicit EntryFilter(QLineEdit* edit);

    void setRefused(std::string chars) { refused_ = std::move(chars); }
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length) { maxLength_ = length; }
    // Sets the text as the program's own: nothing of it is filtered.
    void setProgramText(const QString& text);

    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* edit_;
    std::string refused_;
    int maxLength_ = 0;
    bool programSets_ = false;
    QString last_; // the text before the edit being checked
};

} // namespace olm::platform
