// Olm: the yearly income-tax sheets of an employer's employees.

#include "exchange/install.h"
#include "listings/install.h"
#include "main_window/intro_form.h"
#include "platform/dialogs.h"
#include "platform/termination.h"
#include "sheets/install.h"

#include <QApplication>

int main(int argc, char** argv) {
    // First of all: a log-out in the program's first moments must not end it
    // halfway through its start, but run its exit steps once it has started.
    olm::platform::catchTerminationSignals();
    QApplication app(argc, argv);
    app.setApplicationName("Olm");
    // The main window ends the program; the text viewers do not keep it alive.
    app.setQuitOnLastWindowClosed(false);
    olm::instaleazaFormeFise();
    olm::instaleazaListari();
    olm::instaleazaSchimburi();
    // Asked to end from outside (log-out, shutdown): every event loop, a
    // message box's included, is left, and the exit steps run below.
    bool cerut = false;
    olm::platform::onTerminationRequest([&cerut] {
        if (!cerut) {
            cerut = true;
            olm::platform::setUnattended(true);
            QCoreApplication::exit(0);
        }
    });
    int cod = 0;
    if (!olm::Main(&cod)) {
        return cod;
    }
    if (!cerut) {
        app.exec();
    }
    if (cerut) {
        olm::TerminaLaCerere();
    }
    return 0;
}
