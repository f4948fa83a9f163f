#include "platform/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include <cstdio>

namespace olm::platform {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Answer answerThatChangesNothing(Buttons buttons) {
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

class RealDialogs : public Dialogs {
public:
    Answer message(const std::string& text, const std::string& title, Icon icon,
                   Buttons buttons) override {
        QMessageBox box(QApplication::activeWindow());
        // The title exactly as given: an empty one stays empty rather than
        // turning into the application's name.
        box.setWindowTitle(QString::fromLatin1(title));
        box.setIcon(qtIcon(icon));
        // The program's texts are plain: a "<" must not switch to rich text.
        box.setTextFormat(Qt::PlainText);
        box.setText(QString::fromLatin1(text));
        switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::No);
            break;
        case Buttons::RetryCancel:
            box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Retry);
            break;
        }
        const int result = box.exec();
        switch (result) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Retry:
            return Answer::Retry;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            // Closed by the window manager: the answer that changes nothing.
            return answerThatChangesNothing(buttons);
        }
    }

    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override {
        QInputDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(QString::fromLatin1(title));
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setLabelText(QString::fromLatin1(prompt));
        dialog.setTextValue(QString::fromLatin1(defaultText));
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
        return answerThatChangesNothing(buttons);
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
