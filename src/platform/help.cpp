#include "platform/help.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/text_viewer.h"

namespace olm::platform {

void showHelpContents(const std::string& helpFile) {
    // Something there that is no file (a directory, a pipe) is named as it
    // is; the viewer would wait on a pipe for ever.
    if (const std::string other = files::notAFileMessage(helpFile); !other.empty()) {
        showMessage("Fisierul de ajutor " + other, "", Icon::Exclamation);
        return;
    }
    if (!files::exists(helpFile)) {
        showMessage("Fisierul de ajutor " + helpFile + " nu exista.", "", Icon::Exclamation);
        return;
    }
    textViewer().show(helpFile);
}

} // namespace olm::platform
