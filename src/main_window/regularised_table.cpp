#include "main_window/regularised_table.h"

#include "main_window/sorted_copies.h"
#include "platform/busy.h"
#include "platform/dialogs.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/text_viewer.h"
#include "shared/listing_header.h"
#include "shared/number_text.h"
#include "shared/printing.h"
#include "shared/record_line.h"
#include "shared/sheet_text.h"
#include "shared/state.h"

#include <string>

namespace olm {

namespace files = platform::files;

namespace {

constexpr const char* FisierTabel = "tab5.txt";
const std::string Linie(131, '_');

// Fields of the Fisa 1 record printed in the table (0-based).
constexpr std::size_t CampCod = 0;
constexpr std::size_t CampNume = 1;
constexpr std::size_t CampPrenume = 2;
constexpr std::size_t CampImpozitRetinut = 73; // total of the tax withheld
constexpr std::size_t CampVenitAnual = 79;     // VI.6
constexpr std::size_t CampImpozitAnual = 80;   // VI.7
constexpr std::size_t CampRamasPlata = 81;     // VI.9
constexpr std::size_t CampRestituit = 82;      // VI.10

// An amount of a row: blanks when it is 0 or empty, else as stored.
std::string suma(const std::string& text) {
    return ValoareText(text) == 0 ? std::string(14, ' ') : laDreapta(text, 14);
}

void antetTab5(files::AtomicWriter& f) {
    f.writeLine(std::string(40, ' ') + "S I T U A T I E   C E N T R A L I Z A T O A R E");
    f.writeLine("");
    f.writeLine(std::string(38, ' ') + "fise fiscale 1 regularizate  ( cap.VI ) pentru anul " +
                anFiscalText());
    f.writeLine("");
    f.writeLine("");
    f.writeLine("");
    ScrieAntetAngajator(f, 132);
    f.writeLine(Linie);
    f.writeLine(" Nr.   Cod angajat       Nume ,prenume                          Venit baza de      "
                "Impozit      Impozit       Impozit    Impozit de");
    f.writeLine("crt.                                                            calcul anual        "
                "anual       calculat      ramas de    restituit");
    f.writeLine("                                                                                    "
                "           si retinut     plata");
    f.writeLine(Linie);
    f.writeLine("  1          2                   3                                    4               "
                "5             6           7=5-6       8=6-5  ");
    f.writeLine(Linie);
}

void randuriTab5(files::AtomicWriter& f) {
    TotVenitAnual = TotImpozitAnual = TotImpozitRetinut = TotRamasPlata = TotRestituit = 0;
    long long nrCrt = 0;
    files::LineReader cititor(FisierDest);
    std::string linie;
    while (cititor.next(linie)) {
        ++nrCrt;
        const auto c = taieCampuri(linie, structuraFf1()).campuri;
        const std::string nume = c[CampNume] + " " + c[CampPrenume];
        std::string numeColoana = nume.substr(0, 40);
        numeColoana.resize(40, ' ');
        f.writeLine(laDreapta(std::to_string(nrCrt), 5) + " " + c[CampCod] + " " + numeColoana +
                    " " + suma(c[CampVenitAnual]) + suma(c[CampImpozitAnual]) +
                    suma(c[CampImpozitRetinut]) + suma(c[CampRamasPlata]) +
                    suma(c[CampRestituit]));
        if (nume.size() > 40) {
            f.writeLine(std::string(20, ' ') + nume.substr(40));
        }
        TotVenitAnual = AdunaLei(TotVenitAnual, LeiIntregi(c[CampVenitAnual]));
        TotImpozitAnual = AdunaLei(TotImpozitAnual, LeiIntregi(c[CampImpozitAnual]));
        TotImpozitRetinut = AdunaLei(TotImpozitRetinut, LeiIntregi(c[CampImpozitRetinut]));
        TotRamasPlata = AdunaLei(TotRamasPlata, LeiIntregi(c[CampRamasPlata]));
        TotRestituit = AdunaLei(TotRestituit, LeiIntregi(c[CampRestituit]));
    }
}

void subsolTab5(files::AtomicWriter& f) {
    f.writeLine(Linie);
    f.writeLine("      TOTAL" + std::string(50, ' ') + laDreapta(std::to_string(TotVenitAnual), 14) +
                laDreapta(std::to_string(TotImpozitAnual), 14) +
                laDreapta(std::to_string(TotImpozitRetinut), 14) +
                laDreapta(std::to_string(TotRamasPlata), 14) + laDreapta(std::to_string(TotRestituit), 14));
    f.writeLine(Linie);
    f.writeLine("");
    f.writeLine("   Sub sanctiunile aplicate faptei de fals in acte publice, declar ca datele din "
                "aceste fise fiscale sunt");
    f.writeLine("corecte si complete.");
    f.writeLine("Nume, prenume  ");
    f.writeLine("Functia  ");
    f.writeLine("Semnatura si stampila angajatorului__________________________________________");
}

} // namespace

void ScrieTabel5() {
    // A sorted file left from an earlier run must not stand in for a missing
    // "ff1.txt": the table would show sheets that are no longer there.
    files::remove("ff1_sort.txt");
    if (files::exists("ff1.txt")) {
        SorteazaAlfabetic("ff1.txt", "ff1_sort.txt");
    }
    TitluLista = "1 regularizate (tabel V)";
    TipLista = "R";

    files::AtomicWriter tabel(FisierTabel);
    antetTab5(tabel);
    FisierSursa = "Ff1_sort.txt";
    FisierDest = "Ff1R.txt";
    FiltreazaFF1();
    randuriTab5(tabel);
    subsolTab5(tabel);
    tabel.commit();
}

void TabelFise1Regularizate() {
    platform::showMessage(NotaVizualizare, "", platform::Icon::Exclamation);
    try {
        // A log-out meanwhile leaves the table as it was, unshown.
        if (!platform::unlessEnded(ScrieTabel5)) {
            return;
        }
    } catch (const platform::FileError& e) {
        platform::showMessage("Eroare " + std::to_string(e.number()) + ".", "",
                              platform::Icon::Exclamation);
        return;
    }
    platform::textViewer().show(FisierTabel);
    TiparesteTabel(FisierTabel);
}

} // namespace olm
