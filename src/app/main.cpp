// Olm: the yearly income-tax sheets of an employer's employees.

#include "exchange/install.h"
#include "listings/install.h"
#include "main_window/intro_form.h"
#include "sheets/install.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Olm");
    // The main window ends the program; the text viewers do not keep it alive.
    app.setQuitOnLastWindowClosed(false);
    olm::instaleazaFormeFise();
    olm::instaleazaListari();
    olm::instaleazaSchimburi();
    if (!olm::Main()) {
        return 0;
    }
    return app.exec();
}
