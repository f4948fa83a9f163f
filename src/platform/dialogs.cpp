#include "platform/dialogs.h"

#include "platform/text_entry.h"
#include "platform/viewers_in_sight.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <array>
#include <cstdio>
#include <cstring>

namespace olm::platform {

namespace {

// The answer of a message closed without one: Esc or the close box where the
// message allows it, or nobody there to answer (the program is being ended
// from outside). It is the one that changes nothing.
Answer answerChangingNothing(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
        return Answer::No;
    case Buttons::RetryCancel:
        break;
    }
    return Answer::Cancel;
}

// A question is answered only by its own buttons: Esc, or the close box,
// would pick "Nu" behind the clerk's back, and on "Salvati modificarile?"
// that throws away the sheet just typed.
bool closesWithoutAnswer(Buttons buttons) { return buttons == Buttons::Ok || buttons == Buttons::RetryCancel; }

// A message box that keeps the text's own lines: as wide as its longest line,
// up to five eighths of the screen's width, as the desktop's own message boxes
// are; only a line wider than that breaks, at its blanks, so that a message
// of one paragraph reads as a paragraph, not as a line across the screen. The
// usual message box breaks any line longer than about 500 pixels wherever it
// likes, which scatters the program's help texts.
class MessageWindow : public QDialog {
public:
    MessageWindow(QWidget* owner, const std::string& text, const std::string& title, Icon icon, Buttons buttons)
        : QDialog(owner), buttons_(buttons) {
        // The title exactly as given: an empty one stays empty.
        setWindowTitle(QString::fromLatin1(title));
        auto* grid = new QGridLayout(this);
        grid->setSizeConstraint(QLayout::SetFixedSize);
        grid->setHorizontalSpacing(16);
        int textColumn = 0;
        if (icon != Icon::None) {
            const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
            auto* picture = new QLabel(this);
            picture->setPixmap(style()
                                   ->standardIcon(icon == Icon::Exclamation ? QStyle::SP_MessageBoxWarning
                                                                            : QStyle::SP_MessageBoxInformation,
                                                  nullptr, this)
                                   .pixmap(size, size));
            grid->addWidget(picture, 0, 0, Qt::AlignTop);
            textColumn = 1;
        }
        label_ = new QLabel(this);
        // The program's texts are plain: a "<" must not switch to rich text.
        label_->setTextFormat(Qt::PlainText);
        QString shown = QString::fromLatin1(text);
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        label_->setText(shown);
        grid->addWidget(label_, 0, textColumn);
        auto* box = new QDialogButtonBox(this);
        box->setCenterButtons(true);
        QPushButton* byDefault = nullptr;
        for (const Pair& p : pairs()) {
            if (p.buttons == buttons) {
                QPushButton* b = box->addButton(QString::fromLatin1(p.caption), p.role);
                connect(b, &QPushButton::clicked, this, [this, answer = p.answer] {
                    answer_ = answer;
                    accept();
                });
                byDefault = byDefault ? byDefault : b;
            }
        }
        byDefault->setDefault(true);
        byDefault->setFocus();
        grid->addWidget(box, 1, 0, 1, textColumn + 1);
        fitToScreen();
    }

    Answer answer() const { return answer_.value_or(answerChangingNothing(buttons_)); }

    // Esc and the close box: an answer only where the message has one that
    // changes nothing (OK, Anuleaza); a question stays.
    void reject() override {
        if (closesWithoutAnswer(buttons_)) {
            QDialog::reject();
        }
    }

protected:
    // The underlined letter of a button answers when pressed alone, as in the
    // desktop's own message boxes.
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !event->text().isEmpty()) {
            const QChar letter = event->text().at(0).toUpper();
            for (const Pair& p : pairs()) {
                const char* amp = std::strchr(p.caption, '&');
                if (p.buttons == buttons_ && amp != nullptr && QChar::fromLatin1(amp[1]).toUpper() == letter) {
                    answer_ = p.answer;
                    accept();
                    return;
                }
            }
        }
        QDialog::keyPressEvent(event);
    }

private:
    struct Pair {
        Buttons buttons;
        const char* caption; // in the clerk's language; "&" marks the letter that answers
        QDialogButtonBox::ButtonRole role;
        Answer answer;
    };
    // The buttons of each shape, the default first.
    static const std::array<Pair, 7>& pairs() {
        static const std::array<Pair, 7> all = {{
            {Buttons::Ok, "OK", QDialogButtonBox::AcceptRole, Answer::Ok},
            {Buttons::YesNo, "&Da", QDialogButtonBox::YesRole, Answer::Yes},
            {Buttons::YesNo, "&Nu", QDialogButtonBox::NoRole, Answer::No},
            {Buttons::YesNoDefaultNo, "&Nu", QDialogButtonBox::NoRole, Answer::No},
            {Buttons::YesNoDefaultNo, "&Da", QDialogButtonBox::YesRole, Answer::Yes},
            {Buttons::RetryCancel, "&Reincearca", QDialogButtonBox::AcceptRole, Answer::Retry},
            {Buttons::RetryCancel, "&Anuleaza", QDialogButtonBox::RejectRole, Answer::Cancel},
        }};
        return all;
    }

    // Only a line wider than five eighths of the screen breaks.
    void fitToScreen() {
        const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        if (!screen) {
            return;
        }
        const int widest = screen->availableGeometry().width() * 5 / 8;
        if (label_->sizeHint().width() > widest && widest > 0) {
            label_->setWordWrap(true);
            label_->setFixedSize(widest, label_->heightForWidth(widest));
        }
    }

    Buttons buttons_;
    QLabel* label_ = nullptr;
    std::optional<Answer> answer_;
};

class RealDialogs : public Dialogs {
public:
    Answer message(const std::string& text, const std::string& title, Icon icon,
                   Buttons buttons) override {
        QWidget* owner = askingWindow();
        MessageWindow box(owner, text, title, icon, buttons);
        const ViewersInSight inSight(box, owner);
        box.exec();
        return box.answer();
    }

    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override {
        QWidget* owner = askingWindow();
        QInputDialog dialog(owner);
        dialog.setWindowTitle(QString::fromLatin1(title));
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setLabelText(QString::fromLatin1(prompt));
        dialog.setTextValue(QString::fromLatin1(defaultText));
        // What is typed or pasted keeps to the rules of the program's own boxes.
        if (auto* edit = dialog.findChild<QLineEdit*>()) {
            new EntryFilter(edit);
        }
        dialog.setOkButtonText(QStringLiteral("OK"));
        dialog.setCancelButtonText(QStringLiteral("Anuleaza"));
        const ViewersInSight inSight(dialog, owner);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.textValue().toLatin1().toStdString();
    }
};

// Nobody answers: the answer that changes nothing.
class UnattendedDialogs : public Dialogs {
public:
    Answer message(const std::string& text, const std::string& title, Icon,
                   Buttons buttons) override {
        std::fprintf(stderr, "olm: %s%s%s\n", title.c_str(), title.empty() ? "" : ": ", text.c_str());
        return answerChangingNothing(buttons);
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

Dialogs* installed = nullptr;
bool unattendedMode = false;

} // namespace

Dialogs& dialogs() {
    static RealDialogs* real = new RealDialogs; // never destroyed: used until the very end
    static UnattendedDialogs none;
    if (unattendedMode) {
        return none;
    }
    return installed != nullptr ? *installed : *real;
}

void setUnattended(bool on) { unattendedMode = on; }
bool unattended() { return unattendedMode; }

void setDialogs(Dialogs* replacement) { installed = replacement; }

void showMessage(const std::string& text, const std::string& title, Icon icon) {
    dialogs().message(text, title, icon, Buttons::Ok);
}

bool askYesNo(const std::string& text, const std::string& title, Icon icon) {
    return dialogs().message(text, title, icon, Buttons::YesNo) == Answer::Yes;
}

bool askYesNoDefaultNo(const std::string& text, const std::string& title, Icon icon) {
    return dialogs().message(text, title, icon, Buttons::YesNoDefaultNo) == Answer::Yes;
}

} // namespace olm::platform
