#include "main_window/sheet_picker.h"

#include "platform/dialogs.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "shared/employee_lookup.h"
#include "shared/form_data.h"
#include "shared/record_line.h"
#include "shared/sheet_files.h"
#include "shared/state.h"

namespace olm {

namespace files = platform::files;

namespace {

void adaugaDin(const FisierDate& f, int tip, std::vector<IntrareFisa>& intrari) {
    const std::string sufix = tip == 1 ? "--FF1" : "--FF2";
    files::LineReader cititor(f.nume);
    std::string linie;
    while (cititor.next(linie)) {
        auto c = taieCampuri(linie, f.structura, 3);
        if (!c.complet) {
            continue;
        }
        IntrareFisa e;
        e.text = c.campuri[1] + " " + c.campuri[2] + "--" + c.campuri[0] + sufix;
        e.cod = std::move(c.campuri[0]);
        e.tip = tip;
        intrari.push_back(std::move(e));
    }
}

} // namespace

std::vector<IntrareFisa> IntrariFiseIncarcate(Rezultat& rezultat) {
    std::vector<IntrareFisa> intrari;
    for (int tip : {1, 2}) {
        const FisierDate& f = tip == 1 ? FisierFf1() : FisierFf2();
        try {
            adaugaDin(f, tip, intrari);
        } catch (const platform::FileError& e) {
            rezultat = Rezultat::esec(mesajEroareCitire(e.number(), f.nume));
        }
    }
    return intrari;
}

std::string EtichetaLista(std::size_t n) {
    return "LISTA ALFABETICA ( s-au incarcat " + std::to_string(n) + " fise )";
}

void IncarcaFisaAleasa(const IntrareFisa& intrare) {
    FormaFisaII& f = AngajatFisaII;
    CodAngajat = intrare.cod;
    f.CodS = intrare.cod;
    f.StergeActiv = true;
    if (const Rezultat r = CautaFiseAngajat(); !r) {
        platform::showMessage(r.eroare, "", platform::Icon::Exclamation);
    }
    if (intrare.tip == 1) {
        f.StergeCaption = "Sterge fisa 1";
        TipFisaCrt = 1;
        IncarcaFisaStocata(1, Incarcare::Intreaga);
        f.Frame1 = true;
        f.focus = FocusFisaII::Command1;
    } else {
        f.StergeCaption = "Sterge fisa 2";
        TipFisaCrt = 2;
        IncarcaFisaStocata(2, Incarcare::Intreaga);
        f.Frame1 = false;
    }
    f.Ok_Fisa1 = false;
    f.Ok_Fisa2 = intrare.tip != 1;
}

} // namespace olm
