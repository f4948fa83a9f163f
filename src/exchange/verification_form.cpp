#include "exchange/verification_form.h"

#include "exchange/verification_acquisition.h"
#include "exchange/verification_run.h"
#include "main_window/intro_form.h"
#include "main_window/sorted_copies.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/text_viewer.h"
#include "shared/printing.h"
#include "shared/result.h"
#include "shared/state.h"
#include "transfer/transfer.h"

namespace olm {

using platform::Geometry;
using platform::Icon;
namespace files = platform::files;

namespace {

const char* const Atentie[] = {
    "   Optiunile : 'Preluare fisiere de pe discheta' si 'Extensie fisiere DBF'",
    "sterg fisierele TXT existente in directorul aplicatiei.",
    "   Fisierele de verificat, daca nu sunt preluate de pe discheta,",
    "trebuiesc copiate in directorul aplicatiei inainte de intrarea in ",
    "aplicatie. Pentru fisierele DBF, aplicatia face o verificare ",
    "prealabila a structurii DBF si anunta erorile, daca este cazul. ",
    "Cand nu sunt erori de structura, se face conversia DBF -> TXT  ",
    "si se continua verificarile pentru fisierele text.",
};

} // namespace

Verif_fis::Verif_fis()
    : Frame2(*this, Geometry{16, 12, 250, 84}, "Preluare fisiere :"),
      Frame1(*this, Geometry{284, 12, 170, 84}, "Extensie fisiere :"),
      Command1(*this, Geometry{16, 150, 140, 32}, "VERIFICARE"),
      Command2(*this, Geometry{166, 150, 140, 32}, "Lista erori"),
      Command3(*this, Geometry{316, 150, 138, 32}, "Atentie !"),
      Label2(*this, Geometry{16, 104, 300, 40},
             "Se preiau fisierele :                                                Rep_aaaa, Ff1_aaaa, Ff2_aaaa, Ded_aaaa"),
      Label1(*this, Geometry{16, 192, 200, 20}, "  Asteptati !") {
    setCaption("Verificare fisiere din alte aplicatii");
    setSize(470, 220);
    Option2.add(Frame2, Geometry{12, 50, 220, 22}, "din directorul de lucru");
    Option2.add(Frame2, Geometry{12, 24, 220, 22}, "de pe discheta");
    Option1.add(Frame1, Geometry{12, 50, 140, 22}, ".DBF");
    Option1.add(Frame1, Geometry{12, 24, 140, 22}, ".TXT");
    Label2.setWordWrap(true);
    Option2[0].setValue(true);
    Option1[1].setValue(true);
    Command2.setEnabled(false);
    Label1.setVisible(false);
    setTabOrder({&Option2[1], &Option2[0], &Option1[1], &Option1[0], &Command1, &Command2, &Command3});

    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    for (platform::Button* b : {&Command1, &Command2}) {
        b->onGotFocus([this] { Label1.setVisible(true); });
    }
}

void Verif_fis::deschide() {
    ArataPesteFereastraPrincipala(instance());
    // On the chosen source, so that "  Asteptati !" shows only once a button is reached.
    instance().Option2[0].setFocus();
}

void Verif_fis::Command1_Click() {
    platform::BusyCursor clepsidra;
    const bool dischete = Option2[1].value();
    const bool dbf = Option1[0].value();
    if ((dischete || dbf) &&
        !platform::askYesNo("Se sterg fisierele TXT existente in \r\ndirectorul aplicatiei. Continuati ? ", "")) {
        StopVerif = 1;
        Label1.setVisible(false);
        return;
    }
    StopVerif = 0;
    try {
        files::remove(transfer::FisierErori);
    } catch (const platform::FileError& e) {
        platform::showMessage(mesajEroareScriere(e.number(), transfer::FisierErori), "", Icon::Exclamation);
        StopVerif = 1;
    }
    if (StopVerif == 0) {
        if (dbf && !dischete) {
            tr_dbftxt();
        } else if (dbf) {
            copy_dbf_disc();
        } else if (dischete) {
            copy_txt_disc();
        }
    }
    if (StopVerif == 0) {
        if (dischete || dbf) {
            dupaRescriere();
        }
        Command2.setEnabled(true);
        Command1.setEnabled(false);
    }
    // After the buttons: the focus leaving the disabled one shows it again.
    Label1.setVisible(false);
}

void Verif_fis::copy_txt_disc() { StopVerif = PreiaTextDePeDischeta() ? 0 : 1; }

void Verif_fis::copy_dbf_disc() { StopVerif = PreiaDbfDePeDischeta() ? 0 : 1; }

void Verif_fis::tr_dbftxt() { StopVerif = PreiaDbfDinDirector() ? 0 : 1; }

void Verif_fis::Command2_Click() {
    // The converter's list of structure errors stands in place of the report.
    if (StopVerif == 0 && !files::isEmpty(transfer::FisierErori)) {
        platform::textViewer().show(transfer::FisierErori);
        StopVerif = 1;
    }
    if (StopVerif == 0) {
        but_verif();
    }
    Command1.setEnabled(true);
    Command2.setEnabled(false);
    Label1.setVisible(false);
}

void Verif_fis::but_verif() {
    platform::BusyCursor clepsidra; // over the checks, the report shown and printed
    RezultatVerificare rez;
    // A log-out meanwhile stops the checks: the files each rewrote stay
    // rewritten, no report is written, shown or printed.
    if (!platform::unlessEnded([&rez] { rez = VerificaFisiereExterne(); })) {
        Label1.setVisible(false);
        return;
    }
    dupaRescriere();
    if (!rez.eroare.empty()) {
        platform::showMessage(rez.eroare, "", Icon::Exclamation);
    } else if (rez.existaErori) {
        platform::textViewer().show(RaportVerificareFisier);
        TiparesteBorderou(RaportVerificareFisier);
    } else {
        platform::showMessage(rez.mesaj, "", Icon::None);
    }
    Label1.setVisible(false);
}

void Verif_fis::Command3_Click() {
    std::string text;
    for (const char* linie : Atentie) {
        text += (text.empty() ? "" : "\r\n") + std::string(linie);
    }
    platform::showMessage(text, "Atentie la selectarea optiunilor de verificare.", Icon::Information);
}

void Verif_fis::dupaRescriere() {
    if (Intro::loaded() && Intro::instance().Check1->value() == 1) {
        ActualizeazaCopiiSortate(true);
    }
}

} // namespace olm
