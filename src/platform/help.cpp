#include "platform/help.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/text_viewer.h"

namespace olm::platform {

void showHelpContents(const std::string& helpFile) {
    if (!files::exists(helpFile)) {
        showMessage("Fisierul de ajutor " + helpFile + " nu exista.", "", Icon::Exclamation);
        return;
    }
    textViewer().show(helpFile);
}

} // namespace olm::platform
