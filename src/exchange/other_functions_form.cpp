#include "exchange/other_functions_form.h"

#include "exchange/bulk_regularisation.h"
#include "exchange/diskette_merge.h"
#include "exchange/year_takeover.h"
#include "main_window/intro_form.h"
#include "main_window/sorted_copies.h"
#include "platform/text_viewer.h"
#include "shared/backup.h"

#include <QListWidget>

namespace olm {

using platform::Geometry;

namespace {

constexpr const char* Intrari[] = {
    "1. PRELUARE fise fiscale  din anul precedent (initializate si fara fisele celor plecati).",
    "2. REGULARIZARE   fise fiscale 1",
    "3. RESTAURARE   fisiere de date  (din subdirector in directorul de lucru)",
    "4. SALVARE   fisiere de date  (intr-un subdirector desemnat prin cod angajator)",
    "5. UNIRE  fisiere de date preluate de pe una sau mai multe dischete",
};

// The working files changed: the alphabetical copies, while the clerk keeps
// them, follow.
void dupaSchimbare(bool schimbat) {
    if (schimbat && Intro::loaded() && Intro::instance().Check1->value() == 1) {
        ActualizeazaCopiiSortate(true);
    }
}

} // namespace

AlteFunctii::AlteFunctii()
    : Label1(*this, Geometry{16, 12, 300, 20}, "Alegeti functia dorita :"),
      List1(*this, Geometry{16, 36, 600, 100}),
      Label3(*this, Geometry{16, 146, 460, 20},
             "Dupa alegerea functiei  asteptati confirmarea terminarii operatiei !"),
      Command11(*this, Geometry{536, 142, 80, 28}, "Help") {
    setCaption("Alte functii ale aplicatiei");
    setSize(632, 184);
    for (const char* intrare : Intrari) {
        List1.addItem(intrare);
    }
    // A click on an entry, or Enter on the entry chosen, runs it; moving the
    // selection with the keyboard does not.
    QObject::connect(List1.listWidget(), &QListWidget::itemClicked, this,
                     [this](QListWidgetItem* item) { List1_Click(List1.listWidget()->row(item)); });
    List1.onKeyPress([this](int key) {
        if (key != platform::key::Enter) {
            return false;
        }
        List1_Click(List1.listIndex());
        return true;
    });
    Command11.onClick([this] { Command11_Click(); });
}

void AlteFunctii::deschide() {
    ArataPesteFereastraPrincipala(instance());
    instance().List1.setFocus();
}

void AlteFunctii::List1_Click(int index) {
    switch (index) {
    case Preluare:
        butPrelAnPrec();
        break;
    case Regularizare:
        butRegText();
        break;
    case Restaurare:
        dupaSchimbare(RestaurareDate());
        break;
    case Salvare:
        dupaSchimbare(SalvareDate());
        break;
    case Unire:
        butUnire();
        break;
    default:
        break;
    }
}

void AlteFunctii::butPrelAnPrec() {
    platform::BusyCursor clepsidra;
    dupaSchimbare(PreiaAnulPrecedent().efectuata);
}

void AlteFunctii::butRegText() {
    platform::BusyCursor clepsidra;
    dupaSchimbare(RegularizeazaFisele().efectuata);
}

void AlteFunctii::butUnire() {
    platform::BusyCursor clepsidra;
    dupaSchimbare(UnesteDischete().stare == RezultatUnire::Stare::Efectuata);
}

void AlteFunctii::Command11_Click() { platform::textViewer().show("help1.txt"); }

void AlteFunctii::formUnload(bool& cancel) {
    (void)cancel;
    if (Intro::loaded()) {
        Intro::instance().show();
    }
}

} // namespace olm
