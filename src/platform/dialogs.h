#pragma once

// Message boxes and the input box. The title is used exactly as given:
// "", " " and "  " are different titles. The buttons speak the clerk's
// language: "OK", "Da" / "Nu", "Reincearca" / "Anuleaza"; their underlined
// letters answer when pressed alone. A question (Da / Nu) is answered only by
// its buttons: Esc and the close box do nothing there. An OK message closes
// on Esc, and Reincearca / Anuleaza answers Anuleaza.

#include <optional>
#include <string>

namespace olm::platform {

enum class Icon { None, Exclamation, Information };
// YesNoDefaultNo: Enter answers No, for a question whose Yes may do harm.
enum class Buttons { Ok, YesNo, RetryCancel, YesNoDefaultNo };
enum class Answer { Ok, Yes, No, Retry, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a message and waits for the clerk's answer.
    virtual Answer message(const std::string& text, const std::string& title, Icon icon,
                           Buttons buttons) = 0;
    // Asks for a line of text; nothing when the clerk cancels.
    virtual std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                             const std::string& defaultText) = 0;
};

// The dialogs the program uses: the real ones unless a test installed others.
Dialogs& dialogs();
// Installs another implementation (nullptr restores the real one). Not owned.
void setDialogs(Dialogs* replacement);

// While the program is being ended from outside (the session logs out), no
// window may wait for the clerk: every message is written to the standard
// error output instead of shown, every question is answered No (Cancel for
// Retry/Cancel), every input box is cancelled. This holds whatever dialogs
// are installed.
void setUnattended(bool on);
bool unattended();

// Shortcuts for the common shapes.
void showMessage(const std::string& text, const std::string& title = "", Icon icon = Icon::None);
bool askYesNo(const std::string& text, const std::string& title = "", Icon icon = Icon::None);
bool askYesNoDefaultNo(const std::string& text, const std::string& title = "", Icon icon = Icon::None);

} // namespace olm::platform
